// LZH: header levels, extended headers, names, entry kinds, and the -lh5- decoder on hostile tables.
#include <gtest/gtest.h>

#include "archive/lh_decoder.h"
#include "archive_test_support.h"

namespace velura::archive_testing {
namespace {

HeldReader Open(Bytes bytes) { return HeldReader(std::move(bytes), OpenLzhArchive); }

const Bytes kData = Payload(70000, 21);  // two literal blocks

TEST(LzhReader, AllHeaderLevelsWithStoredAndLiteralStreams) {
  for (int level : {0, 1, 2}) {
    for (const char* method : {"-lh0-", "-lh5-"}) {
      LzhMember m{"a.ttf", kData, level, method};
      LzhMember empty{"e.ttf", {}, level, method};
      auto reader = Open(BuildLzh({m, empty}));
      ASSERT_EQ(reader->Error(), ArchiveIssue::None) << level << method;
      const auto files = ExtractAll(*reader);
      ASSERT_EQ(files.size(), 2u) << level << method;
      EXPECT_EQ(files.at("a.ttf"), kData) << level << method;
      EXPECT_TRUE(files.at("e.ttf").empty());
    }
  }
}

// The oldest method of the family still comes in archives of old fonts.
TEST(LzhReader, AnLh4MemberIsExtracted) {
  auto reader = Open(BuildLzh({{"old.ttf", kData, 1, "-lh4-"}}));
  ASSERT_EQ(reader->Entries().size(), 1u);
  ASSERT_EQ(reader->Entries()[0].issue, MemberIssue::None);
  EXPECT_EQ(ExtractAll(*reader).at("old.ttf"), kData);
}

TEST(LzhReader, NamesPreferUtf16ThenCodePageThenCp932) {
  LzhMember level0{Cp932("ソフト表示\\能書体.ttf"), {1}, 0};
  LzhMember withDirectory{Cp932("能書体.otf"), {2}, 2};
  withDirectory.directory = Cp932("ソフト表示.ttf") + "\xFF" + "sub\xFF";
  LzhMember utf16{"ignored.ttf", {3}, 1};
  utf16.utf16Name = Bytes{0xFD, 0x80, '.', 0, 't', 0, 't', 0, 'f', 0};  // 能.ttf
  LzhMember utf8{"\xE8\xA1\xA8.ttf", {4}, 2};
  utf8.codePage = 65001;
  auto reader = Open(BuildLzh({level0, withDirectory, utf16, utf8}));
  const auto& e = reader->Entries();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].name, u"ソフト表示\\能書体.ttf");
  EXPECT_EQ(e[1].name, u"ソフト表示.ttf\\sub\\能書体.otf");
  EXPECT_EQ(e[2].name, u"能.ttf");
  EXPECT_EQ(e[2].encoding, NameEncoding::Utf16Le);
  EXPECT_EQ(e[3].name, u"表.ttf");
}

TEST(LzhReader, SixtyFourBitSizeHeaderReplacesTheBaseFields) {
  for (int level : {1, 2}) {
    LzhMember m{"a.ttf", kData, level};
    if (level == 2) m.packedSize = m.size = 1;  // wrong on purpose: the extended header has the real sizes
    Bytes sizes{0x42};
    const std::uint64_t headers = level == 1 ? 2 + 16 + 1 : 0;  // itself: type, two sizes, next-size field
    Put64(sizes, kData.size() + headers), Put64(sizes, kData.size());
    m.extraHeaders = {sizes};
    auto reader = Open(BuildLzh({m}));
    ASSERT_EQ(reader->Error(), ArchiveIssue::None) << level;
    EXPECT_EQ(ExtractToMemory(*reader, 0).bytes, kData) << level;
  }
}

TEST(LzhReader, LinksFoldersAndUnknownMethodsAreListedNotExtracted) {
  LzhMember unixLink{"link.ttf", {}, 2}, pipeLink{"link.ttf|../../../etc/passwd", {}, 1},
      folder{"dir", {}, 2, "-lhd-"}, unknown{"x.ttf", {1, 2}, 2, "-lh9-"}, lh1{"y.ttf", {1}, 0, "-lh1-"};
  unixLink.unixMode = 0120777;
  auto reader = Open(BuildLzh({unixLink, pipeLink, folder, unknown, lh1}));
  const std::vector<MemberIssue> expected = {MemberIssue::Symlink, MemberIssue::Symlink, MemberIssue::Directory,
                                             MemberIssue::UnsupportedMethod, MemberIssue::UnsupportedMethod};
  ASSERT_EQ(reader->Entries().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(reader->Entries()[i].issue, expected[i]) << i;
    EXPECT_EQ(ExtractToMemory(*reader, i).issue, expected[i]) << i;
  }
}

TEST(LzhReader, HeaderChecksAndDataChecksAreEnforced) {
  for (int level : {0, 1, 2}) {
    LzhMember badHeader{"h.ttf", {1, 2}, level}, badCrc{"c.ttf", kData, level, "-lh5-"}, ok{"o.ttf", {3}, level};
    badHeader.breakHeaderCheck = true;
    badCrc.crc = 0x1234;
    auto reader = Open(BuildLzh({badHeader, badCrc, ok}));
    ASSERT_EQ(reader->Entries().size(), 3u) << level;
    EXPECT_EQ(reader->Entries()[0].issue, MemberIssue::BadHeader) << level;
    EXPECT_EQ(ExtractToMemory(*reader, 1).issue, MemberIssue::ChecksumMismatch) << level;
    EXPECT_EQ(ExtractToMemory(*reader, 2).issue, MemberIssue::None) << level;
  }
}

TEST(LzhReader, StructuralFaultsStopTheListingWithAReason) {
  Bytes level3 = BuildLzh({{"a.ttf", {1}, 2}});
  level3[20] = 3;
  EXPECT_EQ(Open(level3)->Error(), ArchiveIssue::UnsupportedVersion);

  LzhMember huge{"a.ttf", {1}, 2};
  huge.packedSize = 0x7FFFFFFF;
  auto hugeReader = Open(BuildLzh({huge}));
  EXPECT_EQ(hugeReader->Error(), ArchiveIssue::Truncated);
  EXPECT_EQ(hugeReader->Entries()[0].issue, MemberIssue::DataOutOfRange);

  LzhMember shortPacked{"a.ttf", Bytes(10, 1), 1};
  shortPacked.directory = "dir";
  shortPacked.packedSize = 3;  // smaller than its own extended headers
  EXPECT_EQ(Open(BuildLzh({shortPacked}))->Error(), ArchiveIssue::Corrupt);

  LzhMember endless{"a.ttf", {1}, 2};
  endless.extraHeaders.assign(300, Bytes{0x3F, 'c'});
  EXPECT_EQ(Open(BuildLzh({endless}))->Error(), ArchiveIssue::Corrupt);

  EXPECT_EQ(Open(Bytes{'x', 'y', 'z'})->Error(), ArchiveIssue::NotAnArchive);
  Bytes trailing = BuildLzh({{"a.ttf", {1}, 2}});
  trailing.push_back('!');
  ASSERT_EQ(Open(trailing)->Warnings().size(), 1u);
}

TEST(LzhReader, EveryTruncationFailsCleanly) {
  for (int level : {0, 1, 2}) {
    LzhMember m{"a.ttf", Payload(3000, 22), level, "-lh5-"};
    m.directory = "d";
    const Bytes lzh = BuildLzh({m, {"b.ttf", {9}, level}}, false);
    for (std::size_t size = 1; size < lzh.size(); size += (size < 200 ? 1 : 61)) {
      auto reader = Open(Bytes(lzh.begin(), lzh.begin() + static_cast<std::ptrdiff_t>(size)));
      bool allWhole = reader->Error() == ArchiveIssue::None && reader->Entries().size() == 2;
      for (std::size_t i = 0; i < reader->Entries().size(); ++i)
        allWhole = allWhole && ExtractToMemory(*reader, i).issue == MemberIssue::None;
      EXPECT_FALSE(allWhole) << level << " " << size;
    }
  }
}

// ---- the decoder on crafted streams ----

MemberIssue Decode(const Bytes& stream, std::uint64_t size, int method = 5) {
  MemorySink sink;
  std::uint16_t crc = 0;
  return DecodeLhStream(Span(stream), method, size, sink, crc);
}

TEST(LzhDecoder, ValidLiteralStreamDecodesForEveryMethod) {
  const Bytes data = Payload(5000, 23);
  for (int method : {4, 5, 6, 7}) {
    MemorySink sink;
    std::uint16_t crc = 0;
    const Bytes stream = LiteralLh5(data, method >= 6 ? 5 : 4);
    ASSERT_EQ(DecodeLhStream(Span(stream), method, data.size(), sink, crc), MemberIssue::None);
    EXPECT_EQ(sink.Bytes(), data);
    EXPECT_EQ(crc, LzhCrc16(data));
  }
}

TEST(LzhDecoder, HostileTablesAreRejected) {
  auto stream = [](auto write) {
    BitWriter bits;
    write(bits);
    for (int i = 0; i < 64; ++i) bits.Put(0xFFFF, 16);  // plenty of input behind the fault
    return bits.Finish();
  };
  // Block of zero symbols.
  EXPECT_EQ(Decode(stream([](BitWriter& b) { b.Put(0, 16); }), 10), MemberIssue::CorruptData);
  // Code-length code with more entries than its alphabet (20 > 19).
  EXPECT_EQ(Decode(stream([](BitWriter& b) { b.Put(5, 16), b.Put(20, 5); }), 10), MemberIssue::CorruptData);
  // One-symbol form naming a symbol outside the alphabet.
  EXPECT_EQ(Decode(stream([](BitWriter& b) { b.Put(5, 16), b.Put(0, 5), b.Put(25, 5); }), 10),
            MemberIssue::CorruptData);
  // A code length above 16 (111 followed by ten more ones).
  EXPECT_EQ(Decode(stream([](BitWriter& b) {
              b.Put(5, 16), b.Put(3, 5), b.Put(7, 3), b.Put(0x3FF, 10), b.Put(0, 1);
            }), 10),
            MemberIssue::CorruptData);
  // Over-subscribed code: three lengths of 1.
  EXPECT_EQ(Decode(stream([](BitWriter& b) {
              b.Put(5, 16), b.Put(3, 5), b.Put(1, 3), b.Put(1, 3), b.Put(1, 3), b.Put(0, 2);
            }), 10),
            MemberIssue::CorruptData);
  // Incomplete code: one length of 2.
  EXPECT_EQ(Decode(stream([](BitWriter& b) { b.Put(5, 16), b.Put(1, 5), b.Put(2, 3); }), 10), MemberIssue::CorruptData);
  // Literal lengths: a zero run (symbol 2, 20 + 511 zeros) that would write past the 510-entry table.
  EXPECT_EQ(Decode(stream([](BitWriter& b) {
              b.Put(5, 16), b.Put(0, 5), b.Put(2, 5);  // code-length code: always symbol 2
              b.Put(510, 9);
              b.Put(511, 9);                           // first run: 531 zeros
            }), 10),
            MemberIssue::CorruptData);
}

TEST(LzhDecoder, MatchesMayNotRunPastTheOutputAndInputMayNotRunOut) {
  // Literal/length code: one symbol, 509 (a match of 256); distance code: one symbol, 0.
  auto onlyMatches = [] {
    BitWriter b;
    b.Put(100, 16), b.Put(0, 5), b.Put(0, 5), b.Put(0, 9), b.Put(509, 9), b.Put(0, 4), b.Put(0, 4);
    return b.Finish();
  };
  EXPECT_EQ(Decode(onlyMatches(), 100), MemberIssue::CorruptData);  // 256 > 100 bytes left
  MemorySink sink;
  std::uint16_t crc = 0;
  ASSERT_EQ(DecodeLhStream(Span(onlyMatches()), 5, 512, sink, crc), MemberIssue::None);
  EXPECT_EQ(sink.Bytes(), Bytes(512, ' '));  // the window starts as blanks

  Bytes cut = LiteralLh5(Payload(1000, 24));
  cut.resize(cut.size() / 2);
  EXPECT_EQ(Decode(cut, 1000), MemberIssue::CorruptData);
}

}  // namespace
}  // namespace velura::archive_testing
