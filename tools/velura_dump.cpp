// velura-dump [--codepoints] FILE...: prints the face records of font files as JSON Lines, one object per
// face, with the coverage of the Japanese character sets (and the mapped code points with --codepoints).
// Exit status 1 (with a line on stderr per file) when a file cannot be read as a font.
#include <cstdio>
#include <string>
#include <vector>

#include "dump_archive.h"
#include "dump_codec.h"
#include "dump_coverage.h"
#include "fontfile/char_map.h"
#include "fontfile/font_data_table.h"
#include "json_writer.h"
#include "platform/text.h"

namespace velura {
namespace {

void WriteFace(JsonWriter& json, const std::u16string& file, std::size_t index, const TTFontFileData& f,
               const TCharMap& map, bool withCodePoints) {
  json.BeginObject();
  json.Key("file").String(file);
  json.Key("face").Number(static_cast<std::int64_t>(index));
  json.Key("Tags").BeginArray();
  for (const auto& tag : f.Tags) json.Bytes(tag);
  json.EndArray();
  json.Key("FullName").String(f.FullName);
  json.Key("FamilyName").String(f.FamilyName);
  json.Key("LegalNotice").String(f.LegalNotice);
  json.Key("SubfamilyName").String(f.SubfamilyName);
  json.Key("UniqueId").String(f.UniqueId);
  json.Key("VersionString").String(f.VersionString);
  json.Key("PostScriptName").String(f.PostScriptName);
  json.Key("Trademark").String(f.Trademark);
  json.Key("Languages").BeginArray();
  for (const auto& language : f.Languages) {
    json.BeginObject();
    json.Key("LanguageId").Number(language.LanguageId);
    json.Key("LanguageName").String(language.LanguageName);
    json.Key("FamilyName").String(language.FamilyName);
    json.Key("FullName").String(language.FullName);
    json.EndObject();
  }
  json.EndArray();
  json.Key("LanguageList").String(f.LanguageList);
  json.Key("CmapFormatText").String(f.CmapFormatText);
  json.Key("CmapEncodingId").Number(f.CmapEncodingId);
  json.Key("WeightClass").Number(f.WeightClass);
  json.Key("UnicodeRange1").Number(f.UnicodeRange1);
  json.Key("UnicodeRange2").Number(f.UnicodeRange2);
  json.Key("UnicodeRange3").Number(f.UnicodeRange3);
  json.Key("UnicodeRange4").Number(f.UnicodeRange4);
  json.Key("HasUnicodeRanges").Bool(f.HasUnicodeRanges);
  json.Key("CodePageRange1").Number(f.CodePageRange1);
  json.Key("CodePageRange2").Number(f.CodePageRange2);
  json.Key("VendorId").String(f.VendorId);
  json.Key("HeadFlags").Number(f.HeadFlags);
  json.Key("PostVersionCode").Number(f.PostVersionCode);
  json.Key("IsOpenType").Bool(f.IsOpenType);
  json.Key("HasCff").Bool(f.HasCff);
  json.Key("SlantPosition").Number(f.SlantPosition);
  WriteCharMapKeys(json, map, withCodePoints);
  json.EndObject();
}

std::vector<TCharMap> CharMapsOf(const std::u16string& file) {
  auto source = FileSource::Open(file);
  return source ? ReadFileCharMaps(*source) : std::vector<TCharMap>{};
}

int DumpFonts(const std::vector<std::u16string>& files, bool withCodePoints) {
  TFontDataTable reader(DumpAnsiCodec());
  int status = 0;
  for (const auto& file : files) {
    TFontFileData faces;
    if (!reader.LoadFontFile(file, faces)) {
      std::fprintf(stderr, "velura-dump: %s: not a readable TrueType/OpenType font file\n", ToUtf8(file).c_str());
      status = 1;
      continue;
    }
    const std::vector<TCharMap> maps = CharMapsOf(file);
    for (std::size_t i = 0; i < faces.size(); ++i) {
      JsonWriter json;
      WriteFace(json, file, i, faces[i], i < maps.size() ? maps[i] : TCharMap{}, withCodePoints);
      json.Text() += '\n';
      std::fwrite(json.Text().data(), 1, json.Text().size(), stdout);
    }
  }
  return status;
}

int Run(const std::vector<std::u16string>& args) {
  if (IsArchiveCommand(args)) return RunArchiveCommand(args);
  const bool withCodePoints = !args.empty() && args[0] == u"--codepoints";
  const std::vector<std::u16string> files(args.begin() + (withCodePoints ? 1 : 0), args.end());
  if (files.empty() || files[0] == u"--help") {
    std::fprintf(stderr, "usage: velura-dump [--codepoints] FONTFILE...\n");
    return files.empty() ? 2 : 0;
  }
  return DumpFonts(files, withCodePoints);
}

}  // namespace
}  // namespace velura

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i], argv[i] + std::char_traits<wchar_t>::length(argv[i]));
  return velura::Run(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(velura::FromUtf8(argv[i]));
  return velura::Run(args);
}
#endif
