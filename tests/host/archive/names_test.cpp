// Member names: CP932 and strict UTF-8 decoding, flattening to one safe component, collisions.
#include <gtest/gtest.h>

#include "archive/member_names.h"
#include "archive/name_decoding.h"
#include "archive_test_support.h"

namespace velura::archive_testing {
namespace {

TEST(ArchiveCp932, TrailByte5CStaysInsideItsCharacter) {
  const DecodedText d = DecodeCp932(Cp932("ソフト表示\\能書体.ttf"));
  EXPECT_FALSE(d.hadInvalidBytes);
  EXPECT_EQ(d.text, u"ソフト表示\\能書体.ttf");  // exactly one real separator
  EXPECT_EQ(FlattenMemberName(d.text).name, u"能書体.ttf");
}

TEST(ArchiveCp932, CoversHalfWidthKanaAndWindowsExtensions) {
  EXPECT_EQ(DecodeCp932("\xB1\xDD").text, u"ｱﾝ");
  EXPECT_EQ(DecodeCp932("\x87\x40").text, u"①");     // NEC row 13
  EXPECT_EQ(DecodeCp932("\xFB\xFC").text, u"髙");     // IBM extension
  EXPECT_EQ(DecodeCp932("\xF0\x40").text, u"\uE000");  // user-defined area
  EXPECT_EQ(DecodeCp932("\x81\x5F").text, u"＼");
}

TEST(ArchiveCp932, InvalidBytesBecomeReplacementsWithoutSwallowingAscii) {
  const DecodedText cut = DecodeCp932("a\x83");  // lead byte at the end
  EXPECT_TRUE(cut.hadInvalidBytes);
  EXPECT_EQ(cut.text, u"a\uFFFD");
  const DecodedText badTrail = DecodeCp932("\x83/x");  // '/' is no trail byte: it stays a separator
  EXPECT_EQ(badTrail.text, u"\uFFFD/x");
  EXPECT_EQ(DecodeCp932("\x85\x40").text, u"\uFFFD");  // unassigned pair: one character
}

TEST(ArchiveUtf8, StrictDecodingRefusesOverlongsSurrogatesAndBeyondUnicode) {
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xC0\x80", "\xED\xA0\x80",
                          "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\x80"}) {
    EXPECT_FALSE(IsStrictUtf8(bad)) << bad;
    const DecodedText d = DecodeUtf8Strict(bad);
    EXPECT_TRUE(d.hadInvalidBytes);
    EXPECT_EQ(d.text.find_first_of(u"/\\"), std::u16string::npos);
    EXPECT_EQ(d.text.find(u'\0'), std::u16string::npos);
  }
  EXPECT_EQ(DecodeUtf8Strict("\xF0\x9F\x98\x80.ttf").text, u"\U0001F600.ttf");
}

TEST(ArchiveUtf16, UnpairedSurrogatesAndOddLengthsAreReplaced) {
  EXPECT_EQ(DecodeUtf16Le(std::string("a\0\x00\xD8" "b\0", 6)).text, u"a\uFFFDb");
  EXPECT_EQ(DecodeUtf16Le(std::string("a\0b", 3)).text, u"a\uFFFD");
}

struct FlattenCase {
  std::u16string input;
  std::u16string expected;  // empty: refused
};

TEST(ArchiveNames, FlattenKeepsTheLastSafeComponent) {
  const std::vector<FlattenCase> cases = {
      {u"fonts/sub/a.ttf", u"a.ttf"},
      {u"..\\..\\windows\\system32\\evil.ttf", u"evil.ttf"},
      {u"/etc/passwd", u"passwd"},
      {u"\\\\server\\share\\x.ttf", u"x.ttf"},
      {u"C:\\x.ttf", u"x.ttf"},
      {u"C:x.ttf", u""},
      {u"dir/", u""},
      {u"dir/.", u""},
      {u"dir/..", u""},
      {u"...", u""},
      {u"x.ttf. . ", u"x.ttf"},
      {u"font.ttf:stream", u"font.ttf_stream"},
      {u"a<b>c\"d|e?f*.ttf", u"a_b_c_d_e_f_.ttf"},
      {u"fdp\u202Eftt.exe", u"fdp_ftt.exe"},
      {std::u16string(u"nul\0hidden.ttf", 14), u""},
      {u"bad\x1B[31m.ttf", u""},
      {u"ok\x7F.ttf", u""},
      {u"CON", u""},
      {u"con.ttf", u""},
      {u"Aux .otf", u""},
      {u"COM1.ttc", u""},
      {u"lpt\u00B9", u""},
      {u"CONOUT$.ttf", u""},
      {u"COM10.ttf", u"COM10.ttf"},
      {u"console.ttf", u"console.ttf"},
  };
  for (const auto& c : cases) {
    const FlatName flat = FlattenMemberName(c.input);
    EXPECT_EQ(flat.name, c.expected) << Utf8(c.input);
    EXPECT_EQ(flat.issue == MemberIssue::UnsafeName, c.expected.empty()) << Utf8(c.input);
  }
}

TEST(ArchiveNames, OverlongNamesAreShortenedKeepingTheExtension) {
  std::u16string longName(300, u'あ');
  longName += u".ttf";
  const FlatName flat = FlattenMemberName(longName);
  EXPECT_EQ(flat.name.size(), kMaxFileNameUnits);
  EXPECT_TRUE(flat.name.ends_with(u".ttf"));
  std::u16string pairs;  // never split a surrogate pair
  for (int i = 0; i < 200; ++i) pairs += u"\U0001F600";
  const std::u16string cut = FlattenMemberName(pairs).name;
  EXPECT_LE(cut.size(), kMaxFileNameUnits);
  EXPECT_FALSE(cut.back() >= 0xD800 && cut.back() <= 0xDBFF);
}

TEST(ArchiveNames, CollisionsAreResolvedWithoutRegardToCase) {
  UniqueNames names;
  EXPECT_EQ(names.Claim(u"Dup.ttf"), u"Dup.ttf");
  EXPECT_EQ(names.Claim(u"dup.TTF"), u"dup (2).TTF");
  EXPECT_EQ(names.Claim(u"DUP.ttf"), u"DUP (3).ttf");
  EXPECT_EQ(names.Claim(u"dup (2).ttf"), u"dup (2) (2).ttf");
  EXPECT_EQ(names.Claim(u"Ａ.ttf"), u"Ａ.ttf");
  EXPECT_EQ(names.Claim(u"ａ.ttf"), u"ａ (2).ttf");  // full-width letters fold too
  EXPECT_EQ(names.Claim(u"ä.ttf"), u"ä.ttf");
  EXPECT_EQ(names.Claim(u"Ä.ttf"), u"Ä (2).ttf");
}

}  // namespace
}  // namespace velura::archive_testing
