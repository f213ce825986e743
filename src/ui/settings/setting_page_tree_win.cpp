// The page "ツリー表示": the four node classes of the tree style on a sample tree, drawn in the colours
// being edited; the colour grid, the colour dialog and the italic switch change the selected node's class.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/subclass_win.h"
#include "ui/framework/tree_view_win.h"
#include "ui/settings/form_setting1_win.h"
#include "ui/settings/setting_page_controls_win.h"

namespace velura {

using ui::dock::At;

namespace {

constexpr const wchar_t* kSampleNodes[kTreeNodeCount] = {
    L"全体の文字", L"フォント関連レジストリに書かれているフォント", L"フォント名とフォントファミリーが違うもの",
    L"フォント名とフォントファミリーが違うもの（別にフォントファミリ名のフォントあり）"};

const ui::FontSpec kSampleTreeFont{L"MS UI Gothic", 0, 9};

HTREEITEM NodeItem(HWND tree, int node) {
  HTREEITEM item = ui::TreeRoot(tree);
  for (int i = 0; item && i < node; ++i) item = ui::TreeNextSibling(tree, item);
  return item;
}

}  // namespace

void TForm_setting1::CreateTreePage(ui::Panel& page) {
  ui::AddLabel(page, L"フォント名をツリー表示しているビューアーにおける表示色の設定", At(8, 6, 430, 13));
  TreeView_sample1 = &ui::AddTreeView(page, At(8, 24, 430, 84), nullptr, TVS_SHOWSELALWAYS);
  page.SetControlFont(*TreeView_sample1, kSampleTreeFont);
  for (int node = 0; node < kTreeNodeCount; ++node)
    ui::InsertTreeItem(TreeView_sample1->hwnd, kSampleNodes[node], {.data = node});
  ui::OnTreeItemPaint(*TreeView_sample1,
                      [this](const ui::TreeItemPaint& paint) { return TreeView_sample1CustomDrawItem(paint); });
  ui::OnSelectionChange(*TreeView_sample1, [this] { TreeView_sample1Change(); });
  ui::AddLabel(page, L"上のツリーで文字色を変更したい部分を選択してから変更してください", At(8, 113, 430, 13));

  // The grid clips its siblings, so it goes above the group frame around it in Z order: made first.
  Panel_ColorGrid.Create(page, At(18, 152, 220, 42));
  ui::Subclass(Panel_ColorGrid.Hwnd(), [this](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_LBUTTONUP) Panel_ColorGridClick(GetSysColor(COLOR_BTNFACE));  // the grid's own background
    return false;
  });
  const auto addColorPanel = [this](const ui::dock::Item& place, std::function<std::uint32_t()> color) {
    ui::Control& panel = ui::AddLabel(Panel_ColorGrid, L"", place, SS_NOTIFY | SS_SUNKEN);
    panel.onParentMessage = [this, color](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
      if (message != WM_CTLCOLORSTATIC) return false;
      SetBkColor(reinterpret_cast<HDC>(wParam), color());
      result = reinterpret_cast<LRESULT>(BrushOf(color()));
      return true;
    };
    ui::OnClick(panel, [this, color] { Panel_ColorGridClick(color()); });
    return &panel;
  };
  for (int node = 0; node < kTreeNodeCount; ++node)
    CurrentColorPanels[node] = addColorPanel(At(node % 2 * 21, node / 2 * 21, 20, 20),
                                             [this, node] { return NodeColor(values_.TreeStyle, node); });
  for (std::size_t i = 0; i < kGridColors.size(); ++i) {
    const std::uint32_t color = kGridColors[i];
    FixedColorPanels[i] = addColorPanel(At(52 + static_cast<int>(i % 8) * 21, static_cast<int>(i / 8) * 21, 20, 20),
                                        [color] { return color; });
  }
  AddGroupBox(page, L"文字色", At(8, 132, 350, 82));
  Button13 = &ui::AddButton(page, L"その他の色", At(248, 148, 102, 24));
  ui::OnClick(*Button13, [this] { Button13Click(); });
  Button12 = &ui::AddButton(page, L"デフォルトに戻す", At(248, 178, 102, 24));
  ui::OnClick(*Button12, [this] { Button12Click(); });

  AddGroupBox(page, L"装飾", At(366, 132, 72, 82));
  CheckBox_TreeItalic = &ui::AddCheckBox(page, L"斜体", At(378, 164, 54, 17));
  ui::OnClick(*CheckBox_TreeItalic, [this] { CheckBox_TreeItalicClick(); });
  Button6 = &ui::AddButton(page, L"すべてデフォルトに戻す", At(8, 224, 160, 25));
  ui::OnClick(*Button6, [this] { Button6Click(); });
}

void TForm_setting1::LoadTreePage() {
  PaintCurrentColors();
  SelectSampleNode(0);
  TreeView_sample1Change();  // selecting the node that is already selected sends no change
  InvalidateRect(TreeView_sample1->hwnd, nullptr, TRUE);
}

int TForm_setting1::SelectedSampleNode() const {
  const HTREEITEM item = ui::TreeSelection(TreeView_sample1->hwnd);
  return item ? static_cast<int>(ui::TreeItemData(TreeView_sample1->hwnd, item)) : -1;
}

void TForm_setting1::SelectSampleNode(int node) {
  ui::SelectTreeItem(TreeView_sample1->hwnd, NodeItem(TreeView_sample1->hwnd, node));
}

void TForm_setting1::TreeView_sample1Change() {
  const int node = SelectedSampleNode();
  EnableWindow(CheckBox_TreeItalic->hwnd, NodeHasItalic(node));
  SetChecked(CheckBox_TreeItalic, NodeItalic(values_.TreeStyle, node));
}

ui::TreeItemLook TForm_setting1::TreeView_sample1CustomDrawItem(const ui::TreeItemPaint& paint) {
  const int node = static_cast<int>(paint.data);
  ui::TreeItemLook look;
  if (paint.selected) {
    // On the highlight itself also while the tree has no focus, where the light grey would hide the text.
    look.text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    look.background = GetSysColor(COLOR_HIGHLIGHT);
  } else {
    look.text = NodeColor(values_.TreeStyle, node);
  }
  if (NodeItalic(values_.TreeStyle, node)) {
    ui::FontSpec italic = kSampleTreeFont;
    italic.italic = true;
    look.font = FontHandle(italic);
  }
  return look;
}

void TForm_setting1::GiveSelectedNodeColor(std::uint32_t color) {
  const int node = SelectedSampleNode();
  if (node >= 0) {
    SetNodeColor(values_.TreeStyle, node, color);
    InvalidateRect(CurrentColorPanels[static_cast<std::size_t>(node)]->hwnd, nullptr, TRUE);
    InvalidateRect(TreeView_sample1->hwnd, nullptr, TRUE);
  }
  SetFocus(TreeView_sample1->hwnd);
}

void TForm_setting1::PaintCurrentColors() {
  for (const ui::Control* panel : CurrentColorPanels) InvalidateRect(panel->hwnd, nullptr, TRUE);
}

void TForm_setting1::Panel_ColorGridClick(std::uint32_t color) { GiveSelectedNodeColor(color); }

void TForm_setting1::Button13Click() {
  static COLORREF customColors[16] = {};  // kept for the run, as the colour dialog keeps them
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = Hwnd();
  choose.rgbResult = NodeColor(values_.TreeStyle, SelectedSampleNode());
  choose.lpCustColors = customColors;
  choose.Flags = CC_RGBINIT;
  if (ChooseColorW(&choose)) GiveSelectedNodeColor(choose.rgbResult);
  else SetFocus(TreeView_sample1->hwnd);
}

void TForm_setting1::Button12Click() {
  const int node = SelectedSampleNode();
  if (node >= 0) GiveSelectedNodeColor(DefaultNodeColor(node));
}

void TForm_setting1::Button6Click() {
  values_.TreeStyle = TTreeStyle{};
  PaintCurrentColors();
  TreeView_sample1Change();
  InvalidateRect(TreeView_sample1->hwnd, nullptr, TRUE);
}

void TForm_setting1::CheckBox_TreeItalicClick() {
  SetNodeItalic(values_.TreeStyle, SelectedSampleNode(), IsChecked(CheckBox_TreeItalic));
  InvalidateRect(TreeView_sample1->hwnd, nullptr, TRUE);
  SetFocus(TreeView_sample1->hwnd);
}

HBRUSH TForm_setting1::BrushOf(std::uint32_t color) {
  ui::UniqueBrush& brush = brushes_[color];
  if (!brush) brush.Reset(CreateSolidBrush(color));
  return brush.Get();
}

}  // namespace velura
