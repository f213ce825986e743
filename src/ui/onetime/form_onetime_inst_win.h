// TForm_OneTimeInst: the one-time install window. It edits the group tree of the store (groups and their
// files and folders) and switches a group's session registration on and off; a registered group's fonts are
// shown with samples. Split over form_onetime_inst_win.cpp (construction, layout, menus, enabling),
// onetime_groups_win.cpp (group tree), onetime_content_win.cpp (entries and the path panel) and
// onetime_fonts_win.cpp (registration, font view, samples, install, exports).
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "records/group_data.h"
#include "records/procedure_class.h"
#include "settings/ini_keeper.h"
#include "ui/fontviews/char_filter.h"
#include "ui/fontviews/char_filter_bar_win.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/fontviews/font_sample_pane_win.h"
#include "ui/fontviews/panel_drop_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"
#include "ui/longop/form_status_bar_win.h"
#include "ui/onetime/form_onetime_sub_win.h"
#include "ui/onetime/onetime_rules.h"

namespace velura {

enum OneTimeAction : int {
  Action_AddGroup = 501,
  Action_AddChildGroup,
  Action_DeleteGroup,
  Action_EditGroupName,
  Action_ChangeRoot,
  Action_ShowSample,
  Action_AddFiles,
  Action_AddDir,
  Action_PathPanelShow,
  Action_ItemDelete,
  Action_DelNotExistsFileDir,
  Action_OpenFolder,
  Action_OpenExplorerOneTime,
  Action_ShowSubForm,
  Action_installOneTime,
  Action_ExportTreeTxtOneTime,
  Action_ExportFontCsvFileOneTime,
  Action_ShowMainFormOneTime,
  CloseOneTime,
  ms9 = 540,  // the sample size radio items, in kSampleSizes order
};

class TForm_OneTimeInst : public ui::Form {
 public:
  // FormCreate; then the group tree is built and the window shown. Files or a folder handed over from the
  // not-installed browser go into the special group.
  TForm_OneTimeInst(TProcedureClass& engine, TIniKeeper& settings, TGroupRootClass& groups,
                    std::function<void()> showMainWindow);
  ~TForm_OneTimeInst() override;  // FormDestroy

  void Open();
  void OpenWithPaths(const std::vector<std::u16string>& paths);

  // Group tree (onetime_groups_win.cpp)
  void AddGroup(bool child, const std::u16string& name = kNewGroupName);
  void DeleteGroup();                                  // asks first
  void RenameSelectedGroup(const std::wstring& text);  // TntTreeView_GroupEdited
  void ChangeRoot();
  bool AcceptsDrop(const TGroupItem& dragged, const TGroupItem* target) const;
  bool DropGroupOn(TGroupItem& dragged, TGroupItem* target);
  TGroupItem* SelectedGroup() const;
  void SelectGroup(const TGroupItem* group);
  void TntTreeView_GroupChange();

  // Entries (onetime_content_win.cpp)
  void AddPathsChecked(const std::vector<std::u16string>& paths);
  void Button_PathAddClick();
  void DeleteSelectedEntry();   // asks first
  void DeleteMissingEntries();  // asks first
  TNameItem* SelectedEntry() const;
  bool SelectEntry(const TNameItem* entry);
  void ShowPathPanel(const std::wstring& text);
  bool PathPanelVisible() const;

  // Registration and fonts (onetime_fonts_win.cpp)
  void Action_ShowSampleExecute();
  void SetSampleSize(int size) { samplePane_.SetSize(size); }
  int SampleSize() const { return samplePane_.Size(); }
  std::vector<std::u16string> TreeTextLines() const;
  std::vector<std::u16string> CsvLinesOfFontView() const { return FontViewCsvLines(fontTree_); }
  void UpdateStatus();

  OneTimeState State() const;
  TreeViewFileTree& FontTree() { return fontTree_; }
  TForm_OneTime_sub& SubForm() { return *sub_; }
  FontSamplePane& Samples() { return samplePane_; }
  CharFilterBar& CharFilterBox() { return filterBar_; }
  HWND GroupTree() const { return TntTreeView_Group->hwnd; }
  HWND ContentTree() const { return TntTreeView_GroupItem->hwnd; }
  std::vector<std::wstring> ContentTexts() const;  // every node of the content view, in order

  ui::Panel Panel_left, Panel_right, GroupBox_Path, Panel_FontView;
  TPanel_Drop Panel_Drop1;
  ui::Control* TntTreeView_Group = nullptr;
  ui::Control* TntTreeView_GroupItem = nullptr;
  ui::Control* TntTreeView_FontName = nullptr;
  ui::Control* Edit_Path = nullptr;
  ui::Control* StatusBar1 = nullptr;

 protected:
  void OnClose() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // form_onetime_inst_win.cpp
  void CreateComponents();
  void CreateActions();
  void CreateMenus();
  // onetime_groups_win.cpp
  void BuildGroupTree();
  void AddGroupNodes(HTREEITEM parent, const TGroupItem& group);
  HTREEITEM ItemOfGroup(const TGroupItem* group) const;
  void SetGroupImages(const TGroupItem& group);
  LRESULT GroupTreeNotify(NMHDR& header);
  bool GroupTreeMouse(UINT message, LPARAM lParam);
  void RefreshViews();
  // onetime_content_win.cpp
  void BuildContentView();
  LRESULT ContentTreeNotify(NMHDR& header);
  // False, adding nothing, when the group has an entry with the same path already.
  bool AddEntry(TGroupItem& group, std::string path, bool isDir);
  void ShowSameEntryNote(const std::vector<std::u16string>& refused);
  void OpenFolderOfEntry();
  // onetime_fonts_win.cpp
  void LoadEntry(TGroupItem& group, TNameItem& entry);
  void BuildFontView();
  void AddFontNodes(const TGroupItem& group);
  // The records of every registered entry the selected group's font view draws from, shown or not.
  std::vector<TFileDataItem*> FontViewRecords() const;
  void CharFilterChange();
  LRESULT FontTreeNotify(NMHDR& header);
  LRESULT FontTreeCustomDraw(NMTVCUSTOMDRAW& draw);
  // After WM_DPICHANGED: the tick pictures, the content view's header font and the sample lines.
  void FollowDpi();
  void RefreshSubForm();
  void ClearFontView();
  void Action_installExecute();
  void Action_ExportTreeTxtExecute();
  void Action_ExportFontCsvFileExecute();

  TProcedureClass& engine_;
  TIniKeeper& settings_;
  TGroupRootClass& groups_;
  std::function<void()> showMainWindow_;
  std::unique_ptr<TForm_OneTime_sub> sub_;
  TreeViewFileTree fontTree_;
  FontSamplePane samplePane_;
  CharFilterBar filterBar_;
  CharFilter filter_;  // in force: what the font view and samples show
  std::unordered_map<const TFileDataItem*, TNameItem*> entryOfRecord_;  // the entry a font view record came from
  bool building_ = false;  // the views are being rebuilt: their change events wait
  TGroupItem* dragging_ = nullptr;
  TForm_StatusBar status_;
  ui::UniqueImageList groupImages_, fontImages_;
  ui::UniqueMenu groupPopup_, contentPopup_, fontPopup_, samplePopup_;
  ui::UniqueFont underlineFont_;
};

}  // namespace velura
