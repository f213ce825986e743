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
#include "ui/fontviews/char_filter.h"
#include "ui/fontviews/char_filter_bar_win.h"
#include "ui/fontviews/file_node_draw_win.h"
#include "ui/fontviews/font_details_panel_win.h"
#include "ui/fontviews/font_sample_pane_win.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/browsers/form_search_dlg_win.h"
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
  void SetSampleSize(int size) { samplePane_.SetSize(size); }
  int SampleSize() const { return samplePane_.Size(); }
  bool DetailsHidden() const { return detailsHidden_; }

  // The tree as the list export writes it: a line per node, indented by level.
  std::vector<std::u16string> TreeTextLines() const;
  TreeViewFileTree& FileTree() { return fileTree_; }
  // The search dialog opened by "検索ウインドウを開く"; null before the first opening and after closing.
  TForm_SearchDlg* SearchDialog() const { return searchDlg_.get(); }
  HMENU MenuBar() const { return GetMenu(Hwnd()); }
  HMENU PopupMenu1() const { return ContextMenu(fileTree_.Hwnd()); }
  HMENU PopupMenu2() const { return ContextMenu(samplePane_.ListHwnd()); }
  FontSamplePane& Samples() { return samplePane_; }
  FontDetailsPanel& Details() { return details_; }
  CharFilterBar& CharFilterBox() { return filterBar_; }
  const CharFilter& Filter() const { return filter_; }

  // The designed components both browsers have; the samples and the details are in their own parts.
  ui::Panel Panel_FontName, Panel_BaseLabel, Panel_CodePage;
  ui::Control* TntTreeView_FileName = nullptr;
  ui::Control* StatusBar1 = nullptr;
  ui::Control* ElevationHintBar = nullptr;  // only where "管理者として再起動" is offered

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
  void CreateCopyrightBox(ui::Panel& panel) { details_.CreateCopyright(panel); }
  void CreateLanguageGrid(ui::Panel& parent) { details_.CreateLanguageGrid(parent, ui::dock::Docked(ui::dock::Align::Client, 0)); }
  // "文字で絞り込む" at the top of parent (designWidth wide at 96 DPI).
  void CreateCharFilter(ui::Panel& parent, int designWidth);

  // The character filter. The records it tests and the refill of the tree and samples are the browser's.
  virtual std::vector<TFileDataItem*> FilterRecords() = 0;
  virtual void RefillFiltered() = 0;
  // A change in the filter's boxes: reads what it needs (the first time, in the status window), refills.
  void CharFilterChange();
  // Before a refill of a new list: reads what the filter in force needs of it; a stopped reading shows all.
  void PrepareFilterFor(const std::vector<TFileDataItem*>& records);
  // Which records the tree shows; empty while the filter asks for nothing.
  RecordShown ShownByFilter() const;
  // The shared commands: the pop-ups of the tree, the samples and the copyright box (its two commands' ids),
  // the search dialog, printing the samples of list.
  void SetPopupMenus(const std::vector<ui::MenuEntry>& fileItems, const std::vector<ui::MenuEntry>& sampleItems,
                     int copyrightSelectAll, int copyrightCopy);
  void OpenSearchWindow(const wchar_t* caption);
  // "コピー" and "すべてを選択": on the focused text control, the focused tree node or the copyright box.
  void EditCopy1Execute();
  void EditSelectAll1Execute();
  void PrintSamplesOf(const TFileData_base& list);

  // A full refill of the tree and the samples, under a wait box: Begin stops both drawing and empties the
  // details; the browser then fills the tree; End expands and sorts it, refreshes its pictures, lists the
  // samples, selects the first file and lets both draw again.
  void BeginTreeRefill();
  void EndTreeRefill(WaitBox& wait);

  LRESULT FileTreeNotify(NMHDR& header);
  LRESULT TntTreeView_FileNameCustomDrawItem(NMTVCUSTOMDRAW& draw);
  void SelectListItemForNode() { samplePane_.SelectLineOf(fileTree_.Selected()); }
  void ClearFontInfo() { details_.Clear(); }
  void ShowFontInfo(FileTree::Node node);
  void SizeLanguageGrid() { details_.SizeLanguageGrid(); }
  // After WM_DPICHANGED: the sample lines' heights and type, and the state pictures, follow the new DPI.
  void FollowDpi();
  // SearchTarget
  TreeViewFileTree& SearchedTree() override { return fileTree_; }
  void RedrawFoundMarks() override;

  TProcedureClass& engine_;
  TIniKeeper& settings_;
  std::function<void()> showMainWindow_;
  // "管理者として再起動", from the launcher; empty where the window is made without one (tests).
  std::function<void()> restartElevated_;
  bool offersRestart_ = false;  // the restart action was added: its hint bar shows
  TreeViewFileTree fileTree_;
  FontSamplePane samplePane_;
  FontDetailsPanel details_;
  CharFilterBar filterBar_;
  CharFilter filter_;  // in force: what the tree and samples show
  bool infoDisplay_ = false;  // false while the tree is being rebuilt
  bool detailsHidden_ = false;
  TForm_StatusBar status_;
  ui::UniqueImageList stateImages_;  // ImageList1
  FileNodeFonts nodeFonts_;
  std::unique_ptr<TForm_SearchDlg> searchDlg_;
};

}  // namespace velura
