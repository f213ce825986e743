// The settings store on a real profile file: the bytes on disk, Japanese values in the ANSI code page,
// refused writes and paths, and erasing the file.
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

// The typed keys' round trips are host tests; here only what the real profile API adds: the ANSI bytes.
TEST_F(IniFileTest, JapaneseValuesGoToDiskInCodePage932AndComeBack) {
  // 表 and ソ end in 0x5C, the backslash byte: the profile API must keep them whole.
  EXPECT_TRUE(Keeper().RememberPreviousFolder(u"E:\\表示\\ソ"));
  Keeper().WriteUserItem(3, 50, u"ブロック");
  const std::string bytes = ReadFileBytes(path);
  EXPECT_NE(bytes.find("PreviousPath=E:\\\x95\x5c\x8e\xa6\\\x83\x5c\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("3UserStr=\x83\x75\x83\x8d\x83\x62\x83\x4e\r\n"), std::string::npos);
  const TIniKeeper keeper = Keeper();
  EXPECT_EQ(keeper.ReadPreviousFolder(), u"E:\\表示\\ソ");
  EXPECT_EQ(keeper.ReadUserItem(3).BlockIndex, 50);
  EXPECT_EQ(keeper.ReadUserItem(3).Text, u"ブロック");
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
