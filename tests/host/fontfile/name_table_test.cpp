// Face naming from the name table: languages, preferred language, encodings and the string limits.
#include <gtest/gtest.h>

#include "support/font_loading.h"

namespace velura::testing {
namespace {

NameSpec Rec(std::uint16_t language, std::uint16_t nameId, std::u16string text, std::uint16_t encoding = 1,
             std::uint16_t platform = 3) {
  return NameSpec{platform, encoding, language, nameId, std::move(text), {}, {}, {}};
}

constexpr std::uint16_t kEn = 0x0409, kJa = 0x0411, kZh = 2052;

TEST(FaceNaming, JapaneseAfterEnglish) {
  auto r = LoadNames({Rec(kEn, 1, u"IPAGothic"), Rec(kEn, 2, u"Regular"), Rec(kEn, 4, u"IPAGothic"),
                      Rec(kJa, 1, u"IPAゴシック"), Rec(kJa, 4, u"IPAゴシック")});
  ASSERT_TRUE(r.ok);
  const auto& f = r.faces[0];
  EXPECT_EQ(f.FamilyName, u"IPAゴシック");
  EXPECT_EQ(f.FullName, u"IPAゴシック");
  EXPECT_EQ(f.SubfamilyName, u"Regular");
  EXPECT_EQ(f.LanguageList, u"英語 (合衆国) , 日本語");
  ASSERT_EQ(f.Languages.size(), 2u);
  EXPECT_EQ(f.Languages[0].LanguageId, kEn);
  EXPECT_EQ(f.Languages[0].LanguageName, u"英語 (合衆国)");
  EXPECT_EQ(f.Languages[0].FamilyName, u"IPAGothic");
  EXPECT_EQ(f.Languages[1].FullName, u"IPAゴシック");
}

TEST(FaceNaming, JapaneseFirstIsOverwrittenByLaterEnglishFaceField) {
  // Face fields follow table order: a later English record overwrites the preferred Japanese one.
  auto r = LoadNames({Rec(kJa, 1, u"日本"), Rec(kEn, 1, u"English")});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.faces[0].FamilyName, u"English");
  EXPECT_EQ(r.faces[0].LanguageList, u"日本語 , 英語 (合衆国)");
}

TEST(FaceNaming, MacintoshOnlyNamesAreEmpty) {
  auto r = LoadNames({Rec(0, 1, u"Mac", 0, 1), Rec(0, 4, u"Mac Full", 0, 1), Rec(0, 1, u"Uni", 3, 0)});
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.faces[0].FamilyName.empty());
  EXPECT_TRUE(r.faces[0].Languages.empty());
  EXPECT_TRUE(r.faces[0].LanguageList.empty());
}

TEST(FaceNaming, ChineseAndEnglishWithoutJapanese) {
  auto r = LoadNames({Rec(kZh, 1, u"文泉"), Rec(kZh, 4, u"文泉 正黑"), Rec(kEn, 1, u"WenQuanYi"), Rec(kEn, 4, u"WQY")});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.faces[0].FamilyName, u"WenQuanYi");
  EXPECT_EQ(r.faces[0].FullName, u"WQY");
}

TEST(FaceNaming, OtherLanguageIsPreferredWithoutEnglish) {
  auto r = LoadNames({Rec(1031, 1, u"Deutsch"), Rec(kZh, 1, u"中文")});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.faces[0].FamilyName, u"Deutsch");
}

TEST(FaceNaming, UnsupportedEncodingIsShownNotUsed) {
  auto r = LoadNames({Rec(kEn, 1, u"Good"), Rec(kZh, 1, u"GBK", 3)});
  ASSERT_TRUE(r.ok);
  const auto& f = r.faces[0];
  EXPECT_EQ(f.FamilyName, u"Good");
  ASSERT_EQ(f.Languages.size(), 2u);
  EXPECT_EQ(f.Languages[1].FamilyName, u"未対応のエンコード ID:3 (PRC)");

  // As the only (so preferred) language: the face fields stay untouched.
  auto only = LoadNames({Rec(kZh, 1, u"GBK", 3), Rec(kZh, 4, u"GBK Full", 4)});
  EXPECT_TRUE(only.faces[0].FamilyName.empty());
  EXPECT_TRUE(only.faces[0].FullName.empty());
  EXPECT_EQ(only.faces[0].Languages[0].FullName, u"未対応のエンコード ID:4 (Big5)");
}

TEST(FaceNaming, SecondRecordForTheSameLanguageIsSkipped) {
  auto r = LoadNames({Rec(kEn, 1, u"First"), Rec(kEn, 1, u"Second", 10), Rec(kEn, 4, u"Full")});
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.faces[0].Languages.size(), 1u);
  EXPECT_EQ(r.faces[0].Languages[0].FamilyName, u"First");
  EXPECT_EQ(r.faces[0].FamilyName, u"First");  // skipped entirely, the face field too
  EXPECT_EQ(r.faces[0].FullName, u"Full");
}

TEST(FaceNaming, InterleavedLanguagesAreTakenAgainAndListedAgain) {
  auto r = LoadNames({Rec(kEn, 1, u"First"), Rec(kJa, 1, u"日本"), Rec(kEn, 1, u"Third")});
  ASSERT_TRUE(r.ok);
  const auto& f = r.faces[0];
  ASSERT_EQ(f.Languages.size(), 2u);
  EXPECT_EQ(f.Languages[0].FamilyName, u"Third");
  EXPECT_EQ(f.FamilyName, u"Third");
  EXPECT_EQ(f.LanguageList, u"英語 (合衆国) , 日本語 , 英語 (合衆国)");
}

class MarkingCodec : public AnsiCodec {
 public:
  std::u16string RoundTrip(std::u16string_view text) const override { return u"<" + std::u16string(text) + u">"; }
};

TEST(FaceNaming, ShiftJisRecordsRoundTripThroughTheAnsiCodec) {
  MarkingCodec codec;
  auto r = LoadNames({Rec(kJa, 1, u"ゴシック", 2)}, codec);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.faces[0].Languages[0].FamilyName, u"<ゴシック>");
  EXPECT_EQ(r.faces[0].FamilyName, u"ゴシック");  // the face field takes the decoded string
}

TEST(FaceNaming, StringLimitsAndEmbeddedZero) {
  std::u16string s1024(1024, u'a');
  std::u16string s1025(1025, u'b');
  auto r = LoadNames({Rec(kEn, 0, s1024), Rec(kEn, 7, s1025), Rec(kEn, 1, std::u16string(u"Cut\0Here", 8))});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.faces[0].LegalNotice.size(), 1024u);  // 2048 bytes are decoded
  EXPECT_TRUE(r.faces[0].Trademark.empty());         // 2050 bytes are not
  EXPECT_EQ(r.faces[0].FamilyName, u"Cut");
}

TEST(FaceNaming, OddLengthDropsTheLastByte) {
  NameSpec odd = Rec(kEn, 1, u"");
  odd.raw = Bytes{0, 'A', 0, 'B', 0};
  auto r = LoadNames({odd});
  EXPECT_EQ(r.faces[0].FamilyName, u"AB");
}

TEST(FaceNaming, OutOfRangeStringsStayEmpty) {
  NameSpec far = Rec(kEn, 1, u"Far");
  far.offset = 0xFFF0;
  NameSpec longer = Rec(kEn, 4, u"Long");
  longer.length = 0xFFFE;
  auto r = LoadNames({far, longer, Rec(kEn, 2, u"Bold")});
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.faces[0].FamilyName.empty());
  EXPECT_TRUE(r.faces[0].FullName.empty());
  EXPECT_EQ(r.faces[0].SubfamilyName, u"Bold");

  // String storage beyond the end of the file: every string stays empty, the face still loads.
  auto b = SfntBuilder::Standard({});
  b.Table("name", NameTable({Rec(kEn, 1, u"X")}, 0xFFFF));
  auto beyond = LoadBytes(b.Build());
  ASSERT_TRUE(beyond.ok);
  EXPECT_TRUE(beyond.faces[0].FamilyName.empty());
}

TEST(FaceNaming, SlantPosition) {
  auto slant = [](std::u16string subfamily) {
    return LoadNames({Rec(kEn, 2, std::move(subfamily))}).faces[0].SlantPosition;
  };
  EXPECT_EQ(slant(u"Bold Italic"), 6);
  EXPECT_EQ(slant(u"Regular"), 0);
  EXPECT_EQ(slant(u"Oblique"), 1);
  EXPECT_EQ(slant(u"ITALIC Oblique"), 8);
  EXPECT_EQ(slant(std::u16string(400, u' ') + u"Italic"), 255);  // saturates, still slanted
}

}  // namespace
}  // namespace velura::testing
