// Controls nested in panels are shown, hidden and re-fonted through their owner; click and selection
// binders fire on the notifications real controls send, and keep what was wired before them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/screenshot_win.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/panel_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::ChildRect;
using testing::TestFrame;
using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, hidden by the SDK for a Windows 7 target

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

TEST(ControlOwner, NestedControlsAreShownHiddenAndRefontedThroughTheirOwner) {
  TestFrame frame(L"owner", 300, 200);
  ui::Panel outer, inner;
  outer.Create(frame, Docked(Align::Client, 0));
  inner.Create(outer, Docked(Align::Top, 50));
  ui::Control& list = ui::AddListBox(outer, Docked(Align::Client, 0));
  ui::Control& label = ui::AddLabel(inner, L"見出し", At(4, 4, 120, 20));
  frame.Relayout();
  const int dpi = frame.Dpi();

  EXPECT_EQ(frame.FindControl(inner.Hwnd()), nullptr);  // the frame does not own it
  ui::Control* innerRecord = ui::ControlOf(inner.Hwnd());
  ASSERT_NE(innerRecord, nullptr);
  EXPECT_EQ(innerRecord->owner, &outer);
  EXPECT_EQ(ui::ControlOf(label.hwnd), &label);
  EXPECT_EQ(label.owner, &inner);
  EXPECT_EQ(ui::ControlOf(frame.Hwnd()), nullptr);
  EXPECT_EQ(ChildRect(list.hwnd).top, ui::dock::Scale(50, dpi));

  ui::SetVisible(*innerRecord, false);
  EXPECT_FALSE(GetWindowLongPtrW(inner.Hwnd(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(ChildRect(list.hwnd).top, 0);  // the owner laid out again
  frame.SetControlVisible(*innerRecord, true);  // the old call, made on the wrong window, still works
  EXPECT_TRUE(GetWindowLongPtrW(inner.Hwnd(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(ChildRect(list.hwnd).top, ui::dock::Scale(50, dpi));

  ui::SetFont(label, ui::FontSpec{L"MS UI Gothic", 20, 0, true});
  EXPECT_EQ(FontOf(label.hwnd).lfHeight, -ui::dock::Scale(20, dpi));
  EXPECT_EQ(FontOf(label.hwnd).lfWeight, FW_BOLD);
  EXPECT_EQ(FontOf(list.hwnd).lfWeight, FW_NORMAL);
  // The font is the label's own: a DPI change makes it again at the new size.
  RECT frameRect{};
  GetWindowRect(frame.Hwnd(), &frameRect);
  SendMessageW(frame.Hwnd(), kDpiChanged, MAKEWPARAM(dpi * 2, dpi * 2), reinterpret_cast<LPARAM>(&frameRect));
  EXPECT_EQ(FontOf(label.hwnd).lfHeight, -ui::dock::Scale(20, dpi * 2));
  EXPECT_EQ(FontOf(label.hwnd).lfWeight, FW_BOLD);

  ui::Control stray;  // a record no window made
  stray.hwnd = label.hwnd;
  EXPECT_THROW(ui::SetFont(stray, ui::FontSpec{}), std::logic_error);
}

TEST(ControlEvents, ClicksOfButtonsBoxesRadiosAndNotifyingLabels) {
  TestFrame frame(L"clicks", 300, 200);
  ui::Control& button = ui::AddButton(frame, L"実行", At(10, 10, 80, 25));
  ui::Control& box = ui::AddCheckBox(frame, L"太字", At(10, 40, 120, 20));
  ui::Control& radio = ui::AddRadioButton(frame, L"縦書き", At(10, 70, 120, 20), true);
  ui::Control& label = ui::AddLabel(frame, L"リンク", At(10, 100, 120, 20), SS_LEFT | SS_NOTIFY);
  frame.Relayout();
  std::vector<int> earlier;
  button.onCommand = [&](int code) { earlier.push_back(code); };
  int buttonClicks = 0, boxClicks = 0, radioClicks = 0, labelClicks = 0;
  ui::OnClick(button, [&] { ++buttonClicks; });
  ui::OnClick(box, [&] { ++boxClicks; });
  ui::OnClick(radio, [&] { ++radioClicks; });
  ui::OnClick(label, [&] { ++labelClicks; });

  SendMessageW(button.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(buttonClicks, 1);
  EXPECT_EQ(earlier, std::vector<int>{BN_CLICKED});  // the handler wired before still runs
  SendMessageW(box.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(boxClicks, 1);
  EXPECT_EQ(SendMessageW(box.hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(radio.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(radioClicks, 1);
  PostMessageW(label.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(label.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  testing::PumpUntilIdle();
  EXPECT_EQ(labelClicks, 1);
  // Other notifications of the same controls are no clicks.
  SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(button.id, BN_SETFOCUS), reinterpret_cast<LPARAM>(button.hwnd));
  EXPECT_EQ(buttonClicks, 1);
  EXPECT_EQ(earlier.size(), 2u);
}

class SelectionTest : public ::testing::Test {
 protected:
  void Bind(ui::Control& control, const char* name) {
    ui::OnSelectionChange(control, [this, name] { changes.push_back(name); });
  }
  TestFrame frame{L"selection", 420, 300};
  std::vector<std::string> changes;
};

TEST_F(SelectionTest, CombosListBoxesTreesListViewsAndTabsReportTheirSelectionChanges) {
  ui::Control& combo = ui::AddComboBox(frame, At(10, 10, 150, 200));
  ui::Control& list = ui::AddListBox(frame, At(10, 40, 150, 80));
  ui::Control& tree = ui::AddTreeView(frame, At(170, 10, 150, 110), nullptr);
  ui::Control& grid = ui::AddGrid(frame, At(10, 130, 150, 100), {{L"名前", 100}});
  ui::Control& tab = ui::AddTabControl(frame, At(170, 130, 240, 100), {L"一般", L"表示"});
  frame.Relayout();
  for (const wchar_t* text : {L"一", L"二", L"三"}) {
    ui::AddComboItem(combo, text);
    ui::AddListBoxItem(list, text);
    ui::AddGridRow(grid, {text});
  }
  HTREEITEM items[2] = {};
  for (int i = 0; i < 2; ++i) {
    TVINSERTSTRUCTW insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(i ? L"明朝" : L"ゴシック");
    items[i] = reinterpret_cast<HTREEITEM>(SendMessageW(tree.hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  Bind(combo, "combo");
  Bind(list, "list");
  Bind(tree, "tree");
  Bind(grid, "grid");
  Bind(tab, "tab");

  SendMessageW(combo.hwnd, WM_KEYDOWN, VK_DOWN, 1);  // the user steps to the first item
  EXPECT_EQ(changes, std::vector<std::string>{"combo"});
  RECT row{};
  SendMessageW(list.hwnd, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  PostMessageW(list.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, row.top + 2));
  SendMessageW(list.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, row.top + 2));
  testing::PumpUntilIdle();
  EXPECT_EQ(changes.back(), "list");
  SendMessageW(tree.hwnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[1]));
  EXPECT_EQ(changes.back(), "tree");

  changes.clear();
  LVITEMW state{};
  state.state = state.stateMask = LVIS_FOCUSED;  // focus alone is no selection
  SendMessageW(grid.hwnd, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
  EXPECT_TRUE(changes.empty());
  state.state = state.stateMask = LVIS_SELECTED;
  SendMessageW(grid.hwnd, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(changes, std::vector<std::string>{"grid"});
  SendMessageW(grid.hwnd, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));  // row 1 loses it, row 2 gains it
  EXPECT_EQ(changes.size(), 3u);
  EXPECT_EQ(ui::GridSelectedRows(grid), std::vector<int>{2});

  changes.clear();
  RECT header{};
  SendMessageW(tab.hwnd, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&header));
  const LPARAM at = MAKELPARAM((header.left + header.right) / 2, (header.top + header.bottom) / 2);
  SendMessageW(tab.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(tab.hwnd, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(changes, std::vector<std::string>{"tab"});
  EXPECT_EQ(SendMessageW(tab.hwnd, TCM_GETCURSEL, 0, 0), 1);
}

TEST_F(SelectionTest, EarlierNotifyHandlersKeepTheirAnswersAndOtherClassesAreRefused) {
  ui::Control& tree = ui::AddTreeView(frame, At(10, 10, 150, 110), nullptr);
  tree.onNotify = [](NMHDR& header) -> LRESULT { return header.code == NM_CUSTOMDRAW ? CDRF_NOTIFYITEMDRAW : 0; };
  Bind(tree, "tree");
  NMHDR paint{tree.hwnd, static_cast<UINT_PTR>(tree.id), static_cast<UINT>(NM_CUSTOMDRAW)};
  EXPECT_EQ(SendMessageW(frame.Hwnd(), WM_NOTIFY, paint.idFrom, reinterpret_cast<LPARAM>(&paint)), CDRF_NOTIFYITEMDRAW);
  EXPECT_TRUE(changes.empty());

  ui::Control& edit = ui::AddEdit(frame, L"", At(10, 130, 100, 22));
  EXPECT_THROW(ui::OnSelectionChange(edit, [] {}), std::invalid_argument);
  ui::Control& button = ui::AddButton(frame, L"OK", At(10, 160, 100, 25));
  EXPECT_THROW(ui::OnSelectionChange(button, [] {}), std::invalid_argument);
}

}  // namespace
}  // namespace velura
