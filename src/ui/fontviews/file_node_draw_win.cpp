#include "ui/fontviews/file_node_draw_win.h"

#include <utility>

#include "platform/resource_ids.h"
#include "records/record_rules.h"
#include "ui/fontviews/file_node_look.h"
#include "ui/fontviews/font_info.h"
#include "ui/framework/image_list_win.h"

namespace velura {

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

void ReloadStateImages(HWND tree, ui::UniqueImageList& images, int dpi) {
  ui::UniqueImageList strip = ui::LoadImageStrip(IDB_STATE_IMAGES_12, IDB_STATE_IMAGES_24, 12, dpi);
  TreeView_SetImageList(tree, strip.Get(), TVSIL_STATE);
  images = std::move(strip);
  // Items already in the tree keep their text where the old pictures ended until the tree lays them out
  // again, which setting its font does.
  SendMessageW(tree, WM_SETFONT, SendMessageW(tree, WM_GETFONT, 0, 0), TRUE);
}

}  // namespace velura
