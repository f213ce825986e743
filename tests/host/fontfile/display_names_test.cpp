// Display names follow the language nearest the top of the priority table.
#include <gtest/gtest.h>

#include "fontfile/display_names.h"

namespace velura {
namespace {

TNameCountryRecord Lang(std::uint16_t id, std::u16string family, std::u16string full) {
  return TNameCountryRecord{id, LanguageName(id), std::move(full), std::move(family)};
}

class DisplayNames : public ::testing::Test {
 protected:
  void SetUp() override { FillDefaultLanguageOrder(priority); }
  TLanguagePriorityTable priority;
};

TEST_F(DisplayNames, EnglishBeatsChineseByDefault) {
  TTFontFileData face;
  face.Languages = {Lang(2052, u"文泉", u"文泉 全"), Lang(1033, u"WQY", u"WQY Full")};
  TDisplayNames d;
  ChooseDisplayNames(face, priority, d);
  EXPECT_EQ(d.DisplayFamilyName, u"WQY");
  EXPECT_EQ(d.DisplayFullName, u"WQY Full");

  std::swap(priority[1], priority[15]);  // the user prefers Chinese
  TDisplayNames chinese;
  ChooseDisplayNames(face, priority, chinese);
  EXPECT_EQ(chinese.DisplayFamilyName, u"文泉");
}

TEST_F(DisplayNames, EmptyLanguageNamesFallBackToFaceNames) {
  TTFontFileData face;
  face.FamilyName = u"Face";
  face.FullName = u"Face Full";
  face.Languages = {Lang(1041, u"", u"日本 全")};
  TDisplayNames d;
  ChooseDisplayNames(face, priority, d);
  EXPECT_EQ(d.DisplayFamilyName, u"Face");
  EXPECT_EQ(d.DisplayFullName, u"日本 全");
}

TEST_F(DisplayNames, UnsupportedBestLanguageShowsFaceNames) {
  TTFontFileData face;
  face.FamilyName = u"Face";
  face.FullName = u"Face Full";
  face.Languages = {Lang(1033, u"Eng", u"Eng"), Lang(1041, u"未対応のエンコード ID:3 (PRC)", u"未対応のエンコード ID:3 (PRC)")};
  TDisplayNames d;
  ChooseDisplayNames(face, priority, d);
  EXPECT_EQ(d.DisplayFamilyName, u"Face");
  EXPECT_EQ(d.DisplayFullName, u"Face Full");
}

TEST_F(DisplayNames, FirstEntryOfTheSameLanguageDecidesAndUnknownLanguagesKeepNames) {
  TTFontFileData face;
  face.Languages = {Lang(1033, u"First", u"First"), Lang(1033, u"Second", u"Second")};
  TDisplayNames d;
  ChooseDisplayNames(face, priority, d);
  EXPECT_EQ(d.DisplayFamilyName, u"First");

  TTFontFileData unknown;
  unknown.Languages = {Lang(1, u"Nope", u"Nope")};
  TDisplayNames kept{u"kept full", u"kept family", false};
  ChooseDisplayNames(unknown, priority, kept);
  EXPECT_EQ(kept.DisplayFamilyName, u"kept family");
}

TEST_F(DisplayNames, SystemNamedEntriesTakeFaceNames) {
  TTFontFileData face;
  face.FamilyName = u"Face";
  face.FullName = u"Face Full";
  face.Languages = {Lang(1041, u"日本", u"日本")};
  TDisplayNames d{u"", u"", true};
  ChooseDisplayNames(face, priority, d);
  EXPECT_EQ(d.DisplayFamilyName, u"Face");
}

TEST_F(DisplayNames, WorksOnAnyEntryTypeDerivedFromTheDisplayPart) {
  struct Entry : TDisplayNames {
    int ListIndex = -1;
  };
  TFontFileData faces(2);
  faces[0].Languages = {Lang(1033, u"A", u"A")};
  faces[1].Languages = {Lang(1041, u"B", u"B")};
  std::vector<Entry> entries(2);
  ChooseDisplayNames(faces, entries, priority);
  EXPECT_EQ(entries[0].DisplayFamilyName, u"A");
  EXPECT_EQ(entries[1].DisplayFamilyName, u"B");
}

}  // namespace
}  // namespace velura
