// The one-time install window's groups and entries under Wine: the tree driven through the window's own
// commands and messages, the store's collections checked behind it. No font is registered here (that is
// tests/win/onetime_fonts), so these tests stay clear of Wine's font session.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "platform/ansi_win.h"
#include "platform/executable_folder_win.h"
#include "platform/wide_win.h"
#include "records/group_file.h"
#include "support/browser_fixture_win.h"
#include "support/common_dialog_visit_win.h"
#include "support/file_bytes_win.h"
#include "support/pump_win.h"
#include "ui/onetime/form_onetime_inst_win.h"
#include "ui/onetime/group_store_win.h"

namespace velura::testing {
namespace {

class OneTimeGroups : public BrowserTest {
 protected:
  void SetUp() override { Reopen(); }
  void TearDown() override { form.reset(); }
  void Reopen() {
    form.reset();
    form = std::make_unique<TForm_OneTimeInst>(Engine(), settings, groups, [this] { ++mainShown; });
    form->Open();
    PumpUntilIdle();
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (TGroupItem* g : groups.AllGroups()) names.push_back(g->GroupName);
    return names;
  }
  int TreeCount() const { return static_cast<int>(TreeView_GetCount(form->GroupTree())); }
  void Command(int action) { SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0); }
  void EndEdit() { TreeView_EndEditLabelNow(form->GroupTree(), TRUE); }
  TGroupItem& NewGroup(bool child, const char16_t* name) {
    form->AddGroup(child, name);
    EndEdit();
    return *form->SelectedGroup();
  }
  std::u16string LastMessage() const { return messages.empty() ? u"" : messages.back().Text; }

  TGroupRootClass groups;
  std::vector<MessageRequest>& messages = recorder.messages;
  std::unique_ptr<TForm_OneTimeInst> form;
  int mainShown = 0;
};

TEST_F(OneTimeGroups, GroupsAreCreatedAsSiblingsOrChildrenRenamedMovedAndDeleted) {
  EXPECT_TRUE(form->FormActions().IsEnabled(Action_AddGroup));
  EXPECT_FALSE(form->FormActions().IsEnabled(Action_AddChildGroup));  // no group selected
  Command(Action_AddGroup);
  EndEdit();
  TGroupItem* top = form->SelectedGroup();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(FromAnsi(top->GroupName), u"新規グループ");
  EXPECT_FALSE(top->UseParent);
  TGroupItem& child = NewGroup(true, u"child");
  EXPECT_EQ(child.Parent(), top);
  // "グループを作成" with a child selected: a sibling under the same parent, not a top-level group.
  TGroupItem& sibling = NewGroup(false, u"sibling");
  EXPECT_EQ(sibling.Parent(), top);
  EXPECT_EQ(groups.GroupItem.size(), 1u);
  TGroupItem& grandchild = NewGroup(true, u"grandchild");
  EXPECT_EQ(TreeCount(), 4);

  // F2 starts editing the label; what is typed becomes the name.
  form->SelectGroup(&child);
  SendMessageW(form->GroupTree(), WM_KEYDOWN, VK_F2, 0);
  const HWND edit = TreeView_GetEditControl(form->GroupTree());
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, L"書体セット");
  EndEdit();
  EXPECT_EQ(FromAnsi(child.GroupName), u"書体セット");
  // A name the code page cannot spell is refused with a message; the old name stays.
  form->RenameSelectedGroup(L"\u4E02\u00E9");
  EXPECT_EQ(FromAnsi(child.GroupName), u"書体セット");
  EXPECT_EQ(messages.size(), 1u);

  // Dropping a group on itself or on one of its descendants is refused; on another group it moves there.
  EXPECT_FALSE(form->DropGroupOn(*top, &grandchild));
  EXPECT_FALSE(form->DropGroupOn(sibling, &sibling));
  EXPECT_EQ(grandchild.Parent(), &sibling);
  EXPECT_TRUE(form->DropGroupOn(grandchild, &child));
  EXPECT_EQ(grandchild.Parent(), &child);
  EXPECT_EQ(TreeCount(), 4);

  // "ルートに移動": to the end of the top level, in the store and in the tree.
  form->SelectGroup(&child);
  Command(Action_ChangeRoot);
  ASSERT_EQ(groups.GroupItem.size(), 2u);
  EXPECT_EQ(groups.GroupItem[1].get(), &child);
  EXPECT_EQ(grandchild.Parent(), &child);
  const HWND tree = form->GroupTree();
  EXPECT_EQ(TreeView_GetNextSibling(tree, TreeView_GetRoot(tree)) != nullptr, true);

  // Delete asks first; Cancel keeps the group, OK takes it with its children.
  form->SelectGroup(&child);
  recorder.AnswerInOrder({MessageResult::Cancel});
  SendMessageW(tree, WM_KEYUP, VK_DELETE, 0);
  EXPECT_EQ(groups.GroupCount(), 4);
  EXPECT_EQ(messages.back().Caption, u"グループ削除");
  EXPECT_EQ(messages.back().Text, u"グループを削除します（子グループも削除されます）");
  Command(Action_DeleteGroup);
  EXPECT_EQ(groups.GroupCount(), 2);
  EXPECT_EQ(TreeCount(), 2);
}

TEST_F(OneTimeGroups, ManualPathsPassTheSimpleCheckOrAreRefused) {
  form->Button_PathAddClick();  // no group
  EXPECT_EQ(messages.back().Caption, u"グループ未選択");
  TGroupItem& group = NewGroup(false, u"manual");
  EXPECT_TRUE(form->FormActions().IsEnabled(Action_PathPanelShow));
  Command(Action_PathPanelShow);
  EXPECT_TRUE(form->PathPanelVisible());

  auto type = [&](const wchar_t* text) {
    SetWindowTextW(form->Edit_Path->hwnd, text);
    form->Button_PathAddClick();
  };
  messages.clear();
  type(L"C:font.ttf");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Caption, u"簡易チェック");
  EXPECT_TRUE(group.PathCollection.empty());
  type(L"C:/fonts");
  type(L"..\\fonts\\A.OTF");
  type(L".\\x.ttc");
  ASSERT_EQ(group.PathCollection.size(), 3u);
  EXPECT_TRUE(group.PathCollection[0]->IsDir);
  EXPECT_FALSE(group.PathCollection[1]->IsDir);
  EXPECT_EQ(group.PathCollection[1]->Path, "..\\fonts\\A.OTF");
  EXPECT_FALSE(group.PathCollection[2]->IsDir);
  // A path the code page cannot spell is refused rather than stored garbled.
  type(L"C:\\\u4E02.ttf");
  EXPECT_EQ(group.PathCollection.size(), 3u);
  EXPECT_EQ(messages.size(), 2u);

  // The content view: own folders and files under "グループの登録内容", none of these there.
  const std::vector<std::wstring> expected = {L"グループの登録内容",
                                              L"フォルダ",
                                              L"C:/fonts（見つかりません）",
                                              L"ファイル",
                                              L"..\\fonts\\A.OTF（見つかりません）",
                                              L".\\x.ttc（見つかりません）",
                                              L"子グループの登録内容",
                                              L"フォルダ",
                                              L"ファイル"};
  EXPECT_EQ(form->ContentTexts(), expected);

  // A double click on an entry puts it into the path panel; "項目削除" takes it out after asking.
  ASSERT_TRUE(form->SelectEntry(group.PathCollection[1].get()));
  EXPECT_TRUE(form->FormActions().IsEnabled(Action_ItemDelete));
  NMHDR click{form->ContentTree(), 0, static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(GetParent(form->ContentTree()), WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
  Command(Action_ItemDelete);
  EXPECT_EQ(messages.back().Caption, u"削除確認");
  EXPECT_EQ(group.PathCollection.size(), 2u);
  EXPECT_FALSE(form->FormActions().IsEnabled(Action_ItemDelete));
}

TEST_F(OneTimeGroups, CheckedPathsKeepFoldersAndFontFilesOnly) {
  TGroupItem& group = NewGroup(false, u"checked");
  WriteFileBytes(folder / L"a.ttf", "x");
  WriteFileBytes(folder / L"b.TTC", "x");
  WriteFileBytes(folder / L"readme.txt", "x");
  form->AddPathsChecked({folder.U16(L"a.ttf"), folder.U16(L"b.TTC"), folder.U16(L"readme.txt"),
                         folder.U16(L"missing.ttf"), folder.U16()});
  ASSERT_EQ(group.PathCollection.size(), 3u);
  EXPECT_FALSE(group.PathCollection[0]->IsDir);
  EXPECT_FALSE(group.PathCollection[1]->IsDir);
  EXPECT_TRUE(group.PathCollection[2]->IsDir);
  EXPECT_TRUE(messages.empty());
}

TEST_F(OneTimeGroups, AutoDeleteAsksAboutOtherGroupsOnlyWhenThereAreSome) {
  TGroupItem& only = NewGroup(false, u"only");
  WriteFileBytes(folder / L"kept.ttf", "x");
  only.AddPath(ToAnsi(folder.U16(L"kept.ttf")), false);
  only.AddPath(ToAnsi(folder.U16(L"gone.ttf")), false);
  only.AddPath(ToAnsi(folder.U16(L"gone")), true);
  only.AddPath(ToAnsi(folder.U16(L"kept.ttf")), true);  // a file tested as a folder does not exist
  recorder.AnswerCaption(u"削除確認", MessageResult::Yes);
  Command(Action_DelNotExistsFileDir);
  ASSERT_EQ(messages.size(), 2u) << recorder.Describe();
  EXPECT_TRUE(messages[0].Text.starts_with(u"ファイル・フォルダが存在しない項目をすべて削除します\r\n"));
  EXPECT_EQ(messages[1].Caption, u"削除件数");
  EXPECT_EQ(messages[1].Text, u"3 件の項目を削除しました");
  ASSERT_EQ(only.PathCollection.size(), 1u);

  // Several groups: the question, then a total of what was removed after it.
  TGroupItem& child = NewGroup(true, u"child");
  child.AddPath(ToAnsi(folder.U16(L"nowhere\\a.ttf")), false);
  child.AddPath(ToAnsi(folder.U16(L"nowhere\\b.ttf")), false);
  only.AddPath(ToAnsi(folder.U16(L"nowhere")), true);
  form->SelectGroup(&only);
  messages.clear();
  recorder.AnswerCaption(u"自動削除確認", MessageResult::Yes);
  Command(Action_DelNotExistsFileDir);
  ASSERT_EQ(messages.size(), 3u) << recorder.Describe();
  EXPECT_TRUE(
      messages[1].Text.starts_with(u"1 件の項目を削除しました\r\n引き続きすべてのグループで自動削除処理しますか？"));
  EXPECT_EQ(messages[2].Text, u"合計 2 件の項目を削除しました");
  EXPECT_TRUE(child.PathCollection.empty());
}

TEST_F(OneTimeGroups, MissingEntriesAreMarkedListedBeforeRemovalAndAbsentDrivesKept) {
  TGroupItem& group = NewGroup(false, u"missing");
  WriteFileBytes(folder / L"here.ttf", "x");
  const std::string here = ToAnsi(folder.U16(L"here.ttf")), gone = ToAnsi(folder.U16(L"gone.ttf"));
  group.AddPath(here, false);
  group.AddPath(gone, false);
  group.AddPath("Q:\\unplugged\\a.ttf", false);  // no drive Q: in the test prefix
  form->SelectGroup(nullptr);
  form->SelectGroup(&group);
  PumpUntilIdle();
  const std::vector<std::wstring> texts = form->ContentTexts();
  ASSERT_EQ(texts.size(), 9u);
  EXPECT_EQ(texts[3], ToWide(folder.U16(L"here.ttf")));
  EXPECT_EQ(texts[4], ToWide(folder.U16(L"gone.ttf")) + L"（見つかりません）");
  EXPECT_EQ(texts[5], L"Q:\\unplugged\\a.ttf（見つかりません）");

  // "No" removes nothing; the question names what would go and what stays.
  recorder.AnswerCaption(u"削除確認", MessageResult::No);
  Command(Action_DelNotExistsFileDir);
  ASSERT_EQ(messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(messages[0].Text, u"ファイル・フォルダが存在しない項目をすべて削除します\r\n\r\n" +
                                  folder.U16(L"gone.ttf") +
                                  u"\r\n\r\n次の項目はドライブまたはネットワーク上の場所に接続できないため削除しません"
                                  u"\r\nQ:\\unplugged\\a.ttf");
  EXPECT_EQ(group.PathCollection.size(), 3u);

  recorder.AnswerCaption(u"削除確認", MessageResult::Yes);
  Command(Action_DelNotExistsFileDir);
  ASSERT_EQ(group.PathCollection.size(), 2u) << recorder.Describe();
  EXPECT_EQ(group.PathCollection[0]->Path, here);
  EXPECT_EQ(group.PathCollection[1]->Path, "Q:\\unplugged\\a.ttf");
}

TEST_F(OneTimeGroups, RelativeEntriesBelongToTheProgramFolderWhereverTheCurrentFolderIs) {
  const std::wstring name = L"velura_relative_" + std::to_wstring(GetCurrentProcessId());
  const std::wstring beside = ToWide(ExecutableFolderFile(u"")) + name;
  ASSERT_TRUE(CreateDirectoryW(beside.c_str(), nullptr));
  WriteFileBytes(beside + L"\\a.ttf", "x");
  TGroupItem& group = NewGroup(false, u"relative");
  group.AddPath(".\\" + ToAnsi(ToU16(name)), true);
  group.AddPath(ToAnsi(ToU16(name)) + "/a.ttf", false);
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(folder.Path().c_str());  // where a file dialog may leave the process
  recorder.AnswerCaption(u"削除確認", MessageResult::Yes);
  Command(Action_DelNotExistsFileDir);
  SetCurrentDirectoryW(previous);
  DeleteFileW((beside + L"\\a.ttf").c_str());
  RemoveDirectoryW(beside.c_str());
  EXPECT_EQ(group.PathCollection.size(), 2u) << recorder.Describe();
}

TEST_F(OneTimeGroups, AddingFilesLeavesTheCurrentFolderWhereItWas) {
  TGroupItem& group = NewGroup(false, u"dialog");
  WriteFileBytes(folder / L"chosen.ttf", "x");
  wchar_t before[MAX_PATH] = {}, after[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, before);
  const std::wstring chosen = folder / L"chosen.ttf";
  CommonDialogVisit choose([&](HWND open) {
    if (!SetDlgItemTextW(open, 1152, chosen.c_str())) SetDlgItemTextW(open, 1148, chosen.c_str());  // edt1, cmb13
    PostMessageW(open, WM_COMMAND, IDOK, 0);
  });
  Command(Action_AddFiles);
  GetCurrentDirectoryW(MAX_PATH, after);
  SetCurrentDirectoryW(before);
  EXPECT_TRUE(choose.Came());
  EXPECT_EQ(group.PathCollection.size(), 1u);
  EXPECT_STREQ(after, before);
}

TEST_F(OneTimeGroups, HandingOverTwiceReusesTheSpecialGroup) {
  NewGroup(false, u"mine");
  WriteFileBytes(folder / L"a.ttf", "x");
  form->OpenWithPaths({folder.U16(L"a.ttf")});
  Reopen();
  form->OpenWithPaths({folder.U16()});
  ASSERT_EQ(groups.GroupItem.size(), 2u);
  TGroupItem& special = *groups.GroupItem[1];
  EXPECT_EQ(FromAnsi(special.GroupName), u"未インストール窓からの登録ファイル");
  ASSERT_EQ(special.PathCollection.size(), 2u);
  EXPECT_FALSE(special.PathCollection[0]->IsDir);
  EXPECT_TRUE(special.PathCollection[1]->IsDir);
  EXPECT_EQ(form->SelectedGroup(), &special);
}

TEST_F(OneTimeGroups, EnablingFollowsTheSelection) {
  auto enabled = [&](int id) { return form->FormActions().IsEnabled(id); };
  for (int id : {Action_AddChildGroup, Action_DeleteGroup, Action_AddFiles, Action_AddDir, Action_ChangeRoot,
                 Action_ShowSample, Action_DelNotExistsFileDir, Action_PathPanelShow, Action_OpenExplorerOneTime,
                 Action_OpenFolder, Action_ItemDelete, Action_ShowSubForm, Action_installOneTime,
                 Action_ExportTreeTxtOneTime, Action_ExportFontCsvFileOneTime})
    EXPECT_FALSE(enabled(id)) << id;
  EXPECT_TRUE(enabled(Action_EditGroupName));
  Command(Action_EditGroupName);  // nothing to edit: nothing happens
  EXPECT_EQ(TreeView_GetEditControl(form->GroupTree()), nullptr);
  NewGroup(false, u"g");
  for (int id : {Action_AddChildGroup, Action_DeleteGroup, Action_AddFiles, Action_AddDir, Action_ChangeRoot,
                 Action_ShowSample, Action_DelNotExistsFileDir, Action_PathPanelShow, Action_OpenExplorerOneTime})
    EXPECT_TRUE(enabled(id)) << id;
  EXPECT_FALSE(enabled(Action_ExportTreeTxtOneTime));  // not registered
  // Switching on a group without entries marks it registered and shows an empty font view.
  Command(Action_ShowSample);
  EXPECT_TRUE(form->SelectedGroup()->Registered());
  EXPECT_TRUE(form->FormActions().IsChecked(Action_ShowSample));
  EXPECT_TRUE(enabled(Action_ExportTreeTxtOneTime));
  EXPECT_FALSE(enabled(Action_ShowSubForm));
  const HWND tree = form->GroupTree();
  EXPECT_EQ(TreeView_GetItemState(tree, TreeView_GetSelection(tree), TVIS_STATEIMAGEMASK) >> 12, 2u);
  // Closing the window keeps the registration; a new window shows it again.
  Reopen();
  form->SelectGroup(groups.GroupItem[0].get());
  EXPECT_EQ(
      TreeView_GetItemState(form->GroupTree(), TreeView_GetSelection(form->GroupTree()), TVIS_STATEIMAGEMASK) >> 12,
      2u);
}

// The sample size menus do not store the size; the window starts at the settings' size.
TEST_F(OneTimeGroups, SampleSizeStartsFromTheSettingsAndIsNotStored) {
  EXPECT_EQ(form->SampleSize(), SampleFontSizeSetting(settings.ReadSampleSizes()));
  Command(ms9 + 4);
  EXPECT_EQ(form->SampleSize(), 30);
  EXPECT_TRUE(form->FormActions().IsChecked(ms9 + 4));
  Reopen();
  EXPECT_EQ(form->SampleSize(), SampleFontSizeSetting(settings.ReadSampleSizes()));
}

TEST(GroupFileOnDiskTest, TheFileAfterShutdownIsReadAgainAtTheNextStart) {
  TempFolder folder(L"velura_groupfile");
  BrowserFixture fixture(L"velura_groupfile_engine");
  MessageRecorder& recorder = fixture.recorder;
  FileServices& files = fixture.Engine().Records().Files;
  std::vector<std::uint8_t> written;
  {
    OneTimeGroupStore store(files, folder.U16());
    EXPECT_FALSE(store.LoadResult().found);
    TGroupItem& a = store.Groups().AddGroup(nullptr);
    a.GroupName = ToAnsi(u"書体");
    a.AddPath("C:\\F", true);
    a.AddChild().AddPath(std::string(300, 'p'), false);
    written = WriteGroupFile(store.Groups());
    store.Shutdown();
  }
  EXPECT_EQ(ReadFileBytes(folder / L"veluragd.bin"), std::string(written.begin(), written.end()));
  wchar_t current[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, current);
  EXPECT_EQ(std::wstring(current), folder.Path());  // relative paths are meant against the file's folder
  {
    OneTimeGroupStore again(files, folder.U16());
    EXPECT_TRUE(again.LoadResult().found);
    EXPECT_FALSE(again.LoadResult().damaged);
    ASSERT_EQ(again.Groups().GroupCount(), 2);
    EXPECT_EQ(FromAnsi(again.Groups().GroupItem[0]->GroupName), u"書体");
  }
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();

  // A damaged file: the groups before the damage stay, the file is kept aside, the user is told once.
  std::string damaged(written.begin(), written.end());
  damaged.resize(damaged.size() - 20);
  WriteFileBytes(folder / L"veluragd.bin", damaged);
  {
    OneTimeGroupStore store(files, folder.U16());
    EXPECT_TRUE(store.LoadResult().damaged);
    store.ReportDamage();
    store.ReportDamage();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_NE(recorder.messages[0].Text.find(u"veluragd.bin.damaged"), std::u16string::npos);
    EXPECT_EQ(ReadFileBytes(folder / L"veluragd.bin.damaged"), damaged);
  }
  EXPECT_NE(ReadFileBytes(folder / L"veluragd.bin"), damaged);  // written whole at the end

  // A file that cannot be replaced (held open without sharing) is reported and stays as it was.
  std::string before;
  recorder.messages.clear();
  {
    OneTimeGroupStore store(files, folder.U16());
    store.Groups().AddGroup(nullptr).GroupName = "new";  // the group is saved at once, the name set after it not
    before = ReadFileBytes(folder / L"veluragd.bin");
    HANDLE held = CreateFileW((folder / L"veluragd.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    store.Shutdown();
    CloseHandle(held);
  }
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].Text.find(u"グループファイルを保存できませんでした"), 0u);
  EXPECT_EQ(ReadFileBytes(folder / L"veluragd.bin"), before);
}

}  // namespace
}  // namespace velura::testing
