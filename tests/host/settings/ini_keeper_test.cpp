// The settings store over an in-memory profile: defaults, window places, groups, order of writes, failures.
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "memory_profile.h"
#include "platform/user_error.h"
#include "settings/ini_keeper.h"

namespace velura::testing {
namespace {

class FakeWindow final : public RememberedWindow {
 public:
  WindowState State() const override { return state; }
  void SetState(WindowState s) override { state = s, calls.push_back(u"state"); }
  WindowBounds Bounds() const override { return bounds; }
  void SetTop(int v) override { bounds.Top = v, calls.push_back(u"top"); }
  void SetLeft(int v) override { bounds.Left = v, calls.push_back(u"left"); }
  void SetWidth(int v) override { bounds.Width = v, calls.push_back(u"width"); }
  void SetHeight(int v) override { bounds.Height = v, calls.push_back(u"height"); }
  void KeepOnScreen() override { calls.push_back(u"on screen"); }

  WindowState state = WindowState::Normal;
  WindowBounds bounds{10, 20, 300, 200};
  std::vector<std::u16string> calls;
};

std::u16string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const UserError& error) {
    return error.Message();
  }
  return u"(no error)";
}

class IniKeeperTest : public ::testing::Test {
 protected:
  TIniKeeper Keeper() { return TIniKeeper(std::make_unique<MemoryProfile>(data)); }
  void Set(std::u16string section, std::u16string key, std::u16string value) {
    data.values[{std::move(section), std::move(key)}] = std::move(value);
  }
  std::u16string Get(const std::u16string& section, const std::u16string& key) {
    const auto found = data.values.find({section, key});
    return found == data.values.end() ? u"(missing)" : found->second;
  }

  ProfileData data;
};

TEST_F(IniKeeperTest, WithoutAFileEverythingHasItsDesignedDefault) {
  TIniKeeper keeper = Keeper();
  EXPECT_EQ(keeper.WindowFlags(), 0);
  EXPECT_EQ(keeper.ReadStartFolder(), u"");
  EXPECT_FALSE(keeper.ReadStayOnTop());

  const SearchOptions search = keeper.ReadSearchOptions();
  EXPECT_TRUE(search.FontName);
  EXPECT_FALSE(search.FileName || search.Other || search.FullFont || search.AndMode);
  EXPECT_EQ(search.PitchIndex, 0);
  for (const auto& entry : search.History) EXPECT_EQ(entry, u"");

  ShortcutCodes codes;
  codes.fill(99);
  keeper.ReadShortcuts(codes);
  EXPECT_EQ(codes, ShortcutCodes{});

  TTreeStyle style{1, 2, 3, 4, true, false, true};
  keeper.ReadTreeStyle(style);
  EXPECT_EQ(style.DefColor, 0x000000u);
  EXPECT_EQ(style.RegFontColor, 0x800080u);
  EXPECT_EQ(style.Font1Color, 0x800000u);
  EXPECT_EQ(style.Font2Color, 0x008080u);
  EXPECT_TRUE(style.RegFontItalic);  // the italic reads default to what the record held
  EXPECT_FALSE(style.Font1Italic);
  EXPECT_TRUE(style.Font2Italic);

  const SampleSizes sizes = keeper.ReadSampleSizes();
  EXPECT_EQ(sizes.DefSize, 24);
  EXPECT_EQ(sizes.OpSize, 18);
  EXPECT_FALSE(sizes.Remember);
  EXPECT_EQ(keeper.ReadUserItem(9).BlockIndex, -1);
  EXPECT_FALSE(keeper.ReadTempFolder().Use);

  FakeWindow window;
  for (int kind = 0; kind < kWindowKindCount; ++kind) keeper.RestoreWindow(window, static_cast<TWindowKind>(kind));
  EXPECT_TRUE(window.calls.empty());
  EXPECT_TRUE(data.writtenKeys.empty());  // reading never writes
}

TEST_F(IniKeeperTest, EnableFlagsAreReadAtConstructionAndWrittenForAllSevenWindows) {
  Set(u"Main", u"Enable", u"1");
  Set(u"RegView", u"Enable", u"5");
  Set(u"OneTimeInst", u"Enable", u"0x1");
  Set(u"LocalView", u"Enable", u"True");  // not a number: false
  EXPECT_EQ(Keeper().WindowFlags(), 0b1001001);

  TIniKeeper keeper = Keeper();
  data.writtenKeys.clear();
  keeper.SetWindowFlags(0b0000110);
  EXPECT_EQ(keeper.WindowFlags(), 0b0000110);
  EXPECT_EQ(data.writtenKeys,
            (std::vector<std::u16string>{u"Main/Enable", u"LocalView/Enable", u"InstalledView/Enable", u"RegView/Enable",
                                         u"SymbolView/Enable", u"UnicodeView/Enable", u"OneTimeInst/Enable"}));
  EXPECT_EQ(Get(u"Main", u"Enable"), u"0");
  EXPECT_EQ(Get(u"InstalledView", u"Enable"), u"1");
  EXPECT_EQ(Keeper().WindowFlags(), 0b0000110);
}

TEST_F(IniKeeperTest, RestoringAWindowNeedsItsFlagAndAStoredPlace) {
  Set(u"SymbolView", u"Top", u"50");
  Set(u"SymbolView", u"Left", u"60");
  FakeWindow window;
  Keeper().RestoreWindow(window, TWindowKind::SymbolView);  // flag clear
  EXPECT_TRUE(window.calls.empty());

  Set(u"SymbolView", u"Enable", u"1");
  Set(u"SymbolView", u"Left", u"-100");
  Keeper().RestoreWindow(window, TWindowKind::SymbolView);
  EXPECT_TRUE(window.calls.empty());

  Set(u"SymbolView", u"Left", u"60");
  Set(u"SymbolView", u"Top", u"-100");
  Keeper().RestoreWindow(window, TWindowKind::SymbolView);
  EXPECT_TRUE(window.calls.empty());

  Set(u"SymbolView", u"Top", u"50");
  Keeper().RestoreWindow(window, TWindowKind::SymbolView);  // no size stored: 800 x 540
  // The place is brought on screen once it is whole (a monitor may have gone since it was stored).
  EXPECT_EQ(window.calls, (std::vector<std::u16string>{u"top", u"left", u"width", u"height", u"on screen"}));
  EXPECT_EQ(window.bounds.Top, 50);
  EXPECT_EQ(window.bounds.Left, 60);
  EXPECT_EQ(window.bounds.Width, 800);
  EXPECT_EQ(window.bounds.Height, 540);
}

TEST_F(IniKeeperTest, TheMainWindowKeepsItsDesignedSize) {
  Set(u"Main", u"Enable", u"1");
  TIniKeeper keeper = Keeper();
  FakeWindow main;
  main.bounds = {100, 200, 640, 90};
  keeper.StoreWindow(main, TWindowKind::Main);
  EXPECT_EQ(Get(u"Main", u"Width"), u"640");  // written...

  FakeWindow reopened;
  keeper.RestoreWindow(reopened, TWindowKind::Main);
  EXPECT_EQ(reopened.calls, (std::vector<std::u16string>{u"top", u"left", u"on screen"}));  // ...never applied
  EXPECT_EQ(reopened.bounds.Top, 100);
  EXPECT_EQ(reopened.bounds.Width, 300);
}

TEST_F(IniKeeperTest, AMaximizedWindowKeepsItsLastNormalPlaceAndReopensMaximized) {
  Set(u"InstalledView", u"Enable", u"1");
  TIniKeeper keeper = Keeper();
  FakeWindow window;
  keeper.StoreWindow(window, TWindowKind::InstalledView);
  EXPECT_EQ(data.writtenKeys,
            (std::vector<std::u16string>{u"InstalledView/Maximized", u"InstalledView/Top", u"InstalledView/Left",
                                         u"InstalledView/Width", u"InstalledView/Height"}));

  data.writtenKeys.clear();
  window.state = WindowState::Maximized;
  window.bounds = {0, 0, 1024, 768};
  keeper.StoreWindow(window, TWindowKind::InstalledView);
  EXPECT_EQ(data.writtenKeys, std::vector<std::u16string>{u"InstalledView/Maximized"});
  EXPECT_EQ(Get(u"InstalledView", u"Maximized"), u"1");
  EXPECT_EQ(Get(u"InstalledView", u"Width"), u"300");

  FakeWindow reopened;
  keeper.RestoreWindow(reopened, TWindowKind::InstalledView);
  EXPECT_EQ(reopened.calls, std::vector<std::u16string>{u"state"});
  EXPECT_EQ(reopened.state, WindowState::Maximized);

  window.state = WindowState::Minimized;
  keeper.StoreWindow(window, TWindowKind::InstalledView);
  EXPECT_EQ(Get(u"InstalledView", u"Maximized"), u"0");
  EXPECT_EQ(Get(u"InstalledView", u"Top"), u"10");
}

TEST_F(IniKeeperTest, EveryGroupRoundTripsAndWritesItsKeysInTableOrder) {
  TIniKeeper keeper = Keeper();
  keeper.WriteDefaultFolder(true, u"D:\\フォント集");
  EXPECT_TRUE(keeper.RememberPreviousFolder(u"E:\\前回"));
  keeper.WriteTempFolder(true, u"F:\\作業");
  keeper.WriteSampleDefaults(36, true);
  keeper.WriteSampleSize(48);
  keeper.WriteStayOnTop(true);
  keeper.WriteUserItem(0, 12, u"ひらがな");
  keeper.WriteUserItem(9, 140, u"");
  EXPECT_EQ(data.writtenKeys,
            (std::vector<std::u16string>{u"LocalView/DefPath", u"LocalView/DefBool", u"LocalView/PreviousPath",
                                         u"Original_TEMP_Dir/TempDirPath", u"Original_TEMP_Dir/UseBool",
                                         u"SampleFont/opMemory", u"SampleFont/DefFontSize", u"SampleFont/opFontSize",
                                         u"Main/fsStayOnTop", u"MyUniBlock/0index", u"MyUniBlock/0UserStr",
                                         u"MyUniBlock/9index", u"MyUniBlock/9UserStr"}));

  EXPECT_EQ(keeper.ReadStartFolder(), u"D:\\フォント集");
  keeper.WriteDefaultFolder(false, u"D:\\フォント集");
  EXPECT_EQ(keeper.ReadStartFolder(), u"E:\\前回");
  EXPECT_EQ(keeper.ReadDefaultFolder().Path, u"D:\\フォント集");
  EXPECT_EQ(keeper.ReadTempFolder().Path, u"F:\\作業");
  EXPECT_TRUE(keeper.ReadTempFolder().Use);
  EXPECT_EQ(keeper.ReadSampleSizes().DefSize, 36);
  EXPECT_EQ(keeper.ReadSampleSizes().OpSize, 48);
  EXPECT_TRUE(keeper.ReadSampleSizes().Remember);
  EXPECT_TRUE(keeper.ReadStayOnTop());
  EXPECT_EQ(keeper.ReadUserItem(0).BlockIndex, 12);
  EXPECT_EQ(keeper.ReadUserItem(0).Text, u"ひらがな");
  EXPECT_EQ(keeper.ReadUserItem(9).BlockIndex, 140);

  SearchOptions search;
  search.FileName = true, search.FontName = false, search.AndMode = true, search.PitchIndex = 2;
  search.History = {u"明朝", u"", u"Gothic", u"4", u"5", u"6", u"7", u"8", u"九"};
  data.writtenKeys.clear();
  keeper.WriteSearchOptions(search);
  EXPECT_EQ(data.writtenKeys.front(), u"SearchWnd/Ident_bFileName");
  EXPECT_EQ(data.writtenKeys[5], u"SearchWnd/PichType");
  EXPECT_EQ(data.writtenKeys.back(), u"SearchWnd/Str9");
  const SearchOptions back = keeper.ReadSearchOptions();
  EXPECT_TRUE(back.FileName && !back.FontName && !back.Other && !back.FullFont && back.AndMode);
  EXPECT_EQ(back.PitchIndex, 2);
  EXPECT_EQ(back.History, search.History);

  const ShortcutCodes codes{0x2041, 0x4042, 0x8043, 0, 0xE070, 0x0071, 0xFFFF};
  keeper.WriteShortcuts(codes);
  EXPECT_EQ(Get(u"TShortCut", u"OneTimeInst_btn"), u"8257");
  EXPECT_EQ(Get(u"TShortCut", u"Etc_btn"), u"65535");
  ShortcutCodes read{};
  keeper.ReadShortcuts(read);
  EXPECT_EQ(read, codes);

  const TTreeStyle style{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, true, true, false};
  keeper.WriteTreeStyle(TTreeStyle{});
  EXPECT_EQ(Get(u"TreeView_FontName", u"tvRegFont_Color"), u"8388736");
  EXPECT_EQ(Get(u"TreeView_FontName", u"tvFont1_Color_Navy"), u"8388608");
  EXPECT_EQ(Get(u"TreeView_FontName", u"tvFont2_Color_Olive"), u"32896");
  keeper.WriteTreeStyle(style);
  TTreeStyle readStyle;
  keeper.ReadTreeStyle(readStyle);
  EXPECT_EQ(readStyle.DefColor, style.DefColor);
  EXPECT_EQ(readStyle.Font2Color, style.Font2Color);
  EXPECT_TRUE(readStyle.RegFontItalic && readStyle.Font1Italic && !readStyle.Font2Italic);
}

TEST_F(IniKeeperTest, ARefusedWriteNamesTheFileAndKeepsTheKeysWrittenBeforeIt) {
  TIniKeeper keeper = Keeper();
  data.refusedKey = u"bOther";
  EXPECT_EQ(MessageOf([&] { keeper.WriteSearchOptions(SearchOptions{}); }), u"C:\\Program\\velura_wd.ini に書き込めません");
  EXPECT_EQ(data.writtenKeys, (std::vector<std::u16string>{u"SearchWnd/Ident_bFileName", u"SearchWnd/bFontName"}));
}

TEST_F(IniKeeperTest, APathTheFileCannotHoldIsRefusedBeforeAnythingIsWritten) {
  TIniKeeper keeper = Keeper();
  const std::u16string path = u"D:\\\u4E02\\fonts";
  const std::u16string message = path + u"\r\nこのパスには設定ファイルに保存できない文字が含まれています";
  EXPECT_EQ(MessageOf([&] { keeper.WriteDefaultFolder(true, path); }), message);
  EXPECT_EQ(MessageOf([&] { keeper.WriteTempFolder(true, path); }), message);
  EXPECT_TRUE(data.writtenKeys.empty());

  // Search words and block descriptions are no paths: stored as the code page allows.
  keeper.WriteUserItem(1, 3, u"\u4E02");
  EXPECT_EQ(data.writtenKeys.size(), 2u);
}

TEST_F(IniKeeperTest, APlaceMerelyRememberedIsNotStoredWhenTheFileCannotHoldItAndTheOldOneStays) {
  TIniKeeper keeper = Keeper();
  EXPECT_TRUE(keeper.RememberPreviousFolder(u"E:\\前回"));
  const std::u16string unheld = u"E:\\\u4E02\\fonts";
  bool remembered = true;
  EXPECT_NO_THROW(remembered = keeper.RememberPreviousFolder(unheld));
  EXPECT_FALSE(remembered);
  EXPECT_EQ(keeper.ReadPreviousFolder(), u"E:\\前回");
  EXPECT_EQ(data.writtenKeys, std::vector<std::u16string>{u"LocalView/PreviousPath"});

  // The start folder read back from the file is one the file could hold.
  EXPECT_EQ(keeper.ReadStartFolder(), u"E:\\前回");

  // A file that refuses the write (read-only, a full disk) only means the place is not remembered.
  data.refusedKey = u"PreviousPath";
  EXPECT_NO_THROW(remembered = keeper.RememberPreviousFolder(u"E:\\次回"));
  EXPECT_FALSE(remembered);
  EXPECT_EQ(keeper.ReadPreviousFolder(), u"E:\\前回");
}

TEST_F(IniKeeperTest, AShortcutOutOfRangeReadsAsNoneAndTheOthersAsStored) {
  Set(u"TShortCut", u"OneTimeInst_btn", u"65");
  Set(u"TShortCut", u"LocalView_btn", u"66");
  Set(u"TShortCut", u"InstalledView_btn", u"65536");
  Set(u"TShortCut", u"RegView_btn", u"67");
  Set(u"TShortCut", u"Etc_btn", u"-5");
  ShortcutCodes codes;
  codes.fill(7);
  EXPECT_EQ(MessageOf([&] { Keeper().ReadShortcuts(codes); }),
            u"ショートカットキーの設定値が範囲外です\r\nInstalledView_btn=65536");
  EXPECT_EQ(codes, (ShortcutCodes{65, 66, 0, 67, 0, 0, 0}));

  Set(u"TShortCut", u"InstalledView_btn", u"-1");
  EXPECT_NE(MessageOf([&] { Keeper().ReadShortcuts(codes); }), u"(no error)");
}

TEST_F(IniKeeperTest, StringsAreReadUpTo2047Units) {
  Set(u"LocalView", u"PreviousPath", std::u16string(3000, u'あ'));
  EXPECT_EQ(Keeper().ReadPreviousFolder(), std::u16string(2047, u'あ'));
}

TEST_F(IniKeeperTest, ClearAllErasesTheFileAndForgetsTheFlags) {
  Set(u"UnicodeView", u"Enable", u"1");
  TIniKeeper keeper = Keeper();
  ASSERT_EQ(keeper.WindowFlags(), 0b0100000);
  keeper.ClearAll();
  EXPECT_EQ(data.erases, 1);
  EXPECT_EQ(keeper.WindowFlags(), 0);
  FakeWindow window;
  keeper.StoreWindow(window, TWindowKind::UnicodeView);
  EXPECT_EQ(Keeper().WindowFlags(), 0);  // a window storing itself does not enable itself
}

}  // namespace
}  // namespace velura::testing
