#include "ui/fontviews/font_sample_pane_win.h"

#include <utility>

#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "records/record_rules.h"
#include "ui/fontviews/file_node_look.h"
#include "ui/fontviews/font_info.h"
#include "ui/fontviews/sample_texts.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/subclass_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

// One line: the face's full name in the caption font, then the line's text in the face itself. The
// window's DPI, not the DC's: a per-monitor window on a second screen draws at its own.
void DrawSampleLine(const DRAWITEMSTRUCT& item, const ui::Control& list, const TreeViewFileTree& tree, int sampleSize,
                    int dpi, ui::UniqueFont& captionFont) {
  const FileTree::Node node = ListBoxSampleList::NodeOfLine(item.hwndItem, static_cast<int>(item.itemID));
  const TFileDataItem* record = tree.Record(node);
  if (!record) return;
  const auto face = static_cast<std::size_t>(FaceIndexOfNode(tree, node));
  if (face >= record->Faces.size() || face >= record->DisplayNames.size()) return;
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  if (const auto found = FoundBackground(*record, face, selected)) back = *found;
  ui::UniqueBrush brush(CreateSolidBrush(back));
  FillRect(dc, &r, brush.Get());
  ui::UniqueHandle<HPEN, ui::FreeGdiObject> pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
  {
    ui::SelectInDc usePen(dc, pen.Get());
    MoveToEx(dc, r.left, r.top, nullptr);
    LineTo(dc, r.right, r.top);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  const SampleLineLayout layout = SampleLine(sampleSize, dpi);
  if (!captionFont.Get()) {
    LOGFONTW caption{};
    caption.lfHeight = -layout.namePixels;
    caption.lfCharSet = DEFAULT_CHARSET;
    wcscpy(caption.lfFaceName, L"MS UI Gothic");
    captionFont.Reset(CreateFontIndirectW(&caption));
  }
  const TTFontFileData& f = record->Faces[face];
  {
    ui::SelectInDc useCaption(dc, captionFont.Get());
    TextOutW(dc, r.left + layout.nameLeft, r.top + layout.nameTop, AsWide(f.FullName),
             static_cast<int>(f.FullName.size()));
  }
  LOGFONTW sample{};
  // The family as the face names it; Windows may list the face under its display name instead.
  if (!FindLogFont(ToWide(f.FamilyName), sample) &&
      !FindLogFont(ToWide(record->DisplayNames[face].DisplayFamilyName), sample))
    return;
  sample.lfHeight = -layout.samplePixels;
  sample.lfWidth = 0;
  sample.lfWeight = f.WeightClass;
  sample.lfItalic = f.SlantPosition != 0 ? TRUE : FALSE;
  ui::UniqueFont font(CreateFontIndirectW(&sample));
  const std::wstring line = ui::ListBoxItemText(list, static_cast<int>(item.itemID));
  ui::SelectInDc useSample(dc, font.Get());
  TextOutW(dc, r.left + layout.sampleLeft, r.top + layout.sampleTop, line.c_str(), static_cast<int>(line.size()));
}

}  // namespace

void FontSamplePane::Create(ui::Panel& parent, TreeViewFileTree& tree, int comboWidth, std::function<bool()> canDraw,
                            const LoopContext& loop) {
  parent_ = &parent;
  loop_ = &loop;
  tree_ = &tree;
  canDraw_ = std::move(canDraw);
  Panel_combo.Create(parent, Docked(Align::Top, 26));
  TntComboBox_SampleText =
      &ui::AddComboBox(Panel_combo, At(2, 2, comboWidth, 200, true), CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
  TntComboBox_SampleText->onCommand = [this](int code) {
    if (code == CBN_SELCHANGE) {  // ComboBox_SampleTextClick
      FillChoices();
      ApplyChoice();
    }
    if (code == CBN_KILLFOCUS && ui::ComboSelectedIndex(*TntComboBox_SampleText) < 0)
      CommitTypedText();  // ComboBox_SampleTextExit
  };
  if (HWND edit = FindWindowExW(TntComboBox_SampleText->hwnd, nullptr, L"Edit", nullptr)) {
    // Enter in the edit commits the typed text; the dialog manager would take it for the default button.
    ui::Subclass(edit, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
      if (message == WM_GETDLGCODE && lParam && reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN) {
        result = DLGC_WANTALLKEYS;
        return true;
      }
      if (message == WM_CHAR && wParam == L'\r') {
        CommitTypedText();
        result = 0;
        return true;
      }
      return false;
    });
  }

  ui::Control& list = TntListBox_zel_Sample.Create(parent, Docked(Align::Client, 0),
                                                   LBS_OWNERDRAWFIXED | LBS_NODATA | WS_VSCROLL | WS_BORDER);
  list_ = &list;
  lines_.Attach(list.hwnd);
  TntListBox_zel_Sample.SetClickCancel(false);
  TntListBox_zel_Sample.OnClick = [this] {  // SelectNodeForListItem
    if (const FileTree::Node node = NodeOfLine(SelectedLine())) tree_->Select(node);
  };
  TntListBox_zel_Sample.OnDblClick = [this] {
    const int line = SelectedLine();
    if (line >= 0 && OnLineDoubleClick) OnLineDoubleClick(NodeOfLine(line));
  };
  ui::Subclass(list.hwnd, [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CHAR || wParam != L' ' || !OnSpace) return false;
    OnSpace();
    result = 0;
    return true;
  });
  list.onParentMessage = [this](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MEASUREITEM) {
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(SampleItemHeight(size_, Dpi()));
      result = TRUE;
      return true;
    }
    if (message == WM_DRAWITEM) {
      result = DrawLine(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
      return true;
    }
    return false;
  };
  // The list asked for its lines' height while it was being made, before the answer above was in place.
  SendMessageW(list.hwnd, LB_SETITEMHEIGHT, 0, SampleItemHeight(size_, Dpi()));
}

int FontSamplePane::Dpi() const { return parent_ ? parent_->Dpi() : 96; }

bool FontSamplePane::DrawLine(const DRAWITEMSTRUCT& item) {
  if (tree_->Count() == 0) {
    // Lines left from a tree that is gone point at freed nodes: they go, and nothing is drawn.
    if (SendMessageW(item.hwndItem, LB_GETCOUNT, 0, 0) > 0) PostMessageW(item.hwndItem, LB_RESETCONTENT, 0, 0);
    return true;
  }
  if (item.itemID == static_cast<UINT>(-1) || filling_ || (canDraw_ && !canDraw_())) return true;
  try {
    DrawSampleLine(item, *list_, *tree_, size_, Dpi(), captionFont_);
  } catch (...) {
    // A line that cannot be drawn stays as far as it got.
  }
  return true;
}

void FontSamplePane::FillChoices() {
  if (ui::ComboItemCount(*TntComboBox_SampleText) != 0) return;
  for (const std::u16string& text : DefaultSampleTexts()) ui::AddComboItem(*TntComboBox_SampleText, ToWide(text));
  ui::SetComboSelectedIndex(*TntComboBox_SampleText, 0);
}

void FontSamplePane::ResetChoices() {
  ui::ClearComboItems(*TntComboBox_SampleText);
  FillChoices();
}

bool FontSamplePane::TextChosen() const { return ui::ComboSelectedIndex(*TntComboBox_SampleText) > 0; }

std::wstring FontSamplePane::ComboText() const { return ui::WindowText(TntComboBox_SampleText->hwnd); }

std::u16string FontSamplePane::LineText() const {
  if (!filterText_.empty()) return filterText_;
  // While the combo reports a new choice its edit still holds the former text: a chosen item's own text.
  const int chosen = ui::ComboSelectedIndex(*TntComboBox_SampleText);
  return ToU16(chosen > 0 ? ui::ComboItemText(*TntComboBox_SampleText, chosen) : ComboText());
}

void FontSamplePane::ApplyChoice() {
  if (LineTextSet()) {
    lines_.SetAllTexts(LineText());
    return;
  }
  Refill();
}

void FontSamplePane::SetFilterText(const std::u16string& text) {
  const bool hadText = !filterText_.empty();
  filterText_ = text;
  if (LineTextSet())
    lines_.SetAllTexts(LineText());
  else if (hadText)
    Refill();  // each face's name again
}

void FontSamplePane::Refill() {
  filling_ = true;
  lines_.Clear();
  FillSampleListFromTree(*tree_, lines_, *loop_);
  filling_ = false;
  if (LineTextSet()) lines_.SetAllTexts(LineText());
  SelectLineOf(tree_->Selected());
}

void FontSamplePane::Clear() { lines_.Clear(); }

void FontSamplePane::CommitTypedText() {
  SampleTextChoices choices;
  choices.items.clear();
  const int count = ui::ComboItemCount(*TntComboBox_SampleText);
  for (int i = 0; i < count; ++i) choices.items.push_back(ToU16(ui::ComboItemText(*TntComboBox_SampleText, i)));
  choices.selected = ui::ComboSelectedIndex(*TntComboBox_SampleText);
  if (!CommitSampleText(choices, ToU16(ComboText()))) return;
  if (static_cast<int>(choices.items.size()) > count)
    ui::AddComboItem(*TntComboBox_SampleText, ToWide(choices.items.back()));
  ui::SetComboSelectedIndex(*TntComboBox_SampleText, choices.selected);
  FillChoices();
  ApplyChoice();
}

void FontSamplePane::SelectLineOf(FileTree::Node node) {
  if (!node) return;
  int line = -1;
  if (const TFileDataItem* record = tree_->Record(node)) {
    const auto face = static_cast<std::size_t>(FaceIndexOfNode(*tree_, node));
    if (face < record->DisplayNames.size()) line = record->DisplayNames[face].ListIndex;
  }
  ui::SetListBoxSelectedIndex(*list_, line);
}

int FontSamplePane::SelectedLine() const { return ui::ListBoxSelectedIndex(*list_); }

FileTree::Node FontSamplePane::NodeOfLine(int index) const {
  return index < 0 ? nullptr : ListBoxSampleList::NodeOfLine(ListHwnd(), index);
}

void FontSamplePane::SetSize(int size) {
  size_ = size;
  parent_->SetControlFont(*list_, ui::FontSpec{L"MS UI Gothic", 0, size});
  SendMessageW(ListHwnd(), LB_SETITEMHEIGHT, 0, SampleItemHeight(size, Dpi()));  // one height for every line
  InvalidateRect(ListHwnd(), nullptr, TRUE);
}

void FontSamplePane::FollowDpi() {
  captionFont_.Reset();
  SetSize(size_);  // the lines' height at the new DPI
}

}  // namespace velura
