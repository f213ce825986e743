#include "ui/charview/form_uni_user_items_win.h"

#include <commctrl.h>

#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/wide_win.h"
#include "ui/charview/unicode_blocks.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/subclass_win.h"

namespace velura {

using ui::dock::At;

TForm_UniUserItems::TForm_UniUserItems(HWND owner, const TUserItems& slots, int currentBlock) : table_(slots) {
  CreateForm(L"お気に入りの管理", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 612, 468,
             owner, ui::Placement::CentreScreen);
  SetFont(ui::FontSpec{L"ＭＳ Ｐゴシック", 0, 9});
  CreateComponents();
  if (owner) {  // centred on its owner
    RECT outer{}, mine{};
    GetWindowRect(owner, &outer);
    GetWindowRect(Hwnd(), &mine);
    SetWindowPos(Hwnd(), nullptr, outer.left + (outer.right - outer.left - (mine.right - mine.left)) / 2,
                 outer.top + (outer.bottom - outer.top - (mine.bottom - mine.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FillGrid();
  SelectRow(0);
  // Every block of the viewer's list, in its order; the viewer's current block (a list index) selected.
  for (int index = 0; index < ViewerBlockCount(); ++index)
    ui::AddComboItem(*ComboBox_BlockStr, ToWide(ViewerBlock(index).Name));
  ui::SetComboSelectedIndex(*ComboBox_BlockStr, currentBlock >= 0 && currentBlock < ViewerBlockCount() ? currentBlock : -1);
}

TForm_UniUserItems::~TForm_UniUserItems() { Destroy(); }

void TForm_UniUserItems::CreateComponents() {
  auto group = [&](const wchar_t* caption, const ui::dock::Item& dock) {
    Add(ui::ControlSpec{.className = L"BUTTON", .text = caption, .style = BS_GROUPBOX, .dock = dock});
  };
  StringGrid1 = &ui::AddGrid(*this, At(4, 4, 604, 248),
                             {{L"", 24}, {L"index", 68}, {L"Character Block", 235}, {L"ユーザー定義の説明", 271}});
  // Rows 19 pixels high: a list view takes its row height from its small images. The first two columns are a
  // little wider than designed (20, 34), so that "10" and an added block's "U+20000" fit beside the list
  // view's margins; the block name column gives up the difference.
  rowHeight_.Reset(ImageList_Create(1, Px(19), ILC_COLOR32, 1, 0));
  SendMessageW(StringGrid1->hwnd, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowHeight_.Get()));
  ui::OnSelectionChange(*StringGrid1, [this] { StringGrid1Click(); });
  WatchRowDrags();

  Label_blockName = &ui::AddLabel(*this, L"", At(8, 260, 300, 15));
  SetControlFont(*Label_blockName, ui::FontSpec{L"ＭＳ Ｐゴシック", 0, 9, false, false, true});
  ui::AddLabel(*this, L"ユーザー定義の説明を付けることができます", At(8, 284, 300, 13));
  Edit_UserStr = &ui::AddEdit(*this, L"", At(8, 300, 300, 21));
  SetWindowLongW(Edit_UserStr->hwnd, GWL_EXSTYLE, GetWindowLongW(Edit_UserStr->hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
  SendMessageW(Edit_UserStr->hwnd, EM_SETLIMITTEXT, kMaxDescriptionLength, 0);
  Edit_UserStr->onCommand = [this](int code) {
    if (code == EN_CHANGE) Edit_UserStrChange();
  };

  group(L"リストから追加または変更", At(8, 332, 300, 58));
  ComboBox_BlockStr = &ui::AddComboBox(*this, At(16, 354, 196, 300), CBS_DROPDOWNLIST | WS_VSCROLL);
  Button_Add = &ui::AddButton(*this, L"追加・変更", At(220, 352, 80, 25));
  ui::OnClick(*Button_Add, [this] { Button_AddClick(); });

  group(L"ソート", At(320, 254, 140, 58));
  Button_Sort_index = &ui::AddButton(*this, L"indexで", At(328, 276, 60, 25));
  ui::OnClick(*Button_Sort_index, [this] { Button_Sort_indexClick(1); });
  Button_sort_block = &ui::AddButton(*this, L"名称で", At(392, 276, 60, 25));
  ui::OnClick(*Button_sort_block, [this] { Button_Sort_indexClick(2); });

  group(L"データの削除", At(468, 254, 140, 58));
  Button_Del = &ui::AddButton(*this, L"削除", At(476, 276, 52, 25));
  ui::OnClick(*Button_Del, [this] { Button_DelClick(); });
  Button_AllDel = &ui::AddButton(*this, L"すべてクリア", At(532, 276, 70, 25));
  ui::OnClick(*Button_AllDel, [this] { Button_AllDelClick(); });

  Memo1 = &ui::AddEdit(*this,
                       L"グリッド左端のカラムをドラッグして\r\n行を移動できます\r\n\r\n"
                       L"空行は保存時に調整されデータの\r\nあるものが上になります",
                       At(320, 332, 288, 82), ES_MULTILINE | ES_READONLY);
  SetWindowLongW(Memo1->hwnd, GWL_EXSTYLE, GetWindowLongW(Memo1->hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);

  BitBtn1 = &ui::AddButton(*this, L"OK", At(440, 432, 80, 27), true);
  ui::OnClick(*BitBtn1, [this] { EndModal(IDOK); });
  BitBtn2 = &ui::AddButton(*this, L"キャンセル", At(528, 432, 80, 27));
  ui::OnClick(*BitBtn2, [this] { EndModal(IDCANCEL); });
  defaultButtonId_ = BitBtn1->id;
  cancelButtonId_ = BitBtn2->id;
  Relayout();
}

void TForm_UniUserItems::FillGrid() {
  const HWND grid = StringGrid1->hwnd;
  SendMessageW(grid, WM_SETREDRAW, FALSE, 0);
  if (ui::GridRowCount(*StringGrid1) != kUserItemCount) {
    ui::ClearGridRows(*StringGrid1);
    for (int row = 0; row < kUserItemCount; ++row) ui::AddGridRow(*StringGrid1, {});
  }
  for (int row = 0; row < kUserItemCount; ++row) {
    const FavouriteRow& cells = table_.Row(row);
    ui::SetGridCell(*StringGrid1, row, 0, std::to_wstring(row + 1));
    ui::SetGridCell(*StringGrid1, row, 1, ToWide(cells.index));
    ui::SetGridCell(*StringGrid1, row, 2, ToWide(cells.name));
    ui::SetGridCell(*StringGrid1, row, 3, ToWide(cells.description));
  }
  SendMessageW(grid, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(grid, nullptr, TRUE);
}

void TForm_UniUserItems::SelectRow(int row) {
  if (row < 0 || row >= kUserItemCount) return;
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(StringGrid1->hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
  currentRow_ = row;
  ShowRowDetails();
}

void TForm_UniUserItems::StringGrid1Click() {
  const std::vector<int> rows = ui::GridSelectedRows(*StringGrid1);
  if (rows.empty() || rows.front() == currentRow_) return;
  currentRow_ = rows.front();
  ShowRowDetails();
}

void TForm_UniUserItems::ShowRowDetails() {
  const FavouritesTable::Details details = table_.DetailsOf(currentRow_);
  showingDetails_ = true;
  SetWindowTextW(Label_blockName->hwnd, AsWide(details.name));
  SetWindowTextW(Edit_UserStr->hwnd, AsWide(details.description));
  showingDetails_ = false;
}

void TForm_UniUserItems::Edit_UserStrChange() {
  if (showingDetails_) return;
  const std::u16string text = ToU16(ui::WindowText(Edit_UserStr->hwnd));
  table_.SetDescription(currentRow_, text);
  ui::SetGridCell(*StringGrid1, currentRow_, 3, ToWide(text));
}

void TForm_UniUserItems::Button_AddClick() {
  const int index = ui::ComboSelectedIndex(*ComboBox_BlockStr);
  if (index < 0) return;  // no block chosen: nothing to add
  if (!table_.AddOrChange(currentRow_, BlockNumberAt(index))) {
    ShowMessage(kDuplicateFavouriteText, u"VELURA", MessageIcon::Information);
    return;
  }
  FillGrid();
  ShowRowDetails();
}

void TForm_UniUserItems::Button_DelClick() {
  table_.Delete(currentRow_);
  FillGrid();
  ShowRowDetails();
}

void TForm_UniUserItems::Button_AllDelClick() {
  table_.Clear();
  FillGrid();
  ShowRowDetails();
}

void TForm_UniUserItems::Button_Sort_indexClick(int tag) {
  table_.Sort(tag);
  FillGrid();
  ShowRowDetails();
}

void TForm_UniUserItems::StringGrid1RowMoved(int from, int to) {
  table_.MoveRow(from, to);
  FillGrid();
  SelectRow(to);
}

void TForm_UniUserItems::WatchRowDrags() {
  // A row is dragged by its number cell (the leftmost column) and dropped on the row under the mouse.
  StringGrid1->onNotify = [this, previous = StringGrid1->onNotify](NMHDR& header) -> LRESULT {
    const LRESULT answer = previous ? previous(header) : 0;
    if (header.code == LVN_BEGINDRAG) {
      const auto& drag = reinterpret_cast<const NMLISTVIEW&>(header);
      LVHITTESTINFO hit{};
      hit.pt = drag.ptAction;
      SendMessageW(StringGrid1->hwnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.iItem >= 0 && hit.iSubItem == 0) {
        dragFrom_ = hit.iItem;
        SetCapture(StringGrid1->hwnd);
      }
    }
    return answer;
  };
  ui::Subclass(StringGrid1->hwnd, [this](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (dragFrom_ < 0) return false;
    if (message == WM_CAPTURECHANGED) {
      dragFrom_ = -1;
      return false;
    }
    if (message != WM_LBUTTONUP) return false;
    const int from = dragFrom_;
    dragFrom_ = -1;
    ReleaseCapture();
    LVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    int to = static_cast<int>(SendMessageW(StringGrid1->hwnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (to < 0) {
      RECT last{};
      last.left = LVIR_BOUNDS;
      SendMessageW(StringGrid1->hwnd, LVM_GETITEMRECT, kUserItemCount - 1, reinterpret_cast<LPARAM>(&last));
      if (hit.pt.y >= last.bottom) to = kUserItemCount - 1;
    }
    if (to >= 0 && to != from) StringGrid1RowMoved(from, to);
    result = 0;
    return true;
  });
}

bool RunFavouritesDialog(HWND viewer, TUserItems& slots, int currentBlock) {
  TForm_UniUserItems dialog(viewer, slots, currentBlock);
  if (dialog.ShowModal() != IDOK) return false;
  slots = dialog.Table().ToSlots();
  return true;
}

}  // namespace velura
