// Matching rules of the registry font data: registered names, SystemLink values, files and folders.
#include <gtest/gtest.h>

#include "fake_font_registry.h"
#include "records/reg_font_rules.h"

namespace velura::testing {
namespace {

TRegDataArrray Entries(std::initializer_list<std::pair<std::u16string, std::u16string>> nameAndFile) {
  TRegDataArrray fonts;
  for (const auto& [name, file] : nameAndFile) fonts.push_back(TRegData{file, name, false});
  return fonts;
}

TEST(RegisteredName, SuffixCaseAndBlanksDoNotMatter) {
  const FakeFolding folding;
  const TRegDataArrray fonts = Entries({{u"Beta Sans (TrueType)", u"BETA.TTF"},
                                        {u"Alpha & Alpha Bold (TrueType)", u"ALPHA.TTC"},
                                        {u"\tＶ明朝 (OpenType)", u"V.OTF"}});
  EXPECT_EQ(FindRegisteredName(fonts, u"beta sans", folding), 0u);
  EXPECT_EQ(FindRegisteredName(fonts, u"BETA SANS (TrueType)", folding), 0u);
  EXPECT_EQ(FindRegisteredName(fonts, u"Alpha & Alpha Bold", folding), 1u);
  EXPECT_EQ(FindRegisteredName(fonts, u"  Ｖ明朝 (TrueType)", folding), 2u);  // control and blanks trimmed
  EXPECT_FALSE(FindRegisteredName(fonts, u"Alpha", folding));
  EXPECT_FALSE(FindRegisteredName(fonts, u"Beta", folding));
}

TEST(RegisteredName, OnlyABlankFollowedByParenthesisStartsTheSuffix) {
  EXPECT_EQ(StripValueSuffix(u"Alpha (Beta) (TrueType)"), u"Alpha");  // the first pair
  EXPECT_EQ(StripValueSuffix(u"Alpha(Bold)"), u"Alpha(Bold)");          // no blank before "("
  EXPECT_EQ(StripValueSuffix(u"Alpha Bold"), u"Alpha Bold");
  EXPECT_EQ(StripValueSuffix(u" (TrueType)"), u"");

  const FakeFolding folding;
  const TRegDataArrray fonts = Entries({{u"Alpha(Bold)", u"A.TTF"}});
  EXPECT_TRUE(FindRegisteredName(fonts, u"alpha(bold)", folding));
  EXPECT_FALSE(FindRegisteredName(fonts, u"Alpha", folding));
}

TEST(RegisteredName, FirstOfTwoEqualNamesIsFound) {
  const FakeFolding folding;
  const TRegDataArrray fonts = Entries({{u"Gamma (TrueType)", u"G1.TTF"}, {u"gamma (OpenType)", u"G2.OTF"}});
  EXPECT_EQ(FindRegisteredName(fonts, u"GAMMA", folding), 0u);
}

TEST(SystemLinkValue, NamesTheFileOfEveryNonEmptyString) {
  using namespace std::string_literals;
  EXPECT_EQ(SystemLinkFileNames(u"MSGOTHIC.TTC,MS UI Gothic\0MINGLIU.TTC,PMingLiU,128,96"s),
            (std::vector<std::u16string>{u"MSGOTHIC.TTC", u"MINGLIU.TTC"}));
  EXPECT_EQ(SystemLinkFileNames(u"\0\0SIMSUN.TTC\0\0A.TTF,x\0"s), (std::vector<std::u16string>{u"SIMSUN.TTC", u"A.TTF"}));
  EXPECT_EQ(SystemLinkFileNames(u"ONE.TTF,One"), (std::vector<std::u16string>{u"ONE.TTF"}));
  EXPECT_TRUE(SystemLinkFileNames(u"").empty());
  EXPECT_EQ(SystemLinkFileNames(u",Face"), (std::vector<std::u16string>{u""}));  // as written: an empty file name
}

TEST(FontEntryFiles, BareNamesLieInTheFontsFolderAndFullPathsOnlyWhereTheyPoint) {
  const FakeFolding folding;
  const std::u16string fontsFolder = u"C:\\Windows\\Fonts";
  const TRegDataArrray fonts = Entries({{u"Bare (TrueType)", u"bare.ttf"},
                                        {u"Elsewhere (TrueType)", u"D:\\MyFonts\\ELSE.TTF"},
                                        {u"Shared (TrueType)", u"E:\\Other\\bare.ttf"}});
  EXPECT_EQ(FindEntryForPath(fonts, u"c:\\windows\\fonts\\BARE.TTF", fontsFolder, folding), 0u);
  EXPECT_EQ(FindEntryForPath(fonts, u"d:\\myfonts\\else.ttf", fontsFolder, folding), 1u);
  EXPECT_EQ(FindEntryForPath(fonts, u"E:\\Other\\bare.ttf", fontsFolder, folding), 2u);
  EXPECT_FALSE(FindEntryForPath(fonts, u"C:\\Windows\\Fonts\\ELSE.TTF", fontsFolder, folding));
  EXPECT_FALSE(FindEntryForPath(fonts, u"D:\\bare.ttf", fontsFolder, folding));

  // By file name alone, the first entry wins wherever its file lies.
  EXPECT_EQ(FindEntryByFileName(fonts, u"BARE.TTF", folding), 0u);
  EXPECT_EQ(FindEntryByFileName(fonts, u"else.ttf", folding), 1u);
  EXPECT_FALSE(FindEntryByFileName(fonts, u"MyFonts", folding));
}

TEST(FontEntryFiles, PathParts) {
  EXPECT_EQ(FileNamePart(u"D:\\Fonts\\a.ttf"), u"a.ttf");
  EXPECT_EQ(FileNamePart(u"a.ttf"), u"a.ttf");
  EXPECT_EQ(FolderPart(u"D:\\Fonts\\a.ttf"), u"D:\\Fonts");
  EXPECT_EQ(FolderPart(u"D:\\a.ttf"), u"D:\\");
  EXPECT_EQ(FolderPart(u"\\\\server\\share\\a.ttf"), u"\\\\server\\share");
  EXPECT_EQ(FolderPart(u"a.ttf"), u"");
  EXPECT_EQ(ResolveFontFile(u"a.ttf", u"C:\\Windows\\Fonts"), u"C:\\Windows\\Fonts\\a.ttf");
  EXPECT_EQ(ResolveFontFile(u"D:\\a.ttf", u"C:\\Windows\\Fonts"), u"D:\\a.ttf");
}

TEST(FontFolders, BareNamesGiveTheFontsFolderAlone) {
  const FakeFolding folding;
  EXPECT_EQ(FontFoldersOf(Entries({{u"A", u"A.TTF"}, {u"B", u"B.TTC"}}), u"C:\\Windows\\Fonts", folding),
            (std::vector<std::u16string>{u"C:\\Windows\\Fonts"}));
  EXPECT_EQ(FontFoldersOf({}, u"C:\\Windows\\Fonts", folding), (std::vector<std::u16string>{u"C:\\Windows\\Fonts"}));
}

TEST(FontFolders, FontsFolderFirstThenEachOtherFolderOnce) {
  const FakeFolding folding;
  const TRegDataArrray fonts = Entries({{u"A", u"D:\\MyFonts\\A.TTF"},
                                        {u"B", u"c:\\windows\\fonts\\B.TTF"},  // the fonts folder in other case
                                        {u"C", u"d:\\myfonts\\C.TTF"},
                                        {u"D", u"E:\\D.TTF"},
                                        {u"E", u"E.TTF"},
                                        {u"F", u"Z:\\usr\\share\\fonts\\F.TTF"}});
  EXPECT_EQ(FontFoldersOf(fonts, u"C:\\Windows\\Fonts", folding),
            (std::vector<std::u16string>{u"C:\\Windows\\Fonts", u"D:\\MyFonts", u"E:\\", u"Z:\\usr\\share\\fonts"}));
}

TEST(CaseInsensitiveLists, MatchWholeItemsOnly) {
  const FakeFolding folding;
  const std::vector<std::u16string> list{u"MS UI Gothic", u"Tahoma"};
  EXPECT_TRUE(ContainsIgnoringCase(list, u"ms ui gothic", folding));
  EXPECT_TRUE(ContainsIgnoringCase(list, u"TAHOMA", folding));
  EXPECT_FALSE(ContainsIgnoringCase(list, u"MS UI", folding));
  EXPECT_FALSE(ContainsIgnoringCase({}, u"", folding));
}

}  // namespace
}  // namespace velura::testing
