// The registry viewer under Wine, on the prefix's own registry: the Fonts list and its statistics with test
// values added to HKLM Fonts, deleting one selected value, the automatic repair, the mapping keys, copying
// and deleting in the fonts-folder tab, and the tabs' headings as drawn. Every value and file a test adds is
// removed again.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>
#include <string>

#include "platform/registry_key_win.h"
#include "platform/text.h"
#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/common_dialog_visit_win.h"
#include "support/dialog_answer_win.h"
#include "support/picture_regions_win.h"
#include "support/pump_win.h"
#include "support/screenshot_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/message_loop_win.h"
#include "ui/registry/form_reg_data_view_win.h"

namespace velura::testing {
namespace {

const wchar_t kFontsKey[] = L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
const wchar_t kMapperKey[] = L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontMapper";
const wchar_t kMissingValue[] = L"Velura Missing Test (TrueType)";
const wchar_t kMissingFile[] = L"velura_regview_missing.ttf";
const wchar_t kPresentValue[] = L"Velura Present Test (TrueType)";
const wchar_t kSharedValue[] = L"Velura Shared Test (TrueType)";
const wchar_t kMapperValue[] = L"Velura Mapper Test";
const wchar_t kUnpluggedValue[] = L"Velura Unplugged Test (TrueType)";
const wchar_t kUnpluggedFile[] = L"Q:\\velura\\unplugged.ttf";  // no drive Q: in the test prefix

bool HasFontsValue(const wchar_t* name) {
  auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kFontsKey, KEY_READ);
  return key && key->Read(name).has_value();
}

class RegDataView : public ::testing::Test, protected BrowserFixture {
 protected:
  RegDataView() : BrowserFixture(L"velura_regview") {}

  void SetUp() override {
    wchar_t windows[MAX_PATH]{};
    GetWindowsDirectoryW(windows, MAX_PATH);
    presentFile_ = folder / L"velura_present.ttf";
    ASSERT_TRUE(CopyFileW((std::wstring(windows) + L"\\Fonts\\tahoma.ttf").c_str(), presentFile_.c_str(), FALSE));
    auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kFontsKey, KEY_READ | KEY_WRITE);
    ASSERT_TRUE(key);
    ASSERT_EQ(key->WriteString(kMissingValue, kMissingFile), ERROR_SUCCESS);
    ASSERT_EQ(key->WriteString(kPresentValue, presentFile_), ERROR_SUCCESS);
    Engine().RegData().LoadFontsList();
  }
  void TearDown() override {
    view_.reset();
    PumpUntilIdle();
    if (auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kFontsKey, KEY_ALL_ACCESS)) {
      key->DeleteValue(kMissingValue);
      key->DeleteValue(kPresentValue);
      key->DeleteValue(kSharedValue);
      key->DeleteValue(kUnpluggedValue);
    }
    for (const auto& file : folderFiles_) DeleteFileW(file.c_str());
    if (auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kMapperKey, KEY_ALL_ACCESS)) key->DeleteValue(kMapperValue);
  }

  TForm_RegDataView& Open(std::function<void()> restartElevated = {}) {
    view_.reset();
    view_ = std::make_unique<TForm_RegDataView>(Engine(), [this] { ++launcherShown_; }, std::move(restartElevated));
    PumpUntilIdle();
    return *view_;
  }
  int RowOf(const std::wstring& valueName) const {
    const auto& list = view_->FontsList();
    for (int row = 0; row < ui::GridRowCount(list); ++row)
      if (ui::GridCell(list, row, 1) == valueName) return row;
    return -1;
  }
  std::wstring Panel(int part) const {
    wchar_t text[256]{};
    SendMessageW(view_->StatusBar().hwnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
  }
  // In simple mode the status bar answers for its one text at index 0.
  std::wstring SimpleText() const {
    EXPECT_TRUE(SendMessageW(view_->StatusBar().hwnd, SB_ISSIMPLE, 0, 0));
    return Panel(0);
  }
  void Command(int id) { SendMessageW(view_->Hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  // A file put into the fonts folder, removed again after the test.
  std::wstring FontsFolderFile(const std::wstring& name) {
    folderFiles_.push_back(ToWide(Engine().FontsFolder) + L"\\" + name);
    HANDLE file = CreateFileW(folderFiles_.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    return folderFiles_.back();
  }
  static int IndexOf(const ui::Control& list, const std::wstring& name) {
    for (int i = 0; i < ui::CheckListItemCount(list); ++i)
      if (ui::CheckListItemText(list, i) == name) return i;
    return -1;
  }

  std::wstring presentFile_;
  std::vector<std::wstring> folderFiles_;
  std::unique_ptr<TForm_RegDataView> view_;
  int launcherShown_ = 0;
};

TEST_F(RegDataView, ListsAMissingFileWithItsMarkAndCountsIt) {
  auto& view = Open();
  const int missing = RowOf(kMissingValue);
  ASSERT_GE(missing, 0);
  const auto& list = view.FontsList();
  EXPECT_EQ(ui::GridCell(list, missing, 0), std::to_wstring(missing + 1));
  EXPECT_EQ(ui::GridCell(list, missing, 2), kMissingFile);
  EXPECT_EQ(ui::GridCell(list, missing, 3), L"");
  EXPECT_EQ(ui::GridCell(list, missing, 5), L"×");
  const int present = RowOf(kPresentValue);
  ASSERT_GE(present, 0);
  EXPECT_EQ(ui::GridCell(list, present, 2), L"velura_present.ttf");
  EXPECT_EQ(ui::GridCell(list, present, 3), folder.Path());
  EXPECT_EQ(ui::GridCell(list, present, 5), L"○");

  EXPECT_EQ(Panel(0), L"総計：　" + std::to_wstring(ui::GridRowCount(list)) + L" 件");
  int crosses = 0;
  for (int row = 0; row < ui::GridRowCount(list); ++row) crosses += ui::GridCell(list, row, 5) == L"×";
  EXPECT_GE(crosses, 1);
  EXPECT_EQ(Panel(1), L"ファイルなし：　" + std::to_wstring(crosses) + L" 件");

  // The other tabs show one text; the first shows the panels again.
  view.PageControl1().SelectPage(1);
  view.PageControl1Change();
  EXPECT_EQ(SimpleText(), L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion");
  view.PageControl1().SelectPage(2);
  view.PageControl1Change();
  EXPECT_EQ(SimpleText().rfind(L"総ファイル数：　", 0), 0u) << SimpleText();
  view.PageControl1().SelectPage(0);
  view.PageControl1Change();
  EXPECT_EQ(Panel(1), L"ファイルなし：　" + std::to_wstring(crosses) + L" 件");
}

TEST_F(RegDataView, DeletingTheSelectedRowRemovesExactlyItsValue) {
  auto& view = Open();
  const int row = RowOf(kMissingValue);
  ASSERT_GE(row, 0);
  const int rows = ui::GridRowCount(view.FontsList());

  // No row selected: the list says so and nothing is asked.
  Command(TForm_RegDataView::ToolButton_tab1_del);
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[0].Text, u"何も選択されていません");

  recorder.AnswerCaption(u"レジストリ項目削除の確認", MessageResult::Yes);
  ListView_SetItemState(view.FontsList().hwnd, row, LVIS_SELECTED, LVIS_SELECTED);
  Command(TForm_RegDataView::ToolButton_tab1_del);
  ASSERT_EQ(recorder.messages.size(), 3u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[1].Caption, u"レジストリ項目削除の確認");
  EXPECT_EQ(recorder.messages[1].DefaultButton, 1);
  EXPECT_EQ(recorder.messages[2].Caption, u"削除終了");
  EXPECT_EQ(recorder.messages[2].Text.rfind(u"1件中　成功1件　失敗0件", 0), 0u) << recorder.Describe();

  EXPECT_FALSE(HasFontsValue(kMissingValue));
  EXPECT_TRUE(HasFontsValue(kPresentValue));
  EXPECT_EQ(RowOf(kMissingValue), -1);
  EXPECT_GE(RowOf(kPresentValue), 0);
  EXPECT_EQ(ui::GridRowCount(view.FontsList()), rows - 1);
}

// The design removed the first value with the row's file name; the row's own value goes instead.
TEST_F(RegDataView, ARowSharingItsFileNameRemovesItsOwnValue) {
  {
    auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kFontsKey, KEY_READ | KEY_WRITE);
    ASSERT_TRUE(key);
    ASSERT_EQ(key->WriteString(kSharedValue, L"C:\\Elsewhere\\VELURA_REGVIEW_MISSING.TTF"), ERROR_SUCCESS);
  }
  Engine().RegData().LoadFontsList();
  auto& view = Open();
  recorder.AnswerCaption(u"レジストリ項目削除の確認", MessageResult::Yes);
  const int shared = RowOf(kSharedValue);
  ASSERT_GE(shared, 0);
  ListView_SetItemState(view.FontsList().hwnd, shared, LVIS_SELECTED, LVIS_SELECTED);
  Command(TForm_RegDataView::ToolButton_tab1_del);
  EXPECT_FALSE(HasFontsValue(kSharedValue));
  EXPECT_TRUE(HasFontsValue(kMissingValue));
  EXPECT_GE(RowOf(kMissingValue), 0);
}

TEST_F(RegDataView, DeletingFolderFilesTakesOnlyTheTickedOnesAfterBothAnswers) {
  const std::wstring other = FontsFolderFile(L"velura_regview_other.dat");
  const std::wstring font = FontsFolderFile(L"velura_regview_font.fon");
  const std::wstring kept = FontsFolderFile(L"velura_regview_kept.dat");
  auto& view = Open();
  const int otherIndex = IndexOf(view.OtherFileList(), L"velura_regview_other.dat");
  const int fontIndex = IndexOf(view.FontFileList(), L"velura_regview_font.fon");
  ASSERT_GE(otherIndex, 0);
  ASSERT_GE(fontIndex, 0);
  ASSERT_GE(IndexOf(view.OtherFileList(), L"velura_regview_kept.dat"), 0);
  ui::SetCheckListItemChecked(view.OtherFileList(), otherIndex, true);
  ui::SetCheckListItemChecked(view.FontFileList(), fontIndex, true);

  // A non-font file asks twice; a Cancel on the second leaves every file.
  recorder.AnswerCaption(u"ファイルの削除確認", MessageResult::Ok);
  recorder.AnswerCaption(u"ファイルの削除再確認", MessageResult::Cancel);
  Command(TForm_RegDataView::Action_Delete1);
  ASSERT_EQ(recorder.messages.size(), 2u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[1].DefaultButton, 1);
  EXPECT_TRUE(std::filesystem::exists(other));
  EXPECT_TRUE(std::filesystem::exists(font));

  recorder.AnswerCaption(u"ファイルの削除再確認", MessageResult::Ok);
  Command(TForm_RegDataView::Action_Delete1);
  EXPECT_EQ(recorder.messages.back().Text, u"削除処理終了") << recorder.Describe();
  EXPECT_FALSE(std::filesystem::exists(other));
  EXPECT_FALSE(std::filesystem::exists(font));
  EXPECT_TRUE(std::filesystem::exists(kept));
  EXPECT_EQ(IndexOf(view.OtherFileList(), L"velura_regview_other.dat"), -1);  // the tab was filled again
  EXPECT_GE(IndexOf(view.OtherFileList(), L"velura_regview_kept.dat"), 0);

  // A file that went away meanwhile is reported as a failure, never as done.
  const int keptIndex = IndexOf(view.OtherFileList(), L"velura_regview_kept.dat");
  ui::SetCheckListItemChecked(view.OtherFileList(), keptIndex, true);
  ASSERT_TRUE(DeleteFileW(kept.c_str()));
  Command(TForm_RegDataView::Action_Delete1);
  EXPECT_EQ(recorder.messages.back().Text, u"削除に失敗したファイルが 1件 ありました") << recorder.Describe();
  EXPECT_EQ(recorder.messages.back().Caption, u"エラー通知");
}

TEST_F(RegDataView, CopyingTickedFolderFilesGoesToTheChosenFolderAndCancelCopiesNothing) {
  FontsFolderFile(L"velura_regview_copy1.dat");
  FontsFolderFile(L"velura_regview_copy2.fon");
  auto& view = Open();
  ui::SetCheckListItemChecked(view.OtherFileList(), IndexOf(view.OtherFileList(), L"velura_regview_copy1.dat"), true);
  ui::SetCheckListItemChecked(view.FontFileList(), IndexOf(view.FontFileList(), L"velura_regview_copy2.fon"), true);
  const TempFolder destination(L"velura_regview_copies");

  auto cancel = AnswerNextDialog(L"フォルダーの参照", L"キャンセル");
  Command(TForm_RegDataView::Action_Copy1);
  EXPECT_TRUE(cancel.Clicked());
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();

  CommonDialogVisit choose([&](HWND picker) {
    testing::ChooseFolderAndConfirm(picker, destination.Path());
  });
  Command(TForm_RegDataView::Action_Copy1);
  EXPECT_TRUE(choose.Came());
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[0].Text, u"コピー処理終了");
  EXPECT_TRUE(std::filesystem::exists(destination / L"velura_regview_copy1.dat"));
  EXPECT_TRUE(std::filesystem::exists(destination / L"velura_regview_copy2.fon"));
}

TEST_F(RegDataView, CopyingIntoTheFontsFolderAsksFirstThenTakesTheChosenFile) {
  const std::wstring source = folder / L"velura_regview_into.dat";
  ASSERT_TRUE(CopyFileW(presentFile_.c_str(), source.c_str(), FALSE));
  const std::wstring target = ToWide(Engine().FontsFolder) + L"\\velura_regview_into.dat";
  folderFiles_.push_back(target);
  auto& view = Open();

  // The warning defaults to Cancel; Cancel asks nothing more.
  recorder.AnswerCaption(u"ファイルのコピー確認", MessageResult::Cancel);
  Command(TForm_RegDataView::Action_ToCopy1);
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[0].DefaultButton, 1);

  // OK, then Cancel in the file dialog: nothing copied, nothing reported.
  recorder.AnswerCaption(u"ファイルのコピー確認", MessageResult::Ok);
  {
    CommonDialogVisit cancel([](HWND open) { PostMessageW(open, WM_COMMAND, IDCANCEL, 0); });
    Command(TForm_RegDataView::Action_ToCopy1);
    EXPECT_TRUE(cancel.Came());
  }
  EXPECT_EQ(recorder.messages.size(), 2u) << recorder.Describe();
  EXPECT_FALSE(std::filesystem::exists(target));

  // OK and a file chosen: it is copied into the fonts folder and the tab lists it.
  CommonDialogVisit choose([&](HWND open) {
    if (!SetDlgItemTextW(open, 1152, source.c_str())) SetDlgItemTextW(open, 1148, source.c_str());  // edt1, cmb13
    PostMessageW(open, WM_COMMAND, IDOK, 0);
  });
  Command(TForm_RegDataView::Action_ToCopy1);
  EXPECT_TRUE(choose.Came());
  EXPECT_EQ(recorder.messages.back().Text, u"コピー処理終了") << recorder.Describe();
  EXPECT_TRUE(std::filesystem::exists(target));
  EXPECT_GE(IndexOf(view.OtherFileList(), L"velura_regview_into.dat"), 0);
}

TEST_F(RegDataView, ThePopUpTicksBothListsAndNothingTickedDoesNothing) {
  FontsFolderFile(L"velura_regview_other.dat");
  auto& view = Open();
  ASSERT_NE(view.ContextMenu(view.FontFileList()), nullptr);
  ASSERT_NE(view.ContextMenu(view.OtherFileList()), nullptr);
  const auto ticks = [&] {
    int ticked = 0, total = 0;
    for (const ui::Control* list : {&view.FontFileList(), &view.OtherFileList()})
      for (int i = 0; i < ui::CheckListItemCount(*list); ++i, ++total) ticked += ui::CheckListItemChecked(*list, i);
    return std::pair{ticked, total};
  };
  // Nothing ticked: neither command asks anything.
  Command(TForm_RegDataView::Action_Delete1);
  Command(TForm_RegDataView::Action_Copy1);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();

  Command(TForm_RegDataView::N_CheckAll);
  auto [ticked, total] = ticks();
  EXPECT_GE(total, 1);
  EXPECT_EQ(ticked, total);
  ui::SetCheckListItemChecked(view.OtherFileList(), IndexOf(view.OtherFileList(), L"velura_regview_other.dat"), false);
  Command(TForm_RegDataView::N_CheckInvert);
  EXPECT_EQ(ticks().first, 1);
  EXPECT_TRUE(ui::CheckListItemChecked(view.OtherFileList(), IndexOf(view.OtherFileList(), L"velura_regview_other.dat")));
  Command(TForm_RegDataView::N_CheckNone);
  EXPECT_EQ(ticks().first, 0);
}

TEST_F(RegDataView, RepairRemovesOnlyValuesWhoseFilesAreMissing) {
  Open();
  recorder.AnswerCaption(u"レジストリ項目自動修正", MessageResult::Cancel);
  Command(TForm_RegDataView::ToolButton_tab1_auto);
  EXPECT_TRUE(HasFontsValue(kMissingValue));  // cancelled: nothing removed

  recorder.AnswerCaption(u"レジストリ項目自動修正", MessageResult::Ok);
  Command(TForm_RegDataView::ToolButton_tab1_auto);
  ASSERT_EQ(recorder.messages.back().Caption, u"自動修正終了") << recorder.Describe();
  EXPECT_FALSE(HasFontsValue(kMissingValue));
  EXPECT_TRUE(HasFontsValue(kPresentValue));
  EXPECT_TRUE(std::filesystem::exists(presentFile_));
  EXPECT_EQ(RowOf(kMissingValue), -1);
  EXPECT_GE(RowOf(kPresentValue), 0);
  EXPECT_EQ(Panel(1), L"ファイルなし：　0 件");

  Command(TForm_RegDataView::ToolButton_tab1_auto);  // nothing left to remove
  EXPECT_EQ(recorder.messages.back().Text, u"削除対象のデータはありませんでした");
}

// A mapping key that is not there empties its own table, with a note; the rest of the viewer works.
TEST_F(RegDataView, AMissingMappingKeyLeavesItsTableEmptyWithANote) {
  ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, kMapperKey + 1), ERROR_SUCCESS);  // Wine's key holds no values
  struct Restore {
    ~Restore() { RegistryKey::OpenOrCreate(HKEY_LOCAL_MACHINE, kMapperKey, KEY_ALL_ACCESS); }
  } restore;
  auto& view = Open();
  ASSERT_EQ(ui::GridRowCount(view.MapperList()), 1);
  EXPECT_EQ(ui::GridCell(view.MapperList(), 0, 0), L"（このキーはレジストリにありません）");
  EXPECT_GT(ui::GridRowCount(view.SubstitutesList()), 1);
  EXPECT_NE(TreeView_GetCount(view.SystemLinkTree().hwnd), 0u);
  EXPECT_GE(RowOf(kPresentValue), 0);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
}

// The question names what goes; a font on a drive that is not there stays, named as such.
TEST_F(RegDataView, RepairListsWhatGoesAndKeepsAFontOnAnAbsentDrive) {
  ASSERT_EQ(GetDriveTypeW(L"Q:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
  RegistryKey::Open(HKEY_LOCAL_MACHINE, kFontsKey, KEY_ALL_ACCESS)->WriteString(kUnpluggedValue, kUnpluggedFile);
  Engine().RegData().LoadFontsList();
  Open();
  recorder.AnswerCaption(u"レジストリ項目自動修正", MessageResult::Ok);
  Command(TForm_RegDataView::ToolButton_tab1_auto);
  const MessageRequest* asked = nullptr;
  for (const auto& message : recorder.messages)
    if (message.Caption == u"レジストリ項目自動修正") asked = &message;
  ASSERT_NE(asked, nullptr) << recorder.Describe();
  const std::u16string& text = asked->Text;
  const auto goes = text.find(u"削除する項目："), stays = text.find(u"残します：");
  ASSERT_NE(goes, std::u16string::npos) << ToUtf8(text);
  ASSERT_NE(stays, std::u16string::npos) << ToUtf8(text);
  EXPECT_NE(text.find(ToU16(kMissingValue), goes), std::u16string::npos);
  EXPECT_LT(text.find(ToU16(kMissingValue), goes), stays);
  EXPECT_NE(text.find(ToU16(kUnpluggedFile), stays), std::u16string::npos);
  EXPECT_FALSE(HasFontsValue(kMissingValue));
  EXPECT_TRUE(HasFontsValue(kUnpluggedValue));
}

TEST_F(RegDataView, ARepairWhoseRemovalFailsTellsItRatherThanNothingToDelete) {
  Open();
  // Removed behind the viewer's back: the registry refuses to remove it again.
  RegistryKey::Open(HKEY_LOCAL_MACHINE, kFontsKey, KEY_ALL_ACCESS)->DeleteValue(kMissingValue);
  recorder.AnswerCaption(u"レジストリ項目自動修正", MessageResult::Ok);
  const std::size_t before = recorder.messages.size();
  Command(TForm_RegDataView::ToolButton_tab1_auto);
  ASSERT_EQ(recorder.messages.size(), before + 2) << recorder.Describe();
  const MessageRequest& told = recorder.messages.back();
  EXPECT_EQ(told.Text, u"レジストリ削除に失敗しました\r\n" + ToU16(kMissingValue)) << recorder.Describe();
  EXPECT_EQ(told.Caption, u"VELURA");
  EXPECT_EQ(told.Icon, MessageIcon::Error);
}

TEST_F(RegDataView, WithoutAdministratorRightsTheRegistryCommandsAreOff) {
  Engine().IsAdmin = false;
  auto& view = Open();
  ui::RunIdleUpdates();
  EXPECT_FALSE(SendMessageW(view.ToolBar().hwnd, TB_ISBUTTONENABLED, TForm_RegDataView::ToolButton_tab1_del, 0));
  EXPECT_FALSE(SendMessageW(view.ToolBar().hwnd, TB_ISBUTTONENABLED, TForm_RegDataView::ToolButton_tab1_auto, 0));
  Command(TForm_RegDataView::ToolButton_tab1_auto);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
  EXPECT_TRUE(HasFontsValue(kMissingValue));
  EXPECT_TRUE(view.FormActions().IsEnabled(TForm_RegDataView::Action_Delete1));
}

TEST_F(RegDataView, AnAdministratorWithoutElevationIsToldWhyAndOfferedTheRestart) {
  Engine().IsAdmin = false;
  int restarts = 0;
  const auto offered = [this] {
    return GetMenuState(GetMenu(view_->Hwnd()), TForm_RegDataView::Action_RestartAsAdmin, MF_BYCOMMAND) !=
           static_cast<UINT>(-1);
  };
  Open([&] { ++restarts; });
  EXPECT_FALSE(offered());
  EXPECT_EQ(view_->HintBar(), nullptr);
  Engine().AdminWithoutElevation = true;
  Open([&] { ++restarts; });
  ASSERT_TRUE(offered());
  ASSERT_NE(view_->HintBar(), nullptr);
  wchar_t hint[128]{};
  SendMessageW(view_->HintBar()->hwnd, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(hint));
  EXPECT_STREQ(hint, L"自動修正・項目削除には管理者としての起動が必要です");
  EXPECT_EQ(Panel(0).rfind(L"総計", 0), 0u) << "the statistics keep their bar";
  Command(TForm_RegDataView::Action_RestartAsAdmin);
  EXPECT_EQ(restarts, 1);
}

TEST_F(RegDataView, MappingKeysShowTheirValues) {
  {
    auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kMapperKey, KEY_READ | KEY_WRITE);
    ASSERT_TRUE(key);
    const DWORD value = 128;
    ASSERT_EQ(RegSetValueExW(key->Handle(), kMapperValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                             sizeof value),
              ERROR_SUCCESS);
  }
  auto& view = Open();
  const auto& mapper = view.MapperList();
  bool found = false;
  for (int row = 0; row < ui::GridRowCount(mapper); ++row)
    if (ui::GridCell(mapper, row, 0) == kMapperValue) {
      found = true;
      EXPECT_EQ(ui::GridCell(mapper, row, 1), L"0x00000080 (128)");
    }
  EXPECT_TRUE(found);

  // SystemLink: a bold node per value, its strings as children.
  const HWND tree = view.SystemLinkTree().hwnd;
  HTREEITEM tahoma = nullptr;
  for (auto item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[256]{};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT | TVIF_STATE;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = 256;
    tv.stateMask = TVIS_BOLD;
    TreeView_GetItem(tree, &tv);
    if (std::wstring(text) == L"Tahoma") {
      tahoma = item;
      EXPECT_TRUE(tv.state & TVIS_BOLD);
    }
  }
  ASSERT_TRUE(tahoma);
  const auto child = TreeView_GetChild(tree, tahoma);
  ASSERT_TRUE(child);
  wchar_t text[256]{};
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = child;
  tv.pszText = text;
  tv.cchTextMax = 256;
  TreeView_GetItem(tree, &tv);
  EXPECT_NE(std::wstring(text).find(L','), std::wstring::npos) << text;  // "FILE,Face"

  // FontSubstitutes: Wine's "MS Shell Dlg 2" names Tahoma.
  const auto& substitutes = view.SubstitutesList();
  bool shellDlg = false;
  for (int row = 0; row < ui::GridRowCount(substitutes); ++row)
    if (ui::GridCell(substitutes, row, 0) == L"MS Shell Dlg 2") shellDlg = ui::GridCell(substitutes, row, 1) == L"Tahoma";
  EXPECT_TRUE(shellDlg);
}

TEST_F(RegDataView, FocusOnTheSecondTabNamesTheKeyAndTheEditorAsksFirst) {
  auto& view = Open();
  view.Show(SW_SHOWNORMAL);
  view.PageControl1().SelectPage(1);
  view.PageControl1Change();
  SetFocus(view.SystemLinkTree().hwnd);
  PumpUntilIdle();
  EXPECT_EQ(SimpleText(), L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink");
  SetFocus(view.MapperList().hwnd);
  PumpUntilIdle();
  EXPECT_EQ(SimpleText(), L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontMapper");

  recorder.AnswerCaption(u"レジストリエディタを開く", MessageResult::Cancel);
  Command(TForm_RegDataView::N_RegistryEditor);
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[0].Buttons, MessageButtons::OkCancel);
  EXPECT_EQ(recorder.messages[0].Text.rfind(u"レジストリを直接編集するのは相当のリスクをともないます", 0), 0u);

  Command(TForm_RegDataView::N_ShowMain);
  EXPECT_EQ(launcherShown_, 1);
}

// The tabs' headings in the window's own font, not in the System font a control without WM_SETFONT keeps.
TEST_F(RegDataView, TheTabsShowTheirHeadingsInTheWindowsFont) {
  auto& view = Open();
  view.Show(SW_SHOWNORMAL);
  const auto heading = [&](int page, const wchar_t* text, const wchar_t* png) {
    SCOPED_TRACE(page);
    view.PageControl1().SelectPage(page);
    view.PageControl1Change();
    PumpUntilIdle();
    const Picture picture = CaptureWindow(view.Hwnd());
    SavePng(picture, ScreenshotPath(png));
    const HWND label = ChildWithText(view.Hwnd(), text);
    ASSERT_TRUE(label);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    EXPECT_EQ(LabelDifference(picture, view.Hwnd(), label, font), 0);
    EXPECT_GT(LabelDifference(picture, view.Hwnd(), label, static_cast<HFONT>(GetStockObject(SYSTEM_FONT))), 50);
  };
  heading(1, L"FontLink/SystemLink", L"regview_tables.png");
  heading(2, L"フォントフォルダ内のファイル一覧", L"regview_folder.png");
}

}  // namespace
}  // namespace velura::testing
