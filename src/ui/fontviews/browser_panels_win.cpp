#include "ui/fontviews/browser_panels_win.h"

#include <richedit.h>

#include <algorithm>
#include <string>

#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "records/record_rules.h"
#include "platform/resource_ids.h"
#include "ui/fontviews/file_node_look.h"
#include "ui/fontviews/font_info.h"
#include "ui/fontviews/sample_texts.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/subclass_win.h"

namespace velura {

namespace {

void SetText(const ui::Control* control, const std::u16string& text) {
  if (control) SetWindowTextW(control->hwnd, AsWide(text));
}

}  // namespace

void ClearFontInfoPanel(const FontInfoControls& p) {
  for (ui::Control* box : {p.fontName, p.fullName, p.version, p.fileName, p.postScriptName, p.pitch, p.charset,
                           p.fileSize, p.codePages, p.copyright})
    SetText(box, u"");
  SetText(p.copyrightLabel, u"Copyright");
  if (p.fontType) p.fontType->SetCaption(L"");
  if (p.languageGrid) SendMessageW(p.languageGrid->hwnd, LVM_DELETEALLITEMS, 0, 0);
}

void ShowFontInfoPanel(const FontInfoControls& p, const TFileDataItem& record, std::size_t face) {
  if (face >= record.Faces.size() || face >= record.DisplayNames.size()) return;
  const FontInfoTexts info = DescribeFace(record, face);
  std::u16string pages;
  for (const std::u16string& page : info.CodePages) pages += (pages.empty() ? u"" : u"\r\n") + page;
  SetText(p.codePages, pages);
  if (p.codePages) {
    SendMessageW(p.codePages->hwnd, EM_SETSEL, 0, 0);
    SendMessageW(p.codePages->hwnd, EM_SCROLLCARET, 0, 0);
  }
  if (p.fontType) p.fontType->SetCaption(ToWide(info.Type));
  SetText(p.fontName, info.FontName);
  SetText(p.fullName, info.FullName);
  SetText(p.postScriptName, info.PostScriptName);
  SetText(p.version, info.Version);
  SetText(p.fileName, info.FileName);
  SetText(p.fileSize, info.Size);
  SetText(p.copyrightLabel, info.CopyrightLabel);
  SetText(p.copyright, info.Copyright);
  SetText(p.charset, info.Charset);
  SetText(p.pitch, info.Pitch);
  if (!p.languageGrid) return;
  const HWND grid = p.languageGrid->hwnd;
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

void SizeLanguageGrid(const ui::Control* grid) {
  if (!grid) return;
  RECT client{};
  GetClientRect(grid->hwnd, &client);
  const auto widths = LanguageGridWidths(client.right);
  for (int column = 0; column < 4; ++column)
    SendMessageW(grid->hwnd, LVM_SETCOLUMNWIDTH, column, widths[static_cast<std::size_t>(column)]);
}

HFONT FileNodeFonts::Get(HWND tree, int dpi, bool italic, bool strikeOut, bool boldUnderline) {
  if (dpi_ != dpi) {
    for (auto& font : fonts_) font.Reset();
    dpi_ = dpi;
  }
  ui::UniqueFont& slot = fonts_[(italic ? 1 : 0) | (strikeOut ? 2 : 0) | (boldUnderline ? 4 : 0)];
  if (!slot.Get()) {
    LOGFONTW face{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(tree, WM_GETFONT, 0, 0)), sizeof face, &face);
    face.lfItalic = italic;
    face.lfStrikeOut = strikeOut;
    face.lfUnderline = boldUnderline;
    if (boldUnderline) face.lfWeight = FW_BOLD;
    slot.Reset(CreateFontIndirectW(&face));
  }
  return slot.Get();
}

LRESULT DrawFileNode(NMTVCUSTOMDRAW& draw, const TreeViewFileTree& tree, const TTreeStyle& style, FileNodeFonts& fonts,
                     int dpi) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const FileTree::Node node = reinterpret_cast<FileTree::Node>(draw.nmcd.lItemlParam);
  const HWND hwnd = draw.nmcd.hdr.hwndFrom;
  const bool selected = (draw.nmcd.uItemState & CDIS_SELECTED) != 0;
  // Without the focus the tree shows its selection on the pale button face, where the highlight's text
  // colour (white) cannot be read: the node keeps its own colour there.
  bool onHighlight = selected && GetFocus() == hwnd;
  draw.clrText = style.DefColor;
  if (const TFileDataItem* record = tree.Record(node)) {
    const FileNodeLook look = LookOfFileNode(*record, style);
    draw.clrText = look.color;
    const auto face = static_cast<std::size_t>(FaceIndexOfNode(tree, node));
    if (const auto found = FoundBackground(*record, face, selected)) {
      draw.clrTextBk = *found;
      draw.nmcd.uItemState &= ~CDIS_SELECTED;
      onHighlight = selected;  // our own dark blue, focused or not
    }
    if (onHighlight) draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    SelectObject(draw.nmcd.hdc, fonts.Get(hwnd, dpi, look.italic, record->Has(InstalledNow), false));
    return CDRF_NEWFONT;
  }
  if (tree.StateImage(node) == kUndisplayableImage) {
    draw.clrText = GetSysColor(COLOR_GRAYTEXT);
    return CDRF_NEWFONT;
  }
  SelectObject(draw.nmcd.hdc, fonts.Get(hwnd, dpi, false, false, true));  // a group header
  if (onHighlight) draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  return CDRF_NEWFONT;
}

void DrawSampleItem(const DRAWITEMSTRUCT& item, const TreeViewFileTree& tree, int sampleSize, int dpi,
                    ui::UniqueFont& captionFont) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const FileTree::Node node = ListBoxSampleList::NodeOfLine(item.hwndItem, static_cast<int>(item.itemID));
  const TFileDataItem* record = tree.Record(node);
  if (!record) return;
  const auto face = static_cast<std::size_t>(FaceIndexOfNode(tree, node));
  if (face >= record->Faces.size() || face >= record->DisplayNames.size()) return;
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
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
  // The window's DPI, not the DC's: a per-monitor window on a second screen draws at its own.
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
  const auto length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  std::wstring line(static_cast<std::size_t>(std::max<LRESULT>(0, length)), L'\0');
  if (!line.empty()) SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(line.data()));
  ui::SelectInDc useSample(dc, font.Get());
  TextOutW(dc, r.left + layout.sampleLeft, r.top + layout.sampleTop, line.c_str(), static_cast<int>(line.size()));
}

void ApplySampleSize(ui::Window& form, ui::Window& client, HWND list, int size, int dpi) {
  ui::Control* control = form.FindControl(list);
  if (!control) control = client.FindControl(list);
  if (control) client.SetControlFont(*control, ui::FontSpec{L"MS UI Gothic", 0, size});
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    SendMessageW(list, LB_SETITEMHEIGHT, static_cast<WPARAM>(i), SampleItemHeight(size, dpi));
  InvalidateRect(list, nullptr, TRUE);
}

void ReloadStateImages(HWND tree, ui::UniqueImageList& images, int dpi) {
  ui::UniqueImageList strip = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, dpi);
  TreeView_SetImageList(tree, strip.Get(), TVSIL_STATE);
  images = std::move(strip);
}

bool FillSampleListFromCombo(HWND combo, const TreeViewFileTree& tree, ListBoxSampleList& samples, bool& infoDisplay) {
  const auto index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index > 0) {
    samples.SetAllTexts(ToU16(ui::WindowText(combo)));
    return false;
  }
  infoDisplay = false;
  samples.Clear();
  FillSampleListFromTree(tree, samples, LoopContext{});  // no waiting window stands over a choice
  infoDisplay = true;
  return true;
}

void WireSampleTextCombo(ui::Control& combo, std::function<void()> onChoice, std::function<void()> onExit,
                         std::function<void()> onEnter) {
  combo.onCommand = [onChoice = std::move(onChoice), onExit = std::move(onExit)](int code) {
    if (code == CBN_SELCHANGE) onChoice();
    if (code == CBN_KILLFOCUS) onExit();
  };
  if (HWND edit = FindWindowExW(combo.hwnd, nullptr, L"Edit", nullptr)) {
    ui::Subclass(edit, [onEnter = std::move(onEnter)](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
      if (message == WM_GETDLGCODE && lParam && reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN) {
        result = DLGC_WANTALLKEYS;
        return true;
      }
      if (message == WM_CHAR && wParam == L'\r') {
        onEnter();
        result = 0;
        return true;
      }
      return false;
    });
  }
}

void FillSampleTextChoices(HWND combo) {
  if (SendMessageW(combo, CB_GETCOUNT, 0, 0) != 0) return;
  for (const std::u16string& text : DefaultSampleTexts())
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(text)));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

bool CommitComboSampleText(HWND combo) {
  SampleTextChoices choices;
  choices.items.clear();
  const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)), L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    choices.items.push_back(ToU16(item));
  }
  choices.selected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
  if (!CommitSampleText(choices, ToU16(ui::WindowText(combo)))) return false;
  if (static_cast<int>(choices.items.size()) > count)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(choices.items.back())));
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(choices.selected), 0);
  return true;
}

ui::Control* AddFontNameBox(ui::Window& parent, ui::Panel& fontType) {
  fontType.Create(parent, ui::dock::Docked(ui::dock::Align::Right, 80), ui::Bevel::Lowered);
  ui::Control& name = ui::AddEdit(parent, L"", ui::dock::Docked(ui::dock::Align::Client, 0), ES_READONLY | ES_AUTOHSCROLL);
  parent.SetControlFont(name, ui::FontSpec{L"MS UI Gothic", 19, 0});
  return &name;
}

void AddDetailRows(ui::Window& panel, int valueWidth, const std::array<ui::Control**, 7>& boxes) {
  using ui::dock::At;
  const wchar_t* captions[] = {L"Pich",     L"CharSet",  L"FullFontName", L"Version",
                               L"FileSize", L"FileName", L"PstscriptName"};
  for (int row = 0; row < 7; ++row) {
    const int top = 4 + row * 26;
    ui::AddLabel(panel, captions[row], At(4, top + 3, 82, 15));
    const bool isLabel = row == 0 || row == 1 || row == 4;
    ui::Control& box = isLabel ? ui::AddLabel(panel, L"", At(90, top + 3, valueWidth, 15, true))
                               : ui::AddEdit(panel, L"", At(90, top, valueWidth, 21, true), ES_READONLY | ES_AUTOHSCROLL);
    if (!isLabel)
      SetWindowLongW(box.hwnd, GWL_EXSTYLE, GetWindowLongW(box.hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    *boxes[static_cast<std::size_t>(row)] = &box;
  }
}

ui::Control* AddLanguageGrid(ui::Window& parent, const ui::dock::Item& place) {
  ui::Control& grid = ui::AddListView(parent, place);
  const wchar_t* headers[] = {L"ID", L"Language", L"FullFontName", L"FontFamilyName"};
  for (int column = 0; column < 4; ++column) {
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = const_cast<wchar_t*>(headers[column]);
    c.cx = 60;
    SendMessageW(grid.hwnd, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
  }
  ui::Control* placed = &grid;
  grid.onPlaced = [placed](const ui::dock::Rect&) { SizeLanguageGrid(placed); };  // Panel_center_topResize
  return &grid;
}

}  // namespace velura
