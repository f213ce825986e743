// FontBrowserForm: what the two font browsers share. A file tree with tick icons, a list of samples drawn
// in each font with the combo of sample texts above it, the details of the font in focus, the search
// dialog's target and the sample printing. Each browser lays these parts out in panels of its own, fills
// the tree from its own list and adds its own commands and status bars.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/file_data.h"
#include "records/procedure_class.h"
#include "settings/ini_keeper.h"
#include "ui/fontviews/browser_panels_win.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/browsers/form_search_dlg_win.h"
#include "ui/fontviews/list_box_zel_win.h"
#include "ui/browsers/search_target_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/menu_win.h"
#include "ui/framework/panel_win.h"
#include "ui/longop/form_status_bar_win.h"

namespace velura {

class WaitBox;

class FontBrowserForm : public ui::Form, protected SearchTarget {
 public:
  // The tree's selection moved: each browser shows the details and its status in its own way.
  virtual void TntTreeView_FileNameChange() = 0;
  // Recomputes the browser's status bars after ticks change.
  virtual void UpdateSummary() = 0;

  void TntTreeView_FileNameMouseDown(int x, int y);
  void TntTreeView_FileNameKeyPress(wchar_t key);
  void ListBox_zel_SampleClick();
  void ListBox_zel_SampleDblClick();
  void ComboBox_SampleTextClick();
  void ComboBox_SampleTextKeyPress(wchar_t key);
  void ComboBox_SampleTextExit();
  void SetSampleSize(int size);
  int SampleSize() const { return sampleSize_; }
  bool DetailsHidden() const { return detailsHidden_; }

  // The tree as the list export writes it: a line per node, indented by level.
  std::vector<std::u16string> TreeTextLines() const;
  TreeViewFileTree& FileTree() { return fileTree_; }
  // The search dialog opened by "検索ウインドウを開く"; null before the first opening and after closing.
  TForm_SearchDlg* SearchDialog() const { return searchDlg_.get(); }
  HMENU MenuBar() const { return GetMenu(Hwnd()); }
  HMENU PopupMenu1() const { return ContextMenu(fileTree_.Hwnd()); }
  HMENU PopupMenu2() const { return ContextMenu(TntListBox_zel_Sample.Hwnd()); }

  // The designed components both browsers have.
  ui::Panel Panel_FontName, Panel_FontType, Panel_BaseLabel, Panel_CodePage, Panel_combo;
  TListBox_zel TntListBox_zel_Sample;
  ui::Control* TntTreeView_FileName = nullptr;
  ui::Control* TntComboBox_SampleText = nullptr;
  ui::Control* TntMemo_FontName = nullptr;
  ui::Control* Label_Pich = nullptr;
  ui::Control* Label_CharSet = nullptr;
  ui::Control* TntMemo_FullFontName = nullptr;
  ui::Control* TntMemo_Version = nullptr;
  ui::Control* Label_FileSize = nullptr;
  ui::Control* TntMemo_FileName = nullptr;
  ui::Control* TntMemo_PstscriptName = nullptr;
  ui::Control* TntStringGrid_FullFontNames = nullptr;
  ui::Control* RichEdit_CodePages = nullptr;
  ui::Control* Label_Copyright = nullptr;
  ui::Control* TntRichEdit_Copyright = nullptr;
  ui::Control* StatusBar1 = nullptr;

 protected:
  FontBrowserForm(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Building the shared parts into the browser's own panels.
  void CreateFileTree(ui::Panel& parent);
  // The sample text combo (comboWidth wide) over the sample list; with spaceTicks a blank typed in the list
  // ticks the tree's node, as in the tree.
  void CreateSampleList(ui::Panel& parent, int comboWidth, bool spaceTicks);
  void CreateFontNameBox(ui::Panel& parent);
  // The seven captioned rows in Panel_BaseLabel, their values valueWidth wide.
  void CreateBaseRows(int valueWidth);
  void CreateCodePageBox(ui::Panel& parent, const ui::dock::Item& place);
  void CreateCopyrightBox(ui::Panel& panel);
  void CreateLanguageGrid(ui::Panel& parent);
  // The shared commands: the pop-ups of the tree, the samples and the copyright box (its two commands' ids),
  // the search dialog, printing the samples of list.
  void SetPopupMenus(const std::vector<ui::MenuEntry>& fileItems, const std::vector<ui::MenuEntry>& sampleItems,
                     int copyrightSelectAll, int copyrightCopy);
  void OpenSearchWindow(const wchar_t* caption);
  void PrintSamplesOf(const TFileData_base& list);

  // A full refill of the tree and the samples, under a wait box: Begin stops both drawing and empties the
  // details; the browser then fills the tree; End expands and sorts it, refreshes its pictures, lists the
  // samples, selects the first file and lets both draw again.
  void BeginTreeRefill();
  void EndTreeRefill(WaitBox& wait);

  LRESULT FileTreeNotify(NMHDR& header);
  LRESULT TntTreeView_FileNameCustomDrawItem(NMTVCUSTOMDRAW& draw);
  bool ListBox_zel_SampleDrawItem(const DRAWITEMSTRUCT& item);
  void FillSampleList();
  void SelectListItemForNode();
  FontInfoControls InfoControls();
  void ClearFontInfo();
  void ShowFontInfo(FileTree::Node node);
  void SizeLanguageGrid();
  std::wstring SampleComboText() const;
  // After WM_DPICHANGED: the sample lines' heights and type, and the state pictures, follow the new DPI.
  void FollowDpi();
  // SearchTarget
  TreeViewFileTree& SearchedTree() override { return fileTree_; }
  void RedrawFoundMarks() override;

  TProcedureClass& engine_;
  TIniKeeper& settings_;
  std::function<void()> showMainWindow_;
  TreeViewFileTree fileTree_;
  ListBoxSampleList samples_;
  bool infoDisplay_ = false;  // false while the tree is being rebuilt
  bool detailsHidden_ = false;
  int sampleSize_ = 18;
  TForm_StatusBar status_;
  ui::UniqueImageList stateImages_;  // ImageList1
  FileNodeFonts nodeFonts_;
  ui::UniqueFont captionFont_;
  std::unique_ptr<TForm_SearchDlg> searchDlg_;

 private:
  ui::Panel* samplePanel_ = nullptr;  // the panel of the sample list, which its size changes relayout
};

}  // namespace velura
