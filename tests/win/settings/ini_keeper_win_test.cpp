// The settings store on a real profile file: the bytes on disk, round trips of every typed key through a
// fresh store each time, refused writes and paths, and erasing the file.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/file_bytes_win.h"
#include "support/temp_folder_win.h"

#include "platform/user_error.h"
#include "platform/wide_win.h"
#include "settings/ini_keeper.h"
#include "settings/ini_keeper_global_win.h"
#include "settings/ini_profile_win.h"

namespace velura::testing {
namespace {

class FixedWindow final : public RememberedWindow {
 public:
  WindowState State() const override { return state; }
  void SetState(WindowState s) override { state = s; }
  WindowBounds Bounds() const override { return bounds; }
  void SetTop(int v) override { bounds.Top = v; }
  void SetLeft(int v) override { bounds.Left = v; }
  void SetWidth(int v) override { bounds.Width = v; }
  void SetHeight(int v) override { bounds.Height = v; }

  WindowState state = WindowState::Normal;
  WindowBounds bounds;
};

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteFileW(path.c_str()); }
  void TearDown() override {
    Keeper().ClearAll();  // also flushes the profile cache of this file
  }
  TIniKeeper Keeper() const { return TIniKeeper(std::make_unique<PrivateProfileFile>(ToU16(path))); }

  const TempFolder folder{L"velura_ini_test"};
  const std::wstring path = folder / L"velura_wd.ini";
};

TEST_F(IniFileTest, TheFileHoldsCodePage932BytesWithCrLf) {
  Keeper().WriteDefaultFolder(true, u"C:\\フォント");
  EXPECT_EQ(ReadFileBytes(path), "[LocalView]\r\nDefPath=C:\\\x83\x74\x83\x48\x83\x93\x83\x67\r\nDefBool=1\r\n");
}

TEST_F(IniFileTest, AFileWrittenByHandIsReadInTheCodePage) {
  ASSERT_TRUE(WriteFileBytes(path, "[SearchWnd]\r\nStr1=\x96\xbe\x92\xa9\r\nbFontName=0x0\r\n[Main]\r\nEnable = 5\r\n"));
  TIniKeeper keeper = Keeper();
  const SearchOptions search = keeper.ReadSearchOptions();
  EXPECT_EQ(search.History[0], u"明朝");
  EXPECT_FALSE(search.FontName);
  EXPECT_EQ(keeper.WindowFlags(), 1);
}

TEST_F(IniFileTest, EveryTypedKeyRoundTripsThroughTheFile) {
  Keeper().SetWindowFlags(0b1110101);
  FixedWindow window;
  window.bounds = {-20, 1500, 640, 480};
  Keeper().StoreWindow(window, TWindowKind::UnicodeView);
  window.state = WindowState::Maximized;
  Keeper().StoreWindow(window, TWindowKind::OneTimeInst);
  Keeper().WriteDefaultFolder(false, u"D:\\既定フォルダ");
  EXPECT_TRUE(Keeper().RememberPreviousFolder(u"E:\\表示\\ソ"));
  Keeper().WriteTempFolder(true, u"F:\\作業");
  SearchOptions search;
  search.FileName = true, search.FontName = false, search.Other = true, search.PitchIndex = 3;
  search.History = {u"明朝", u"ゴシック", u"", u"Sans Serif", u"5", u"6", u"7", u"8", u"九番目"};
  Keeper().WriteSearchOptions(search);
  Keeper().WriteShortcuts({0x2041, 0x4042, 0x8043, 0, 0x6070, 0x0071, 0xFFFF});
  Keeper().WriteStayOnTop(true);
  Keeper().WriteTreeStyle({0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, true, false, true});
  Keeper().WriteSampleDefaults(36, true);
  Keeper().WriteSampleSize(12);
  for (int n = 0; n < 10; ++n) Keeper().WriteUserItem(n, n * 10, u"ブロック" + std::u16string(1, u'0' + n));

  const TIniKeeper keeper = Keeper();
  EXPECT_EQ(keeper.WindowFlags(), 0b1110101);
  FixedWindow unicode;
  keeper.RestoreWindow(unicode, TWindowKind::UnicodeView);
  EXPECT_EQ(unicode.bounds.Top, -20);
  EXPECT_EQ(unicode.bounds.Left, 1500);
  EXPECT_EQ(unicode.bounds.Width, 640);
  EXPECT_EQ(unicode.bounds.Height, 480);
  FixedWindow oneTime;
  keeper.RestoreWindow(oneTime, TWindowKind::OneTimeInst);
  EXPECT_EQ(oneTime.state, WindowState::Maximized);

  EXPECT_EQ(keeper.ReadDefaultFolder().Path, u"D:\\既定フォルダ");
  EXPECT_FALSE(keeper.ReadDefaultFolder().Use);
  EXPECT_EQ(keeper.ReadStartFolder(), u"E:\\表示\\ソ");
  EXPECT_EQ(keeper.ReadTempFolder().Path, u"F:\\作業");
  EXPECT_TRUE(keeper.ReadTempFolder().Use);

  const SearchOptions readSearch = keeper.ReadSearchOptions();
  EXPECT_TRUE(readSearch.FileName && !readSearch.FontName && readSearch.Other && !readSearch.FullFont);
  EXPECT_EQ(readSearch.PitchIndex, 3);
  EXPECT_EQ(readSearch.History, search.History);

  ShortcutCodes codes{};
  keeper.ReadShortcuts(codes);
  EXPECT_EQ(codes, (ShortcutCodes{0x2041, 0x4042, 0x8043, 0, 0x6070, 0x0071, 0xFFFF}));
  EXPECT_TRUE(keeper.ReadStayOnTop());

  TTreeStyle style;
  keeper.ReadTreeStyle(style);
  EXPECT_EQ(style.DefColor, 0x0000FFu);
  EXPECT_EQ(style.RegFontColor, 0x00FF00u);
  EXPECT_EQ(style.Font1Color, 0xFF0000u);
  EXPECT_EQ(style.Font2Color, 0xFFFFFFu);
  EXPECT_TRUE(style.RegFontItalic && !style.Font1Italic && style.Font2Italic);

  const SampleSizes sizes = keeper.ReadSampleSizes();
  EXPECT_EQ(sizes.DefSize, 36);
  EXPECT_EQ(sizes.OpSize, 12);
  EXPECT_TRUE(sizes.Remember);
  for (int n = 0; n < 10; ++n) {
    EXPECT_EQ(keeper.ReadUserItem(n).BlockIndex, n * 10);
    EXPECT_EQ(keeper.ReadUserItem(n).Text, u"ブロック" + std::u16string(1, u'0' + n));
  }
  const std::string bytes = ReadFileBytes(path);
  EXPECT_NE(bytes.find("[MyUniBlock]\r\n0index=0\r\n0UserStr="), std::string::npos);
  EXPECT_NE(bytes.find("tvFont2_Color_Olive=16777215\r\n"), std::string::npos);
}

TEST_F(IniFileTest, APathOutsideTheCodePageIsRefusedAndNothingIsStored) {
  TIniKeeper keeper = Keeper();
  EXPECT_TRUE(keeper.RememberPreviousFolder(u"C:\\前回"));
  EXPECT_FALSE(keeper.RememberPreviousFolder(u"C:\\丂"));  // merely remembered: not stored, no message
  EXPECT_THROW(keeper.WriteTempFolder(true, u"C:\\café"), UserError);
  EXPECT_EQ(keeper.ReadPreviousFolder(), u"C:\\前回");
  EXPECT_EQ(ReadFileBytes(path).find("TempDirPath"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(path).find("UseBool"), std::string::npos);
}

TEST_F(IniFileTest, AWriteTheProfileRefusesNamesTheFile) {
  const std::u16string unwritable = u"C:\\velura_no_such_folder\\velura_wd.ini";
  TIniKeeper keeper(std::make_unique<PrivateProfileFile>(unwritable));
  try {
    keeper.WriteStayOnTop(true);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_EQ(error.Message(), unwritable + u" に書き込めません");
  }
  EXPECT_FALSE(keeper.ReadStayOnTop());
}

TEST_F(IniFileTest, ClearAllDeletesTheFileAndLaterStoresStartAFreshOne) {
  TIniKeeper keeper = Keeper();
  keeper.SetWindowFlags(0b1111111);
  keeper.WriteStayOnTop(true);
  ASSERT_TRUE(Exists(path));
  keeper.ClearAll();
  EXPECT_FALSE(Exists(path));
  EXPECT_EQ(keeper.WindowFlags(), 0);
  EXPECT_FALSE(keeper.ReadStayOnTop());

  FixedWindow window;
  window.bounds = {1, 2, 3, 4};
  keeper.StoreWindow(window, TWindowKind::RegView);
  EXPECT_EQ(ReadFileBytes(path), "[RegView]\r\nMaximized=0\r\nTop=1\r\nLeft=2\r\nWidth=3\r\nHeight=4\r\n");
  EXPECT_EQ(Keeper().WindowFlags(), 0);
}

TEST(IniFileInAFolderOutsideTheCodePage, IsReachedThroughTheFolderShortName) {
  const TempFolder folder(L"velura_ini_丂");
  const std::wstring path = folder / L"velura_wd.ini";
  {
    TIniKeeper keeper(std::make_unique<PrivateProfileFile>(ToU16(path)));
    keeper.WriteSampleSize(30);
    EXPECT_EQ(keeper.ReadSampleSizes().OpSize, 30);
    EXPECT_TRUE(Exists(path));
    keeper.ClearAll();
  }
  EXPECT_FALSE(Exists(path));
}

TEST(GlobalIniKeeper, LivesBesideTheExecutable) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring expected(exe);
  expected.resize(expected.rfind(L'\\') + 1);
  EXPECT_EQ(IniKeeper.FileName(), ToU16(expected + L"velura_wd.ini"));
}

}  // namespace
}  // namespace velura::testing
