// Real fonts from Debian packages (installed by scripts/setup.sh); the facts were checked with fontTools.
#include <gtest/gtest.h>

#include "fontfile/font_data_table.h"
#include "platform/text.h"

namespace velura {
namespace {

TFontFileData Load(const char* path) {
  IdentityAnsiCodec ansi;
  TFontDataTable reader(ansi);
  TFontFileData faces;
  EXPECT_TRUE(reader.LoadFontFile(FromUtf8(path), faces)) << path << " (run scripts/setup.sh)";
  return faces;
}

TEST(DebianFonts, JapaneseNamesOfIpaGothic) {
  const auto faces = Load("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf");
  ASSERT_EQ(faces.size(), 1u);
  const auto& f = faces[0];
  EXPECT_EQ(f.FamilyName, u"IPAゴシック");
  EXPECT_EQ(f.SubfamilyName, u"Regular");
  EXPECT_EQ(f.LanguageList, u"英語 (合衆国) , 日本語");
  ASSERT_EQ(f.Languages.size(), 2u);
  EXPECT_EQ(f.Languages[0].FamilyName, u"IPAGothic");
  EXPECT_EQ(f.CmapEncodingId, 10);
  EXPECT_EQ(f.CodePageRange1, 0x20001u);  // Latin 1 and JIS
  EXPECT_FALSE(f.IsOpenType);
}

TEST(DebianFonts, CollectionOfTenCffFaces) {
  const auto faces = Load("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc");
  ASSERT_EQ(faces.size(), 10u);
  EXPECT_EQ(faces[0].FamilyName, u"Noto Sans CJK JP");
  EXPECT_EQ(faces[3].LanguageList, u"中国語 (台湾) , 英語 (合衆国)");
  EXPECT_EQ(faces[9].FamilyName, u"Noto Sans Mono CJK HK");
  for (const auto& f : faces) {
    EXPECT_TRUE(f.HasCff);
    EXPECT_TRUE(f.IsOpenType);
    EXPECT_EQ(f.PostVersionCode, 3u);
    EXPECT_EQ(f.VendorId, u"GOOG");
  }
}

TEST(DebianFonts, CffOpenTypeBoldItalic) {
  const auto faces = Load("/usr/share/fonts/opentype/urw-base35/C059-BdIta.otf");
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0].FullName, u"C059-BdIta");
  EXPECT_EQ(faces[0].WeightClass, 700);
  EXPECT_EQ(faces[0].SlantPosition, 6);
  EXPECT_TRUE(faces[0].HasCff);
}

TEST(DebianFonts, SymbolFont) {
  const auto faces = Load("/usr/share/wine/fonts/marlett.ttf");
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0].FamilyName, u"Marlett");
  EXPECT_EQ(faces[0].CmapEncodingId, 0);
  EXPECT_EQ(faces[0].CmapFormatText, u"Format 4: Segment mapping to delta values");
  EXPECT_EQ(faces[0].CodePageRange1, 0x80000000u);  // symbol character set only
  EXPECT_EQ(faces[0].HeadFlags, 11);
}

}  // namespace
}  // namespace velura
