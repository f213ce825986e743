// The names of languages, encodings, code pages, character sets and pitches.
#include <gtest/gtest.h>

#include <set>

#include "fontfile/language_names.h"
#include "fontfile/vocabulary.h"

namespace velura {
namespace {

TEST(LanguageNames, DefaultOrderHoldsEveryLanguageOnce) {
  TLanguagePriorityTable table;
  FillDefaultLanguageOrder(table);
  std::set<std::uint16_t> ids;
  for (const auto& entry : table) {
    ids.insert(entry.LanguageId);
    EXPECT_EQ(entry.Name, LanguageName(entry.LanguageId)) << entry.LanguageId;
  }
  EXPECT_EQ(ids.size(), kLanguageCount);
  EXPECT_EQ(table[0].LanguageId, 1041);
  EXPECT_EQ(table[1].LanguageId, 1033);
  EXPECT_EQ(table[15].LanguageId, 2052);
  EXPECT_EQ(table[21].Name, u"Language Neutral");
  EXPECT_EQ(table[142].Name, u"ベトナム語");
}

TEST(LanguageNames, KnownAndUnknownIds) {
  EXPECT_EQ(LanguageName(1041), u"日本語");
  EXPECT_EQ(LanguageName(127), u"The language for the invariant locale");
  EXPECT_EQ(LanguageName(1065), u" Farsiペルシャ語");
  EXPECT_EQ(LanguageName(14337), u"アラビア語 (U.A.E.)");
  EXPECT_EQ(LanguageName(1), u"LanguageIDエラー");
  EXPECT_EQ(LanguageName(0xFFFF), u"LanguageIDエラー");
}

TEST(EncodingNames, Table) {
  EXPECT_EQ(EncodingName(0), u"ID:0 (Symbol)");
  EXPECT_EQ(EncodingName(2), u"ID:2 (ShiftJIS)");
  EXPECT_EQ(EncodingName(8), u"ID:8 (Reserved)");
  EXPECT_EQ(EncodingName(10), u"ID:10 (UCS-4)");
  EXPECT_EQ(EncodingName(11), u"ID:11");
}

TEST(CmapFormatNames, Table) {
  EXPECT_EQ(CmapFormatName(10), u"Format 10: Trimmed array ");
  EXPECT_EQ(CmapFormatName(14), u"UnKnown(Format14)");
}

TEST(CodePageNames, BitsInOrderAcrossBothWords) {
  const auto names = CodePageNames(0x00020001, 0x80000000u);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], u"(1252) Latin 1");
  EXPECT_EQ(names[1], u"( 932) JIS/Japan");
  EXPECT_EQ(names[2], u"( 437) US");
}

TEST(CodePageNames, GeneratedTexts) {
  EXPECT_EQ(CodePageNames(1u << 9, 0).at(0), u"(    ) Alternate ANSI(9)");
  EXPECT_EQ(CodePageNames(1u << 22, 0).at(0), u"(    ) Alternate ANSI & OEM(22)");
  EXPECT_EQ(CodePageNames(1u << 31, 0).at(0), u"(    ) Symbol Character Set");
  EXPECT_EQ(CodePageNames(0, 1).at(0), u"(    ) Reserved for OEM(32)");
  EXPECT_EQ(CodePageNames(0, 1u << 15).at(0), u"(    ) Reserved for OEM(47)");
  EXPECT_EQ(CodePageNames(0, 1u << 16).at(0), u"( 869) IBM Greek");
  EXPECT_EQ(CodePageNames(0xFFFFFFFFu, 0xFFFFFFFFu).size(), 64u);
  EXPECT_TRUE(CodePageNames(0, 0).empty());
}

TEST(LogFontNames, CharsetAndPitch) {
  EXPECT_EQ(CharsetName(128), u"SHIFT JIS");
  EXPECT_EQ(CharsetName(77), u"MAC");
  EXPECT_EQ(CharsetName(200), u"UnKnown(200)");
  EXPECT_EQ(PitchName(0), u"DEFAULT_PITCH");
  EXPECT_EQ(PitchName(3), u"VARIABLE_PITCH");
  EXPECT_EQ(PitchName(9), u"MONO_FONT");
  EXPECT_EQ(PitchName(0x31), u"FIXED_PITCH");
}

}  // namespace
}  // namespace velura
