// The toolkit and the two small controls in a real window: drops with Unicode names, the tracking list
// box's clicks, action-bound buttons and menus, splitters, errors raised in handlers, and a picture of the
// state and launcher images.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "platform/message_box_win.h"
#include "platform/user_error.h"
#include "platform/resource_ids.h"
#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "ui/fontviews/list_box_zel_win.h"
#include "ui/fontviews/panel_drop_win.h"
#include "ui/fontviews/state_image_slots.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/message_loop_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::ChildRect;
using testing::TestFrame;

using ui::dock::At;
using ui::dock::Docked;

// A drop as the shell makes it: DROPFILES followed by wide names, each ended, the list ended twice.
HDROP MakeDrop(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) list += name + L'\0';
  list += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST(PanelDrop, DroppedNamesArriveWholeAndInTheShellsOrder) {
  TestFrame frame(L"drop");
  TPanel_Drop Panel_Drop1;
  Panel_Drop1.Create(frame, Docked(ui::dock::Align::Client, 0), ui::Bevel::Lowered, L"ここにドロップ");
  EXPECT_TRUE(GetWindowLongPtrW(Panel_Drop1.Hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  int events = 0;
  std::size_t expectedFiles = 3;
  Panel_Drop1.OnDropFiles = [&](TPanel_Drop& sender) {
    ++events;
    EXPECT_EQ(&sender, &Panel_Drop1);
    EXPECT_EQ(sender.Files().size(), expectedFiles);  // complete before the event fires
  };
  // A name outside code page 932 (a surrogate pair) and one longer than the 255 characters of an 8-bit fetch.
  const std::wstring longName = L"C:\\" + std::wstring(300, L'長') + L".ttf";
  SendMessageW(Panel_Drop1.Hwnd(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({L"C:\\フォント\\ゴシック体.ttf", L"Z:\\tmp\\𠮷野家", longName})), 0);
  EXPECT_EQ(events, 1);
  ASSERT_EQ(Panel_Drop1.Files().size(), 3u);
  EXPECT_EQ(Panel_Drop1.Files()[0], u"C:\\フォント\\ゴシック体.ttf");
  EXPECT_EQ(Panel_Drop1.Files()[1], u"Z:\\tmp\\𠮷野家");
  EXPECT_EQ(Panel_Drop1.Files()[2].size(), longName.size());

  expectedFiles = 1;
  SendMessageW(Panel_Drop1.Hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"D:\\a.otf"})), 0);
  EXPECT_EQ(events, 2);
  ASSERT_EQ(Panel_Drop1.Files().size(), 1u);  // the list is emptied for each drop
}

class ListBoxZelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ListBox_zel1.Create(frame, At(10, 10, 200, 120));
    frame.Relayout();
    for (const wchar_t* text : {L"短い", L"とても長いフォント名の行がここにあります", L"中くらいの行"})
      SendMessageW(ListBox_zel1.Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    ListBox_zel1.OnClick = [this] { ++clicks; };
  }
  // A real click on a row: the list box selects it and notifies its parent with LBN_SELCHANGE.
  void ClickRow(int row) {
    RECT item{};
    SendMessageW(ListBox_zel1.Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    SendMessageW(ListBox_zel1.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(ListBox_zel1.Hwnd(), WM_LBUTTONUP, 0, at);
  }
  int Extent() { return static_cast<int>(SendMessageW(ListBox_zel1.Hwnd(), LB_GETHORIZONTALEXTENT, 0, 0)); }

  TestFrame frame{L"list"};
  TListBox_zel ListBox_zel1;
  int clicks = 0;
};

TEST_F(ListBoxZelTest, ClicksAreReportedOnlyWhenTheSelectionChanges) {
  ClickRow(1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(ListBox_zel1.CurrentIndex(), 1);
  EXPECT_GT(Extent(), 0);  // fitted to the long line
  SendMessageW(ListBox_zel1.Hwnd(), LB_SETHORIZONTALEXTENT, 0, 0);
  ClickRow(1);  // the selected row again
  EXPECT_EQ(clicks, 1);
  EXPECT_GT(Extent(), 0);  // still refitted
  ClickRow(0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(ListBox_zel1.PreviousIndex(), 1);

  ListBox_zel1.SelectIndex(2);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(SendMessageW(ListBox_zel1.Hwnd(), LB_GETCURSEL, 0, 0), 2);
  ListBox_zel1.SelectIndex(2);
  EXPECT_EQ(clicks, 3);
}

TEST_F(ListBoxZelTest, ClickCancelReportsNothingAndLeavesTheExtent) {
  ListBox_zel1.SetClickCancel(true);
  ClickRow(1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(Extent(), 0);
  EXPECT_EQ(ListBox_zel1.CurrentIndex(), -1);
}

enum : int { kAction_install = 101, kAction_SelectAll, kSize12, kSize18 };

class ToolkitFrame : public TestFrame {
 public:
  ToolkitFrame() : TestFrame(L"toolkit", 400, 300) {
    FormActions().Add({kAction_install, u"選択フォントをインストール", u"インストール", 0, [this] { return ticked; }, {},
                       false, [this] { ++installs; }});
    FormActions().Add({kAction_SelectAll, u"すべて選択", u"", 0, {}, {}, false, [] {
                         throw UserError(u"選択できません", u"テスト", MessageIcon::Warning);
                       }});
    FormActions().Add({kSize12, u"12", u"", 0, {}, [this] { return size == 12; }, true, [this] { size = 12; }});
    FormActions().Add({kSize18, u"18", u"", 0, {}, [this] { return size == 18; }, true, [this] { size = 18; }});
  }
  bool ticked = false;
  int installs = 0;
  int size = 18;
};

TEST(Toolkit, ButtonsAndMenusPullTheirStatesAndExecuteRechecks) {
  testing::MessageRecorder recorder;
  ToolkitFrame frame;
  ui::Control& install = ui::AddButton(frame, L"インストール", At(10, 10, 120, 25));
  install.actionId = kAction_install;
  ui::Control& selectAll = ui::AddButton(frame, L"すべて選択", At(10, 40, 120, 25));
  selectAll.actionId = kAction_SelectAll;
  frame.Relayout();

  ui::RunIdleUpdates();
  EXPECT_FALSE(IsWindowEnabled(install.hwnd));
  frame.ticked = true;
  ui::RunIdleUpdates();
  EXPECT_TRUE(IsWindowEnabled(install.hwnd));
  SendMessageW(install.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(frame.installs, 1);

  // A WM_COMMAND for a disabled command (an accelerator, a stray message) does not run it.
  frame.ticked = false;
  SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(kAction_install, 1), 0);
  EXPECT_EQ(frame.installs, 1);

  // An error raised by a handler is shown, and does not unwind through user32.
  SendMessageW(selectAll.hwnd, BM_CLICK, 0, 0);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].Text, u"選択できません");
  EXPECT_EQ(recorder.messages[0].Caption, u"テスト");

  ui::UniqueMenu popup = ui::BuildMenu(
      frame.FormActions(),
      {ui::MenuEntry::Item(kAction_install), ui::MenuEntry::Separator(),
       ui::MenuEntry::Submenu(u"フォントサイズ", {ui::MenuEntry::Item(kSize12), ui::MenuEntry::Item(kSize18)})},
      true);
  SendMessageW(frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), 0);
  EXPECT_TRUE(GetMenuState(popup.Get(), kAction_install, MF_BYCOMMAND) & MF_GRAYED);
  HMENU sizes = GetSubMenu(popup.Get(), 2);
  SendMessageW(frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sizes), 2);
  EXPECT_TRUE(GetMenuState(sizes, kSize18, MF_BYCOMMAND) & MF_CHECKED);
  SendMessageW(frame.Hwnd(), WM_COMMAND, kSize12, 0);  // the menu item chosen
  SendMessageW(frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sizes), 2);
  EXPECT_TRUE(GetMenuState(sizes, kSize12, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(sizes, kSize18, MF_BYCOMMAND) & MF_CHECKED);

  frame.FormActions().SetShortcut(kAction_install, ui::MakeShortcut('I', false, true, false));
  HACCEL table = frame.Accelerators();
  ASSERT_NE(table, nullptr);
  ACCEL entry{};
  ASSERT_EQ(CopyAcceleratorTableW(table, &entry, 1), 1);
  EXPECT_EQ(entry.cmd, kAction_install);
  EXPECT_EQ(entry.key, 'I');
  EXPECT_EQ(entry.fVirt, FVIRTKEY | FCONTROL);
}

TEST(Toolkit, DockedPanelsAndSplittersFillTheClientAndDragResizesTheTarget) {
  TestFrame frame(L"dock", 400, 300);
  ui::Panel Panel_left;
  Panel_left.Create(frame, Docked(ui::dock::Align::Left, 120, "Panel_left"));
  ui::Control& splitter = ui::AddSplitter(frame, ui::dock::Align::Left, 4, "Panel_left");
  ui::Control& list = ui::AddListBox(frame, Docked(ui::dock::Align::Client, 0));
  ui::Control& status = ui::AddStatusBar(frame, {200, -1});
  ui::Control& tree = ui::AddTreeView(Panel_left, Docked(ui::dock::Align::Client, 0), nullptr);
  frame.Relayout();
  Panel_left.Relayout();

  const int dpi = frame.Dpi();
  RECT client{};
  GetClientRect(frame.Hwnd(), &client);
  const RECT statusRect = ChildRect(status.hwnd);
  const RECT listRect = ChildRect(list.hwnd);
  SCOPED_TRACE(testing::DumpChildRects(frame.Hwnd()));
  EXPECT_EQ(ChildRect(Panel_left.Hwnd()).right, ui::dock::Scale(120, dpi));
  EXPECT_EQ(listRect.left, ui::dock::Scale(124, dpi));
  EXPECT_EQ(listRect.right, client.right);
  EXPECT_EQ(listRect.bottom, statusRect.top);  // LBS_NOINTEGRALHEIGHT: no gap above the status bar
  EXPECT_EQ(statusRect.bottom, client.bottom);
  const RECT treeRect = ChildRect(tree.hwnd);
  EXPECT_EQ(treeRect.right, ui::dock::Scale(120, dpi));  // the panel lays out its own children

  // Grab the splitter in its middle and move the mouse 30 pixels to the right.
  const RECT bar = ChildRect(splitter.hwnd);
  const int middleX = (bar.right - bar.left) / 2, y = 10;
  SendMessageW(splitter.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middleX, y));
  SendMessageW(splitter.hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(middleX + 30, y));
  SendMessageW(splitter.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(middleX + 30, y));
  EXPECT_EQ(ChildRect(Panel_left.Hwnd()).right, ui::dock::Scale(120, dpi) + 30);
  EXPECT_EQ(ChildRect(tree.hwnd).right, ui::dock::Scale(120, dpi) + 30);
  EXPECT_EQ(ChildRect(list.hwnd).left, ChildRect(splitter.hwnd).right);
}

TEST(Toolkit, MessageBoxFlagsFollowTheRequest) {
  EXPECT_EQ(MessageBoxFlags({u"", u"", MessageIcon::Error, MessageButtons::Ok, 0}), UINT(MB_OK | MB_ICONERROR));
  EXPECT_EQ(MessageBoxFlags({u"", u"", MessageIcon::Question, MessageButtons::YesNoCancel, 1}),
            UINT(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2));  // 0x223, the font cache question
  EXPECT_EQ(MessageBoxFlags({u"", u"", MessageIcon::Warning, MessageButtons::YesNoCancel, 2}),
            UINT(MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON3));
  EXPECT_EQ(MessageBoxFlags({u"", u"", MessageIcon::None, MessageButtons::OkCancel, 0}), UINT(MB_OKCANCEL));
}

// A tree with every state image and a tool bar with the launcher's pictures, to look at.
TEST(Toolkit, PictureStripsLoadWithTheirCellsAndDraw) {
  TestFrame frame(L"images", 420, 260);
  ui::UniqueImageList states = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, frame.Dpi());
  ui::UniqueImageList pictures = ui::LoadImageStrip(IDB_LAUNCHER_42, IDB_LAUNCHER_84, 42, frame.Dpi());
  ASSERT_TRUE(states);
  ASSERT_TRUE(pictures);
  EXPECT_EQ(ImageList_GetImageCount(states.Get()), 17);
  EXPECT_EQ(ImageList_GetImageCount(pictures.Get()), 7);

  std::vector<ui::ToolButton> buttons;
  for (int picture : {6, 0, 1, 2, 3, 4, 5}) buttons.push_back({1000 + picture, picture, L"", false});
  ui::Control& toolBar = ui::AddToolBar(frame, Docked(ui::dock::Align::Top, 52), pictures.Get(), buttons, SIZE{51, 50});
  ui::Control& tree = ui::AddTreeView(frame, Docked(ui::dock::Align::Client, 0), states.Get());
  frame.Relayout();
  HTREEITEM root = nullptr;
  std::map<int, HTREEITEM> rows;
  for (int index : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 16}) {
    const int image = TreeStateSlot(index);
    const std::wstring text = L"状態 " + std::to_wstring(index) + L" フォント名 (file.ttf)";
    TVINSERTSTRUCTW insert{};
    insert.hParent = root;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_STATE;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.state = INDEXTOSTATEIMAGEMASK(image);
    insert.item.stateMask = TVIS_STATEIMAGEMASK;
    HTREEITEM item = TreeView_InsertItem(tree.hwnd, &insert);
    if (!root) root = item;
    rows[index] = item;
    const int slot = static_cast<int>(TreeView_GetItemState(tree.hwnd, item, TVIS_STATEIMAGEMASK) >> 12);
    EXPECT_EQ(StateImageOfSlot(slot), index);
  }
  TreeView_Expand(tree.hwnd, root, TVE_EXPAND);
  frame.Show();
  const testing::Picture picture = testing::CaptureWindow(frame.Hwnd());
  EXPECT_TRUE(testing::SavePng(picture, testing::ScreenshotPath(L"toolkit_images.png")));

  // Every button shows a picture of its own: a strip cut at the wrong cell size repeats or blanks them.
  std::vector<testing::Picture> faces;
  for (int index = 0; index < 7; ++index) {
    RECT button{};
    SendMessageW(toolBar.hwnd, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button));
    faces.push_back(testing::Crop(picture, testing::AreaInCapture(frame.Hwnd(), toolBar.hwnd, button)));
  }
  for (std::size_t a = 0; a < faces.size(); ++a)
    for (std::size_t b = a + 1; b < faces.size(); ++b)
      EXPECT_GT(testing::DifferingPixels(faces[a], faces[b]), faces[a].width * faces[a].height / 10) << a << " " << b;

  // A ticked state image differs from the unticked one of the same kind; the rows' texts are left out.
  auto stateImage = [&](int index) {
    RECT text{};
    std::memcpy(&text, &rows[index], sizeof(HTREEITEM));  // TVM_GETITEMRECT takes the item in the rectangle
    SendMessageW(tree.hwnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text));
    const int cell = ui::dock::Scale(12, frame.Dpi());
    const RECT image{text.left - cell - 4, text.top, text.left, text.bottom};
    return testing::Crop(picture, testing::AreaInCapture(frame.Hwnd(), tree.hwnd, image));
  };
  for (int unticked : {3, 5, 7, 9})  // the tick alone is about 30 pixels at 96 DPI
    EXPECT_GT(testing::DifferingPixels(stateImage(unticked), stateImage(unticked + 1)), 15) << unticked;
}

}  // namespace
}  // namespace velura
