// Tform_unicode: the Unicode block viewer. One block at a time (the viewer's own table, then the other
// blocks of every plane), sixteen code points to a grid row, drawn in the family chosen in the font tree at
// the chosen point size, cells the face lacks left empty on grey; the current
// character enlarged in TForm_UniBigView; characters collected into a one-line rich edit (newest first)
// and copied; ten favourite blocks kept in the settings. Split over form_unicode_win.cpp (construction,
// life cycle, block and font, grid) and form_unicode_favourites_win.cpp (favourites, collecting, copying).
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/file_data.h"
#include "records/procedure_class.h"
#include "settings/ini_keeper.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/fontviews/list_box_zel_win.h"
#include "ui/charview/favourites.h"
#include "ui/charview/form_uni_big_view_win.h"
#include "ui/charview/unicode_grid_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"

namespace velura {

class Tform_unicode : public ui::Form {
 public:
  // The commands; nested, as other windows use some of the same designed names.
  enum ActionId : int {
    Action_UserList_Open = 401,
    Action_UserList_Add,
    N2,  // "メニューウインドウを表示"
    Close1,
    tiCopyAll,
    tiSelCopy,
    Action_GoToCodePoint,  // "コードポイントへ移動"
    kFavouriteCommand = 420,  // the favourite items of the menus: kFavouriteCommand + their number k
  };

  // FormCreate. showMainWindow brings the launcher forward; browsedFonts gives the not-installed browser's
  // list while that browser is showing (null otherwise), for the font tree's second root.
  Tform_unicode(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow,
                std::function<const TFileData_base*()> browsedFonts = {});
  ~Tform_unicode() override;  // FormDestroy

  // Shows the window: FormShow, then the window itself.
  void Open();
  void FormShow();

  // Block selection: makes the block (a list index) the list's current line and shows it in the grid.
  void SelectBlock(int index);
  // Selects the code point's block and its cell (after "コードポイントへ移動").
  void SelectCodePoint(int listIndex, char32_t codePoint);
  // The code point of the current cell.
  char32_t CurrentCodePoint() const;
  int CurrentBlock() const { return currentBlock_; }
  int PointSize() const { return pointSize_; }
  HFONT GridFont() const { return gridFont_.Get(); }
  const LOGFONTW& CurrentLogFont() const { return logFont_; }
  TUserItems& Favourites() { return favourites_; }
  TreeViewFileTree& FontTree() { return fontTree_; }
  HMENU FavouritesMenu() const;  // N1
  HMENU PopupMenu_UserItem() const;
  HMENU TntPopupMenu1() const;
  // The favourite items of a menu now: (caption, tag) in menu order.
  std::vector<FavouriteMenuItem> FavouriteItemsOf(HMENU menu) const;

  void ListBox_zel1Click();
  void TntTreeView_FontNameChange();
  void TntStringGrid1Click();
  void TntStringGrid1DblClick();
  void SpinEdit1Change();
  void Button_ViewShowClick();
  void Button_CopyClick();
  void tiCopyAllClick();
  void tiSelCopyClick();
  // N1Click and PopupMenu_UserItemPopup: the menu's favourite items built anew.
  void BuildFavouriteItems(HMENU menu);
  void Action_UserList_OpenExecute();
  void Action_UserList_AddExecute();
  void Action_GoToCodePointExecute();

  // The designed components.
  ui::Panel Panel_left, Panel_tlttle, Panel_right, Panel_Bottom;
  ui::Control* TntTreeView_FontName = nullptr;
  TListBox_zel ListBox_zel1;
  UnicodeGrid TntStringGrid1;
  ui::Control* SpinEdit1 = nullptr;
  ui::Control* TntRichEdit1 = nullptr;
  ui::Control* Button_ViewShow = nullptr;
  ui::Control* Button_Copy = nullptr;
  ui::Control* StatusBar1 = nullptr;
  std::unique_ptr<TForm_UniBigView> BigView;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // form_unicode_win.cpp
  void CreateComponents();
  void FillFontTree();
  void ShowBlock(int index);
  void ApplyFontFromTree();
  void ShowCurrentCell();
  std::wstring SelectedFaceName() const;
  LRESULT FontTreeNotify(NMHDR& header);
  void WriteFavourites();
  // form_unicode_favourites_win.cpp
  void CreateActions();
  void CreateMenus();
  bool EditFavourites();
  void CopyRichEdit(bool all);
  int RichEditTextLength() const;
  int RichEditSelectionLength() const;

  TProcedureClass& engine_;
  TIniKeeper& settings_;
  std::function<void()> showMainWindow_;
  std::function<const TFileData_base*()> browsedFonts_;
  TreeViewFileTree fontTree_;
  TUserItems favourites_{};
  std::vector<int> favouriteTags_;  // the tags of the favourite items built last, by their number k
  int currentBlock_ = -1;
  int pointSize_ = kInitialGridPoints;
  LOGFONTW logFont_{};
  std::wstring mapFace_;  // the face whose character map the grid holds
  bool haveLogFont_ = false;
  bool pointSizeChanged_ = false;  // the cells follow the point size from its first change on
  bool fillingTree_ = false;
  bool selectingBlock_ = false;
  bool favouritesWritten_ = false;
  bool favouritesLoaded_ = false;
  ui::UniqueFont gridFont_;
  ui::UniqueFont rootFont_;
  int rootFontDpi_ = 0;
};

}  // namespace velura
