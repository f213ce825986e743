// Archives made by Debian's tools (zip, python3's zipfile, gcab, jlha) extract byte for byte under their
// decoded names, including CP932 names whose trail bytes are 0x5C (ソ, 表, 能).
#include <gtest/gtest.h>

#include "archive/extraction.h"
#include "archive/folder_writer.h"
#include "archive_test_support.h"

namespace velura::archive_testing {
namespace {

class ArchiveToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    files_ = {{"plain.ttf", Payload(100000, 31)},
              {"ソフト表示.ttf", Payload(40000, 32)},
              {"能書体.otf", Payload(5000, 33)},
              {"empty.ttc", {}}};
    for (const auto& [name, bytes] : files_) WriteFile(source_ / name, bytes);
  }

  // Extracts archive with the real policy and writer, then expects exactly the source files.
  void ExpectExtractsSources(const std::string& archive) {
    SCOPED_TRACE(archive);
    const Bytes bytes = ReadFile(work_ / archive);
    ArchiveFormat format;
    ASSERT_TRUE(DetectArchiveFormat(Span(bytes), format));
    auto reader = OpenArchiveAs(format, Span(bytes));
    ASSERT_EQ(reader->Error(), ArchiveIssue::None);
    ScratchDir out;
    FolderWriter writer(FromUtf8(out.Path().string()));
    const ExtractionReport report = ExtractArchive(*reader, ExtractionLimits{}, writer);
    EXPECT_EQ(report.failed, 0u);
    std::vector<std::string> expected;
    for (const auto& [name, bytes] : files_) {
      expected.push_back(name);
      EXPECT_EQ(ReadFile(out / name), bytes) << name;
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FileNames(out.Path()), expected);
  }

  std::string Sources() const { return "'" + source_.Path().string() + "'"; }

  std::map<std::string, Bytes> files_;
  ScratchDir source_, work_;
};

TEST_F(ArchiveToolsTest, InfoZipWritesUtf8NamesWithoutTheFlag) {
  RequireTool("zip");
  RunIn(source_.Path(), "zip -q -X " + (work_ / "deflate.zip").string() + " *");
  RunIn(source_.Path(), "zip -q -X -0 " + (work_ / "stored.zip").string() + " *");
  ExpectExtractsSources("deflate.zip");
  ExpectExtractsSources("stored.zip");
}

TEST_F(ArchiveToolsTest, PythonZipfileWithFlagAndWithCp932Names) {
  RequireTool("python3");
  const std::string script = R"(
import os, sys, zipfile
src, dst = sys.argv[1], sys.argv[2]
class Cp932Info(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode('cp932'), self.flag_bits & ~0x800
for archive, info_type in (('flag.zip', zipfile.ZipInfo), ('cp932.zip', Cp932Info)):
    with zipfile.ZipFile(os.path.join(dst, archive), 'w', zipfile.ZIP_DEFLATED) as z:
        for name in sorted(os.listdir(src)):
            info = info_type('fonts/' + name)
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, open(os.path.join(src, name), 'rb').read())
)";
  WriteFile(work_ / "make.py", Bytes(script.begin(), script.end()));
  RunIn(work_.Path(), "python3 make.py " + Sources() + " .");
  ExpectExtractsSources("flag.zip");
  ExpectExtractsSources("cp932.zip");
  const Bytes bytes = ReadFile(work_ / "cp932.zip");
  auto reader = OpenZipArchive(Span(bytes));
  bool sawCp932 = false;
  for (const auto& e : reader->Entries())
    sawCp932 = sawCp932 || (e.encoding == NameEncoding::Cp932 && e.rawName.find('\x5C') != std::string::npos);
  EXPECT_TRUE(sawCp932);
}

TEST_F(ArchiveToolsTest, GcabWritesUncompressedAndMszipCabinets) {
  RequireTool("gcab");
  RunIn(source_.Path(), "gcab -c " + (work_ / "none.cab").string() + " *");
  RunIn(source_.Path(), "gcab -c -z " + (work_ / "mszip.cab").string() + " *");
  ExpectExtractsSources("none.cab");
  ExpectExtractsSources("mszip.cab");
}

TEST_F(ArchiveToolsTest, Cp932CabinetFromTheBuilder) {
  std::vector<CabFile> cab;
  for (const auto& [name, bytes] : files_) {
    const bool ascii = name == "plain.ttf" || name == "empty.ttc";
    cab.push_back({ascii ? name : Cp932(name.c_str()), bytes});
  }
  WriteFile(work_ / "cp932.cab", BuildCab(cab));
  ExpectExtractsSources("cp932.cab");
}

TEST_F(ArchiveToolsTest, JlhaWritesEveryLevelAndMethod) {
  RequireTool("jlha");
  for (const char* level : {"0", "1", "2"}) {
    for (const char* method : {"z", "o5", "o6", "o7"}) {
      const std::string name = std::string("l") + level + method + ".lzh";
      RunIn(source_.Path(), "JAVA_TOOL_OPTIONS=-Dlha.encoding=MS932 jlha c" + std::string(level) + method + " " +
                              (work_ / name).string() + " *");
      ExpectExtractsSources(name);
    }
  }
  const Bytes bytes = ReadFile(work_ / "l2o7.lzh");
  auto reader = OpenLzhArchive(Span(bytes));
  std::set<std::string> methods;
  for (const auto& e : reader->Entries()) methods.insert(e.method);
  EXPECT_TRUE(methods.count("-lh7-"));  // really compressed, not stored
}

TEST_F(ArchiveToolsTest, Cp932FolderNamesDoNotSplitAtTrailBytes) {
  RequireTool("jlha");
  RequireTool("zip");
  ScratchDir tree;
  const Bytes font = Payload(3000, 34);
  WriteFile(tree / "ソフト表示/能書体.ttf", font);
  for (const char* level : {"0", "2"}) {
    const std::string archive = (work_ / (std::string("trap") + level + ".lzh")).string();
    RunIn(tree.Path(), "JAVA_TOOL_OPTIONS=-Dlha.encoding=MS932 jlha c" + std::string(level) + "o5 " + archive +
                           " ソフト表示/能書体.ttf");
  }
  WriteFile(work_ / "trap.zip", BuildZip({{Cp932("ソフト表示\\能書体.ttf"), font}}));
  WriteFile(work_ / "trap.cab", BuildCab({{Cp932("ソフト表示\\能書体.ttf"), font}}));
  for (const char* archive : {"trap0.lzh", "trap2.lzh", "trap.zip", "trap.cab"}) {
    SCOPED_TRACE(archive);
    const Bytes bytes = ReadFile(work_ / archive);
    ArchiveFormat format;
    ASSERT_TRUE(DetectArchiveFormat(Span(bytes), format));
    auto reader = OpenArchiveAs(format, Span(bytes));
    ScratchDir out;
    FolderWriter writer(FromUtf8(out.Path().string()));
    EXPECT_EQ(ExtractArchive(*reader, ExtractionLimits{}, writer).written, 1u);
    EXPECT_EQ(FileNames(out.Path()), std::vector<std::string>{"能書体.ttf"});
    EXPECT_EQ(ReadFile(out / "能書体.ttf"), font);
  }
}

TEST_F(ArchiveToolsTest, DumpToolListsAndExtracts) {
  RequireTool("zip");
  RunIn(source_.Path(), "zip -q -X " + (work_ / "a.zip").string() + " *");
  const std::string dump = VELURA_DUMP_PATH;
  RunIn(work_.Path(), "'" + dump + "' --list a.zip > list.txt");
  const Bytes list = ReadFile(work_ / "list.txt");
  const std::string text(list.begin(), list.end());
  EXPECT_NE(text.find("\"name\":\"ソフト表示.ttf\""), std::string::npos) << text;
  EXPECT_NE(text.find("\"action\":\"extract\""), std::string::npos);
  std::filesystem::create_directory(work_ / "out");
  RunIn(work_.Path(), "'" + dump + "' --extract out a.zip");
  EXPECT_EQ(ReadFile(work_ / "out/能書体.otf"), files_["能書体.otf"]);
  WriteFile(work_ / "junk.zip", Bytes{'P', 'K', 3, 4, 0});
  const std::string junk = "cd '" + work_.Path().string() + "' && '" + dump + "' --list junk.zip >/dev/null 2>&1";
  EXPECT_NE(std::system(junk.c_str()), 0);
}

}  // namespace
}  // namespace velura::archive_testing
