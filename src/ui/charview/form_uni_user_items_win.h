// TForm_UniUserItems: the modal dialog that edits the Unicode viewer's ten favourite blocks as a table of
// ten rows; OK writes the table back into the slots, filled rows first; Cancel leaves them.
#pragma once
#include <windows.h>

#include "ui/charview/favourites.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"

namespace velura {

class TForm_UniUserItems : public ui::Form {
 public:
  // Loads the table from the slots; the combo box starts at the viewer's current block.
  TForm_UniUserItems(HWND owner, const TUserItems& slots, int currentBlock);
  ~TForm_UniUserItems() override;

  FavouritesTable& Table() { return table_; }
  int CurrentRow() const { return currentRow_; }  // 0 ... 9 for rows 1 ... 10
  void SelectRow(int row);

  void StringGrid1Click();
  void StringGrid1RowMoved(int from, int to);
  void Edit_UserStrChange();
  void Button_AddClick();
  void Button_DelClick();
  void Button_AllDelClick();
  void Button_Sort_indexClick(int tag);

  ui::Control* StringGrid1 = nullptr;
  ui::Control* Label_blockName = nullptr;
  ui::Control* Edit_UserStr = nullptr;
  ui::Control* ComboBox_BlockStr = nullptr;
  ui::Control* Button_Add = nullptr;
  ui::Control* Button_Sort_index = nullptr;
  ui::Control* Button_sort_block = nullptr;
  ui::Control* Button_Del = nullptr;
  ui::Control* Button_AllDel = nullptr;
  ui::Control* Memo1 = nullptr;
  ui::Control* BitBtn1 = nullptr;
  ui::Control* BitBtn2 = nullptr;

 private:
  void CreateComponents();
  void FillGrid();
  void ShowRowDetails();
  void WatchRowDrags();

  FavouritesTable table_;
  int currentRow_ = 0;
  bool showingDetails_ = false;
  int dragFrom_ = -1;
  ui::UniqueImageList rowHeight_;
};

// EditFavourites: runs the dialog over the viewer; on OK the slots are rebuilt from the table. True on OK.
bool RunFavouritesDialog(HWND viewer, TUserItems& slots, int currentBlock);

}  // namespace velura
