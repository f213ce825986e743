// Tmain_velura: the launcher. A fixed window with seven tool buttons (one per tool window, the last a
// menu of maintenance commands), a hint line, a notification-area icon while minimized; it owns the font
// machinery of the run and the tool windows of its table (tool_window_table_win.h).
#pragma once
#include <memory>
#include <vector>

#include "records/system_engine_win.h"
#include "settings/ini_keeper.h"
#include "shell/elevated_restart_win.h"
#include "shell/form_splash_win.h"
#include "shell/launcher_actions.h"
#include "shell/small_forms_win.h"
#include "shell/tool_window_set_win.h"
#include "shell/tool_window_table_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"
#include "ui/onetime/group_store_win.h"

namespace velura {

class Tmain_velura : public ui::Form {
 public:
  // FormCreate: the splash, the font file reader and the operations engine, the launcher itself, then
  // the start-up windows of the table.
  // groupFolder: where the one-time install's group file is kept; empty for the program's folder.
  // restart: what "管理者として再起動" starts the elevated copy with; none, no such command.
  explicit Tmain_velura(TIniKeeper& settings, ToolWindowTable tools = StandardToolWindows(),
                        std::u16string groupFolder = {}, ElevatedRestart* restart = nullptr);
  ~Tmain_velura() override;

  // The first show: loads the installed fonts (one retry) and places the launcher. False when the
  // start failed and the launcher closed.
  bool FormShow();

  void ShowMainWindow();
  // "すべての窓を閉じる": closes every tool window and shows the launcher.
  void CloseAllWindows();
  // "管理者として再起動": once the elevated copy has started, closes as on a normal exit; a cancelled
  // elevation prompt changes nothing, a failure is told.
  void RestartAsAdministrator();
  // What the tool buttons run: opens the row's window by the rules of its row.
  void ShowToolWindow(int actionId) { tools_->Open(actionId); }
  // The one-time install window anew, with the files or the folder to install from.
  void OpenOneTimeWithFiles(std::vector<std::u16string> files);
  void OpenOneTimeWithFolder(std::u16string folder);
  // Reads the shortcuts from the settings into the tool buttons' actions and so the accelerators.
  void ApplyShortcutSettings();
  ToolWindowSet& ToolWindows() { return *tools_; }

  SystemEngine& Fonts() { return *fonts_; }
  OneTimeGroupStore& GroupStore() { return *groups_; }
  TForm_Splash* Splash() const { return splash_.get(); }  // during start-up only
  ui::Panel& Panel_message() { return panelMessage_; }
  HWND ToolBar1() const { return toolBar_; }
  HMENU PopupMenu1() const { return popupMenu_.Get(); }
  bool TrayIconShown() const { return trayIconShown_; }
  bool VersionOpen() const { return versionOpen_; }
  TForm_version* VersionDialog() const { return version_; }

  // The hint line follows the control under the mouse.
  void ToolButton_ShowLocalFormMouseMove(int tag);

 protected:
  // Reads the installed fonts with the splash's bar; true when at least two were read.
  virtual bool LoadInstalledFonts();
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnClose() override;
  void OnDestroyed() override;

 private:
  void CreateComponents();
  void CreateActions();
  void Action_etcBtnExecute();
  void ReadFontAllWinClick();
  void FNTCACHE_deleteClick();
  void LOGFONT1Click();
  void MenuItem_adminClick();
  void N3Click();  // the settings dialog
  void About1Click();
  void readme1Click();
  void ShowTrayIcon();
  void ShellTrayIcon1DblClick();
  // Windows is ending the session: writes all that a normal exit writes before the process is ended.
  void EndSession();

  TIniKeeper& settings_;
  ElevatedRestart* restart_;
  std::unique_ptr<TForm_Splash> splash_;
  std::unique_ptr<SystemEngine> fonts_;
  std::unique_ptr<OneTimeGroupStore> groups_;  // after the engine, whose services it loads with
  std::unique_ptr<ToolWindowSet> tools_;  // goes before the engine its windows use
  std::vector<LauncherButton> buttons_;   // left to right
  ui::UniqueImageList images_;
  HWND toolBar_ = nullptr;
  ui::Panel panelMessage_;
  ui::UniqueMenu popupMenu_;
  bool trayIconShown_ = false;
  bool versionOpen_ = false;
  TForm_version* version_ = nullptr;
};

}  // namespace velura
