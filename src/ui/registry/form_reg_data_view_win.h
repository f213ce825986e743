// TForm_RegDataView: "レジストリデータ・フォントフォルダViewer+". The registry's Fonts entries beside the files
// of the fonts folder, and the FontLink\SystemLink, FontSubstitutes and FontMapper keys; with administrator
// rights it removes stale Fonts values. Its decisions are in reg_view_rules.h.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "records/procedure_class.h"
#include "ui/framework/form_win.h"
#include "ui/framework/panel_win.h"
#include "ui/framework/tab_pages_win.h"
#include "ui/registry/reg_view_rules.h"

namespace velura {

class TForm_RegDataView : public ui::Form {
 public:
  enum ActionId : int {
    ToolButton_tab1_auto = 601,
    ToolButton_tab1_del,
    N_ShowMain,       // "メニューウインドウを表示"
    N_RegistryEditor, // "レジストリエディタを開く"
    N_Close,          // "閉じる"
    N_CheckAll,       // "すべて選択"
    N_CheckInvert,    // "選択反転"
    N_CheckNone,      // "すべて選択解除"
    Action_Copy1,
    Action_Delete1,
    Action_ToCopy1,
    Action_RestartAsAdmin,
  };

  // FormCreate with the engine's Fonts entries and fonts folder. A mapping key that cannot be opened throws
  // "error! RegOpenKey". showMainWindow brings the launcher forward; the launcher places and shows the window.
  // restartElevated restarts the program elevated.
  TForm_RegDataView(TProcedureClass& engine, std::function<void()> showMainWindow,
                    std::function<void()> restartElevated = {});
  ~TForm_RegDataView() override;

  void ToolButton_tab1_delClick();
  void ToolButton_tab1_autoClick();
  void PageControl1Change();
  void Action_Copy1Execute();
  void Action_Delete1Execute();
  void Action_ToCopy1Execute();

  // For tests and the launcher.
  ui::TabPages& PageControl1() { return *pages_; }
  const ui::Control& FontsList() const { return *TntListView1; }
  const ui::Control& SystemLinkTree() const { return *TreeView1; }
  const ui::Control& SubstitutesList() const { return *TntListView2; }
  const ui::Control& MapperList() const { return *TntListView3; }
  const ui::Control& StatusBar() const { return *StatusBar1; }
  const ui::Control* HintBar() const { return ElevationHintBar; }
  const ui::Control& ToolBar() const { return *ToolBar1; }
  const ui::Control& FontFileList() const { return *CheckListBox_FontFile; }
  const ui::Control& OtherFileList() const { return *CheckListBox_otherFile; }
  const ui::Control& FolderText() const { return *RichEdit_FontFolder; }

 private:
  void CreateActions();
  void CreateComponents();
  void FillFontsTab();
  void FillRegistryTab();
  void FillFontFolderTab();
  void ShowSimpleStatus(const std::u16string& text);
  void ShowStatistics();
  void ReloadFonts();
  std::vector<std::u16string> CheckedFiles(bool* includesOthers) const;
  void SetAllChecks(int how);  // 0 clear, 1 set, 2 invert

  // The three mapping keys as read before the window exists, so that a key that cannot be opened stops the
  // creation before any control is made.
  struct MappingKeys {
    std::vector<std::pair<std::wstring, std::vector<std::wstring>>> systemLink;  // node, children
    std::vector<std::pair<std::wstring, std::wstring>> substitutes;
    std::vector<std::pair<std::wstring, std::wstring>> mapper;
    // A key that is not there leaves its table empty but for a note; the other tables are read all the same.
    bool systemLinkMissing = false, substitutesMissing = false, mapperMissing = false;
  };
  static MappingKeys ReadMappingKeys();

  TProcedureClass& engine_;
  MappingKeys mapping_;
  std::function<void()> showMainWindow_;
  std::function<void()> restartElevated_;
  bool offersRestart_ = false;  // the restart action was added: its hint bar shows
  RegViewTable table_;
  FontFolderFiles folder_;

  ui::TabPages* pages_ = nullptr;
  ui::Control* ToolBar1 = nullptr;
  ui::Control* TntListView1 = nullptr;
  ui::Control* TreeView1 = nullptr;
  ui::Control* TntListView2 = nullptr;
  ui::Control* TntListView3 = nullptr;
  ui::Control* RichEdit_FontFolder = nullptr;
  ui::Control* CheckListBox_FontFile = nullptr;
  ui::Control* CheckListBox_otherFile = nullptr;
  ui::Control* StatusBar1 = nullptr;
  ui::Control* ElevationHintBar = nullptr;  // only where "管理者として再起動" is offered
  ui::Panel Panel_Link;
  ui::Panel Panel_Tables;
  ui::Panel Panel_Substitutes;
  ui::Panel Panel_Mapper;
  ui::Panel Panel_FolderText;
  ui::Panel Panel_FolderLists;
  ui::Panel Panel_FontFiles;
  ui::Panel Panel_OtherFiles;
};

}  // namespace velura
