// TForm_Installed: the installed-font browser. Every installed file of the engine's list is shown under the
// folder it lies in, with tick icons, one sample line per font and the details of the font in focus; ticked
// files can be uninstalled (after the guard for the fonts the system's mapping tables need), removed from
// the registry alone, copied and exported. The tree, samples and details are FontBrowserForm's; split over
// form_installed_win.cpp (construction, layout, life cycle, reload, the tree's selection) and
// form_installed_actions_win.cpp (commands, menus, enabling, uninstall, summary).
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/browsers/font_browser_form_win.h"
#include "ui/browsers/installed_browser_rules.h"

namespace velura {

class TForm_Installed : public FontBrowserForm {
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
    Action_RestartAsAdmin,
    ms9 = 440,  // the sample size radio items (ms9 to ms90, ps9 to ps90), in kSampleSizes order
  };

  // FormCreate. showMainWindow brings the launcher forward; restartElevated restarts the program elevated.
  TForm_Installed(TProcedureClass& engine, TIniKeeper& settings, std::function<void()> showMainWindow,
                  std::function<void()> restartElevated = {});
  ~TForm_Installed() override;

  // Shows the window, then runs FormShow (the full reload), so that the wait box stands over it.
  void Open();
  void FormShow();
  void FormClose();

  // The full reload: names, tree, samples, from the engine's installed list.
  void Reload();

  void TntTreeView_FileNameChange() override;
  void N21Click();
  // ps72Click: sets the sample size and stores it as "opFontSize".
  void SampleSizeClick(int size);

  // Writes the tree export to a file (what Action_ExportTreeTxt does after asking for the name).
  bool ExportTreeTo(const std::wstring& path) const;

  InstalledBrowserState State() const;
  // Recomputes both status bars (Algorithms of the summary); nothing is written for an empty tree.
  void UpdateSummary() override;

  // The designed components of this browser's own (the shared ones are FontBrowserForm's).
  ui::Panel Panel_left, Panel_client, Panel1, Panel_Copyright;
  ui::Control* StatusBar2 = nullptr;
  ui::Control* Splitter1 = nullptr;

 protected:
  void OnClose() override;

 private:
  // form_installed_win.cpp
  void CreateComponents();
  void CreateDetails();
  void ClearTree();
  std::vector<TFileDataItem*> FilterRecords() override;
  // The tree and samples anew from the installed list, with the character filter in force.
  void RefillFiltered() override;
  void FillTreeAndSamples(WaitBox& wait);
  // form_installed_actions_win.cpp
  void CreateActions();
  void CreateMenus();
  void Action_UnInstallExecute();
  void RemoveRegistryEntriesOfTicked();
  void Action_ExportTreeTxtExecute();
  void SelectAllInDir(bool tick);

  bool created_ = false;  // the details panel is filled only once set
};

}  // namespace velura
