// The commands of the registry viewer: removing Fonts values (never a file), and copying and deleting the
// files the user ticked on the fonts-folder tab.
#include <windows.h>
#include <commdlg.h>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "records/long_operations.h"
#include "ui/fontviews/folder_picker_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/open_file_dialog_win.h"
#include "ui/longop/form_status_bar_win.h"
#include "ui/registry/form_reg_data_view_win.h"
#include "ui/registry/reg_view_commands.h"

namespace velura {

void TForm_RegDataView::ReloadFonts() {
  engine_.Installed().UpdateNames();  // rereads the Fonts entries
  FillFontsTab();
}

void TForm_RegDataView::ToolButton_tab1_delClick() {
  if (ui::GridRowCount(*TntListView1) == 0) return;
  const std::vector<int> selected = ui::GridSelectedRows(*TntListView1);
  if (selected.empty()) {
    ShowMessage(regview_text::kNothingSelected, u"");
    return;
  }
  const MessageRequest ask{DeleteQuestion(selected.size()), regview_text::kDeleteCaption, MessageIcon::Warning,
                           MessageButtons::YesNo, 1};
  if (ShowMessage(ask) != MessageResult::Yes) return;
  const RowDeletion result = DeleteRowValues(engine_.RegData(), table_, selected);
  ShowMessage(DeletionMessage(selected.size(), result));
  if (result.Succeeded > 0) ReloadFonts();
}

void TForm_RegDataView::ToolButton_tab1_autoClick() {
  // Looked at now, not when the list was filled: a file may have come or gone since.
  FileServices& files = engine_.Records().Files;
  const RepairPlan plan = PlanRepair(
      table_, engine_.FontsFolder, [&](const std::u16string& path) { return files.Exists(path); },
      [](const std::u16string& root) { return GetDriveTypeW(AsWide(root)) != DRIVE_NO_ROOT_DIR; });
  const MessageRequest ask{RepairQuestionText(table_, engine_.FontsFolder, plan), regview_text::kRepairCaption,
                           MessageIcon::Warning, MessageButtons::OkCancel, 0};
  if (ShowMessage(ask) != MessageResult::Ok) return;
  const RowDeletion result = DeleteRowValues(engine_.RegData(), table_, plan.Remove);
  for (const MessageRequest& message : RepairMessages(result)) ShowMessage(message);
  if (result.Succeeded > 0) ReloadFonts();
}

void TForm_RegDataView::SetAllChecks(int how) {
  for (const ui::Control* list : {CheckListBox_FontFile, CheckListBox_otherFile})
    for (int i = 0, n = ui::CheckListItemCount(*list); i < n; ++i)
      ui::SetCheckListItemChecked(*list, i, how == 2 ? !ui::CheckListItemChecked(*list, i) : how == 1);
}

std::vector<std::u16string> TForm_RegDataView::CheckedFiles(bool* includesOthers) const {
  std::vector<std::u16string> paths;
  if (includesOthers) *includesOthers = false;
  for (const ui::Control* list : {CheckListBox_FontFile, CheckListBox_otherFile})
    for (int i = 0, n = ui::CheckListItemCount(*list); i < n; ++i) {
      if (!ui::CheckListItemChecked(*list, i)) continue;
      paths.push_back(engine_.FontsFolder + u"\\" + ToU16(ui::CheckListItemText(*list, i)));
      if (includesOthers && list == CheckListBox_otherFile) *includesOthers = true;
    }
  return paths;
}

void TForm_RegDataView::Action_Copy1Execute() {
  const auto paths = CheckedFiles(nullptr);
  if (paths.empty()) return;
  const std::wstring destination = BrowseForFolder(Hwnd(), ToWide(regview_text::kCopyDestinationTitle));
  if (destination.empty()) return;
  TForm_StatusBar progress(engine_.Loop());
  const int failed = RunCopy(engine_.Loop(), progress, engine_.Records().Files, ToU16(destination), paths);
  ShowMessage(FolderCopyMessage(static_cast<std::size_t>(failed)));
}

void TForm_RegDataView::Action_Delete1Execute() {
  bool includesOthers = false;
  const auto paths = CheckedFiles(&includesOthers);
  if (paths.empty()) return;
  if (ShowMessage({regview_text::kDeleteFilesQuestion, regview_text::kDeleteFilesCaption, MessageIcon::Warning,
                   MessageButtons::OkCancel, 1}) != MessageResult::Ok)
    return;
  if (includesOthers && ShowMessage({regview_text::kDeleteOthersQuestion, regview_text::kDeleteOthersCaption,
                                     MessageIcon::Warning, MessageButtons::OkCancel, 1}) != MessageResult::Ok)
    return;
  ShowMessage(FolderDeleteMessage(DeleteFolderFiles(engine_.Records().Files, paths)));
  FillFontFolderTab();
}

void TForm_RegDataView::Action_ToCopy1Execute() {
  if (ShowMessage({regview_text::kCopyIntoQuestion, regview_text::kCopyIntoCaption, MessageIcon::Warning,
                   MessageButtons::OkCancel, 1}) != MessageResult::Ok)
    return;
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Hwnd();
  dialog.lpstrFilter = L"全てのファイル\0*.*\0";
  dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  const std::wstring buffer = ui::GetOpenFileNames(dialog);  // grows for any number of files
  if (buffer.empty()) return;
  ShowMessage(FolderCopyMessage(CopyIntoFontsFolder(engine_.Records().Files, engine_.FontsFolder,
                                                    OpenDialogPaths(ToU16(buffer)),
                                                    [](const MessageRequest& ask) { return ShowMessage(ask); })));
  FillFontFolderTab();
}

}  // namespace velura
