// TForm_Installed: the file tree's events and drawing, the sample list and its text, the information panel.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "resource_ids.h"
#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "ui/browsers/file_node_look.h"
#include "ui/browsers/file_ticks.h"
#include "ui/browsers/font_info.h"
#include "ui/browsers/form_installed_win.h"
#include "ui/browsers/sample_texts.h"
#include "records/record_rules.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/error_report_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/image_list_win.h"

namespace velura {

namespace {

constexpr COLORREF kFoundSelected = RGB(0, 0, 255);
constexpr COLORREF kFound = RGB(255, 255, 0);

void SetText(const ui::Control* control, const std::u16string& text) {
  if (control) SetWindowTextW(control->hwnd, AsWide(text));
}

}  // namespace

LRESULT TForm_Installed::FileTreeNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW:
      TntTreeView_FileNameChange();
      return 0;
    case NM_CUSTOMDRAW:
      return TntTreeView_FileNameCustomDrawItem(reinterpret_cast<NMTVCUSTOMDRAW&>(header));
    case NM_RCLICK: {  // TreeMouseDown, right button: the node under the mouse becomes the selected one
      TVHITTESTINFO hit{};
      GetCursorPos(&hit.pt);
      ScreenToClient(fileTree_.Hwnd(), &hit.pt);
      if (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(fileTree_.Hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))))
        SendMessageW(fileTree_.Hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
      SendMessageW(fileTree_.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(fileTree_.Hwnd()), GetMessagePos());
      return TRUE;
    }
  }
  return 0;
}

void TForm_Installed::TntTreeView_FileNameChange() {
  if (!infoDisplay_) return;
  ClearFontInfo();
  const FileTree::Node node = fileTree_.Selected();
  if (created_ && fileTree_.Count() > 0 && fileTree_.Record(node)) ShowFontInfo(node);
  SelectListItemForNode();
  UpdateSummary();
}

void TForm_Installed::TntTreeView_FileNameMouseDown(int x, int y) {
  TVHITTESTINFO hit{};
  hit.pt = {x, y};
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(fileTree_.Hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (item && (hit.flags & TVHT_ONITEMSTATEICON)) ToggleNodeTick(fileTree_, fileTree_.NodeOfItem(item));
  UpdateSummary();
}

void TForm_Installed::TntTreeView_FileNameKeyPress(wchar_t key) {
  if (key == L' ') ToggleNodeTick(fileTree_, fileTree_.Selected());
  UpdateSummary();
}

HFONT TForm_Installed::NodeFont(bool italic, bool strikeOut, bool boldUnderline) {
  if (nodeFontsDpi_ != Dpi()) {
    for (auto& font : nodeFonts_) font.Reset();
    nodeFontsDpi_ = Dpi();
  }
  ui::UniqueFont& slot = nodeFonts_[(italic ? 1 : 0) | (strikeOut ? 2 : 0) | (boldUnderline ? 4 : 0)];
  if (!slot.Get()) {
    LOGFONTW face{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(fileTree_.Hwnd(), WM_GETFONT, 0, 0)), sizeof face, &face);
    face.lfItalic = italic;
    face.lfStrikeOut = strikeOut;
    face.lfUnderline = boldUnderline;
    if (boldUnderline) face.lfWeight = FW_BOLD;
    slot.Reset(CreateFontIndirectW(&face));
  }
  return slot.Get();
}

// DrawFileNode
LRESULT TForm_Installed::TntTreeView_FileNameCustomDrawItem(NMTVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || !infoDisplay_) return CDRF_DODEFAULT;
  const FileTree::Node node = reinterpret_cast<FileTree::Node>(draw.nmcd.lItemlParam);
  const TTreeStyle& style = engine_.TreeStyle;
  const bool selected = (draw.nmcd.uItemState & CDIS_SELECTED) != 0;
  // Without the focus the tree shows its selection on the pale button face, where the highlight's text
  // colour (white) cannot be read: the node keeps its own colour there.
  bool onHighlight = selected && GetFocus() == draw.nmcd.hdr.hwndFrom;
  draw.clrText = style.DefColor;
  if (const TFileDataItem* record = fileTree_.Record(node)) {
    const FileNodeLook look = LookOfFileNode(*record, style);
    draw.clrText = look.color;
    const int face = FaceIndexOfNode(fileTree_, node);
    if (face < static_cast<int>(record->DisplayNames.size()) && record->DisplayNames[face].Found) {
      draw.clrTextBk = selected ? kFoundSelected : kFound;
      draw.nmcd.uItemState &= ~CDIS_SELECTED;
      onHighlight = selected;  // our own dark blue, focused or not
    }
    if (onHighlight) draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    SelectObject(draw.nmcd.hdc, NodeFont(look.italic, record->Has(InstalledNow), false));
    return CDRF_NEWFONT;
  }
  if (fileTree_.StateImage(node) == kUndisplayableImage) {
    draw.clrText = GetSysColor(COLOR_GRAYTEXT);
    return CDRF_NEWFONT;
  }
  SelectObject(draw.nmcd.hdc, NodeFont(false, false, true));  // a group header
  if (onHighlight) draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  return CDRF_NEWFONT;
}

void TForm_Installed::ListBox_zel_SampleClick() {  // SelectNodeForListItem
  const int index = static_cast<int>(SendMessageW(TntListBox_zel_Sample.Hwnd(), LB_GETCURSEL, 0, 0));
  if (index < 0) return;
  if (const FileTree::Node node = ListBoxSampleList::NodeOfLine(TntListBox_zel_Sample.Hwnd(), index)) fileTree_.Select(node);
}

void TForm_Installed::ListBox_zel_SampleDblClick() {
  const int index = static_cast<int>(SendMessageW(TntListBox_zel_Sample.Hwnd(), LB_GETCURSEL, 0, 0));
  if (index >= 0) ToggleNodeTick(fileTree_, ListBoxSampleList::NodeOfLine(TntListBox_zel_Sample.Hwnd(), index));
  UpdateSummary();
}

void TForm_Installed::SelectListItemForNode() {
  const FileTree::Node node = fileTree_.Selected();
  if (!node) return;
  const HWND list = TntListBox_zel_Sample.Hwnd();
  const TFileDataItem* record = fileTree_.Record(node);
  int line = -1;
  if (record) {
    const auto face = static_cast<std::size_t>(FaceIndexOfNode(fileTree_, node));
    if (face < record->DisplayNames.size()) line = record->DisplayNames[face].ListIndex;
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

bool TForm_Installed::ListBox_zel_SampleDrawItem(const DRAWITEMSTRUCT& item) {
  if (fileTree_.Count() == 0) {
    if (SendMessageW(item.hwndItem, LB_GETCOUNT, 0, 0) > 0) PostMessageW(item.hwndItem, LB_RESETCONTENT, 0, 0);
    return true;
  }
  try {
    DrawSampleItem(item);
  } catch (...) {
    // A line that cannot be drawn stays as far as it got.
  }
  return true;
}

void TForm_Installed::DrawSampleItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1) || !infoDisplay_) return;
  const FileTree::Node node = ListBoxSampleList::NodeOfLine(item.hwndItem, static_cast<int>(item.itemID));
  const TFileDataItem* record = fileTree_.Record(node);
  if (!record) return;
  const auto face = static_cast<std::size_t>(FaceIndexOfNode(fileTree_, node));
  if (face >= record->Faces.size() || face >= record->DisplayNames.size()) return;
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  if (record->DisplayNames[face].Found) back = selected ? kFoundSelected : kFound;
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
  // The window's DPI, not the DC's: a per-monitor window on a second screen draws at its own.
  const SampleLineLayout layout = SampleLine(sampleSize_, Dpi());
  if (!captionFont_.Get()) {
    LOGFONTW caption{};
    caption.lfHeight = -layout.namePixels;
    caption.lfCharSet = DEFAULT_CHARSET;
    wcscpy(caption.lfFaceName, L"MS UI Gothic");
    captionFont_.Reset(CreateFontIndirectW(&caption));
  }
  const TTFontFileData& f = record->Faces[face];
  {
    ui::SelectInDc useCaption(dc, captionFont_.Get());
    TextOutW(dc, r.left + layout.nameLeft, r.top + layout.nameTop, AsWide(f.FullName), static_cast<int>(f.FullName.size()));
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
  const auto length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  std::wstring line(static_cast<std::size_t>(std::max<LRESULT>(0, length)), L'\0');
  if (!line.empty()) SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(line.data()));
  ui::SelectInDc useSample(dc, font.Get());
  TextOutW(dc, r.left + layout.sampleLeft, r.top + layout.sampleTop, line.c_str(), static_cast<int>(line.size()));
}

void TForm_Installed::SampleSizeClick(int size) {
  SetSampleSize(size);
  settings_.WriteSampleSize(size);
}

void TForm_Installed::SetSampleSize(int size) {
  sampleSize_ = size;
  ui::Control* list = FindControl(TntListBox_zel_Sample.Hwnd());
  if (!list) list = Panel_client.FindControl(TntListBox_zel_Sample.Hwnd());
  if (list) Panel_client.SetControlFont(*list, ui::FontSpec{L"MS UI Gothic", 0, size});
  const HWND hwnd = TntListBox_zel_Sample.Hwnd();
  const auto count = static_cast<int>(SendMessageW(hwnd, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    SendMessageW(hwnd, LB_SETITEMHEIGHT, static_cast<WPARAM>(i), SampleItemHeight(size, Dpi()));
  InvalidateRect(hwnd, nullptr, TRUE);
}

void TForm_Installed::FollowDpi() {
  captionFont_.Reset();
  // The tree view keeps the strip it was given: hand it the new one before the old one goes.
  ui::UniqueImageList strip = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, Dpi());
  TreeView_SetImageList(fileTree_.Hwnd(), strip.Get(), TVSIL_STATE);
  stateImages_ = std::move(strip);
  SetSampleSize(sampleSize_);  // the lines there keep the height they were measured with
}

std::wstring TForm_Installed::SampleComboText() const { return ui::WindowText(TntComboBox_SampleText->hwnd); }

void TForm_Installed::FillSampleList() {
  const auto index = SendMessageW(TntComboBox_SampleText->hwnd, CB_GETCURSEL, 0, 0);
  if (index <= 0) {
    infoDisplay_ = false;
    samples_.Clear();
    FillSampleListFromTree(fileTree_, samples_);
    infoDisplay_ = true;
    SelectListItemForNode();
  } else {
    samples_.SetAllTexts(ToU16(SampleComboText()));
  }
}

void TForm_Installed::ComboBox_SampleTextClick() {
  const HWND combo = TntComboBox_SampleText->hwnd;
  if (SendMessageW(combo, CB_GETCOUNT, 0, 0) == 0) {  // FillSampleTextChoices
    for (const std::u16string& text : DefaultSampleTexts())
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(text)));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
  }
  FillSampleList();
}

void TForm_Installed::ComboBox_SampleTextKeyPress(wchar_t key) {
  if (key != L'\r') return;
  const HWND combo = TntComboBox_SampleText->hwnd;
  SampleTextChoices choices;
  choices.items.clear();
  const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)), L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    choices.items.push_back(ToU16(item));
  }
  choices.selected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
  if (!CommitSampleText(choices, ToU16(SampleComboText()))) return;
  if (static_cast<int>(choices.items.size()) > count)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(choices.items.back())));
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(choices.selected), 0);
  ComboBox_SampleTextClick();
}

void TForm_Installed::ComboBox_SampleTextExit() {
  if (SendMessageW(TntComboBox_SampleText->hwnd, CB_GETCURSEL, 0, 0) < 0) ComboBox_SampleTextKeyPress(L'\r');
}

void TForm_Installed::ClearFontInfo() {
  for (ui::Control* box : {TntMemo_FontName, TntMemo_FullFontName, TntMemo_Version, TntMemo_FileName,
                           TntMemo_PstscriptName, Label_Pich, Label_CharSet, Label_FileSize, RichEdit_CodePages,
                           TntRichEdit_Copyright})
    SetText(box, u"");
  SetText(Label_Copyright, u"Copyright");
  Panel_FontType.SetCaption(L"");
  SendMessageW(TntStringGrid_FullFontNames->hwnd, LVM_DELETEALLITEMS, 0, 0);
}

void TForm_Installed::ShowFontInfo(FileTree::Node node) {
  const TFileDataItem* record = fileTree_.Record(node);
  if (!record) return;
  const auto face = static_cast<std::size_t>(FaceIndexOfNode(fileTree_, node));
  if (face >= record->Faces.size() || face >= record->DisplayNames.size()) return;
  const FontInfoTexts info = DescribeFace(*record, face);
  std::u16string pages;
  for (const std::u16string& page : info.CodePages) pages += (pages.empty() ? u"" : u"\r\n") + page;
  SetText(RichEdit_CodePages, pages);
  SendMessageW(RichEdit_CodePages->hwnd, EM_SETSEL, 0, 0);
  SendMessageW(RichEdit_CodePages->hwnd, EM_SCROLLCARET, 0, 0);
  Panel_FontType.SetCaption(ToWide(info.Type));
  SetText(TntMemo_FontName, info.FontName);
  SetText(TntMemo_FullFontName, info.FullName);
  SetText(TntMemo_PstscriptName, info.PostScriptName);
  SetText(TntMemo_Version, info.Version);
  SetText(TntMemo_FileName, info.FileName);
  SetText(Label_FileSize, info.Size);
  SetText(Label_Copyright, info.CopyrightLabel);
  SetText(TntRichEdit_Copyright, info.Copyright);
  SetText(Label_CharSet, info.Charset);
  SetText(Label_Pich, info.Pitch);
  const HWND grid = TntStringGrid_FullFontNames->hwnd;
  int row = 0;
  for (const auto& fields : info.LanguageRows) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(AsWide(fields[0]));
    SendMessageW(grid, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int column = 1; column < 4; ++column) {
      item.iSubItem = column;
      item.pszText = const_cast<wchar_t*>(AsWide(fields[static_cast<std::size_t>(column)]));
      SendMessageW(grid, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    ++row;
  }
}

void TForm_Installed::SizeLanguageGrid() {
  if (!TntStringGrid_FullFontNames) return;
  RECT client{};
  GetClientRect(TntStringGrid_FullFontNames->hwnd, &client);
  const auto widths = LanguageGridWidths(client.right);
  for (int column = 0; column < 4; ++column)
    SendMessageW(TntStringGrid_FullFontNames->hwnd, LVM_SETCOLUMNWIDTH, column, widths[static_cast<std::size_t>(column)]);
}

}  // namespace velura
