#include "ui/registry/reg_view_rules.h"

#include <gtest/gtest.h>

#include <set>

#include "../records/fake_font_registry.h"

namespace velura {
namespace {

using testing::FakeFolding;

class FontRowsTest : public ::testing::Test {
 protected:
  FakeFolding folding;
  std::set<std::u16string> existing;
  RegViewTable Build(const TRegDataArrray& fonts) {
    return BuildFontRows(fonts, u"C:\\Windows\\Fonts", [&](const std::u16string& p) { return existing.count(p) > 0; },
                         folding);
  }
};

TEST_F(FontRowsTest, RowsSplitTheDataAndMarkTheFile) {
  existing = {u"C:\\Windows\\Fonts\\here.ttf", u"D:\\Fonts\\Sub\\path.OTF", u"E:\\root.ttc"};
  TRegDataArrray fonts = {{u"here.ttf", u"Here (TrueType)", true},
                          {u"gone.TTF", u"Gone (TrueType)", false},
                          {u"D:\\Fonts\\Sub\\path.OTF", u"Path", false},
                          {u"E:\\root.ttc", u"Root", false},
                          {u"small.fon", u"Small", true}};
  const auto table = Build(fonts);
  ASSERT_EQ(table.Rows.size(), 5u);
  const auto& here = table.Rows[0];
  EXPECT_EQ(here.No, u"1");
  EXPECT_EQ(here.FontName, u"Here (TrueType)");
  EXPECT_EQ(here.FileName, u"here.ttf");
  EXPECT_EQ(here.Folder, u"");
  EXPECT_EQ(here.Mark, u"NG");
  EXPECT_EQ(here.Loaded, u"○");
  // A bare name of a missing file: no folder, "×".
  EXPECT_EQ(table.Rows[1].Folder, u"");
  EXPECT_EQ(table.Rows[1].Loaded, u"×");
  EXPECT_TRUE(table.Rows[1].Missing);
  EXPECT_EQ(table.Rows[1].Mark, u"");  // upper-case extension is still TrueType
  EXPECT_EQ(table.Rows[2].FileName, u"path.OTF");
  EXPECT_EQ(table.Rows[2].Folder, u"D:\\Fonts\\Sub");
  EXPECT_EQ(table.Rows[2].Loaded, u"○");
  EXPECT_EQ(table.Rows[3].Folder, u"E:\\");  // a drive root keeps its backslash
  EXPECT_EQ(table.Rows[4].No, u"5");
  EXPECT_EQ(table.Rows[4].Mark, u"-");  // not TrueType wins over the read error
  EXPECT_EQ(table.Rows[4].Loaded, u"×");

  const auto panels = StatisticsPanelTexts(table.Statistics);
  EXPECT_EQ(panels[0], u"総計：　5 件");
  EXPECT_EQ(panels[1], u"ファイルなし：　2 件");
  EXPECT_EQ(panels[2], u"読込エラー：　1 件");
  EXPECT_EQ(panels[3], u"TrueType以外：　1 件");
  EXPECT_EQ(panels[4], u"ファイル名重複：　0 件");
}

TEST_F(FontRowsTest, DuplicatesCountByLowerCaseFileNameWhereverTheyLie) {
  TRegDataArrray fonts = {{u"dup.ttf", u"A", false},
                          {u"X:\\Other\\DUP.TTF", u"B", false},
                          {u"Dup.ttf", u"C", false},
                          {u"", u"Empty", false},
                          {u"noext", u"D", false}};
  const auto table = Build(fonts);
  EXPECT_EQ(table.Statistics.DuplicateNames, 2u);
  EXPECT_EQ(table.Statistics.Missing, 5u);
  EXPECT_EQ(table.Rows[3].Mark, u"-");  // empty data: no crash, not TrueType
  EXPECT_EQ(table.Rows[4].Mark, u"-");
  EXPECT_TRUE(Build({}).Rows.empty());
}

TEST(RegViewTexts, QuestionsAndReportsAreWordForWord) {
  EXPECT_EQ(DeleteQuestion(3),
            u"選択された3件のレジストリ項目を削除します\r\n（レジストリの削除以外の操作はしません）\r\n\r\n"
            u"誤ってシステムに必要なファイルのレジストリを削除すると\r\n深刻な不具合が起こる可能性があります\r\n\r\n"
            u"本当に削除してよろしいですか？");
  EXPECT_EQ(DeleteReport(2, 0, 2), u"2件すべて失敗しました");
  EXPECT_EQ(DeleteReport(3, 3, 0),
            u"3件中　成功3件　失敗0件\r\n\r\n3件のレジストリ情報を削除しました)\r\n\r\n"
            u"Windowsを再起動しないと反映されない場合があります");
  EXPECT_EQ(RepairReport(2),
            u"2 件のレジストリ情報を削除しました)\r\n\r\nWindowsを再起動しないと反映されない場合があります");
}

TEST(RegViewTexts, StatusTexts) {
  EXPECT_EQ(RegistryStatusText(0), u"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion");
  EXPECT_EQ(RegistryStatusText(1),
            u"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink");
  EXPECT_EQ(RegistryStatusText(2), u"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes");
  EXPECT_EQ(RegistryStatusText(3), u"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontMapper");
  EXPECT_EQ(FontFolderStatusText(10, 2, 1),
            u"総ファイル数：　10 件        未登録フォントファイル数：　2 件        フォント以外のファイル数：　1 件");
}

TEST(RegViewTexts, FontMapperData) {
  EXPECT_EQ(FontMapperDataText(128), u"0x00000080 (128)");
  EXPECT_EQ(FontMapperDataText(0), u"0x00000000 (0)");
  EXPECT_EQ(FontMapperDataText(0xFFFFFFFFu), u"0xFFFFFFFF (4294967295)");
  EXPECT_EQ(FontMapperDataText(0xABCDEF12u), u"0xABCDEF12 (2882400018)");
}

TEST(SystemLink, MultiStringsSplitWhateverTheirLengthAndEnding) {
  using V = std::vector<std::u16string>;
  const std::u16string two(u"MSGOTHIC.TTC,MS UI Gothic\0MINGLIU.TTC,PMingLiU\0\0", 48);
  EXPECT_EQ(SystemLinkChildren(two, true), (V{u"MSGOTHIC.TTC,MS UI Gothic", u"MINGLIU.TTC,PMingLiU"}));
  // Without its final zero characters the last string still ends at the data's end.
  EXPECT_EQ(SystemLinkChildren(std::u16string_view(two.data(), 20), true), (V{u"MSGOTHIC.TTC,MS UI G"}));
  // Pieces are cut at CR LF; empty ones are skipped.
  const std::u16string odd(u"\0A.TTC,A\r\nrest\0\r\nB\0", 19);
  EXPECT_EQ(SystemLinkChildren(odd, true), (V{u"A.TTC,A"}));
  // Far longer than any fixed buffer: every piece is kept.
  std::u16string longValue;
  for (int i = 0; i < 400; ++i) longValue += u"FILE" + DecimalU16(i) + u".TTC,Face" + std::u16string(1, u'\0');
  const auto pieces = SystemLinkChildren(longValue, true);
  ASSERT_EQ(pieces.size(), 400u);
  EXPECT_EQ(pieces.back(), u"FILE399.TTC,Face");
  // A string value is cut at its first comma.
  EXPECT_EQ(SystemLinkChildren(u"SIMSUN.TTC,SimSun", false), (V{u"SIMSUN.TTC"}));
  EXPECT_TRUE(SystemLinkChildren(u",Face", false).empty());
  EXPECT_TRUE(SystemLinkChildren(u"", true).empty());
}

TEST(FontFolder, FilesSortIntoUnregisteredFontsAndOthers) {
  FakeFolding folding;
  TRegDataArrray fonts = {{u"Registered.TTF", u"R", false}, {u"C:\\Elsewhere\\full.ttf", u"F", false}};
  const std::vector<std::u16string> names = {u"registered.ttf", u"full.ttf", u"new.OTF", u"desktop.ini",
                                             u"old.fon", u"type1.PFB", u"noext"};
  const auto files = ClassifyFontFolder(names, fonts, folding);
  EXPECT_EQ(files.All, names);
  EXPECT_EQ(files.UnregisteredFonts, (std::vector<std::u16string>{u"full.ttf", u"new.OTF", u"old.fon", u"type1.PFB"}));
  EXPECT_EQ(files.Others, (std::vector<std::u16string>{u"desktop.ini", u"noext"}));
  EXPECT_TRUE(ListedInFontFolder(u"a.ttf", false));
  EXPECT_FALSE(ListedInFontFolder(u".", false));
  EXPECT_FALSE(ListedInFontFolder(u"..", true));
  EXPECT_FALSE(ListedInFontFolder(u"Sub", true));
}

}  // namespace
}  // namespace velura

namespace velura {
namespace {

TEST(OpenDialog, PathsOfOneOrManyFiles) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(OpenDialogPaths(std::u16string(u"C:\\In\\one.ttf\0\0", 15)), (V{u"C:\\In\\one.ttf"}));
  EXPECT_EQ(OpenDialogPaths(std::u16string(u"C:\\In\0a.ttf\0b.otf\0\0", 20)), (V{u"C:\\In\\a.ttf", u"C:\\In\\b.otf"}));
  EXPECT_EQ(OpenDialogPaths(std::u16string(u"D:\\\0a.ttf\0\0", 11)), (V{u"D:\\a.ttf"}));  // a drive root
  EXPECT_TRUE(OpenDialogPaths(std::u16string(4, u'\0')).empty());
  EXPECT_TRUE(OpenDialogPaths(u"").empty());
  // A buffer the dialog filled to its end without the final zeros still ends at the buffer's end.
  EXPECT_EQ(OpenDialogPaths(std::u16string(u"C:\\In\0a.ttf", 11)), (V{u"C:\\In\\a.ttf"}));
}

TEST(RegViewTexts, FileFailureReports) {
  EXPECT_EQ(CopyFailureText(2), u"コピーに失敗したファイルが 2件 ありました");
  EXPECT_EQ(DeleteFailureText(1), u"削除に失敗したファイルが 1件 ありました");
}

}  // namespace
}  // namespace velura
