// ZIP structure: the end record, ZIP64, cross-checks of local and central records, and member faults.
#include <gtest/gtest.h>

#include "archive_test_support.h"

namespace velura::archive_testing {
namespace {

HeldReader Open(Bytes bytes) { return HeldReader(std::move(bytes), OpenZipArchive); }

TEST(ZipReader, ExtractsStoredAndDeflatedMembersBehindStubsAndComments) {
  const Bytes a = Payload(70000, 1), b = Payload(10, 2);
  ZipOptions options;
  options.prefix = std::string(5000, 'M');
  options.comment = "PK\x05\x06 a comment that looks like an end record";
  const Bytes zip = BuildZip({{"a.ttf", a}, {"empty.ttf", {}, 0}, {"b.otf", b, 0}}, options);
  auto reader = Open(zip);
  EXPECT_EQ(reader->Error(), ArchiveIssue::None);
  const auto files = ExtractAll(*reader);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files.at("a.ttf"), a);
  EXPECT_TRUE(files.at("empty.ttf").empty());
  EXPECT_EQ(files.at("b.otf"), b);
  EXPECT_EQ(reader->Entries()[0].method, "deflate");
}

TEST(ZipReader, NameEncodingFollowsFlagThenUnicodeFieldThenUtf8ValidityThenCp932) {
  const std::string sjis = Cp932("ソフト表示.ttf");
  ZipMember flagged{"\xE8\x83\xBD.ttf", {1}}, field{sjis, {2}}, staleField{sjis, {3}}, rawUtf8{"表.ttf", {4}},
      cp932{sjis, {5}};
  flagged.flags = 1 << 11;
  field.extra = UnicodePathExtra(sjis, "ユニコード.ttf");
  staleField.extra = UnicodePathExtra(sjis, "古い.ttf", false);
  auto reader = Open(BuildZip({flagged, field, staleField, rawUtf8, cp932}));
  const auto& e = reader->Entries();
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(e[0].name, u"能.ttf");
  EXPECT_EQ(e[1].name, u"ユニコード.ttf");
  EXPECT_EQ(e[2].name, u"ソフト表示.ttf");
  EXPECT_EQ(e[3].name, u"表.ttf");
  EXPECT_EQ(e[3].encoding, NameEncoding::Utf8);
  EXPECT_EQ(e[4].name, u"ソフト表示.ttf");
  EXPECT_EQ(e[4].encoding, NameEncoding::Cp932);
}

TEST(ZipReader, ReadsZip64SizesAndOffsetsFromTheExtraField) {
  const Bytes data = Payload(3000, 3);
  ZipMember m{"big.ttf", data, 0};
  m.packedSize = m.size = 0xFFFFFFFF;
  Bytes extra;
  Put16(extra, 1), Put16(extra, 16), Put64(extra, data.size()), Put64(extra, data.size());
  m.extra = extra;
  auto reader = Open(BuildZip({m}));
  ASSERT_EQ(reader->Entries().size(), 1u);
  EXPECT_EQ(reader->Entries()[0].size, 3000u);
  EXPECT_EQ(ExtractToMemory(*reader, 0).bytes, data);

  m.extra.resize(4 + 8);  // the field stops short of the saturated packed size
  m.extra[2] = 8;
  EXPECT_EQ(Open(BuildZip({m}))->Entries()[0].issue, MemberIssue::BadHeader);
}

TEST(ZipReader, ListsButSkipsEncryptedUnsupportedLinksAndFolders) {
  ZipMember encrypted{"e.ttf", {1, 2}, 0}, bzip2{"b.ttf", {1, 2}, 12}, aes{"a.ttf", {1}, 99}, link{"l.ttf", {'x'}, 0},
      folder{"dir/", {}, 0}, dosFolder{"d", {}, 0}, ntfsLink{"r.ttf", {1}, 0};
  encrypted.flags = 1;
  link.madeBy = 3 << 8;
  link.external = 0120777u << 16;
  dosFolder.external = 0x10;
  ntfsLink.external = 0x400;
  auto reader = Open(BuildZip({encrypted, bzip2, aes, link, folder, dosFolder, ntfsLink}));
  const std::vector<MemberIssue> expected = {MemberIssue::Encrypted, MemberIssue::UnsupportedMethod,
                                             MemberIssue::Encrypted, MemberIssue::Symlink, MemberIssue::Directory,
                                             MemberIssue::Directory, MemberIssue::Symlink};
  ASSERT_EQ(reader->Entries().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(reader->Entries()[i].issue, expected[i]) << i;
    EXPECT_EQ(ExtractToMemory(*reader, i).issue, expected[i]) << i;  // never extracted
  }
  EXPECT_EQ(reader->Entries()[1].method, "bzip2");
}

TEST(ZipReader, LocalHeaderMustAgreeWithTheCentralRecord) {
  ZipMember renamed{"a.ttf", {1, 2, 3}, 0};
  renamed.localName = "A.ttf";
  auto reader = Open(BuildZip({renamed, {"ok.ttf", {4}}}));
  EXPECT_EQ(reader->Entries()[0].issue, MemberIssue::BadHeader);
  EXPECT_EQ(reader->Entries()[1].issue, MemberIssue::None);

  ZipMember pointsAtCentral{"c.ttf", {1}, 0};
  pointsAtCentral.localOffset = 0x7FFFFFFF;
  EXPECT_EQ(Open(BuildZip({pointsAtCentral}))->Entries()[0].issue, MemberIssue::DataOutOfRange);
}

TEST(ZipReader, MembersSharingBytesAreRefused) {
  ZipMember first{"a.ttf", Payload(500, 5), 0}, second{"b.ttf", Payload(500, 5), 0};
  second.localOffset = 0;  // the "better zip bomb": many records, one body
  second.name = "a.ttf";
  auto reader = Open(BuildZip({first, second}));
  ASSERT_EQ(reader->Entries().size(), 2u);
  EXPECT_EQ(reader->Entries()[0].issue, MemberIssue::Overlap);
  EXPECT_EQ(reader->Entries()[1].issue, MemberIssue::Overlap);
}

TEST(ZipReader, DataFaultsAreReportedPerMember) {
  ZipMember badCrc{"crc.ttf", Payload(1000, 6)}, lyingSize{"lie.ttf", Bytes(1 << 20, 0)},
      shortSize{"s.ttf", Payload(900, 7)};
  badCrc.crc = 1234;
  lyingSize.size = 1000;  // a bomb that claims to be small: stops after 1000 bytes
  lyingSize.crc = ZlibCrc32(Bytes(1000, 0));
  shortSize.size = 2000;
  auto reader = Open(BuildZip({badCrc, lyingSize, shortSize}));
  EXPECT_EQ(ExtractToMemory(*reader, 0).issue, MemberIssue::ChecksumMismatch);
  const ExtractedMember lie = ExtractToMemory(*reader, 1);
  EXPECT_EQ(lie.issue, MemberIssue::SizeMismatch);
  EXPECT_LE(lie.bytes.size(), 1000u);
  EXPECT_EQ(ExtractToMemory(*reader, 2).issue, MemberIssue::SizeMismatch);

  Bytes zip = BuildZip({{"x.ttf", Payload(2000, 8)}});
  zip[30 + 5 + 10] ^= 0xFF;  // inside the deflate stream
  auto broken = Open(zip);
  const MemberIssue issue = ExtractToMemory(*broken, 0).issue;
  EXPECT_TRUE(issue == MemberIssue::CorruptData || issue == MemberIssue::ChecksumMismatch ||
              issue == MemberIssue::SizeMismatch);
}

TEST(ZipReader, CountsThatLieAndSplitArchivesAreReported) {
  ZipOptions options;
  options.entryCount = 7;
  auto reader = Open(BuildZip({{"a.ttf", {1}}}, options));
  EXPECT_EQ(reader->Error(), ArchiveIssue::None);
  ASSERT_EQ(reader->Warnings().size(), 1u);
  EXPECT_EQ(reader->Warnings()[0], ArchiveIssue::EntryCountMismatch);
  EXPECT_EQ(reader->Entries().size(), 1u);

  Bytes split = BuildZip({{"a.ttf", {1}}});
  split[split.size() - 22 + 4] = 1;  // this disk: 1
  EXPECT_EQ(Open(split)->Error(), ArchiveIssue::MultiVolume);
}

TEST(ZipReader, EveryTruncationFailsCleanly) {
  const Bytes zip = BuildZip({{"a.ttf", Payload(300, 9)}, {"b.ttf", Payload(50, 10), 0}});
  for (std::size_t size = 0; size < zip.size(); ++size) {
    const Bytes cut(zip.begin(), zip.begin() + static_cast<std::ptrdiff_t>(size));
    auto reader = Open(cut);
    EXPECT_NE(reader->Error(), ArchiveIssue::None) << size;
    for (std::size_t i = 0; i < reader->Entries().size(); ++i) ExtractToMemory(*reader, i);
  }
  EXPECT_EQ(Open(Bytes{})->Error(), ArchiveIssue::NotAnArchive);
}

}  // namespace
}  // namespace velura::archive_testing
