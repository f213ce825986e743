#include "ui/charview/form_symbol_view_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <winspool.h>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "ui/fontviews/font_trees.h"
#include "ui/charview/symbol_print.h"
#include "ui/charview/symbol_rich_text_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/tree_view_win.h"

namespace velura {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

TForm_SymbolView::TForm_SymbolView(const TFileData_base& installed,
                                   std::function<const TFileData_base*()> browsedFonts,
                                   std::function<void()> showMainWindow)
    : installed_(installed), browsedFonts_(std::move(browsedFonts)), showMainWindow_(std::move(showMainWindow)) {
  CreateForm(L"シンボルフォントViewer", WS_OVERLAPPEDWINDOW, 0, 800, 565, nullptr, ui::Placement::Default);
  CreateActions();
  CreateComponents();
  FillFontTree();
}

TForm_SymbolView::~TForm_SymbolView() {
  if (Hwnd()) fontNames_.Clear();
  Destroy();
}

void TForm_SymbolView::CreateActions() {
  ui::ActionList& actions = FormActions();
  actions.Add({.id = EditCopy1, .caption = u"コピー(&C)", .hint = u"コピー", .execute = [this] {
                 SendMessageW(RichEdit1->hwnd, WM_COPY, 0, 0);
               }});
  actions.Add({.id = EditSelectAll1, .caption = u"すべてを選択(&A)", .hint = u"すべてを選択", .execute = [this] {
                 SendMessageW(RichEdit1->hwnd, EM_SETSEL, 0, -1);
               }});
  actions.Add({.id = Action_Print1, .caption = u"印刷", .execute = [this] { Action_Print1Execute(); }});
  actions.SetShortcut(EditCopy1, ui::kShortcutCtrl + 'C');
  actions.SetShortcut(EditSelectAll1, ui::kShortcutCtrl + 'A');
  actions.SetShortcut(Action_Print1, ui::kShortcutCtrl + 'P');
  actions.Add({.id = N3, .caption = u"メニューウインドウを表示", .execute = [this] { N3Click(); }});
  actions.Add({.id = Close1, .caption = u"閉じる", .execute = [this] { Close1Click(); }});

  using ui::MenuEntry;
  SetMenuBar(ui::BuildMenu(actions,
                           {MenuEntry::Submenu(u"編集", {MenuEntry::Item(EditCopy1), MenuEntry::Item(EditSelectAll1),
                                                         MenuEntry::Separator(), MenuEntry::Item(Action_Print1)}),
                            MenuEntry::Item(N3), MenuEntry::Item(Close1)},
                           false));
}

void TForm_SymbolView::CreateComponents() {
  StatusBar1 = &ui::AddStatusBar(*this, {-1});
  Panel_Top.Create(*this, Docked(Align::Top, 161));
  TntTreeView_FontName = &ui::AddTreeView(Panel_Top, Docked(Align::Left, 265), nullptr);
  fontNames_.Attach(TntTreeView_FontName->hwnd);
  TntTreeView_FontName->onNotify = [this](NMHDR& header) { return FontTreeNotify(header); };
  Panel_TopLeft.Create(Panel_Top, Docked(Align::Client, 0));
  const wchar_t* const notes[] = {
      L"英数字などの下に対応するシンボルを表示しています", L"サンプル表示はリッチテキスト形式で表示していますので",
      L"コピーしてワードなどに貼りつけることができます。", L"ここに表示されていない文字はユニコードビューアーで",
      L"確認してください。"};
  for (int i = 0; i < 5; ++i) ui::AddLabel(Panel_TopLeft, notes[i], At(24, 24 + 22 * i, 480, 16, true));

  RichEdit1 = &ui::AddRichEdit(*this, Docked(Align::Client, 0),
                               ES_MULTILINE | ES_NOHIDESEL | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL);
  SetControlFont(*RichEdit1, ui::FontSpec{ToWide(kSymbolViewFace), kSymbolViewPixels, 0});
  SendMessageW(RichEdit1->hwnd, EM_SETTARGETDEVICE, 0, 1);  // no word wrap: each line stays one line
  SendMessageW(RichEdit1->hwnd, EM_SHOWSCROLLBAR, SB_VERT, TRUE);
  SendMessageW(RichEdit1->hwnd, EM_SHOWSCROLLBAR, SB_HORZ, TRUE);

  using ui::MenuEntry;
  SetContextMenu(*RichEdit1, {MenuEntry::Item(EditCopy1), MenuEntry::Item(EditSelectAll1), MenuEntry::Separator(),
                              MenuEntry::Item(Action_Print1)});  // PopupMenu1
  Relayout();
}

void TForm_SymbolView::FillFontTree() {
  fontNames_.Clear();
  const TFileData_base* browsed = browsedFonts_ ? browsedFonts_() : nullptr;
  BuildFontNameTree(fontNames_, true, installed_, browsed);
  fontNames_.ExpandAll();
  // The node at absolute position 1: the first family, or the second root when the first has none.
  const HWND tree = TntTreeView_FontName->hwnd;
  const HTREEITEM first = ui::TreeRoot(tree);
  if (HTREEITEM second = ui::TreeNextVisible(tree, first)) ui::SelectTreeItem(tree, second);
  ui::EnsureTreeItemVisible(tree, first);
}

void TForm_SymbolView::ShowSymbolSample(const std::u16string& fontName) {
  WriteSymbolSample(RichEdit1->hwnd, BuildSymbolSample(fontName));
}

void TForm_SymbolView::ShowNode(FileTree::Node node) {
  if (!node || !ShowsSymbolSample(fontNames_.Level(node))) return;
  ShowSymbolSample(ToU16(fontNames_.Text(node)));
}

LRESULT TForm_SymbolView::FontTreeNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW:
      TntTreeView_FontNameChange();
      return 0;
    case NM_CLICK:
      TntTreeView_FontNameClick();
      return 0;
    case NM_CUSTOMDRAW:
      return ui::PaintTreeItem(
          header, [this](const ui::TreeItemPaint& paint) { return TntTreeView_FontNameAdvancedCustomDrawItem(paint); });
  }
  return 0;
}

void TForm_SymbolView::TntTreeView_FontNameChange() { ShowNode(fontNames_.Selected()); }

void TForm_SymbolView::TntTreeView_FontNameClick() {
  // A click on the node already selected sends no change; the node under the mouse is shown again.
  const ui::TreeHit hit = ui::HitTestTreeAtMessagePos(TntTreeView_FontName->hwnd);
  if (hit.item && (hit.flags & TVHT_ONITEM)) ShowNode(fontNames_.NodeOfItem(hit.item));
}

ui::TreeItemLook TForm_SymbolView::TntTreeView_FontNameAdvancedCustomDrawItem(const ui::TreeItemPaint& paint) {
  const auto node = reinterpret_cast<FileTree::Node>(paint.data);  // every node's data is its entry
  if (!node || !DrawsUnderlined(fontNames_.Level(node))) return {};
  ui::FontSpec font = TntTreeView_FontName->font.value_or(ui::FontSpec{});
  font.underline = true;
  return {.font = FontHandle(font)};
}

void TForm_SymbolView::Action_Print1Execute() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) {
    ShowMessage(std::u16string(kNoPrinterText), u"VELURA", MessageIcon::Warning);
    return;
  }
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Hwnd();
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
  if (!PrintDlgW(&dialog)) return;  // cancelled
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (!dialog.hDC) return;
  const bool printed = PrintRichEdit(RichEdit1->hwnd, dialog.hDC, ToWide(kSymbolPrintTitle));
  DeleteDC(dialog.hDC);
  if (!printed) ShowMessage(u"印刷できませんでした。", u"VELURA", MessageIcon::Error);
}

void TForm_SymbolView::N3Click() {
  if (showMainWindow_) showMainWindow_();
}

void TForm_SymbolView::Close1Click() { PostMessageW(Hwnd(), WM_CLOSE, 0, 0); }

}  // namespace velura
