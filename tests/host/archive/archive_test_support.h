// Helpers of the archive tests: reading members into memory, scratch folders, and the Debian tools that
// make reference archives (a missing tool fails the test: scripts/setup.sh installs them).
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include <unistd.h>

#include "archive/archive_reader.h"
#include "archive_builders.h"
#include "platform/text.h"

namespace velura::archive_testing {

inline std::span<const std::uint8_t> Span(const Bytes& bytes) { return {bytes.data(), bytes.size()}; }

inline std::string Utf8(std::u16string_view text) { return ToUtf8(text); }

inline std::string Cp932(const char* utf8) {  // fixed CP932 spellings of the names the tests use
  static const std::map<std::string, std::string> kNames = {
      {"ソフト表示.ttf", "\x83\x5C\x83\x74\x83\x67\x95\x5C\x8E\xA6.ttf"},
      {"能書体.otf", "\x94\x5C\x8F\x91\x91\xCC.otf"},
      {"ソフト表示\\能書体.ttf", "\x83\x5C\x83\x74\x83\x67\x95\x5C\x8E\xA6\\\x94\x5C\x8F\x91\x91\xCC.ttf"},
  };
  return kNames.at(utf8);
}

// A reader together with the bytes it reads: readers only borrow them.
class HeldReader {
 public:
  using Opener = std::unique_ptr<ArchiveReader> (*)(std::span<const std::uint8_t>);
  HeldReader(Bytes bytes, Opener open)
      : bytes_(std::make_unique<Bytes>(std::move(bytes))), reader_(open(Span(*bytes_))) {}
  ArchiveReader* operator->() const { return reader_.get(); }
  ArchiveReader& operator*() const { return *reader_; }

 private:
  std::unique_ptr<Bytes> bytes_;
  std::unique_ptr<ArchiveReader> reader_;
};

struct ExtractedMember {
  MemberIssue issue;
  Bytes bytes;
};

inline ExtractedMember ExtractToMemory(ArchiveReader& reader, std::size_t index) {
  MemorySink sink;
  const MemberIssue issue = reader.Extract(index, sink);
  return {issue, sink.Bytes()};
}

// Every member that extracts cleanly, by decoded name.
inline std::map<std::string, Bytes> ExtractAll(ArchiveReader& reader) {
  std::map<std::string, Bytes> out;
  for (std::size_t i = 0; i < reader.Entries().size(); ++i) {
    ExtractedMember m = ExtractToMemory(reader, i);
    if (m.issue == MemberIssue::None) out[Utf8(reader.Entries()[i].name)] = m.bytes;
  }
  return out;
}

class ScratchDir {
 public:
  ScratchDir() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("velura-archive-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }  // UTF-8 on Linux

 private:
  std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs a shell command in folder; the test fails on a non-zero status.
inline void RunIn(const std::filesystem::path& folder, const std::string& command) {
  const std::string line = "cd '" + folder.string() + "' && (" + command + ") >/dev/null 2>&1";
  ASSERT_EQ(std::system(line.c_str()), 0) << line;
}

inline void RequireTool(const std::string& tool) {
  const std::string line = "command -v " + tool + " >/dev/null 2>&1";
  ASSERT_EQ(std::system(line.c_str()), 0) << tool << " is missing: run scripts/setup.sh";
}

// Names of every file in folder (not recursive), as UTF-8.
inline std::vector<std::string> FileNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& item : std::filesystem::directory_iterator(folder)) names.push_back(item.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace velura::archive_testing
