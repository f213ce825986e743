// Lists or extracts an archive with the built-in readers and the same extraction policy the program
// uses. --list shows, for every member, the decoded name, sizes, method and what extraction would do.
#include "dump_archive.h"

#include <cstdio>

#include "archive/extraction.h"
#include "archive/folder_writer.h"
#include "fontfile/byte_source.h"
#include "platform/json_writer.h"
#include "platform/text.h"

namespace velura {

namespace {

constexpr std::uint64_t kMaxArchiveBytes = 1ull << 30;

std::string_view EncodingName(NameEncoding encoding) {
  switch (encoding) {
    case NameEncoding::Utf8: return "utf-8";
    case NameEncoding::Cp932: return "cp932";
    case NameEncoding::Utf16Le: return "utf-16le";
  }
  return "?";
}

void WriteLine(JsonWriter& json) {
  json.Text() += '\n';
  std::fwrite(json.Text().data(), 1, json.Text().size(), stdout);
}

bool LoadArchive(const std::u16string& path, std::vector<std::uint8_t>& bytes) {
  auto source = FileSource::Open(path);
  if (!source) {
    std::fprintf(stderr, "velura-dump: %s: cannot open\n", ToUtf8(path).c_str());
    return false;
  }
  if (source->Size() > kMaxArchiveBytes) {
    std::fprintf(stderr, "velura-dump: %s: larger than 1 GiB\n", ToUtf8(path).c_str());
    return false;
  }
  bytes.resize(static_cast<std::size_t>(source->Size()));
  return source->ReadAt(0, bytes.data(), bytes.size());
}

std::unique_ptr<ArchiveReader> OpenFile(const std::u16string& path, const std::vector<std::uint8_t>& bytes) {
  ArchiveFormat format;
  if (!DetectArchiveFormat(bytes, format) && !ArchiveFormatFromName(path, format)) return nullptr;
  return OpenArchiveAs(format, bytes);
}

void WriteArchiveLine(const std::u16string& path, const ArchiveReader& reader) {
  JsonWriter json;
  json.BeginObject();
  json.Key("archive").String(path);
  json.Key("format").String(FormatName(reader.Format()));
  json.Key("members").Number(static_cast<std::int64_t>(reader.Entries().size()));
  json.Key("error").String(IssueName(reader.Error()));
  json.Key("warnings").BeginArray();
  for (ArchiveIssue warning : reader.Warnings()) json.String(IssueName(warning));
  json.EndArray();
  json.EndObject();
  WriteLine(json);
}

void WriteEntryFields(JsonWriter& json, const ArchiveEntry& entry) {
  json.Key("name").String(entry.name);
  json.Key("encoding").String(EncodingName(entry.encoding));
  if (entry.nameHadInvalidBytes) json.Key("invalidNameBytes").Bool(true);
  json.Key("size").Number(static_cast<std::int64_t>(entry.size));
  json.Key("packed").Number(static_cast<std::int64_t>(entry.packedSize));
  json.Key("method").String(entry.method);
}

int List(const std::u16string& path) {
  std::vector<std::uint8_t> bytes;
  if (!LoadArchive(path, bytes)) return 1;
  auto reader = OpenFile(path, bytes);
  if (!reader) {
    std::fprintf(stderr, "velura-dump: %s: not a ZIP, CAB or LZH archive\n", ToUtf8(path).c_str());
    return 1;
  }
  WriteArchiveLine(path, *reader);
  const auto plans = PlanExtraction(reader->Entries(), ExtractionLimits{});
  for (std::size_t i = 0; i < plans.size(); ++i) {
    JsonWriter json;
    json.BeginObject();
    WriteEntryFields(json, reader->Entries()[i]);
    if (plans[i].outputName.empty()) {
      json.Key("action").String("skip");
      json.Key("reason").String(IssueName(plans[i].skip));
    } else {
      json.Key("action").String("extract");
      json.Key("output").String(plans[i].outputName);
    }
    json.EndObject();
    WriteLine(json);
  }
  return reader->Error() == ArchiveIssue::None ? 0 : 1;
}

int Extract(const std::u16string& folder, const std::u16string& path) {
  std::vector<std::uint8_t> bytes;
  if (!LoadArchive(path, bytes)) return 1;
  auto reader = OpenFile(path, bytes);
  if (!reader) {
    std::fprintf(stderr, "velura-dump: %s: not a ZIP, CAB or LZH archive\n", ToUtf8(path).c_str());
    return 1;
  }
  WriteArchiveLine(path, *reader);
  FolderWriter writer(folder);
  const ExtractionReport report = ExtractArchive(*reader, ExtractionLimits{}, writer);
  for (std::size_t i = 0; i < report.members.size(); ++i) {
    const MemberOutcome& outcome = report.members[i];
    JsonWriter json;
    json.BeginObject();
    WriteEntryFields(json, reader->Entries()[i]);
    if (!outcome.outputName.empty()) json.Key("output").String(outcome.outputName);
    json.Key("result").String(outcome.issue == MemberIssue::None ? "written"
                              : outcome.outputName.empty()       ? "skipped"
                                                                 : "failed");
    if (outcome.issue != MemberIssue::None) json.Key("reason").String(IssueName(outcome.issue));
    json.EndObject();
    WriteLine(json);
  }
  return report.archiveError == ArchiveIssue::None && report.failed == 0 ? 0 : 1;
}

}  // namespace

bool IsArchiveCommand(const std::vector<std::u16string>& args) {
  return !args.empty() && (args[0] == u"--list" || args[0] == u"--extract");
}

int RunArchiveCommand(const std::vector<std::u16string>& args) {
  if (args[0] == u"--list" && args.size() == 2) return List(args[1]);
  if (args[0] == u"--extract" && args.size() == 3) return Extract(args[1], args[2]);
  std::fprintf(stderr, "usage: velura-dump --list ARCHIVE | --extract DIR ARCHIVE\n");
  return 2;
}

}  // namespace velura
