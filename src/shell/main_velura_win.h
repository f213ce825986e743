// Tmain_velura: the launcher. A fixed window with seven tool buttons (one per tool window, the last a
// menu of maintenance commands), a hint line, a notification-area icon while minimized; it owns the font
// machinery of the run and the tool windows it opens.
#pragma once
#include <memory>
#include <vector>

#include "records/system_engine_win.h"
#include "shell/form_splash_win.h"
#include "settings/ini_keeper.h"
#include "shell/small_forms_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"

namespace velura {

class Tform_local;

enum LauncherAction : int {
  Action_ShowOneTimeInstForm = 101,
  Action_ShowLocalForm,
  Action_ShowInstalledForm,
  Action_ShowRegForm,
  Action_ShowSymbolForm,
  Action_ShowUnicodeForm,
  Action_etcBtn,
  AllClose_Window = 201,
  ReadFontAllWin,
  FNTCACHE_delete,
  LOGFONT1,
  MenuItem_admin,
  N3,
  About1,
  readme1,
};

class Tmain_velura : public ui::Form {
 public:
  // FormCreate: the splash, then the font file reader and the operations engine.
  explicit Tmain_velura(TIniKeeper& settings);
  ~Tmain_velura() override;

  // The first show: loads the installed fonts (one retry) and places the launcher. False when the
  // start failed and the launcher closed.
  bool FormShow();

  void ShowMainWindow();
  void CloseAllWindows();
  // The not-installed browser created at start-up beside the launcher; its button works from then on.
  void AttachLocalForm(Tform_local* form) { local_ = form; }
  void Action_ShowLocalFormExecute();

  SystemEngine& Fonts() { return *fonts_; }
  TForm_Splash* Splash() const { return splash_.get(); }  // during start-up only
  ui::Panel& Panel_message() { return panelMessage_; }
  HWND ToolBar1() const { return toolBar_; }
  HMENU PopupMenu1() const { return popupMenu_.Get(); }
  bool TrayIconShown() const { return trayIconShown_; }
  bool VersionOpen() const { return versionOpen_; }
  TForm_version* VersionDialog() const { return version_; }

  // The Tag of each tool button, left to right.
  static constexpr int kButtonTags[7] = {7, 1, 2, 3, 4, 6, 5};

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
  void ApplyShortcutSettings();
  void Action_etcBtnExecute();
  void ReadFontAllWinClick();
  void FNTCACHE_deleteClick();
  void LOGFONT1Click();
  void MenuItem_adminClick();
  void About1Click();
  void readme1Click();
  void ShowTrayIcon();
  void ShellTrayIcon1DblClick();

  TIniKeeper& settings_;
  std::unique_ptr<TForm_Splash> splash_;
  std::unique_ptr<SystemEngine> fonts_;
  ui::UniqueImageList images_;
  HWND toolBar_ = nullptr;
  ui::Panel panelMessage_;
  ui::UniqueMenu popupMenu_;
  bool trayIconShown_ = false;
  bool versionOpen_ = false;
  TForm_version* version_ = nullptr;
  Tform_local* local_ = nullptr;
};

}  // namespace velura
