#include "ui/charview/form_unicode_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "ui/charview/face_char_map_win.h"
#include "ui/charview/face_glyphs.h"
#include "ui/charview/unicode_names.h"
#include "ui/fontviews/font_trees.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/tree_view_win.h"

namespace velura {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

Tform_unicode::Tform_unicode(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow,
                             std::function<const TFileData_base*()> browsedFonts)
    : engine_(engine),
      settings_(settings),
      showMainWindow_(std::move(showMainWindow)),
      browsedFonts_(std::move(browsedFonts)) {
  CreateForm(L"Unicode Viewer", WS_OVERLAPPEDWINDOW, 0, 792, 519, nullptr, ui::Placement::Default);
  SetFont(ui::FontSpec{L"MS UI Gothic", 0, 9});
  CreateActions();
  CreateComponents();
  CreateMenus();
  // FormCreate: the enlarged view, hidden until asked for.
  BigView = std::make_unique<TForm_UniBigView>(Hwnd());
  pointSize_ = kInitialGridPoints;
}

Tform_unicode::~Tform_unicode() {
  Destroy();
  BigView.reset();
}

void Tform_unicode::CreateComponents() {
  // The block range, the code point (wider than the designed 50 so that its text fits), how many of the
  // block's characters the face has, and the code point's name.
  StatusBar1 = &ui::AddStatusBar(*this, {190, 110, 150, -1});

  Panel_left.Create(*this, Docked(Align::Left, 220, "Panel_left"));
  ui::AddSplitter(*this, Align::Left, 4, "Panel_left");
  Panel_right.Create(*this, Docked(Align::Client, 0));

  TntTreeView_FontName = &ui::AddTreeView(Panel_left, Docked(Align::Top, 280, "TntTreeView_FontName"), nullptr);
  fontTree_.Attach(TntTreeView_FontName->hwnd);
  TntTreeView_FontName->onNotify = [this](NMHDR& header) { return FontTreeNotify(header); };
  ui::AddSplitter(Panel_left, Align::Top, 4, "TntTreeView_FontName");
  Panel_tlttle.Create(Panel_left, Docked(Align::Top, 20), ui::Bevel::Raised, L"Character Block");
  ListBox_zel1.Create(Panel_left, Docked(Align::Client, 0), WS_VSCROLL | WS_BORDER);
  ListBox_zel1.SetClickCancel(false);
  ListBox_zel1.OnClick = [this] { ListBox_zel1Click(); };

  Panel_Bottom.Create(Panel_right, Docked(Align::Bottom, 66));
  ui::AddLabel(Panel_Bottom, L"フォントサイズ", At(8, 11, 72, 13));
  SpinEdit1 = &ui::AddSpinEdit(Panel_Bottom, At(84, 7, 52, 21), kMinGridPoints, kMaxGridPoints, kInitialGridPoints);
  ui::AddLabel(Panel_Bottom, L"グリッドをダブルクリックで下に追加後コピーしてください", At(148, 11, 400, 13));
  TntRichEdit1 = &ui::AddRichEdit(Panel_Bottom, At(8, 36, 380, 24, true), ES_AUTOHSCROLL);
  Button_ViewShow = &ui::AddButton(Panel_Bottom, L"拡大表示", At(396, 35, 75, 25));
  Button_ViewShow->dock.anchors = {false, true, true, false};
  Button_ViewShow->onCommand = [this](int code) {
    if (code == BN_CLICKED) Button_ViewShowClick();
  };
  Button_Copy = &ui::AddButton(Panel_Bottom, L"コピー", At(476, 35, 75, 25));
  Button_Copy->dock.anchors = {false, true, true, false};
  Button_Copy->onCommand = [this](int code) {
    if (code == BN_CLICKED) Button_CopyClick();
  };

  ui::Control& grid = TntStringGrid1.Create(Panel_right, Docked(Align::Client, 0));
  grid.onDpiChange = [this](int oldDpi, int newDpi) {
    TntStringGrid1.RescaleCells(oldDpi, newDpi);
    TntStringGrid1.SetCellSize(pointSizeChanged_ ? GridCellSize(pointSize_, newDpi) : DesignCellSize(newDpi));
    if (!haveLogFont_) return;
    LOGFONTW rescaled = logFont_;
    rescaled.lfHeight = GridFontHeight(pointSize_, newDpi);
    if (HFONT font = CreateFontIndirectW(&rescaled)) {
      logFont_ = rescaled;
      TntStringGrid1.SetCellFont(font);
      gridFont_.Reset(font);
    }
  };
  TntStringGrid1.OnClick = [this] { TntStringGrid1Click(); };
  TntStringGrid1.OnDblClick = [this] { TntStringGrid1DblClick(); };
  // Wired after creation: the point size counts as changed only once the user changes it, so the cells
  // keep their designed size until then.
  SpinEdit1->onCommand = [this](int code) {
    if (code == EN_CHANGE) SpinEdit1Change();
  };
  Relayout();
}

void Tform_unicode::Open() {
  FormShow();
  Show(SW_SHOWNORMAL);
}

void Tform_unicode::FormShow() {
  SendMessageW(ListBox_zel1.Hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(ListBox_zel1.Hwnd(), LB_RESETCONTENT, 0, 0);
  for (int index = 0; index < ViewerBlockCount(); ++index)
    SendMessageW(ListBox_zel1.Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ViewerBlock(index).Name));
  SendMessageW(ListBox_zel1.Hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(ListBox_zel1.Hwnd(), nullptr, TRUE);
  FillFontTree();
  SelectBlock(0);
  for (int n = 0; n < kUserItemCount; ++n) {
    favourites_[static_cast<std::size_t>(n)] = FavouriteFromStored(settings_.ReadUserItem(n));
  }
  favouritesLoaded_ = true;
}

void Tform_unicode::FillFontTree() {
  fillingTree_ = true;
  SendMessageW(fontTree_.Hwnd(), WM_SETREDRAW, FALSE, 0);
  fontTree_.Clear();
  BuildFontNameTree(fontTree_, false, engine_.Installed(), browsedFonts_ ? browsedFonts_() : nullptr);
  fontTree_.ExpandAll();
  // The node at absolute position 1: the first family under the first root.
  if (FileTree::Node root = fontTree_.First()) {
    if (FileTree::Node first = fontTree_.FirstChild(root)) fontTree_.Select(first);
    else fontTree_.Select(root);
  }
  SendMessageW(fontTree_.Hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(fontTree_.Hwnd(), nullptr, TRUE);
  ui::EnsureTreeItemVisible(fontTree_.Hwnd(), ui::TreeSelection(fontTree_.Hwnd()));
  fillingTree_ = false;
}

void Tform_unicode::SelectBlock(int index) {
  // The list jumps to a far line without drawing each scroll on the way: it is drawn once, afterwards.
  const HWND list = ListBox_zel1.Hwnd();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  selectingBlock_ = true;
  ListBox_zel1.SelectIndex(index);
  selectingBlock_ = false;
  // A list box without integral height may count a line cut off at its bottom as shown: scroll the block's
  // line fully into view.
  RECT line{}, client{};
  GetClientRect(list, &client);
  if (index >= 0 &&
      SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&line)) != LB_ERR &&
      line.bottom > client.bottom && line.bottom > line.top) {
    const int fullLines = std::max(1, static_cast<int>(client.bottom / (line.bottom - line.top)));
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, index - fullLines + 1)), 0);
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  ShowBlock(index);
}

void Tform_unicode::ListBox_zel1Click() {
  if (!selectingBlock_) ShowBlock(ListBox_zel1.CurrentIndex());
}

void Tform_unicode::ShowBlock(int index) {
  if (index < 0 || index >= ViewerBlockCount()) return;
  currentBlock_ = index;
  const TUniBlock& block = ViewerBlock(index);
  ApplyFontFromTree();
  TntStringGrid1.SetBlock(block);
  ShowCurrentCell();
  ui::SetStatusText(*StatusBar1, 0, ToWide(BlockRangeText(block)));
  ui::SetStatusText(*StatusBar1, 2, ToWide(CoverageText(TntStringGrid1.CharMap(), block.First, block.Last)));
}

std::wstring Tform_unicode::SelectedFaceName() const {
  const FileTree::Node node = fontTree_.Selected();
  return node ? fontTree_.Text(node) : std::wstring();
}

void Tform_unicode::ApplyFontFromTree() {
  LOGFONTW found{};
  const std::wstring face = SelectedFaceName();
  if (face.empty() || !FindLogFont(face, found)) return;  // a root node, or a name GDI does not know
  found.lfHeight = GridFontHeight(pointSize_, TntStringGrid1.Dpi());
  found.lfWidth = 0;
  HFONT font = CreateFontIndirectW(&found);
  if (!font) return;
  logFont_ = found;
  haveLogFont_ = true;
  TntStringGrid1.SetCellFont(font);
  gridFont_.Reset(font);
  if (face != mapFace_) {  // the size does not change what the face maps
    TntStringGrid1.SetFaceCharacters(ReadFaceCharacters(font));
    mapFace_ = face;
  }
}

void Tform_unicode::TntTreeView_FontNameChange() {
  if (fillingTree_ || currentBlock_ < 0) return;
  ShowBlock(currentBlock_);
}

void Tform_unicode::TntStringGrid1Click() { ShowCurrentCell(); }

char32_t Tform_unicode::CurrentCodePoint() const {
  if (currentBlock_ < 0) return 0;
  return ViewerBlock(currentBlock_).First + static_cast<char32_t>(kGridColumns * TntStringGrid1.Row() + TntStringGrid1.Column());
}

void Tform_unicode::ShowCurrentCell() {
  if (currentBlock_ < 0) return;
  const char32_t code = CurrentCodePoint();
  BigView->ShowCharacter(SelectedFaceName(), code);
  ui::SetStatusText(*StatusBar1, 1, ToWide(CodePointText(code)));
  const std::u16string name = CharacterName(code);
  ui::SetStatusText(*StatusBar1, 3, ToWide(UPlusText(code) + u"  " + (name.empty() ? u"（未割り当て）" : name)));
}

void Tform_unicode::SelectCodePoint(int listIndex, char32_t codePoint) {
  if (listIndex < 0 || listIndex >= ViewerBlockCount()) return;
  const int cell = CellOfCodePoint(ViewerBlock(listIndex), codePoint);
  if (cell < 0) return;
  SelectBlock(listIndex);
  TntStringGrid1.SelectCell(cell / kGridColumns, cell % kGridColumns);  // shows the cell (OnClick)
}

void Tform_unicode::SpinEdit1Change() {
  const std::wstring text = ui::WindowText(SpinEdit1->hwnd);
  wchar_t* end = nullptr;
  const long value = std::wcstol(text.c_str(), &end, 10);
  if (text.empty() || (end && *end) || value < kMinGridPoints || value > kMaxGridPoints) return;
  const int points = static_cast<int>(value);
  const int dpi = TntStringGrid1.Dpi();  // the screen's vertical pixels per inch, or the window's own
  if (haveLogFont_) {
    LOGFONTW resized = logFont_;
    resized.lfHeight = GridFontHeight(points, dpi);
    resized.lfWidth = 0;
    HFONT font = CreateFontIndirectW(&resized);
    if (!font) return;
    logFont_ = resized;
    TntStringGrid1.SetCellFont(font);
    gridFont_.Reset(font);
  }
  pointSize_ = points;
  pointSizeChanged_ = true;
  TntStringGrid1.SetCellSize(GridCellSize(points, dpi));
}

void Tform_unicode::Button_ViewShowClick() { BigView->Open(); }

LRESULT Tform_unicode::FontTreeNotify(NMHDR& header) {
  if (header.code == TVN_SELCHANGEDW) {
    TntTreeView_FontNameChange();
    return 0;
  }
  // TntTreeView_FontNameAdvancedCustomDrawItem: roots underlined, the selected node in highlight text.
  return ui::PaintTreeItem(header, [this](const ui::TreeItemPaint& paint) {
    ui::TreeItemLook look;
    if (paint.selected) {
      // On the highlight also when the tree has no focus: highlight text on the pale unfocused selection
      // would be unreadable.
      look.text = GetSysColor(COLOR_HIGHLIGHTTEXT);
      look.background = GetSysColor(COLOR_HIGHLIGHT);
    }
    if (paint.item && !ui::TreeParent(fontTree_.Hwnd(), paint.item)) {
      if (!rootFont_ || rootFontDpi_ != Dpi()) {
        LOGFONTW face{};
        const HFONT current = reinterpret_cast<HFONT>(SendMessageW(fontTree_.Hwnd(), WM_GETFONT, 0, 0));
        GetObjectW(current ? static_cast<HGDIOBJ>(current) : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
        face.lfUnderline = TRUE;
        rootFont_.Reset(CreateFontIndirectW(&face));
        rootFontDpi_ = Dpi();
      }
      look.font = rootFont_.Get();
    }
    return look;
  });
}

void Tform_unicode::WriteFavourites() {
  if (favouritesWritten_ || !favouritesLoaded_) return;  // never shown: the stored favourites stay as they are
  favouritesWritten_ = true;
  for (int n = 0; n < kUserItemCount; ++n) {
    const TUserItem& slot = favourites_[static_cast<std::size_t>(n)];
    settings_.WriteUserItem(n, StoredFavourite(slot));
  }
}

}  // namespace velura
