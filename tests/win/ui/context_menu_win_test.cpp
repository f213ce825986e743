// Form::SetContextMenu: the pop-up opens over its control however deeply it is nested, at the mouse or,
// from the keyboard, under the selected item; its states are pulled when it opens and the chosen command
// runs. A thread timer looks at the open pop-up from inside its modal loop, then chooses or closes it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/screenshot_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/panel_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::TestFrame;
using ui::dock::Align;
using ui::dock::Docked;
using ui::MenuEntry;

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
enum : int { kCopy = 101, kDelete, kSize12, kSize18 };

// What the timer saw of the open pop-up.
struct OpenMenu {
  bool seen = false;
  RECT rect{};
  UINT copyState = 0, deleteState = 0;
  bool size18Checked = false;
};

// The timer's side: one pop-up to look at; then, when `choose`, Down and Enter run its first item, when
// `openSizes`, Down three times and Right open the size submenu, read on the next tick.
struct MenuWatch {
  OpenMenu open;
  bool choose = false, openSizes = false;
  int ticks = 0;
  HMENU sizes = nullptr;
};
MenuWatch* gWatch = nullptr;

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  MenuWatch& watch = *gWatch;
  const HWND window = FindWindowW(L"#32768", nullptr);
  if (watch.sizes) {  // the submenu was asked for on the last tick
    KillTimer(nullptr, timer);
    watch.open.size18Checked = GetMenuState(watch.sizes, kSize18, MF_BYCOMMAND) & MF_CHECKED;
    EndMenu();
    return;
  }
  if (!window || !IsWindowVisible(window)) {
    if (++watch.ticks > 100) KillTimer(nullptr, timer);  // never hang on a pop-up that never came
    return;
  }
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, kGetMenuHandle, 0, 0));
  watch.open.seen = true;
  GetWindowRect(window, &watch.open.rect);
  watch.open.copyState = GetMenuState(menu, kCopy, MF_BYCOMMAND);
  watch.open.deleteState = GetMenuState(menu, kDelete, MF_BYCOMMAND);
  if (watch.openSizes) {
    watch.sizes = GetSubMenu(menu, 3);
    for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}) PostMessageW(window, WM_KEYDOWN, key, 0);
    return;
  }
  KillTimer(nullptr, timer);
  if (watch.choose) {
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
  } else {
    EndMenu();
  }
}

class ContextMenuFrame : public TestFrame {
 public:
  ContextMenuFrame() : TestFrame(L"context", 400, 300) {
    FormActions().Add({.id = kCopy, .caption = u"コピー(&C)", .execute = [this] { ++copies; }});
    FormActions().Add({.id = kDelete, .caption = u"削除", .enabled = [this] { return ticked; }, .execute = [] {}});
    FormActions().Add({.id = kSize12, .caption = u"12", .checked = [this] { return size == 12; }, .radio = true});
    FormActions().Add({.id = kSize18, .caption = u"18", .checked = [this] { return size == 18; }, .radio = true});
  }
  bool ticked = false;
  int size = 12;
  int copies = 0;
};

class ContextMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gWatch = &watch;
    outer.Create(frame, Docked(Align::Client, 0));
    inner.Create(outer, Docked(Align::Client, 0));
    list = &ui::AddListBox(inner, Docked(Align::Left, 150));
    tree = &ui::AddTreeView(inner, Docked(Align::Client, 0), nullptr);
    frame.Relayout();
    for (int i = 0; i < 30; ++i) ui::AddListBoxItem(*list, L"行 " + std::to_wstring(i));
    const std::vector<MenuEntry> entries = {MenuEntry::Item(kCopy), MenuEntry::Item(kDelete), MenuEntry::Separator(),
                                            MenuEntry::Submenu(u"サイズ", {MenuEntry::Item(kSize12), MenuEntry::Item(kSize18)})};
    frame.SetContextMenu(*list, entries);
    frame.SetContextMenu(*tree, entries);
  }
  void TearDown() override { gWatch = nullptr; }
  // Sends the message and lets the timer handle the pop-up it opens.
  void Open(const std::function<void()>& send, bool choose = false, bool openSizes = false) {
    watch = MenuWatch{};
    watch.choose = choose;
    watch.openSizes = openSizes;
    SetTimer(nullptr, 0, 20, LookAtMenu);
    send();
    testing::PumpUntilIdle();
  }
  POINT ScreenPoint(HWND control, POINT client) {
    ClientToScreen(control, &client);
    return client;
  }

  ContextMenuFrame frame;
  ui::Panel outer, inner;
  ui::Control *list = nullptr, *tree = nullptr;
  MenuWatch watch;
};

TEST_F(ContextMenuTest, ARightClickOpensTheMenuAtTheMouseWithStatesPulledNow) {
  frame.ticked = true;  // changed after the menu was built
  frame.size = 18;
  Open([&] {
    PostMessageW(list->hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40));
    PostMessageW(list->hwnd, WM_RBUTTONUP, 0, MAKELPARAM(30, 40));
    testing::PumpUntilIdle();
  }, false, true);
  ASSERT_TRUE(watch.open.seen);
  const POINT expected = ScreenPoint(list->hwnd, {30, 40});
  EXPECT_EQ(watch.open.rect.left, expected.x);
  EXPECT_EQ(watch.open.rect.top, expected.y);
  EXPECT_FALSE(watch.open.copyState & MF_GRAYED);
  EXPECT_FALSE(watch.open.deleteState & MF_GRAYED);
  EXPECT_TRUE(watch.open.size18Checked);  // pulled when the submenu opened

  frame.ticked = false;
  Open([&] { SendMessageW(list->hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list->hwnd), MAKELPARAM(expected.x, expected.y)); });
  ASSERT_TRUE(watch.open.seen);
  EXPECT_TRUE(watch.open.deleteState & MF_GRAYED);
}

TEST_F(ContextMenuTest, FromTheKeyboardItOpensUnderTheSelectedItemOrAtTheTopLeft) {
  const auto keyboard = [](HWND control) {
    return [control] { SendMessageW(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), MAKELPARAM(-1, -1)); };
  };
  Open(keyboard(list->hwnd));  // nothing selected
  ASSERT_TRUE(watch.open.seen);
  POINT corner = ScreenPoint(list->hwnd, {0, 0});
  EXPECT_EQ(watch.open.rect.left, corner.x);
  EXPECT_EQ(watch.open.rect.top, corner.y);

  ui::SetListBoxSelectedIndex(*list, 2);
  RECT row{};
  SendMessageW(list->hwnd, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  Open(keyboard(list->hwnd));
  ASSERT_TRUE(watch.open.seen);
  POINT under = ScreenPoint(list->hwnd, {row.left, row.bottom});
  EXPECT_EQ(watch.open.rect.left, under.x);
  EXPECT_EQ(watch.open.rect.top, under.y);

  // Scrolled out of view: back to the corner.
  SendMessageW(list->hwnd, LB_SETTOPINDEX, 20, 0);
  Open(keyboard(list->hwnd));
  ASSERT_TRUE(watch.open.seen);
  EXPECT_EQ(watch.open.rect.top, corner.y);

  TVINSERTSTRUCTW insert{};
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<wchar_t*>(L"フォント");
  SendMessageW(tree->hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
  const auto second = reinterpret_cast<HTREEITEM>(SendMessageW(tree->hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  SendMessageW(tree->hwnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(second));
  RECT text{};
  std::memcpy(&text, &second, sizeof second);
  SendMessageW(tree->hwnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text));
  Open(keyboard(tree->hwnd));
  ASSERT_TRUE(watch.open.seen);
  under = ScreenPoint(tree->hwnd, {text.left, text.bottom});
  EXPECT_EQ(watch.open.rect.left, under.x);
  EXPECT_EQ(watch.open.rect.top, under.y);
}

TEST_F(ContextMenuTest, TheChosenItemRunsItsActionAndOtherControlsOpenNothing) {
  Open([&] { SendMessageW(tree->hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree->hwnd), MAKELPARAM(-1, -1)); },
       true);
  ASSERT_TRUE(watch.open.seen);
  EXPECT_EQ(frame.copies, 1);

  // A right click on the panel itself, or on a control without a menu, opens none.
  Open([&] { SendMessageW(inner.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(inner.Hwnd()), MAKELPARAM(-1, -1)); });
  EXPECT_FALSE(watch.open.seen);
  EXPECT_EQ(frame.ContextMenu(*list) != nullptr, true);
  ui::Control& label = ui::AddLabel(inner, L"名前", ui::dock::At(0, 0, 50, 20));
  EXPECT_EQ(frame.ContextMenu(label), nullptr);
}

}  // namespace
}  // namespace velura
