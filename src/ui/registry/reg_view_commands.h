// The loops behind the registry viewer's commands, over the registry font data and the file services, so
// that the window keeps only its questions, pickers and reports.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"
#include "records/file_services.h"
#include "records/reg_font_data.h"
#include "ui/registry/reg_view_rules.h"

namespace velura {

struct RowDeletion {
  std::size_t Succeeded = 0;
  std::size_t Failed = 0;
  // The errors the registry raised, each once, in row order.
  std::vector<std::u16string> Errors;
};

// Removes the Fonts value of each listed row by the row's own value name: a file name shared with another
// entry must not take that entry's value. A refused removal is counted and the other rows still go on; a row
// whose value is already gone counts as failed without an error.
RowDeletion DeleteRowValues(TRegFontData& registry, const RegViewTable& table, const std::vector<int>& rows);

// What automatic repair does, decided when it is asked: every row whose file is missing now (the first one
// included) goes, unless the file lies where it cannot be told from a file taken away: a drive that is not
// there (an unplugged disk) or a network path. Those rows stay and are named.
struct RepairPlan {
  std::vector<int> Remove;
  std::vector<int> Unreachable;
};
// fileExists answers for a full path, drivePresent for a drive's root ("D:\").
RepairPlan PlanRepair(const RegViewTable& table, std::u16string_view fontsFolder,
                      const std::function<bool(const std::u16string&)>& fileExists,
                      const std::function<bool(const std::u16string&)>& drivePresent);
// The one question before the repair: what goes (value and file) and what stays for want of its drive.
std::u16string RepairQuestionText(const RegViewTable& table, std::u16string_view fontsFolder, const RepairPlan& plan);

// Plain deletion of each file (attributes are not cleared); the number not deleted.
std::size_t DeleteFolderFiles(FileServices& files, const std::vector<std::u16string>& paths);

// Copies each file into the fonts folder under its own name; the number not copied. A file of that name
// already there is replaced only as askReplace answers for it (the question of ReplaceQuestion): Yes
// replaces it, No leaves it, YesToAll replaces it and every later one without asking, Cancel copies
// nothing more.
std::size_t CopyIntoFontsFolder(FileServices& files, std::u16string_view fontsFolder,
                                const std::vector<std::u16string>& sources,
                                const std::function<MessageResult(const MessageRequest&)>& askReplace);
MessageRequest ReplaceQuestion(const std::u16string& target);

// One message for the errors of a deletion: the removal errors share their first line, each adds its value
// name; any other error keeps its own text.
std::u16string DeletionErrorsText(const std::vector<std::u16string>& errors);

// What the window shows after its commands, in order; a deletion or repair that removed a value is followed by
// rereading the Fonts entries.
MessageRequest DeletionMessage(std::size_t selected, const RowDeletion& result);
// The refused removals first (the repair's report counts only removals), then the report, or "nothing to
// delete" when no value was removed and none refused.
std::vector<MessageRequest> RepairMessages(const RowDeletion& result);
MessageRequest FolderCopyMessage(std::size_t failed);
MessageRequest FolderDeleteMessage(std::size_t failed);

}  // namespace velura
