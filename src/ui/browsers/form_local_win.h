// Tform_local: the not-installed font browser. The user walks the folders in the shell tree; the font
// files of the chosen folder are read into the window's own list and shown as a tree with tick icons, as
// samples drawn in their own fonts and as details of the face in focus; ticked files can be installed,
// copied and exported. The tree, samples and details are FontBrowserForm's; split over form_local_win.cpp
// (construction, layout, life cycle, the tree's selection) and form_local_actions_win.cpp (commands, menus,
// enabling).
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "records/file_data.h"
#include "ui/browsers/font_browser_form_win.h"
#include "ui/browsers/local_browser_rules.h"
#include "ui/fontviews/shell_folder_tree_win.h"
#include "ui/longop/form_progress_win.h"

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
  Action_RestartAsAdmin,
  ps9 = 340,   // the sample size radio items, in kSampleSizes order
};

class Tform_local : public FontBrowserForm {
 public:
  // FormCreate. showMainWindow brings the launcher forward; restartElevated restarts the program elevated.
  Tform_local(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow,
              std::function<void()> restartElevated = {});
  ~Tform_local() override;  // FormDestroy

  // Shows the window: FormShow, then the window itself.
  void Open();
  void FormShow();
  void FormClose();

  // Selects the folder in the shell tree, which loads it; false when the tree cannot reach it.
  bool OpenFolder(const std::wstring& path);

  void ShellTreeView1Change();
  void TntComboBox_ArchiveNamesChange();
  void TntTreeView_FileNameChange() override;
  void N14Click();

  // Writes the tree export to a file (what Action_ExportTreeTxt does after asking for the name).
  bool ExportTreeTo(const std::wstring& path) const;

  // The launcher's hand-over to the one-time install window (OpenOneTimeWithFiles / OpenOneTimeWithFolder);
  // without them the two commands stay disabled.
  std::function<void(std::vector<std::u16string>)> SendFilesToOneTime;
  std::function<void(std::u16string)> SendFolderToOneTime;

  LocalBrowserState State() const;
  TFileData_local& List() { return *list_; }
  const std::wstring& WorkFolder() const { return workFolder_; }
  const std::u16string& PreviousPath() const { return previousPath_; }

  // The designed components of this browser's own (the shared ones are FontBrowserForm's).
  ui::Panel Panel_left, Panel_LeftTop, Panel1, Panel_client, Panel_top, Panel_right, Panel_UnicodeRange;
  ShellFolderTree ShellTreeView1;
  ui::Control* TntComboBox_ArchiveNames = nullptr;
  ui::Control* Splitter1H = nullptr;
  ui::Control* Splitter2V = nullptr;

 protected:
  void OnClose() override;
  void OnIdle() override;

 private:
  // form_local_win.cpp
  void CreateComponents();
  void CreateDetails();
  void FixWorkFolder();
  void ReleaseList();
  // Loads the shell tree's folder, or (extracted not empty) the fonts extracted from an archive.
  void LoadFolder(const std::u16string& path, const std::u16string& extracted = {});
  void OpenArchiveAt(const std::u16string& archive);
  std::vector<TFileDataItem*> FilterRecords() override;
  // The tree and samples anew from the list, with the character filter in force.
  void RefillFiltered() override;
  // form_local_actions_win.cpp
  void CreateActions();
  void CreateMenus();
  void Action_installExecute();
  void Action_SelectAllExecute();
  void Action_ActiveFileCopyExecute();
  void Action_ExportTreeTxtExecute();
  void Action_OpenExplorerExecute();
  void UpdateSummary() override;

  std::unique_ptr<TFileData_local> list_;
  bool perUserHint_ = false;  // the status bar's fourth panel tells a non-administrator where fonts go
  std::wstring workFolder_;
  std::u16string previousPath_;
  TForm_Progress releaseBar_;
};

}  // namespace velura
