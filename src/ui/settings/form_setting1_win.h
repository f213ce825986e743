// TForm_setting1: the modal dialog "設定". It loads every value when shown and writes them only on OK;
// Cancel writes nothing. Its five pages are built in one file each (setting_page_*_win.cpp). What it needs
// of the launcher arrives as callbacks, so it knows nothing of the shell.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <map>
#include <vector>

#include "platform/folder_access_win.h"
#include "records/procedure_class.h"
#include "settings/ini_keeper.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"
#include "ui/framework/tab_pages_win.h"
#include "ui/framework/tree_view_win.h"
#include "ui/settings/settings_ok.h"
#include "ui/settings/settings_rules.h"
#include "ui/settings/settings_values.h"

namespace velura {

struct SettingsDialogSite {
  TIniKeeper& settings;
  TProcedureClass& engine;
  std::function<void()> closeAllWindows;  // "すべての窓を閉じる": every tool window closed, the launcher shown
  std::function<void()> applyShortcuts;   // the stored shortcuts to the launcher's buttons
  std::function<void()> endProgram;       // closes the launcher, after the dialog is gone
  FolderProbe probeFolder = ProbeFolderAccess;  // whether a chosen folder is there and takes files
};

class TForm_setting1 : public ui::Form {
 public:
  explicit TForm_setting1(HWND owner, SettingsDialogSite site);
  ~TForm_setting1() override;

  // Loads every control; called before the dialog shows and again by the reset.
  void FormShow();
  // OK: shows the first value it refuses, else saves everything, applies the shortcuts to the launcher and
  // closes with IDOK.
  void BitBtn1Click();
  // After the dialog closed: true when the reset asked for the end of the program.
  bool ProgramEndRequested() const { return programEndRequested_; }

  ui::TabPages* PageControl1 = nullptr;
  ui::Control* BitBtn1 = nullptr;
  ui::Control* BitBtn2 = nullptr;

  // "設定"
  ui::Control* ComboBox_DefSampleFontSize = nullptr;
  ui::Control* CheckBox_opMemory = nullptr;
  ui::Control* RadioButton_df1 = nullptr;
  ui::Control* RadioButton_df2 = nullptr;
  ui::Control* Edit_df2_path = nullptr;
  ui::Control* Button4 = nullptr;
  ui::Control* RadioButton_Temp1 = nullptr;
  ui::Control* RadioButton_Temp2 = nullptr;
  ui::Control* Edit_Temp2_path = nullptr;
  ui::Control* Button5 = nullptr;
  void Button4Click();
  void Button5Click();

  // "表示優先順位"
  ui::Control* ListBox_Language = nullptr;
  ui::Control* Button3 = nullptr;
  void Action_NodeUpExecute();
  void ActionNodeDownExecute();
  void Action_NodeToTopExecute();
  void Action_NodeToLastExecute();
  void Button3Click();

  // "ツリー表示"
  ui::Control* TreeView_sample1 = nullptr;
  ui::Panel Panel_ColorGrid;
  std::array<ui::Control*, kTreeNodeCount> CurrentColorPanels{};  // Panel_cl1 ... Panel_cl4
  std::array<ui::Control*, 16> FixedColorPanels{};                // Panel_clBlack1 ... Panel_clWhite1
  ui::Control* Button13 = nullptr;
  ui::Control* Button12 = nullptr;
  ui::Control* CheckBox_TreeItalic = nullptr;
  ui::Control* Button6 = nullptr;
  void TreeView_sample1Change();
  void Panel_ColorGridClick(std::uint32_t color);
  void Button13Click();
  void Button12Click();
  void Button6Click();
  void CheckBox_TreeItalicClick();
  int SelectedSampleNode() const;
  void SelectSampleNode(int node);
  const TTreeStyle& WorkingTreeStyle() const { return values_.TreeStyle; }

  // "ショートカット"
  std::array<ui::Control*, 7> HotKeys{};  // HotKey1 ... HotKey7

  // "ウインドウ位置"
  std::array<ui::Control*, kWindowKindCount> WindowCheckBoxes{};  // by window kind
  ui::Control* CheckBox_MainFormTop = nullptr;
  ui::Control* Button_initialize = nullptr;
  void Button_initializeClick();

 private:
  void CreateComponents();
  void CreateSettingPage(ui::Panel& page);
  void CreateLanguagePage(ui::Panel& page);
  void CreateTreePage(ui::Panel& page);
  void CreateShortcutPage(ui::Panel& page);
  void CreateWindowPage(ui::Panel& page);

  // Each page shows its part of values_ and collects it back.
  void LoadSettingPage();
  void SaveSettingPage();
  void LoadLanguagePage();
  void SaveLanguagePage();
  // Says once that the list shows the default order because the user's file could not be read.
  void LanguagePageShown();
  void LoadTreePage();
  void LoadShortcutPage();
  void SaveShortcutPage();
  void LoadWindowPage();
  void SaveWindowPage();

  // The page and field of a value OK refused.
  void ShowRefusedControl(const SettingsRefusal& refusal);
  std::vector<LanguageLine> LanguageLines() const;
  void ShowLanguageLines(const std::vector<LanguageLine>& lines);
  void MoveLanguageLines(void (*move)(std::vector<LanguageLine>&));
  // Ctrl+U "上へ移動" and Ctrl+D "下へ移動" while the control has the focus.
  void HandleMoveKeys(HWND control);
  void GiveSelectedNodeColor(std::uint32_t color);
  void PaintCurrentColors();
  ui::TreeItemLook TreeView_sample1CustomDrawItem(const ui::TreeItemPaint& paint);
  HBRUSH BrushOf(std::uint32_t color);
  std::wstring ChooseFolder();

  SettingsDialogSite site_;
  SettingsDialogValues values_;
  std::map<std::uint32_t, ui::UniqueBrush> brushes_;
  bool programEndRequested_ = false;
  bool languageFileTold_ = false;
};

// Shows the dialog modally with its top-left corner at (left, top) in screen pixels; after OK the
// shortcuts are applied; after the reset the program is ended. True when it was closed with OK.
bool RunSettingsDialog(HWND owner, SettingsDialogSite site, int left, int top);

}  // namespace velura
