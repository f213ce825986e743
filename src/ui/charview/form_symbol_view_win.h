// TForm_SymbolView: "シンボルフォントViewer". A tree of the symbol font families; the chosen family's sample
// (symbol_sample.h) as rich text that can be copied, selected and printed.
#pragma once
#include <functional>
#include <string>

#include "records/file_data.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/panel_win.h"
#include "ui/framework/tree_view_win.h"

namespace velura {

class TForm_SymbolView : public ui::Form {
 public:
  enum ActionId : int {
    EditCopy1 = 401,
    EditSelectAll1,
    Action_Print1,
    N3,      // "メニューウインドウを表示"
    Close1,  // "閉じる"
  };

  // FormCreate: the window with the symbol families of `installed`, and of the list browsedFonts gives (the
  // not-installed browser's while it is showing; empty or null for none). showMainWindow brings the launcher
  // forward. The launcher places and shows the window.
  TForm_SymbolView(const TFileData_base& installed, std::function<const TFileData_base*()> browsedFonts,
                   std::function<void()> showMainWindow);
  ~TForm_SymbolView() override;  // FormDestroy

  void ShowSymbolSample(const std::u16string& fontName);

  void TntTreeView_FontNameChange();
  void TntTreeView_FontNameClick();
  void Action_Print1Execute();
  void N3Click();
  void Close1Click();

  HWND RichEdit() const { return RichEdit1->hwnd; }
  HWND FontTree() const { return TntTreeView_FontName->hwnd; }
  TreeViewFileTree& FontNames() { return fontNames_; }

 private:
  void CreateActions();
  void CreateComponents();
  void FillFontTree();
  // Shows the node's text when it stands for a font; the roots leave the sample as it is.
  void ShowNode(FileTree::Node node);
  LRESULT FontTreeNotify(NMHDR& header);
  ui::TreeItemLook TntTreeView_FontNameAdvancedCustomDrawItem(const ui::TreeItemPaint& paint);

  const TFileData_base& installed_;
  std::function<const TFileData_base*()> browsedFonts_;
  std::function<void()> showMainWindow_;

  ui::Panel Panel_Top;
  ui::Panel Panel_TopLeft;
  ui::Control* TntTreeView_FontName = nullptr;
  ui::Control* RichEdit1 = nullptr;
  ui::Control* StatusBar1 = nullptr;
  TreeViewFileTree fontNames_;
};

}  // namespace velura
