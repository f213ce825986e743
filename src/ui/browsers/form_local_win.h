// Tform_local: the not-installed font browser. The user walks the folders in the shell tree; the font
// files of the chosen folder are read into the window's own list and shown as a tree with tick icons, as
// samples drawn in their own fonts and as details of the face in focus; ticked files can be installed,
// copied and exported. Split over form_local_win.cpp (construction, layout, life cycle),
// form_local_actions_win.cpp (commands, menus, enabling) and form_local_view_win.cpp (tree, samples, details).
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "records/file_data.h"
#include "records/procedure_class.h"
#include "settings/ini_keeper.h"
#include "ui/browsers/browser_panels_win.h"
#include "ui/browsers/file_tree_view_win.h"
#include "ui/browsers/form_search_dlg_win.h"
#include "ui/browsers/list_box_zel_win.h"
#include "ui/browsers/local_browser_rules.h"
#include "ui/browsers/search_target_win.h"
#include "ui/browsers/shell_folder_tree_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"
#include "ui/longop/form_progress_win.h"
#include "ui/longop/form_status_bar_win.h"

namespace velura {

enum LocalAction : int {
  Action_install = 301,
  Action_CopyFile,
  Action_ActiveFileCopy,
  Action_SelectAll,
  Action_Reversal,
  Action_UnSelectAll,
  Action_SelectSearchFont,
  Action_SendOneTimeInst,
  Action_SendDir_OneTimeInst,
  Action_ShowSearchWndExecute,
  Action_OpenExplorer,
  Action_ExportTreeTxt,
  Action_ExportFontCsvFile,
  Action_Print,
  Action_ShowMainForm,
  EditSelectAll1,
  EditCopy1,
  N14,         // "詳細を隠す"
  Close1,      // "閉じる"
  ps9 = 340,   // the sample size radio items, in kSampleSizes order
};

class Tform_local : public ui::Form, private SearchTarget {
 public:
  // FormCreate. showMainWindow brings the launcher forward.
  Tform_local(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow);
  ~Tform_local() override;  // FormDestroy

  // Shows the window: FormShow, then the window itself.
  void Open();
  void FormShow();
  void FormClose();

  // Selects the folder in the shell tree, which loads it; false when the tree cannot reach it.
  bool OpenFolder(const std::wstring& path);

  void ShellTreeView1Change();
  void TntComboBox_ArchiveNamesChange();
  void TntTreeView_FileNameChange();
  void TntTreeView_FileNameMouseDown(int x, int y);
  void TntTreeView_FileNameKeyPress(wchar_t key);
  void ListBox_zel_SampleClick();
  void ListBox_zel_SampleDblClick();
  void ComboBox_SampleTextClick();
  void ComboBox_SampleTextKeyPress(wchar_t key);
  void ComboBox_SampleTextExit();
  void N14Click();
  void SetSampleSize(int size);
  int SampleSize() const { return sampleSize_; }

  // Writes the tree export to a file (what Action_ExportTreeTxt does after asking for the name).
  bool ExportTreeTo(const std::wstring& path) const;
  std::vector<std::u16string> TreeTextLines() const;

  // The launcher's hand-over to the one-time install window (OpenOneTimeWithFiles / OpenOneTimeWithFolder);
  // without them the two commands stay disabled.
  std::function<void(std::vector<std::u16string>)> SendFilesToOneTime;
  std::function<void(std::u16string)> SendFolderToOneTime;

  LocalBrowserState State() const;
  TFileData_local& List() { return *list_; }
  TreeViewFileTree& FileTree() { return fileTree_; }
  const std::wstring& WorkFolder() const { return workFolder_; }
  // The search dialog opened by "検索ウインドウを開く"; null before the first opening and after closing.
  TForm_SearchDlg* SearchDialog() const { return searchDlg_.get(); }
  const std::u16string& PreviousPath() const { return previousPath_; }
  HMENU MenuBar() const { return GetMenu(Hwnd()); }
  HMENU PopupMenu1() const { return ContextMenu(fileTree_.Hwnd()); }
  HMENU PopupMenu2() const { return ContextMenu(TntListBox_zel_Sample.Hwnd()); }

  // The designed components.
  ui::Panel Panel_left, Panel_LeftTop, Panel1, Panel_client, Panel_top, Panel_FontName, Panel_FontType,
      Panel_BaseLabel, Panel_right, Panel_CodePage, Panel_UnicodeRange, Panel_combo;
  ShellFolderTree ShellTreeView1;
  TListBox_zel TntListBox_zel_Sample;
  ui::Control* TntComboBox_ArchiveNames = nullptr;
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
  ui::Control* Splitter1H = nullptr;
  ui::Control* Splitter2V = nullptr;

 protected:
  void OnClose() override;
  void OnIdle() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // form_local_win.cpp
  void CreateComponents();
  void CreateDetails();
  void FixWorkFolder();
  void ReleaseList();
  // Loads the shell tree's folder, or (extracted not empty) the fonts extracted from an archive.
  void LoadFolder(const std::u16string& path, const std::u16string& extracted = {});
  void OpenArchiveAt(const std::u16string& archive);
  // form_local_actions_win.cpp
  void CreateActions();
  void CreateMenus();
  void Action_installExecute();
  void Action_SelectAllExecute();
  void Action_ActiveFileCopyExecute();
  void Action_ExportTreeTxtExecute();
  void Action_OpenExplorerExecute();
  void Action_PrintExecute();
  void OpenSearchWindow();  // Action_ShowSearchWndExecute
  void UpdateSummary();
  // form_local_view_win.cpp
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
  // SearchTarget
  TreeViewFileTree& SearchedTree() override { return fileTree_; }
  void RedrawFoundMarks() override;
  // After WM_DPICHANGED: the sample lines' heights and type, and the state pictures, follow the new DPI.
  void FollowDpi();

  TProcedureClass& engine_;
  TIniKeeper& settings_;
  std::function<void()> showMainWindow_;
  std::unique_ptr<TFileData_local> list_;
  TreeViewFileTree fileTree_;
  ListBoxSampleList samples_;
  bool infoDisplay_ = false;
  bool perUserHint_ = false;  // the status bar's fourth panel tells a non-administrator where fonts go
  bool detailsHidden_ = false;
  int sampleSize_ = 18;
  std::wstring workFolder_;
  std::u16string previousPath_;
  TForm_StatusBar status_;
  TForm_Progress releaseBar_;
  ui::UniqueImageList stateImages_;
  FileNodeFonts nodeFonts_;
  ui::UniqueFont captionFont_;
  std::unique_ptr<TForm_SearchDlg> searchDlg_;
};

}  // namespace velura
