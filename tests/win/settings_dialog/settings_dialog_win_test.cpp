#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "fontfile/language_names.h"
#include "platform/text.h"
#include "platform/wide_win.h"
#include "settings/ini_profile_win.h"
#include "support/browser_fixture_win.h"
#include "support/common_dialog_visit_win.h"
#include "support/dialog_answer_win.h"
#include "support/dpi_change_win.h"
#include "support/file_bytes_win.h"
#include "support/picture_regions_win.h"
#include "support/pump_win.h"
#include "support/screenshot_win.h"
#include "support/sfnt_writer.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/settings/form_setting1_win.h"

namespace velura {
namespace {

using testing::AnswerNextDialog;
using testing::PumpUntilIdle;

class SettingsDialog : public testing::BrowserTest {
 protected:
  void SetUp() override {
    // The priority file beside the settings file, not beside the test program.
    Engine().PriorityFile = folder.U16(L"velura_c_rec.bin");
  }

  // The folders the tests type need not exist, unless a test asks the file system.
  SettingsDialogSite Site() {
    SettingsDialogSite site{settings, Engine(), [this] { ++closeAllCalls; }, [this] { ++applyCalls; },
                            [this] { ++endCalls; }};
    if (!realFolders) site.probeFolder = [](std::u16string_view) { return FolderAccess::Writable; };
    return site;
  }

  std::unique_ptr<TForm_setting1> Open() {
    auto dialog = std::make_unique<TForm_setting1>(nullptr, Site());
    dialog->FormShow();
    PumpUntilIdle();
    return dialog;
  }

  static void Click(const ui::Control* button) {
    SendMessageW(button->hwnd, BM_CLICK, 0, 0);
    PumpUntilIdle();
  }
  // A static's click as its parent hears it.
  static void ClickPanel(const ui::Control* panel) {
    SendMessageW(GetParent(panel->hwnd), WM_COMMAND, MAKEWPARAM(panel->id, STN_CLICKED),
                 reinterpret_cast<LPARAM>(panel->hwnd));
  }
  static void Command(TForm_setting1& dialog, int id) {
    SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpUntilIdle();
  }

  std::wstring SettingsPath() const { return folder / L"velura_wd.ini"; }
  bool SettingsFileExists() const { return GetFileAttributesW(SettingsPath().c_str()) != INVALID_FILE_ATTRIBUTES; }
  bool PriorityFileExists() const {
    return GetFileAttributesW(AsWide(Engine().PriorityFile)) != INVALID_FILE_ATTRIBUTES;
  }
  TProcedureClass& Engine() const { return const_cast<SettingsDialog*>(this)->fonts.Engine(); }

  // "Section/Key" of every key in the settings file.
  std::set<std::wstring> StoredKeys() const {
    std::set<std::wstring> keys;
    std::vector<wchar_t> sections(8192), lines(8192);
    GetPrivateProfileSectionNamesW(sections.data(), static_cast<DWORD>(sections.size()), SettingsPath().c_str());
    for (const wchar_t* section = sections.data(); *section; section += wcslen(section) + 1) {
      GetPrivateProfileSectionW(section, lines.data(), static_cast<DWORD>(lines.size()), SettingsPath().c_str());
      for (const wchar_t* line = lines.data(); *line; line += wcslen(line) + 1) {
        const std::wstring text(line);
        keys.insert(std::wstring(section) + L"/" + text.substr(0, text.find(L'=')));
      }
    }
    return keys;
  }

  static std::vector<std::uint16_t> ListedLanguages(const TForm_setting1& dialog) {
    std::vector<std::uint16_t> ids;
    const HWND list = dialog.ListBox_Language->hwnd;
    for (int i = 0; i < ui::ListBoxItemCount(*dialog.ListBox_Language); ++i)
      ids.push_back(static_cast<std::uint16_t>(SendMessageW(list, LB_GETITEMDATA, i, 0)));
    return ids;
  }
  static void SelectLines(const TForm_setting1& dialog, std::initializer_list<int> lines) {
    SendMessageW(dialog.ListBox_Language->hwnd, LB_SETSEL, FALSE, -1);
    for (const int line : lines) ui::SetListBoxItemSelected(*dialog.ListBox_Language, line, true);
  }

  int closeAllCalls = 0;
  int applyCalls = 0;
  bool realFolders = false;  // the dialog asks the file system about chosen folders
  int endCalls = 0;
};

TEST_F(SettingsDialog, CancelAfterChangesOnEveryPageWritesNothing) {
  auto dialog = Open();
  SendMessageW(dialog->WindowCheckBoxes[2]->hwnd, BM_CLICK, 0, 0);
  SendMessageW(dialog->CheckBox_MainFormTop->hwnd, BM_CLICK, 0, 0);
  SendMessageW(dialog->RadioButton_Temp2->hwnd, BM_CLICK, 0, 0);
  SetWindowTextW(dialog->Edit_Temp2_path->hwnd, L"C:\\work");
  SelectLines(*dialog, {3});
  Command(*dialog, Action_NodeToTop);
  dialog->SelectSampleNode(1);
  ClickPanel(dialog->FixedColorPanels[9]);
  ui::SetHotKeyShortcut(*dialog->HotKeys[0], 0x4031);
  const TTreeStyle before = Engine().TreeStyle;
  const auto order = Engine().LanguagePriority[0].LanguageId;

  Click(dialog->BitBtn2);
  EXPECT_FALSE(SettingsFileExists());
  EXPECT_FALSE(PriorityFileExists());
  EXPECT_EQ(Engine().TreeStyle.RegFontColor, before.RegFontColor);
  EXPECT_EQ(Engine().LanguagePriority[0].LanguageId, order);
  EXPECT_EQ(applyCalls, 0);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
}

TEST_F(SettingsDialog, OkWritesExactlyTheKeysOfTheMappingAndAppliesTheShortcuts) {
  auto dialog = Open();
  Click(dialog->BitBtn1);
  const std::set<std::wstring> expected{L"Main/Enable",
                                        L"LocalView/Enable",
                                        L"InstalledView/Enable",
                                        L"RegView/Enable",
                                        L"SymbolView/Enable",
                                        L"UnicodeView/Enable",
                                        L"OneTimeInst/Enable",
                                        L"Main/fsStayOnTop",
                                        L"SampleFont/opMemory",
                                        L"SampleFont/DefFontSize",
                                        L"LocalView/DefPath",
                                        L"LocalView/DefBool",
                                        L"Original_TEMP_Dir/TempDirPath",
                                        L"Original_TEMP_Dir/UseBool",
                                        L"TreeView_FontName/tvDefFontColor",
                                        L"TreeView_FontName/tvRegFont_Color",
                                        L"TreeView_FontName/tvFont1_Color_Navy",
                                        L"TreeView_FontName/tvFont2_Color_Olive",
                                        L"TreeView_FontName/tvRegFont_Style_italic",
                                        L"TreeView_FontName/tvFont1_Style_itali",
                                        L"TreeView_FontName/tvFont2_Style_itali",
                                        L"TShortCut/OneTimeInst_btn",
                                        L"TShortCut/LocalView_btn",
                                        L"TShortCut/InstalledView_btn",
                                        L"TShortCut/RegView_btn",
                                        L"TShortCut/SymbolView_btn",
                                        L"TShortCut/UnicodeView_btn",
                                        L"TShortCut/Etc_btn"};
  EXPECT_EQ(StoredKeys(), expected);
  EXPECT_EQ(testing::ReadFileByteVector(ToWide(Engine().PriorityFile)).size(), 2 * kLanguageCount);
  EXPECT_EQ(applyCalls, 1);
  EXPECT_EQ(GetPrivateProfileIntW(L"SampleFont", L"DefFontSize", -1, SettingsPath().c_str()), 24);
}

TEST_F(SettingsDialog, EveryControlReachesItsKey) {
  auto dialog = Open();
  SendMessageW(dialog->WindowCheckBoxes[static_cast<int>(TWindowKind::RegView)]->hwnd, BM_CLICK, 0, 0);
  SendMessageW(dialog->WindowCheckBoxes[static_cast<int>(TWindowKind::OneTimeInst)]->hwnd, BM_CLICK, 0, 0);
  SendMessageW(dialog->CheckBox_MainFormTop->hwnd, BM_CLICK, 0, 0);
  ui::SetComboSelectedIndex(*dialog->ComboBox_DefSampleFontSize, 8);  // 60
  SendMessageW(dialog->CheckBox_opMemory->hwnd, BM_CLICK, 0, 0);
  SendMessageW(dialog->RadioButton_df2->hwnd, BM_CLICK, 0, 0);
  SetWindowTextW(dialog->Edit_df2_path->hwnd, L"D:\\フォント");
  SetWindowTextW(dialog->Edit_Temp2_path->hwnd, L"E:\\work");  // typed, its radio button left alone
  dialog->SelectSampleNode(3);
  ClickPanel(dialog->FixedColorPanels[13]);  // fuchsia
  Click(dialog->CheckBox_TreeItalic);
  dialog->SelectSampleNode(0);
  ClickPanel(dialog->FixedColorPanels[4]);  // navy
  ui::SetHotKeyShortcut(*dialog->HotKeys[3], 0x4000 | 'R');
  ui::SetHotKeyShortcut(*dialog->HotKeys[6], 0xC000 | 'E');
  Click(dialog->BitBtn1);

  TIniKeeper reread(std::make_unique<PrivateProfileFile>(ToU16(SettingsPath())));
  EXPECT_EQ(reread.WindowFlags(), (1 << 3) | (1 << 6));
  EXPECT_TRUE(reread.ReadStayOnTop());
  EXPECT_EQ(reread.ReadSampleSizes().DefSize, 60);
  EXPECT_TRUE(reread.ReadSampleSizes().Remember);
  EXPECT_TRUE(reread.ReadDefaultFolder().Use);
  EXPECT_EQ(reread.ReadDefaultFolder().Path, u"D:\\フォント");
  EXPECT_FALSE(reread.ReadTempFolder().Use);
  EXPECT_EQ(reread.ReadTempFolder().Path, u"E:\\work");
  TTreeStyle style;
  reread.ReadTreeStyle(style);
  EXPECT_EQ(style.DefColor, 0x800000u);
  EXPECT_EQ(style.Font2Color, 0xFF00FFu);
  EXPECT_TRUE(style.Font2Italic);
  EXPECT_FALSE(style.RegFontItalic);
  EXPECT_EQ(Engine().TreeStyle.Font2Color, 0xFF00FFu);
  ShortcutCodes codes{};
  reread.ReadShortcuts(codes);
  EXPECT_EQ(codes, (ShortcutCodes{0, 0, 0, 0x4000 | 'R', 0, 0, 0xC000 | 'E'}));
}

TEST_F(SettingsDialog, StoredValuesComeBackIntoTheControlsAndUntouchedShortcutsAreWrittenBack) {
  settings.SetWindowFlags(1 << 1);
  settings.WriteSampleDefaults(25, false);  // not one of the list's sizes
  settings.WriteTempFolder(true, u"C:\\temp2");
  settings.WriteShortcuts(ShortcutCodes{0x4031, 0x4032, 0x4033, 0x4034, 0x4035, 0x4036, 0x4037});
  auto dialog = Open();
  EXPECT_EQ(SendMessageW(dialog->WindowCheckBoxes[1]->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(dialog->WindowCheckBoxes[0]->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(ui::ComboSelectedIndex(*dialog->ComboBox_DefSampleFontSize), -1);
  EXPECT_EQ(SendMessageW(dialog->RadioButton_Temp2->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(ui::WindowText(dialog->Edit_Temp2_path->hwnd), L"C:\\temp2");
  for (std::size_t i = 0; i < dialog->HotKeys.size(); ++i)
    EXPECT_EQ(ui::HotKeyShortcut(*dialog->HotKeys[i]), 0x4031 + i);
  Click(dialog->BitBtn1);
  ShortcutCodes codes{};
  settings.ReadShortcuts(codes);
  EXPECT_EQ(codes, (ShortcutCodes{0x4031, 0x4032, 0x4033, 0x4034, 0x4035, 0x4036, 0x4037}));
  EXPECT_EQ(settings.ReadSampleSizes().DefSize, 18);  // nothing selected
}

TEST_F(SettingsDialog, AFolderTheSettingsFileCannotHoldIsRefusedAtOkAndNothingIsWritten) {
  auto dialog = Open();
  SendMessageW(dialog->RadioButton_df2->hwnd, BM_CLICK, 0, 0);
  SetWindowTextW(dialog->Edit_df2_path->hwnd, L"C:\\\x0E01\x0E02");  // Thai: outside code page 932
  dialog->PageControl1->SelectPage(4);
  Click(dialog->BitBtn1);
  EXPECT_EQ(dialog->PageControl1->SelectedPage(), 0);  // the refused folder is shown
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_NE(recorder.messages[0].Text.find(u"設定ファイルに保存できない文字"), std::u16string::npos);
  EXPECT_TRUE(IsWindow(dialog->Hwnd()));
  EXPECT_FALSE(SettingsFileExists());
  EXPECT_FALSE(PriorityFileExists());
  EXPECT_EQ(applyCalls, 0);
}

TEST_F(SettingsDialog, TwoButtonsOnOneShortcutAreRefusedAtOkAndTheSecondFieldIsShown) {
  auto dialog = Open();
  ui::SetHotKeyShortcut(*dialog->HotKeys[1], 0x4000 | 'L');
  ui::SetHotKeyShortcut(*dialog->HotKeys[5], 0x4000 | 'L');
  Click(dialog->BitBtn1);
  EXPECT_EQ(dialog->PageControl1->SelectedPage(), 3);
  EXPECT_EQ(GetFocus(), dialog->HotKeys[5]->hwnd);
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_NE(recorder.messages[0].Text.find(u"「未インストールフォント閲覧」と「ユニコードビューアー」"),
            std::u16string::npos);
  EXPECT_TRUE(IsWindow(dialog->Hwnd()));
  EXPECT_FALSE(SettingsFileExists());
  EXPECT_EQ(applyCalls, 0);
}

TEST_F(SettingsDialog, AChosenWorkFolderThatIsMissingIsRefusedAtOk) {
  realFolders = true;
  auto dialog = Open();
  SendMessageW(dialog->RadioButton_Temp2->hwnd, BM_CLICK, 0, 0);
  SetWindowTextW(dialog->Edit_Temp2_path->hwnd, (folder / L"gone").c_str());
  Click(dialog->BitBtn1);
  EXPECT_EQ(GetFocus(), dialog->Edit_Temp2_path->hwnd);
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_NE(recorder.messages[0].Text.find(u"このフォルダは存在しません"), std::u16string::npos);
  EXPECT_FALSE(SettingsFileExists());

  SetWindowTextW(dialog->Edit_Temp2_path->hwnd, folder.Path().c_str());
  Click(dialog->BitBtn1);
  EXPECT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(settings.ReadTempFolder().Path, ToU16(folder.Path()));
}

TEST_F(SettingsDialog, AnUnreadablePriorityFileIsToldOnceWhenItsPageOpensAndKeptAtOk) {
  const std::wstring path = ToWide(Engine().PriorityFile);
  ASSERT_TRUE(testing::WriteFileBytes(path, std::string_view("\x09\x04\x11\x04", 4)));
  const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);  // no sharing
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Engine().LoadLanguagePriority();
  auto dialog = Open();
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
  auto clickHeader = [&](int index) {
    RECT header{};
    const HWND tab = dialog->PageControl1->Tab().hwnd;
    SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&header));
    const LPARAM at = MAKELPARAM((header.left + header.right) / 2, (header.top + header.bottom) / 2);
    SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tab, WM_LBUTTONUP, 0, at);
    PumpUntilIdle();
  };
  clickHeader(1);
  clickHeader(0);
  clickHeader(1);
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_NE(recorder.messages[0].Text.find(u"velura_c_rec.bin を読み込めません"), std::u16string::npos);
  CloseHandle(held);
  Click(dialog->BitBtn1);
  EXPECT_EQ(testing::ReadFileByteVector(path), (std::vector<std::uint8_t>{0x09, 0x04, 0x11, 0x04}));
}

// Each label's text as its static draws it (word-wrapped at the label's width, in its font) must fit the label.
TEST_F(SettingsDialog, EveryLabelHoldsItsTextAtEachScaling) {
  for (const int dpi : {96, 120, 144}) {
    auto dialog = Open();
    if (dpi != 96) testing::ChangeDpi(dialog->Hwnd(), dpi);
    std::vector<HWND> labels;
    EnumChildWindows(
        dialog->Hwnd(),
        [](HWND child, LPARAM found) {
          wchar_t name[16]{};
          GetClassNameW(child, name, 16);
          if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextLengthW(child) > 0)
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&labels));
    ASSERT_GE(labels.size(), 10u);
    for (const HWND label : labels) {
      const std::wstring text = ui::WindowText(label);
      RECT client{};
      GetClientRect(label, &client);
      const HDC dc = GetDC(label);
      const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
      RECT needed{0, 0, client.right, 0};
      const UINT prefix = (GetWindowLongW(label, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0;
      DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | prefix);
      SelectObject(dc, old);
      ReleaseDC(label, dc);
      EXPECT_LE(needed.bottom, client.bottom) << dpi << " DPI: " << ToUtf8(AsU16(text));
      EXPECT_LE(needed.right, client.right) << dpi << " DPI: " << ToUtf8(AsU16(text));
    }
  }
}

TEST_F(SettingsDialog, LanguageMovesOnTheListAndTheDefaultOrder) {
  auto dialog = Open();
  const std::vector<std::uint16_t> start = ListedLanguages(*dialog);
  ASSERT_EQ(start.size(), kLanguageCount);
  EXPECT_EQ(ui::ListBoxItemText(*dialog->ListBox_Language, 0), ToWide(LanguageName(start[0])));

  SelectLines(*dialog, {1, 3});  // Q and S of P Q R S T
  Command(*dialog, Action_NodeToTop);
  std::vector<std::uint16_t> order = ListedLanguages(*dialog);
  EXPECT_EQ((std::vector<std::uint16_t>(order.begin(), order.begin() + 5)),
            (std::vector<std::uint16_t>{start[1], start[3], start[0], start[2], start[4]}));
  EXPECT_EQ(ui::ListBoxSelectedIndices(*dialog->ListBox_Language), (std::vector<int>{0, 1}));

  SelectLines(*dialog, {0, 1, 3});  // a selected first line with others: "上へ移動" moves only the line at 3
  Command(*dialog, Action_NodeUp);
  order = ListedLanguages(*dialog);
  EXPECT_EQ((std::vector<std::uint16_t>(order.begin(), order.begin() + 4)),
            (std::vector<std::uint16_t>{start[1], start[3], start[2], start[0]}));
  EXPECT_EQ(ui::ListBoxSelectedIndices(*dialog->ListBox_Language), (std::vector<int>{0, 1, 2}));

  SelectLines(*dialog, {0});
  Command(*dialog, Action_NodeToLast);
  EXPECT_EQ(ListedLanguages(*dialog).back(), start[1]);
  EXPECT_EQ(ui::ListBoxSelectedIndices(*dialog->ListBox_Language), (std::vector<int>{142}));

  Click(dialog->Button3);
  EXPECT_EQ(ListedLanguages(*dialog), DefaultLanguageOrder());
}

testing::NameSpec Name(std::uint16_t language, std::uint16_t nameId, std::u16string text) {
  testing::NameSpec name;
  name.language = language;
  name.nameId = nameId;
  name.text = std::move(text);
  return name;
}

TEST_F(SettingsDialog, TheSavedLanguageOrderGoesToItsFileAndDecidesTheNextNames) {
  const std::wstring fontPath = folder / L"names.ttf";
  const testing::Bytes font =
      testing::SfntBuilder::Standard({Name(0x0411, 1, u"日本の名前"), Name(0x0411, 4, u"日本の名前"),
                                      Name(0x0409, 1, u"English Name"), Name(0x0409, 4, u"English Name")})
          .Build();
  ASSERT_TRUE(testing::WriteFileBytes(fontPath, font));
  const auto nameNow = [&] {
    TFileData_local list(Engine().Records());
    TFileDataItem* record = list.AddFontFile(ToU16(fontPath));
    list.UpdateNames();
    return record ? record->DisplayNames.at(0).DisplayFamilyName : u"(no record)";
  };
  ASSERT_EQ(nameNow(), u"日本の名前");

  auto dialog = Open();
  const std::vector<std::uint16_t> start = ListedLanguages(*dialog);
  const auto english = std::find(start.begin(), start.end(), 0x0409) - start.begin();
  SelectLines(*dialog, {static_cast<int>(english)});
  Command(*dialog, Action_NodeToTop);
  Click(dialog->BitBtn1);

  const auto saved = testing::ReadFileByteVector(ToWide(Engine().PriorityFile));
  ASSERT_EQ(saved.size(), 2 * kLanguageCount);
  EXPECT_EQ(saved[0] | saved[1] << 8, 0x0409);
  EXPECT_EQ(saved[2] | saved[3] << 8, start[0]);
  EXPECT_EQ(Engine().LanguagePriority[0].Name, LanguageName(0x0409));
  EXPECT_EQ(nameNow(), u"English Name");
}

// Held Ctrl as GetKeyState reports it to the window procedures of this thread.
class HeldControlKey {
 public:
  HeldControlKey() {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldControlKey() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256]{};
};

TEST_F(SettingsDialog, CtrlUAndCtrlDMoveLanguagesButStayFreeForTheShortcutFields) {
  auto dialog = Open();
  const std::vector<std::uint16_t> start = ListedLanguages(*dialog);
  SelectLines(*dialog, {2});
  {
    HeldControlKey control;
    SendMessageW(dialog->ListBox_Language->hwnd, WM_KEYDOWN, 'U', 0);
    EXPECT_EQ(ListedLanguages(*dialog)[1], start[2]);
    SendMessageW(dialog->ListBox_Language->hwnd, WM_KEYDOWN, 'D', 0);
    SendMessageW(dialog->ListBox_Language->hwnd, WM_KEYDOWN, 'D', 0);
    EXPECT_EQ(ListedLanguages(*dialog)[3], start[2]);
  }
  // No accelerator of the form takes the keys before a shortcut field gets them.
  MSG key{dialog->HotKeys[0]->hwnd, WM_KEYDOWN, 'U', 0, 0, {}};
  HeldControlKey control;
  EXPECT_FALSE(TranslateAcceleratorW(dialog->Hwnd(), dialog->Accelerators(), &key));
}

TEST_F(SettingsDialog, TheFolderButtonsPutTheChosenFolderIntoTheirFieldsAndCancelLeavesThem) {
  auto dialog = Open();
  auto cancel = AnswerNextDialog(L"フォルダーの参照", L"キャンセル");
  Click(dialog->Button4);
  EXPECT_TRUE(cancel.Clicked());
  EXPECT_EQ(ui::WindowText(dialog->Edit_df2_path->hwnd), L"");
  EXPECT_EQ(SendMessageW(dialog->RadioButton_df1->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);

  testing::CommonDialogVisit choose([&](HWND picker) { testing::ChooseFolderAndConfirm(picker, folder.Path()); });
  Click(dialog->Button5);
  EXPECT_TRUE(choose.Came());
  EXPECT_EQ(ui::WindowText(dialog->Edit_Temp2_path->hwnd), folder.Path());
  EXPECT_EQ(SendMessageW(dialog->RadioButton_Temp2->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(dialog->RadioButton_Temp1->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
}

TEST_F(SettingsDialog, TreeColoursAndItalicsFollowTheSelectedNode) {
  auto dialog = Open();
  EXPECT_EQ(dialog->SelectedSampleNode(), 0);
  EXPECT_FALSE(IsWindowEnabled(dialog->CheckBox_TreeItalic->hwnd));
  dialog->SelectSampleNode(2);
  PumpUntilIdle();
  EXPECT_TRUE(IsWindowEnabled(dialog->CheckBox_TreeItalic->hwnd));
  ClickPanel(dialog->FixedColorPanels[10]);  // lime
  EXPECT_EQ(dialog->WorkingTreeStyle().Font1Color, 0x00FF00u);
  ClickPanel(dialog->CurrentColorPanels[1]);  // node 1's colour, purple
  EXPECT_EQ(dialog->WorkingTreeStyle().Font1Color, 0x800080u);
  Click(dialog->Button12);
  EXPECT_EQ(dialog->WorkingTreeStyle().Font1Color, 0x800000u);
  Click(dialog->CheckBox_TreeItalic);
  EXPECT_TRUE(dialog->WorkingTreeStyle().Font1Italic);
  ClickPanel(dialog->FixedColorPanels[15]);
  Click(dialog->Button6);
  EXPECT_EQ(dialog->WorkingTreeStyle().Font1Color, 0x800000u);
  EXPECT_FALSE(dialog->WorkingTreeStyle().Font1Italic);
  EXPECT_EQ(SendMessageW(dialog->CheckBox_TreeItalic->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(SettingsDialog, DeleteOrSpaceEmptiesAShortcutField) {
  auto dialog = Open();
  ui::SetHotKeyShortcut(*dialog->HotKeys[2], 0x4041);
  SendMessageW(dialog->HotKeys[2]->hwnd, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(ui::HotKeyShortcut(*dialog->HotKeys[2]), 0);
  ui::SetHotKeyShortcut(*dialog->HotKeys[2], 0x4041);
  SendMessageW(dialog->HotKeys[2]->hwnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(ui::HotKeyShortcut(*dialog->HotKeys[2]), 0);
}

TEST_F(SettingsDialog, TheResetClearsTheFileShowsTheDefaultsAndEndsTheProgramAfterTheDialog) {
  settings.SetWindowFlags(0x7F);
  settings.WriteStayOnTop(true);
  ASSERT_TRUE(SettingsFileExists());
  auto reset = AnswerNextDialog(L"設定", L"ウインドウ位置とサイズの記憶情報を初期化する");
  const bool saved = RunSettingsDialog(nullptr, Site(), 100, 100);
  EXPECT_TRUE(reset.Clicked());
  EXPECT_FALSE(saved);
  EXPECT_EQ(closeAllCalls, 1);
  EXPECT_EQ(endCalls, 1);
  EXPECT_EQ(applyCalls, 0);
  EXPECT_FALSE(SettingsFileExists());
  EXPECT_EQ(settings.WindowFlags(), 0);
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[0].Text,
            u"ウインドウの位置とサイズの記憶情報を初期化しました\r\n終了しますので再度起動してください");
}

TEST_F(SettingsDialog, AfterTheResetTheControlsShowTheDefaults) {
  settings.SetWindowFlags(0x7F);
  settings.WriteStayOnTop(true);
  settings.WriteSampleDefaults(48, true);
  settings.WriteDefaultFolder(true, u"C:\\fonts");
  settings.WriteTempFolder(true, u"C:\\work");
  settings.WriteShortcuts(ShortcutCodes{0x4031, 0x4032, 0x4033, 0x4034, 0x4035, 0x4036, 0x4037});
  auto dialog = Open();
  ASSERT_EQ(SendMessageW(dialog->CheckBox_MainFormTop->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  dialog->Button_initializeClick();
  EXPECT_TRUE(dialog->ProgramEndRequested());
  EXPECT_EQ(closeAllCalls, 1);
  for (const ui::Control* box : dialog->WindowCheckBoxes)
    EXPECT_EQ(SendMessageW(box->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(dialog->CheckBox_MainFormTop->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(ui::ComboItemText(*dialog->ComboBox_DefSampleFontSize,
                              ui::ComboSelectedIndex(*dialog->ComboBox_DefSampleFontSize)),
            L"24");
  EXPECT_EQ(SendMessageW(dialog->CheckBox_opMemory->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(dialog->RadioButton_df1->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(dialog->RadioButton_Temp1->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(dialog->WorkingTreeStyle().RegFontColor, 0x800080u);
  for (const ui::Control* field : dialog->HotKeys) EXPECT_EQ(ui::HotKeyShortcut(*field), 0);
}

// Each page's text in the dialog's font, not in the System font a control without WM_SETFONT keeps.
TEST_F(SettingsDialog, ThePagesShowTheirTextsInTheDialogsFont) {
  auto dialog = Open();
  ShowWindow(dialog->Hwnd(), SW_SHOWNOACTIVATE);
  const struct {
    const wchar_t* text;
    const wchar_t* png;
  } pages[] = {{L"サンプル表示のデフォルトフォントサイズ", L"settings_1_general.png"},
               {L"設定の変更は", L"settings_2_language.png"},
               {L"フォント名をツリー表示しているビューアーにおける表示色の設定", L"settings_3_tree.png"},
               {L"（ここにキーを直接入力）", L"settings_4_shortcuts.png"}};
  for (int page = 0; page < 4; ++page) {
    SCOPED_TRACE(page);
    dialog->PageControl1->SelectPage(page);
    PumpUntilIdle();
    const testing::Picture picture = testing::CaptureWindow(dialog->Hwnd());
    testing::SavePng(picture, testing::ScreenshotPath(pages[page].png));
    const HWND label = testing::ChildWithText(dialog->Hwnd(), pages[page].text);
    ASSERT_TRUE(label);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    EXPECT_EQ(testing::LabelDifference(picture, dialog->Hwnd(), label, font), 0);
    EXPECT_GT(testing::LabelDifference(picture, dialog->Hwnd(), label, static_cast<HFONT>(GetStockObject(SYSTEM_FONT))),
              50);
  }
}

}  // namespace
}  // namespace velura
