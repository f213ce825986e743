// CAB structure: reserve areas, folders and data blocks, MSZIP history across blocks, and member faults.
#include <gtest/gtest.h>

#include "archive_test_support.h"

namespace velura::archive_testing {
namespace {

HeldReader Open(Bytes bytes) { return HeldReader(std::move(bytes), OpenCabArchive); }

const Bytes kBig = Payload(100000, 11);  // four data blocks, matches reaching across block borders
const Bytes kSmall = Payload(777, 12);

TEST(CabReader, UncompressedAndMszipFoldersExtractWhole) {
  for (std::uint16_t compression : {0, 1}) {
    CabOptions options;
    options.compression = compression;
    auto reader = Open(BuildCab({{"big.ttf", kBig}, {"zero.ttf", {}}, {"small.otf", kSmall}}, options));
    ASSERT_EQ(reader->Error(), ArchiveIssue::None);
    EXPECT_EQ(reader->Entries()[0].method, compression ? "MSZIP" : "none");
    const auto files = ExtractAll(*reader);
    ASSERT_EQ(files.size(), 3u) << compression;
    EXPECT_EQ(files.at("big.ttf"), kBig);
    EXPECT_TRUE(files.at("zero.ttf").empty());
    EXPECT_EQ(files.at("small.otf"), kSmall);
    // Out of order: the folder is decoded again from its start.
    EXPECT_EQ(ExtractToMemory(*reader, 0).bytes, kBig);
  }
}

TEST(CabReader, ReserveAreasAreSkippedEverywhere) {
  CabOptions options;
  options.headerReserve = 6144;
  options.folderReserve = 7;
  options.dataReserve = 9;
  auto reader = Open(BuildCab({{"a.ttf", kBig}}, options));
  ASSERT_EQ(reader->Error(), ArchiveIssue::None);
  EXPECT_EQ(ExtractToMemory(*reader, 0).bytes, kBig);
}

TEST(CabReader, NamesAreUtf8WithAttribute80ElseCp932) {
  CabFile utf8{"フォント/能.ttf", {1}, 0xA0}, cp932{Cp932("ソフト表示\\能書体.ttf"), {2}},
      overlong{"a\xC0\xAF" "b.ttf", {3}, 0xA0};
  auto reader = Open(BuildCab({utf8, cp932, overlong}));
  const auto& e = reader->Entries();
  EXPECT_EQ(e[0].name, u"フォント/能.ttf");
  EXPECT_EQ(e[1].name, u"ソフト表示\\能書体.ttf");
  EXPECT_EQ(e[2].name, u"a\uFFFD\uFFFDb.ttf");  // no '/' appears
  EXPECT_TRUE(e[2].nameHadInvalidBytes);
}

TEST(CabReader, SetsAndFoldersItCannotDecodeAreRefusedWithReasons) {
  CabOptions next;
  next.extraFlags = 2;
  EXPECT_EQ(Open(BuildCab({{"a.ttf", kSmall}}, next))->Error(), ArchiveIssue::MultiVolume);

  for (std::uint16_t type : {2, 3, 0x1503}) {
    CabOptions options;
    options.compression = type;
    auto reader = Open(BuildCab({{"a.ttf", kSmall}}, options));
    EXPECT_EQ(reader->Entries()[0].issue, MemberIssue::UnsupportedMethod);
    EXPECT_EQ(ExtractToMemory(*reader, 0).issue, MemberIssue::UnsupportedMethod);
  }
  CabOptions lzx;
  lzx.compression = 0x1503;
  EXPECT_EQ(Open(BuildCab({{"a.ttf", kSmall}}, lzx))->Entries()[0].method, "LZX");
}

TEST(CabReader, FileRecordsThatLieAreRefusedPerMember) {
  CabFile badFolder{"f.ttf", {}}, continued{"c.ttf", {}}, pastEnd{"p.ttf", {}}, huge{"h.ttf", {}};
  badFolder.folder = 3;
  continued.folder = 0xFFFD;
  pastEnd.offset = 100000;
  pastEnd.size = 10;
  huge.size = 0xFFFFFFF0;
  auto reader = Open(BuildCab({{"ok.ttf", kSmall}, badFolder, continued, pastEnd, huge}));
  const auto& e = reader->Entries();
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(e[0].issue, MemberIssue::None);
  EXPECT_EQ(e[1].issue, MemberIssue::DataOutOfRange);
  EXPECT_EQ(e[2].issue, MemberIssue::ContinuedElsewhere);
  EXPECT_EQ(e[3].issue, MemberIssue::DataOutOfRange);
  EXPECT_EQ(e[4].issue, MemberIssue::DataOutOfRange);

  CabOptions none;
  none.fileCount = 0;
  EXPECT_EQ(Open(BuildCab({{"a.ttf", kSmall}}, none))->Error(), ArchiveIssue::Corrupt);
  CabOptions many;
  many.fileCount = 65535;  // the records would run on into the data blocks
  auto lying = Open(BuildCab({{"a.ttf", kSmall}}, many));
  EXPECT_EQ(lying->Error(), ArchiveIssue::Corrupt);
  EXPECT_EQ(lying->Entries().size(), 1u);
}

TEST(CabReader, NamesWithoutTerminatorEndTheListing) {
  Bytes cab = BuildCab({{std::string(300, 'n'), kSmall}});
  auto reader = Open(cab);
  EXPECT_EQ(reader->Error(), ArchiveIssue::Corrupt);  // the name would run on into the data blocks
  EXPECT_TRUE(reader->Entries().empty());
}

TEST(CabReader, DataBlockFaultsFailTheMember) {
  const Bytes good = BuildCab({{"a.ttf", kBig}});
  const std::uint32_t dataOffset = good[36] | good[37] << 8 | good[38] << 16 | good[39] << 24;  // folder record
  ASSERT_LT(dataOffset + 200, good.size());

  Bytes flipped = good;
  flipped[dataOffset + 8 + 20] ^= 0x01;
  EXPECT_EQ(ExtractToMemory(*Open(flipped), 0).issue, MemberIssue::ChecksumMismatch);

  Bytes noSignature = good;
  noSignature[dataOffset + 8] = 'X';
  noSignature[dataOffset] = noSignature[dataOffset + 1] = noSignature[dataOffset + 2] = noSignature[dataOffset + 3] = 0;
  EXPECT_EQ(ExtractToMemory(*Open(noSignature), 0).issue, MemberIssue::CorruptData);

  CabOptions unchecked;
  unchecked.checksums = false;  // a zero checksum is not checked: inflate must still catch garbage
  Bytes garbage = BuildCab({{"a.ttf", kBig}}, unchecked);
  for (std::size_t i = dataOffset + 10; i < dataOffset + 200; ++i) garbage[i] = static_cast<std::uint8_t>(i * 7);
  EXPECT_NE(ExtractToMemory(*Open(garbage), 0).issue, MemberIssue::None);
}

TEST(CabReader, DecodingIsBoundedWhenMembersComeOutOfOrder) {
  auto reader = Open(BuildCab({{"first.ttf", kSmall}, {"deep.ttf", kBig}}));
  reader->SetDecodeBudget(150000);  // the folder holds about 100 KB
  EXPECT_EQ(ExtractToMemory(*reader, 1).issue, MemberIssue::None);
  EXPECT_EQ(ExtractToMemory(*reader, 0).issue, MemberIssue::None);  // rewinds: the folder is decoded again
  EXPECT_EQ(ExtractToMemory(*reader, 1).issue, MemberIssue::TotalLimitReached);
}

TEST(CabReader, EveryTruncationFailsCleanly) {
  const Bytes cab = BuildCab({{"a.ttf", Payload(40000, 13)}, {"b.ttf", kSmall}});
  for (std::size_t size = 0; size < cab.size(); size += (size < 200 ? 1 : 97)) {
    const Bytes cut(cab.begin(), cab.begin() + static_cast<std::ptrdiff_t>(size));
    auto reader = Open(cut);
    bool allWhole = reader->Error() == ArchiveIssue::None;
    for (std::size_t i = 0; i < reader->Entries().size(); ++i)
      allWhole = allWhole && ExtractToMemory(*reader, i).issue == MemberIssue::None;
    EXPECT_FALSE(allWhole) << size;
  }
}

}  // namespace
}  // namespace velura::archive_testing
