// TForm_Installed: the installed-font browser. Every installed file of the engine's list is shown under the
// folder it lies in, with tick icons, one sample line per font and the details of the font in focus; ticked
// files can be uninstalled (after the guard for the fonts the system's mapping tables need), removed from
// the registry alone, copied and exported. Split over form_installed_win.cpp (construction, layout, life
// cycle, reload), form_installed_actions_win.cpp (commands, menus, enabling, uninstall, summary) and
// form_installed_view_win.cpp (tree, samples, details).
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/procedure_class.h"
#include "settings/ini_keeper.h"
#include "ui/browsers/browser_panels_win.h"
#include "ui/browsers/file_tree_view_win.h"
#include "ui/browsers/form_search_dlg_win.h"
#include "ui/browsers/installed_browser_rules.h"
#include "ui/browsers/list_box_zel_win.h"
#include "ui/browsers/search_target_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"
#include "ui/longop/form_status_bar_win.h"

namespace velura {

class TForm_Installed : public ui::Form, private SearchTarget {
 public:
  // The commands, each the id of its WM_COMMAND.
  enum ActionId : int {
    Action_UnInstall = 401,
    Action_UnSelectAll,
    Action_Reversal,
    Action_CopyFile,
    Action_SelectAllInDir,
    Action_UnSelectAllInDir,
    Action_Print,
    Action_ExportTreeTxt,
    Action_ShowMainForm,
    EditCopy1,
    EditSelectAll1,
    Action_ShowSearchWnd,
    Action_SelectSearchFont,
    Action_ExportFontCsvFile,
    N21,        // "詳細を隠す"
    Close1,     // "閉じる"
    ms9 = 440,  // the sample size radio items (ms9 to ms90, ps9 to ps90), in kSampleSizes order
  };

  // FormCreate. showMainWindow brings the launcher forward.
  TForm_Installed(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow);
  ~TForm_Installed() override;

  // Shows the window, then runs FormShow (the full reload), so that the wait box stands over it.
  void Open();
  void FormShow();
  void FormClose();

  // The full reload: names, tree, samples, from the engine's installed list.
  void Reload();

  void TntTreeView_FileNameChange();
  void TntTreeView_FileNameMouseDown(int x, int y);
  void TntTreeView_FileNameKeyPress(wchar_t key);
  void ListBox_zel_SampleClick();
  void ListBox_zel_SampleDblClick();
  void ComboBox_SampleTextClick();
  void ComboBox_SampleTextKeyPress(wchar_t key);
  void ComboBox_SampleTextExit();
  void N21Click();
  // ps72Click: sets the sample size and stores it as "opFontSize".
  void SampleSizeClick(int size);
  int SampleSize() const { return sampleSize_; }
  bool DetailsHidden() const { return detailsHidden_; }

  // Writes the tree export to a file (what Action_ExportTreeTxt does after asking for the name).
  bool ExportTreeTo(const std::wstring& path) const;
  std::vector<std::u16string> TreeTextLines() const;

  InstalledBrowserState State() const;
  // Recomputes both status bars (Algorithms of the summary); nothing is written for an empty tree.
  void UpdateSummary();
  TreeViewFileTree& FileTree() { return fileTree_; }
  // The search dialog opened by "検索ウインドウを開く"; null before the first opening and after closing.
  TForm_SearchDlg* SearchDialog() const { return searchDlg_.get(); }
  HMENU MenuBar() const { return GetMenu(Hwnd()); }
  HMENU PopupMenu1() const { return ContextMenu(fileTree_.Hwnd()); }
  HMENU PopupMenu2() const { return ContextMenu(TntListBox_zel_Sample.Hwnd()); }

  // The designed components.
  ui::Panel Panel_left, Panel_client, Panel1, Panel_FontName, Panel_FontType, Panel_BaseLabel, Panel_right,
      Panel_CodePage, Panel_Copyright, Panel_combo;
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
  ui::Control* StatusBar2 = nullptr;
  ui::Control* Splitter1 = nullptr;

 protected:
  void OnClose() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // form_installed_win.cpp
  void CreateComponents();
  void CreateDetails();
  void ClearTree();
  // form_installed_actions_win.cpp
  void CreateActions();
  void CreateMenus();
  void Action_UnInstallExecute();
  void RemoveRegistryEntriesOfTicked();
  void Action_ExportTreeTxtExecute();
  void SelectAllInDir(bool tick);
  void Action_PrintExecute();
  void OpenSearchWindow();  // Action_ShowSearchWndExecute
  // SearchTarget
  TreeViewFileTree& SearchedTree() override { return fileTree_; }
  void RedrawFoundMarks() override;
  // form_installed_view_win.cpp
  LRESULT FileTreeNotify(NMHDR& header);
  LRESULT TntTreeView_FileNameCustomDrawItem(NMTVCUSTOMDRAW& draw);
  bool ListBox_zel_SampleDrawItem(const DRAWITEMSTRUCT& item);
  void SetSampleSize(int size);
  void FillSampleList();
  void SelectListItemForNode();
  FontInfoControls InfoControls();
  void ClearFontInfo();
  void ShowFontInfo(FileTree::Node node);
  void SizeLanguageGrid();
  std::wstring SampleComboText() const;
  void FollowDpi();

  TProcedureClass& engine_;
  TIniKeeper& settings_;
  std::function<void()> showMainWindow_;
  TreeViewFileTree fileTree_;
  ListBoxSampleList samples_;
  bool created_ = false;      // the details panel is filled only once set
  bool infoDisplay_ = false;  // false while the tree is being rebuilt
  bool detailsHidden_ = false;
  int sampleSize_ = 18;
  TForm_StatusBar status_;
  ui::UniqueImageList stateImages_;  // ImageList1
  FileNodeFonts nodeFonts_;
  ui::UniqueFont captionFont_;
  std::unique_ptr<TForm_SearchDlg> searchDlg_;
};

}  // namespace velura
