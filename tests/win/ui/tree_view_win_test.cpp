// Tree view helpers on a real tree: what an insert asks for is what the tree reports, texts of any length
// and script come back whole, and a click on a state icon is told apart from a click on the text.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/resource_ids.h"
#include "support/pump_win.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/tree_view_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::TestFrame;
using ui::dock::At;

class TreeViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree = &ui::AddTreeView(frame, At(10, 10, 260, 150), stateImages.Get(), TVS_HASLINES | TVS_SHOWSELALWAYS);
    frame.Relayout();
  }
  // A client point on the item's state icon: left of its text, where the tree's own hit test says so.
  POINT StateIconPoint(HTREEITEM item) const {
    RECT text{};
    std::memcpy(&text, &item, sizeof item);  // TVM_GETITEMRECT takes the item in the rectangle
    EXPECT_TRUE(SendMessageW(tree->hwnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text)));
    const int y = (text.top + text.bottom) / 2;
    for (int x = text.left - 1; x >= 0; --x) {
      TVHITTESTINFO hit{{x, y}, 0, nullptr};
      if (TreeView_HitTest(tree->hwnd, &hit) == item && (hit.flags & TVHT_ONITEMSTATEICON)) return {x, y};
    }
    ADD_FAILURE() << "no state icon beside the text";
    return {};
  }
  void ClickAt(POINT client) {
    POINT screen = client;
    ClientToScreen(tree->hwnd, &screen);
    SetCursorPos(screen.x, screen.y);  // what NM_CLICK is read at
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(tree->hwnd, WM_LBUTTONUP, 0, at);  // ends the tree's drag detection at once
    SendMessageW(tree->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    testing::PumpUntilIdle();
  }

  TestFrame frame{L"tree", 300, 200};
  ui::UniqueImageList stateImages = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, frame.Dpi());
  ui::Control* tree = nullptr;
};

TEST_F(TreeViewTest, InsertedItemsKeepTheirTextDataStateImageAndWeight) {
  const HWND hwnd = tree->hwnd;
  const HTREEITEM top = ui::InsertTreeItem(hwnd, L"グループ", {.data = 0x1234, .stateImage = 2, .bold = true});
  const HTREEITEM first = ui::InsertTreeItem(hwnd, L"明朝体", {.parent = top, .data = 7});
  const HTREEITEM before = ui::InsertTreeItem(hwnd, L"ゴシック体", {.parent = top, .after = TVI_FIRST});
  ASSERT_TRUE(top && first && before);

  EXPECT_TRUE(SendMessageW(hwnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(top), TVIS_BOLD) & TVIS_BOLD);
  EXPECT_FALSE(SendMessageW(hwnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(first), TVIS_BOLD) & TVIS_BOLD);
  EXPECT_EQ(ui::TreeItemStateImage(hwnd, top), 2);
  EXPECT_EQ(ui::TreeItemStateImage(hwnd, first), 0);  // not asked for: none
  ui::SetTreeItemStateImage(hwnd, top, 1);
  EXPECT_EQ(ui::TreeItemStateImage(hwnd, top), 1);
  EXPECT_EQ(ui::TreeItemData(hwnd, top), 0x1234);
  EXPECT_EQ(ui::TreeItemData(hwnd, first), 7);
  EXPECT_EQ(ui::TreeItemData(hwnd, nullptr), 0);

  // The order the inserts asked for, as the walk sees it.
  EXPECT_EQ(ui::TreeRoot(hwnd), top);
  EXPECT_EQ(ui::TreeFirstChild(hwnd, top), before);
  EXPECT_EQ(ui::TreeNextSibling(hwnd, before), first);
  EXPECT_EQ(ui::TreeParent(hwnd, first), top);
  EXPECT_EQ(ui::TreeParent(hwnd, top), nullptr);
  EXPECT_EQ(ui::TreeItemCount(hwnd), 3);

  EXPECT_EQ(ui::TreeItemText(hwnd, first), L"明朝体");
  ui::SetTreeItemText(hwnd, first, L"ＭＳ 明朝");
  EXPECT_EQ(ui::TreeItemText(hwnd, first), L"ＭＳ 明朝");
  // Longer than any first guess at a buffer, and exactly at one.
  for (std::size_t length : {255u, 256u, 1500u}) {
    const std::wstring text(length, L'字');
    ui::SetTreeItemText(hwnd, first, text.c_str());
    EXPECT_EQ(ui::TreeItemText(hwnd, first), text) << length;
  }
  EXPECT_EQ(ui::TreeItemText(hwnd, nullptr), L"");
}

TEST_F(TreeViewTest, StateIconClicksAndSelectionChangesReachTheirBinders) {
  const HWND hwnd = tree->hwnd;
  const HTREEITEM first = ui::InsertTreeItem(hwnd, L"一つ目", {.stateImage = 1});
  const HTREEITEM second = ui::InsertTreeItem(hwnd, L"二つ目", {.stateImage = 2});
  std::vector<std::string> calls;
  tree->onNotify = [&](NMHDR& header) -> LRESULT {
    if (header.code == static_cast<UINT>(NM_CLICK)) calls.push_back("earlier");
    return 0;
  };
  std::vector<HTREEITEM> clicked;
  ui::OnStateIconClick(*tree, [&](HTREEITEM item) { clicked.push_back(item); });
  int selections = 0;
  ui::OnSelectionChange(*tree, [&] { ++selections; });

  const POINT icon = StateIconPoint(second);
  EXPECT_EQ(ui::TreeStateIconAt(hwnd, icon), second);
  RECT text{};
  std::memcpy(&text, &second, sizeof second);
  SendMessageW(hwnd, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text));
  const POINT onText{(text.left + text.right) / 2, (text.top + text.bottom) / 2};
  EXPECT_EQ(ui::TreeStateIconAt(hwnd, onText), nullptr);
  EXPECT_EQ(ui::HitTestTree(hwnd, onText).item, second);

  ClickAt(icon);
  ASSERT_EQ(clicked, std::vector<HTREEITEM>{second});
  EXPECT_EQ(calls, std::vector<std::string>{"earlier"});  // the handler wired before still runs
  ClickAt(onText);  // a click on the text is no tick
  EXPECT_EQ(clicked.size(), 1u);

  selections = 0;
  ASSERT_TRUE(ui::SelectTreeItem(hwnd, first));
  EXPECT_EQ(ui::TreeSelection(hwnd), first);
  EXPECT_EQ(selections, 1);
  ui::SelectTreeItem(hwnd, nullptr);
  EXPECT_EQ(ui::TreeSelection(hwnd), nullptr);
}

}  // namespace
}  // namespace velura
