// The extraction policy and the folder writer: what is written where, within which limits, and that
// nothing lands outside the destination, replaces a file or follows a link.
#include <gtest/gtest.h>

#include "archive/extraction.h"
#include "archive/folder_writer.h"
#include "archive_test_support.h"

namespace velura::archive_testing {
namespace {

struct Extracted {
  ExtractionReport report;
  std::vector<std::string> files;
};

Extracted ExtractZip(const ScratchDir& out, const Bytes& zip, const ExtractionLimits& limits = {}) {
  auto reader = OpenZipArchive(Span(zip));
  FolderWriter writer(FromUtf8(out.Path().string()));
  Extracted result{ExtractArchive(*reader, limits, writer), {}};
  result.files = FileNames(out.Path());
  return result;
}

TEST(ArchiveExtraction, HostileNamesLandFlatInsideTheDestination) {
  ScratchDir root;
  std::filesystem::create_directories(root / "a/b/out");
  const Bytes zip = BuildZip({{"../../evil.ttf", {1}}, {"/abs.ttf", {2}}, {"C:x.ttf", {3}}, {"C:\\win\\y.ttf", {4}},
                              {"CON.ttf", {5}}, {"sub/Dup.ttf", {6}}, {"dup.TTF", {7}}, {"dir/..", {8}},
                              {std::string("nul\0x.ttf", 9), {9}}, {"readme.txt", {10}}, {"inner.zip", {11}}});
  auto reader = OpenZipArchive(Span(zip));
  FolderWriter writer(FromUtf8((root / "a/b/out").string()));
  const ExtractionReport report = ExtractArchive(*reader, ExtractionLimits{}, writer);
  EXPECT_EQ(FileNames(root / "a/b/out"),
            (std::vector<std::string>{"Dup.ttf", "abs.ttf", "dup (2).TTF", "evil.ttf", "inner.zip", "y.ttf"}));
  EXPECT_EQ(FileNames(root.Path()), std::vector<std::string>{"a"});
  EXPECT_EQ(FileNames(root / "a"), std::vector<std::string>{"b"});
  EXPECT_EQ(FileNames(root / "a/b"), std::vector<std::string>{"out"});
  const std::vector<MemberIssue> expected = {
      MemberIssue::None, MemberIssue::None,       MemberIssue::UnsafeName, MemberIssue::None,
      MemberIssue::UnsafeName, MemberIssue::None, MemberIssue::None,       MemberIssue::UnsafeName,
      MemberIssue::UnsafeName, MemberIssue::NotFontOrArchive, MemberIssue::None};
  ASSERT_EQ(report.members.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report.members[i].issue, expected[i]) << i;
  EXPECT_EQ(report.written, 6u);
  EXPECT_EQ(report.failed, 0u);
}

TEST(ArchiveExtraction, LimitsOnSizeTotalAndCountAreReportedPerMember) {
  ExtractionLimits limits;
  limits.maxMemberSize = 4 << 20;
  limits.maxTotalSize = 5 << 20;
  limits.maxMembers = 3;
  // An honest bomb: 16 MiB of zeros in a few KiB.
  const Bytes zip = BuildZip({{"bomb.ttf", Bytes(16 << 20, 0)},
                              {"a.ttf", Bytes(3 << 20, 1)},
                              {"b.ttf", Bytes(3 << 20, 2)},
                              {"c.ttf", {1}}, {"d.ttf", {2}}, {"e.ttf", {3}}});
  EXPECT_LT(zip.size(), 100000u);
  ScratchDir out;
  const Extracted result = ExtractZip(out, zip, limits);
  const auto& m = result.report.members;
  EXPECT_EQ(m[0].issue, MemberIssue::MemberTooLarge);
  EXPECT_EQ(m[1].issue, MemberIssue::None);
  EXPECT_EQ(m[2].issue, MemberIssue::TotalLimitReached);
  EXPECT_EQ(m[3].issue, MemberIssue::None);
  EXPECT_EQ(m[4].issue, MemberIssue::None);
  EXPECT_EQ(m[5].issue, MemberIssue::CountLimitReached);
  EXPECT_EQ(result.files, (std::vector<std::string>{"a.ttf", "c.ttf", "d.ttf"}));
}

TEST(ArchiveExtraction, FailedMembersLeaveNoFileAndNoTemporaryFile) {
  ZipMember badCrc{"bad.ttf", Payload(50000, 41)}, cut{"cut.ttf", Payload(50000, 42)};
  badCrc.crc = 7;
  cut.size = 60000;
  ScratchDir out;
  const Extracted result = ExtractZip(out, BuildZip({badCrc, cut, {"good.ttf", {1, 2, 3}}}));
  EXPECT_EQ(result.report.members[0].issue, MemberIssue::ChecksumMismatch);
  EXPECT_EQ(result.report.members[1].issue, MemberIssue::SizeMismatch);
  EXPECT_EQ(result.report.failed, 2u);
  EXPECT_EQ(result.files, std::vector<std::string>{"good.ttf"});
}

TEST(ArchiveExtraction, NeverReplacesFilesOrFollowsLinks) {
  ScratchDir outside, out;
  WriteFile(outside / "target.ttf", {'o', 'l', 'd'});
  WriteFile(out / "existing.ttf", {'k', 'e', 'e', 'p'});
  std::filesystem::create_symlink(outside / "target.ttf", out / "link.ttf");
  std::filesystem::create_symlink(outside / "nothing.ttf", out / "dangling.ttf");
  const Extracted result =
      ExtractZip(out, BuildZip({{"existing.ttf", {1}}, {"link.ttf", {2}}, {"dangling.ttf", {3}}, {"new.ttf", {4}}}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(result.report.members[i].issue, MemberIssue::AlreadyExists) << i;
  EXPECT_EQ(ReadFile(out / "existing.ttf"), (Bytes{'k', 'e', 'e', 'p'}));
  EXPECT_EQ(ReadFile(outside / "target.ttf"), (Bytes{'o', 'l', 'd'}));
  EXPECT_FALSE(std::filesystem::exists(outside / "nothing.ttf"));
  EXPECT_EQ(ReadFile(out / "new.ttf"), Bytes{4});
  EXPECT_EQ(result.files.size(), 4u);  // no temporary files left
}

TEST(ArchiveExtraction, WriterRefusesAnythingButOneComponent) {
  ScratchDir out;
  FolderWriter writer(FromUtf8(out.Path().string()));
  for (std::u16string_view bad : {u"", u".", u"..", u"a/b.ttf", u"..\\x.ttf", u"c:x"})
    EXPECT_EQ(writer.Create(bad), nullptr);
  FolderWriter missing(FromUtf8((out / "no/such/folder").string()));
  EXPECT_EQ(missing.Create(u"a.ttf"), nullptr);
}

// Stands in for a decoder of methods the built-in readers do not handle.
class FakeFallback final : public FallbackDecoder {
 public:
  explicit FakeFallback(std::size_t bytes) : bytes_(bytes) {}
  bool Handles(const ArchiveEntry& entry) const override { return entry.method == "bzip2"; }
  MemberIssue Extract(std::size_t, OutputSink& sink) override {
    const Bytes chunk(bytes_, 'z');
    return sink.Write(chunk) ? MemberIssue::None : MemberIssue::WriteFailed;
  }

 private:
  std::size_t bytes_;
};

TEST(ArchiveExtraction, FallbackDecoderTakesUnsupportedMethodsWithinTheSameLimits) {
  const Bytes zip = BuildZip({{"b.ttf", {'z', 'z'}, 12}, {"c.ttf", {1}, 14}});
  auto reader = OpenZipArchive(Span(zip));
  ScratchDir out;
  FolderWriter writer(FromUtf8(out.Path().string()));
  FakeFallback fallback(2);
  const ExtractionReport report = ExtractArchive(*reader, ExtractionLimits{}, writer, &fallback);
  EXPECT_EQ(report.members[0].issue, MemberIssue::None);
  EXPECT_EQ(report.members[1].issue, MemberIssue::UnsupportedMethod);  // lzma: not handled
  EXPECT_EQ(ReadFile(out / "b.ttf"), (Bytes{'z', 'z'}));

  ScratchDir out2;
  FolderWriter writer2(FromUtf8(out2.Path().string()));
  FakeFallback runaway(1 << 20);  // writes far more than the cap allows
  ExtractionLimits limits;
  limits.maxMemberSize = 1000;
  EXPECT_EQ(ExtractArchive(*reader, limits, writer2, &runaway).members[0].issue, MemberIssue::MemberTooLarge);
  EXPECT_TRUE(FileNames(out2.Path()).empty());
}

TEST(ArchiveFormats, DetectionBySignatureAndByName) {
  ArchiveFormat format;
  EXPECT_TRUE(DetectArchiveFormat(Span(BuildCab({{"a.ttf", {1}}})), format));
  EXPECT_EQ(format, ArchiveFormat::Cab);
  EXPECT_TRUE(DetectArchiveFormat(Span(BuildLzh({{"a.ttf", {1}}})), format));
  EXPECT_EQ(format, ArchiveFormat::Lzh);
  EXPECT_TRUE(DetectArchiveFormat(Span(BuildZip({{"a.ttf", {1}}})), format));
  EXPECT_EQ(format, ArchiveFormat::Zip);
  EXPECT_FALSE(DetectArchiveFormat(Span(Bytes{'M', 'Z', 0, 0}), format));
  EXPECT_TRUE(ArchiveFormatFromName(u"C:\\x\\FONTS.Lzh", format));
  EXPECT_EQ(format, ArchiveFormat::Lzh);
  EXPECT_FALSE(ArchiveFormatFromName(u"fonts.lzh.txt", format));
  EXPECT_EQ(MemberTypeOf(u"a.TTC"), MemberType::Font);
  EXPECT_EQ(MemberTypeOf(u"a.ttf.exe"), MemberType::Other);
  EXPECT_EQ(MemberTypeOf(u"n.CAB"), MemberType::Archive);
}

}  // namespace
}  // namespace velura::archive_testing
