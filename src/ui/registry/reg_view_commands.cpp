#include "ui/registry/reg_view_commands.h"

#include <algorithm>

#include "platform/user_error.h"
#include "records/reg_font_rules.h"

namespace velura {

namespace {

constexpr std::u16string_view kRemovalFailed = u"レジストリ削除に失敗しました\r\n";

}  // namespace

RowDeletion DeleteRowValues(TRegFontData& registry, const RegViewTable& table, const std::vector<int>& rows) {
  RowDeletion result;
  for (int row : rows) {
    bool deleted = false;
    try {
      deleted = row >= 0 && static_cast<std::size_t>(row) < table.Rows.size() &&
                registry.DeleteFontValueNamed(table.Rows[row].FontName);
    } catch (const UserError& error) {
      if (std::find(result.Errors.begin(), result.Errors.end(), error.Message()) == result.Errors.end())
        result.Errors.push_back(error.Message());
    }
    ++(deleted ? result.Succeeded : result.Failed);
  }
  return result;
}

std::vector<int> MissingRows(const RegViewTable& table) {
  std::vector<int> rows;
  for (std::size_t i = 0; i < table.Rows.size(); ++i)
    if (table.Rows[i].Missing) rows.push_back(static_cast<int>(i));
  return rows;
}

std::size_t DeleteFolderFiles(FileServices& files, const std::vector<std::u16string>& paths) {
  std::size_t failed = 0;
  for (const auto& path : paths)
    if (!files.Delete(path)) ++failed;
  return failed;
}

std::size_t CopyIntoFontsFolder(FileServices& files, std::u16string_view fontsFolder,
                                const std::vector<std::u16string>& sources) {
  std::size_t failed = 0;
  for (const auto& source : sources)
    if (!files.Copy(source, std::u16string(fontsFolder) + u"\\" + FileNamePart(source), false)) ++failed;
  return failed;
}

std::u16string DeletionErrorsText(const std::vector<std::u16string>& errors) {
  std::u16string text;
  bool removalListed = false;
  for (const auto& error : errors) {
    const bool removal = error.starts_with(kRemovalFailed);
    if (!text.empty()) text += u"\r\n";
    text += removal && removalListed ? error.substr(kRemovalFailed.size()) : error;
    removalListed = removalListed || removal;
  }
  return text;
}

MessageRequest DeletionMessage(std::size_t selected, const RowDeletion& result) {
  if (result.Succeeded == 0) return {DeleteReport(selected, 0, result.Failed), u"", MessageIcon::Error};
  return {DeleteReport(selected, result.Succeeded, result.Failed), regview_text::kDeleteDoneCaption,
          MessageIcon::Information};
}

std::vector<MessageRequest> RepairMessages(const RowDeletion& result) {
  std::vector<MessageRequest> messages;
  if (!result.Errors.empty()) messages.push_back({DeletionErrorsText(result.Errors), u"VELURA", MessageIcon::Error});
  if (result.Succeeded > 0)
    messages.push_back({RepairReport(result.Succeeded), regview_text::kRepairDoneCaption, MessageIcon::Information});
  else if (result.Errors.empty())
    messages.push_back({regview_text::kRepairNothing, regview_text::kRepairDoneCaption, MessageIcon::Information});
  return messages;
}

MessageRequest FolderCopyMessage(std::size_t failed) {
  if (failed == 0) return {regview_text::kCopyDone, u""};
  return {CopyFailureText(failed), regview_text::kFailureCaption, MessageIcon::Error};
}

MessageRequest FolderDeleteMessage(std::size_t failed) {
  if (failed == 0) return {regview_text::kDeleteFilesDone, u""};
  return {DeleteFailureText(failed), regview_text::kFailureCaption, MessageIcon::Error};
}

}  // namespace velura
