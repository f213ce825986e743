// The typed helpers on real controls: combo boxes, list boxes, check lists, grids, spin edits and hot-key
// fields, driven with the messages a user's mouse and keys produce and read back through what the controls
// report.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "support/screenshot_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::TestFrame;
using ui::dock::At;

constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, hidden by the SDK for a Windows 7 target

// A key as TranslateMessage delivers it: down, the character when it has one, up.
void PressKey(HWND target, UINT key, wchar_t character = 0) {
  SendMessageW(target, WM_KEYDOWN, key, 1);
  if (character) SendMessageW(target, WM_CHAR, character, 1);
  SendMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// A left click at a client point; the button-up is queued first so drag detection ends at once.
void Click(HWND target, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(target, WM_LBUTTONUP, 0, where);
  SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
  testing::PumpUntilIdle();
}

TEST(TypedControls, ComboBoxesAddReadSelectAndClear) {
  TestFrame frame(L"combo");
  ui::Control& list = ui::AddComboBox(frame, At(10, 10, 200, 200));
  ui::Control& typed = ui::AddComboBox(frame, At(10, 40, 200, 200), CBS_DROPDOWN | CBS_AUTOHSCROLL);
  frame.Relayout();
  const std::wstring longText = L"長い" + std::wstring(600, L'字');
  EXPECT_EQ(ui::AddComboItem(list, L"ゴシック"), 0);
  EXPECT_EQ(ui::AddComboItem(list, longText), 1);
  EXPECT_EQ(ui::AddComboItem(list, L"𠮷野家"), 2);
  EXPECT_EQ(ui::ComboItemCount(list), 3);
  EXPECT_EQ(ui::ComboItemText(list, 1), longText);
  EXPECT_EQ(ui::ComboItemText(list, 2), L"𠮷野家");
  EXPECT_EQ(ui::ComboItemText(list, 3), L"");  // out of range
  EXPECT_EQ(ui::ComboItemText(list, -1), L"");
  EXPECT_EQ(ui::ComboSelectedIndex(list), -1);

  ui::SetComboSelectedIndex(list, 2);
  EXPECT_EQ(ui::ComboSelectedIndex(list), 2);
  EXPECT_EQ(ui::ComboEditText(list), L"𠮷野家");  // a drop-down list shows its selected item
  PressKey(list.hwnd, VK_UP);  // the user steps back one item
  EXPECT_EQ(ui::ComboSelectedIndex(list), 1);
  ui::SetComboSelectedIndex(list, -1);
  EXPECT_EQ(ui::ComboSelectedIndex(list), -1);
  ui::ClearComboItems(list);
  EXPECT_EQ(ui::ComboItemCount(list), 0);

  ui::AddComboItem(typed, L"あいうえお");
  ui::SetComboEditText(typed, L"自由な文字 & 記号");
  EXPECT_EQ(ui::ComboEditText(typed), L"自由な文字 & 記号");
  EXPECT_EQ(ui::ComboSelectedIndex(typed), -1);
}

TEST(TypedControls, ListBoxesReadSingleAndMultipleSelections) {
  TestFrame frame(L"list");
  ui::Control& single = ui::AddListBox(frame, At(10, 10, 150, 120));
  ui::Control& multiple = ui::AddListBox(frame, At(170, 10, 150, 120), LBS_NOTIFY | LBS_EXTENDEDSEL);
  frame.Relayout();
  for (const wchar_t* text : {L"明朝", L"ゴシック", L"丸ゴシック", L"楷書"}) {
    ui::AddListBoxItem(single, text);
    ui::AddListBoxItem(multiple, text);
  }
  EXPECT_EQ(ui::ListBoxItemCount(single), 4);
  EXPECT_EQ(ui::ListBoxItemText(single, 2), L"丸ゴシック");
  EXPECT_EQ(ui::ListBoxItemText(single, 9), L"");
  EXPECT_EQ(ui::ListBoxSelectedIndex(single), -1);
  EXPECT_TRUE(ui::ListBoxSelectedIndices(single).empty());

  RECT row{};
  SendMessageW(single.hwnd, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  Click(single.hwnd, {row.left + 5, (row.top + row.bottom) / 2});
  EXPECT_EQ(ui::ListBoxSelectedIndex(single), 1);
  EXPECT_EQ(ui::ListBoxSelectedIndices(single), std::vector<int>{1});
  ui::SetListBoxSelectedIndex(single, 3);
  EXPECT_EQ(ui::ListBoxSelectedIndex(single), 3);

  ui::SetListBoxItemSelected(multiple, 0, true);
  ui::SetListBoxItemSelected(multiple, 2, true);
  EXPECT_EQ(ui::ListBoxSelectedIndices(multiple), (std::vector<int>{0, 2}));
  ui::SetListBoxItemSelected(multiple, 0, false);
  EXPECT_EQ(ui::ListBoxSelectedIndices(multiple), std::vector<int>{2});
  ui::SetListBoxSelectedIndex(multiple, 1);  // the only one now
  EXPECT_EQ(ui::ListBoxSelectedIndices(multiple), std::vector<int>{1});
  EXPECT_EQ(ui::ListBoxSelectedIndex(multiple), 1);
  SendMessageW(multiple.hwnd, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
  Click(multiple.hwnd, {row.left + 5, (row.top + row.bottom) / 2});  // a plain click selects just that row
  EXPECT_EQ(ui::ListBoxSelectedIndices(multiple), std::vector<int>{3});
  ui::SetListBoxSelectedIndex(multiple, -1);
  EXPECT_TRUE(ui::ListBoxSelectedIndices(multiple).empty());
  EXPECT_EQ(ui::ListBoxSelectedIndex(multiple), -1);
  ui::ClearListBoxItems(multiple);
  EXPECT_EQ(ui::ListBoxItemCount(multiple), 0);
}

class CheckListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    checks = &ui::AddCheckList(frame, At(10, 10, 220, 150));
    frame.Relayout();
    ui::OnCheckChange(*checks, [this](int index, bool checked) { changes.emplace_back(index, checked); });
    for (const wchar_t* text : {L"ＭＳ ゴシック", L"ＭＳ 明朝", L"メイリオ"}) ui::AddCheckListItem(*checks, text);
    ui::AddCheckListItem(*checks, L"游ゴシック", true);
  }
  // The middle of the item's tick box, found by hit-testing along the item.
  POINT BoxOf(int index) {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    SendMessageW(checks->hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&bounds));
    for (int x = bounds.left; x < bounds.left + 40; ++x) {
      LVHITTESTINFO hit{};
      hit.pt = {x, (bounds.top + bounds.bottom) / 2};
      SendMessageW(checks->hwnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.iItem == index && (hit.flags & LVHT_ONITEMSTATEICON)) return {x + 3, hit.pt.y};
    }
    ADD_FAILURE() << "no tick box on item " << index;
    return {};
  }

  TestFrame frame{L"checks", 300, 200};
  ui::Control* checks = nullptr;
  std::vector<std::pair<int, bool>> changes;
};

TEST_F(CheckListTest, ItemsAreTickedByClickSpaceAndCodeAndReportedOnce) {
  EXPECT_EQ(ui::CheckListItemCount(*checks), 4);
  EXPECT_EQ(ui::CheckListItemText(*checks, 1), L"ＭＳ 明朝");
  EXPECT_FALSE(ui::CheckListItemChecked(*checks, 0));
  EXPECT_TRUE(ui::CheckListItemChecked(*checks, 3));
  EXPECT_TRUE(changes.empty());  // adding, even ticked, is no change

  Click(checks->hwnd, BoxOf(1));
  EXPECT_TRUE(ui::CheckListItemChecked(*checks, 1));
  Click(checks->hwnd, BoxOf(1));
  EXPECT_FALSE(ui::CheckListItemChecked(*checks, 1));
  EXPECT_EQ(changes, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));

  // Space ticks the item in focus.
  LVITEMW focus{};
  focus.state = focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
  SendMessageW(checks->hwnd, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&focus));
  changes.clear();
  PressKey(checks->hwnd, VK_SPACE, L' ');
  EXPECT_TRUE(ui::CheckListItemChecked(*checks, 2));
  EXPECT_EQ(changes, (std::vector<std::pair<int, bool>>{{2, true}}));

  changes.clear();
  ui::SetCheckListItemChecked(*checks, 3, false);
  ui::SetCheckListItemChecked(*checks, 3, false);  // no change, no report
  EXPECT_FALSE(ui::CheckListItemChecked(*checks, 3));
  EXPECT_EQ(changes, (std::vector<std::pair<int, bool>>{{3, false}}));
  EXPECT_FALSE(ui::CheckListItemChecked(*checks, 99));
}

TEST_F(CheckListTest, TheOneColumnFillsTheWidthAlsoWithAScrollBar) {
  RECT client{};
  GetClientRect(checks->hwnd, &client);
  EXPECT_EQ(SendMessageW(checks->hwnd, LVM_GETCOLUMNWIDTH, 0, 0), client.right);
  for (int i = 0; i < 40; ++i) ui::AddCheckListItem(*checks, L"項目 " + std::to_wstring(i));
  frame.Relayout();
  GetClientRect(checks->hwnd, &client);
  EXPECT_TRUE(GetWindowLongPtrW(checks->hwnd, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(SendMessageW(checks->hwnd, LVM_GETCOLUMNWIDTH, 0, 0), client.right);
  EXPECT_FALSE(GetWindowLongPtrW(checks->hwnd, GWL_STYLE) & WS_HSCROLL);
  ui::ClearCheckListItems(*checks);
  EXPECT_EQ(ui::CheckListItemCount(*checks), 0);
}

TEST(TypedControls, GridsHoldRowsOfCellsAndScaleTheirColumnsWithTheDpi) {
  TestFrame frame(L"grid", 420, 240);
  ui::Control& grid = ui::AddGrid(frame, At(5, 5, 400, 200),
                                  {{L"ID", 40}, {L"Language", 100}, {L"FullFontName", 150, LVCFMT_RIGHT}}, true);
  frame.Relayout();
  const int dpi = frame.Dpi();
  EXPECT_EQ(ui::GridColumnCount(grid), 3);
  EXPECT_EQ(SendMessageW(grid.hwnd, LVM_GETCOLUMNWIDTH, 1, 0), ui::dock::Scale(100, dpi));
  LVCOLUMNW format{};
  format.mask = LVCF_FMT;
  SendMessageW(grid.hwnd, LVM_GETCOLUMNW, 2, reinterpret_cast<LPARAM>(&format));
  EXPECT_EQ(format.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);

  EXPECT_EQ(ui::AddGridRow(grid, {L"1", L"日本語", L"IPAゴシック"}), 0);
  EXPECT_EQ(ui::AddGridRow(grid, {L"2"}), 1);  // missing cells stay empty
  EXPECT_EQ(ui::AddGridRow(grid, {L"3", L"English", L"Liberation Sans", L"dropped"}), 2);
  const std::wstring longName(1000, L'名');
  ui::SetGridCell(grid, 1, 2, longName);
  EXPECT_EQ(ui::GridRowCount(grid), 3);
  EXPECT_EQ(ui::GridCell(grid, 0, 1), L"日本語");
  EXPECT_EQ(ui::GridCell(grid, 1, 1), L"");
  EXPECT_EQ(ui::GridCell(grid, 1, 2), longName);
  EXPECT_EQ(ui::GridCell(grid, 2, 2), L"Liberation Sans");
  EXPECT_EQ(ui::GridCell(grid, 3, 0), L"");  // no such row

  // A click on a row selects it; a second one joins through the list view's own state.
  EXPECT_TRUE(ui::GridSelectedRows(grid).empty());
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageW(grid.hwnd, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  Click(grid.hwnd, {row.left + ui::dock::Scale(60, dpi), (row.top + row.bottom) / 2});
  EXPECT_EQ(ui::GridSelectedRows(grid), std::vector<int>{2});
  LVITEMW select{};
  select.state = select.stateMask = LVIS_SELECTED;
  SendMessageW(grid.hwnd, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
  EXPECT_EQ(ui::GridSelectedRows(grid), (std::vector<int>{0, 2}));

  // The user widens a column, then the window moves to a 1.5 times denser monitor.
  SendMessageW(grid.hwnd, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(ui::dock::Scale(60, dpi), 0));
  RECT frameRect{};
  GetWindowRect(frame.Hwnd(), &frameRect);
  const int denser = dpi * 3 / 2;
  SendMessageW(frame.Hwnd(), kDpiChanged, MAKEWPARAM(denser, denser), reinterpret_cast<LPARAM>(&frameRect));
  EXPECT_EQ(frame.Dpi(), denser);
  EXPECT_NEAR(SendMessageW(grid.hwnd, LVM_GETCOLUMNWIDTH, 0, 0), ui::dock::Scale(90, dpi), 1);
  EXPECT_NEAR(SendMessageW(grid.hwnd, LVM_GETCOLUMNWIDTH, 2, 0), ui::dock::Scale(225, dpi), 1);

  ui::SetGridColumns(grid, {{L"名前", 120}});
  EXPECT_EQ(ui::GridColumnCount(grid), 1);
  EXPECT_EQ(ui::GridRowCount(grid), 0);
  EXPECT_EQ(SendMessageW(grid.hwnd, LVM_GETCOLUMNWIDTH, 0, 0), ui::dock::Scale(120, denser));
  ui::AddGridRow(grid, {L"一"});
  ui::ClearGridRows(grid);
  EXPECT_EQ(ui::GridRowCount(grid), 0);
}

TEST(TypedControls, SpinEditsClampWhatIsSetTypedOrStepped) {
  TestFrame frame(L"spin");
  ui::Control& size = ui::AddSpinEdit(frame, At(10, 10, 80, 22), 6, 72, 12);
  ui::Control& other = ui::AddSpinEdit(frame, At(10, 40, 80, 22), 0, 5, 3);
  frame.Relayout();
  EXPECT_EQ(ui::SpinEditValue(size), 12);
  ui::SetSpinEditValue(size, 100);
  EXPECT_EQ(ui::SpinEditValue(size), 72);
  EXPECT_EQ(ui::WindowText(size.hwnd), L"72");
  PressKey(size.hwnd, VK_UP);  // the up-down's arrow keys stop at the end
  EXPECT_EQ(ui::WindowText(size.hwnd), L"72");
  PressKey(size.hwnd, VK_DOWN);
  EXPECT_EQ(ui::SpinEditValue(size), 71);
  ui::SetSpinEditValue(size, -4);
  EXPECT_EQ(ui::WindowText(size.hwnd), L"6");

  SetWindowTextW(size.hwnd, L"999");  // typed past the end
  EXPECT_EQ(ui::SpinEditValue(size), 72);
  SetWindowTextW(size.hwnd, L"");
  EXPECT_EQ(ui::SpinEditValue(size), 6);
  EXPECT_EQ(ui::SpinEditValue(other), 3);  // each edit has its own up-down
  ui::SetSpinEditValue(other, 9);
  EXPECT_EQ(ui::SpinEditValue(other), 5);
  EXPECT_EQ(ui::SpinEditValue(size), 6);
}

TEST(TypedControls, HotKeyFieldsTakeTheKeysTypedAsShortcutCodes) {
  TestFrame frame(L"hot key");
  ui::Control& field = ui::AddHotKey(frame, At(10, 10, 160, 22));
  frame.Relayout();
  const std::uint16_t ctrlShiftF = ui::MakeShortcut('F', true, true, false);
  ui::SetHotKeyShortcut(field, ctrlShiftF);
  EXPECT_EQ(ui::HotKeyShortcut(field), ctrlShiftF);
  ui::SetHotKeyShortcut(field, 0);
  EXPECT_EQ(ui::HotKeyShortcut(field), 0);

  // Ctrl held while K is pressed: the field reads the modifiers from the keyboard state.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE held[256];
  std::copy(std::begin(keys), std::end(keys), held);
  held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
  SetKeyboardState(held);
  SendMessageW(field.hwnd, WM_KEYDOWN, VK_CONTROL, 1);
  SendMessageW(field.hwnd, WM_KEYDOWN, 'K', 1);
  SetKeyboardState(keys);
  EXPECT_EQ(ui::HotKeyShortcut(field), ui::MakeShortcut('K', false, true, false));
}

}  // namespace
}  // namespace velura
