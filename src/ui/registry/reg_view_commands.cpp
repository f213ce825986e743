#include "ui/registry/reg_view_commands.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/user_error.h"
#include "records/reg_font_rules.h"

namespace velura {

namespace {

constexpr std::u16string_view kRemovalFailed = u"レジストリ削除に失敗しました\r\n";

// A message box cannot show a thousand lines: the question names this many rows of each kind.
constexpr std::size_t kListedRows = 20;

std::u16string RowPath(const RegViewRow& row, std::u16string_view fontsFolder) {
  if (row.Folder.empty()) return std::u16string(fontsFolder) + u"\\" + row.FileName;
  return row.Folder.back() == u'\\' ? row.Folder + row.FileName : row.Folder + u"\\" + row.FileName;
}

std::u16string RowLines(const RegViewTable& table, std::u16string_view fontsFolder, const std::vector<int>& rows) {
  std::u16string text;
  for (std::size_t i = 0; i < rows.size() && i < kListedRows; ++i) {
    const RegViewRow& row = table.Rows[static_cast<std::size_t>(rows[i])];
    text += u"　" + row.FontName + u"　：　" + RowPath(row, fontsFolder) + u"\r\n";
  }
  if (rows.size() > kListedRows)
    text += u"　…ほか " + DecimalU16(static_cast<std::int64_t>(rows.size() - kListedRows)) + u" 件\r\n";
  return text;
}

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

RepairPlan PlanRepair(const RegViewTable& table, std::u16string_view fontsFolder,
                      const std::function<bool(const std::u16string&)>& fileExists,
                      const std::function<bool(const std::u16string&)>& drivePresent) {
  RepairPlan plan;
  for (std::size_t i = 0; i < table.Rows.size(); ++i) {
    const std::u16string path = RowPath(table.Rows[i], fontsFolder);
    if (fileExists(path)) continue;
    const bool network = path.starts_with(u"\\\\");
    const bool driveGone = path.size() >= 2 && path[1] == u':' && !drivePresent(path.substr(0, 2) + u"\\");
    (network || driveGone ? plan.Unreachable : plan.Remove).push_back(static_cast<int>(i));
  }
  return plan;
}

std::u16string RepairQuestionText(const RegViewTable& table, std::u16string_view fontsFolder, const RepairPlan& plan) {
  std::u16string text = regview_text::kRepairQuestion;
  if (!plan.Remove.empty()) text += u"\r\n\r\n削除する項目：\r\n" + RowLines(table, fontsFolder, plan.Remove);
  if (!plan.Unreachable.empty())
    text += u"\r\n次の項目はドライブが見つからないかネットワーク上にあるため残します：\r\n" +
            RowLines(table, fontsFolder, plan.Unreachable);
  return text;
}

std::size_t DeleteFolderFiles(FileServices& files, const std::vector<std::u16string>& paths) {
  std::size_t failed = 0;
  for (const auto& path : paths)
    if (!files.Delete(path)) ++failed;
  return failed;
}

std::size_t CopyIntoFontsFolder(FileServices& files, std::u16string_view fontsFolder,
                                const std::vector<std::u16string>& sources,
                                const std::function<MessageResult(const MessageRequest&)>& askReplace) {
  std::size_t failed = 0;
  bool replaceAll = false;
  for (const auto& source : sources) {
    const std::u16string target = std::u16string(fontsFolder) + u"\\" + FileNamePart(source);
    if (!replaceAll && files.Exists(target)) {
      const MessageResult answer = askReplace(ReplaceQuestion(target));
      if (answer == MessageResult::Cancel) break;
      if (answer == MessageResult::No) continue;
      replaceAll = answer == MessageResult::YesToAll;
    }
    if (!files.Copy(source, target, false)) ++failed;
  }
  return failed;
}

MessageRequest ReplaceQuestion(const std::u16string& target) {
  return {
      u"同じ名前のファイルがフォントフォルダにあります\r\n\r\n" + target + u"\r\n\r\nこのファイルを置き換えますか？",
      regview_text::kCopyIntoCaption, MessageIcon::Warning, MessageButtons::YesNoYesToAllCancel, 1};
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
