#include "cli/verify_command.h"

#include <unordered_set>

#include "cli/cli_lists.h"
#include "platform/user_error.h"
#include "cli/installed_entries.h"
#include "records/font_file_names.h"
#include "records/reg_font_rules.h"

namespace velura {

namespace {

// Whether a missing file may be one merely out of reach: a network path, or a drive that is not there.
bool OutOfReach(const std::u16string& path, FileServices& files) {
  if (path.rfind(u"\\\\", 0) == 0) return true;
  if (path.size() < 3 || path[1] != u':') return false;
  return files.ListFolder(path.substr(0, 2)).empty();  // "C:" lists as "C:\*.*"
}

void RepairValue(CliItem& item, const InstalledEntry& entry, TProcedureClass& engine, FileServices& files) {
  if (OutOfReach(entry.Path, files)) {
    item.Reason = u"ドライブまたはネットワークに届かないため残します";
    return;
  }
  if (!entry.PerUser && !engine.IsAdmin) {
    item.Action = CliAction::Failed;
    item.Failure = CliFailure::NeedsAdmin;
    item.Reason = u"全ユーザーの記述の削除には管理者権限が必要です";
    return;
  }
  TRegFontData& registry = engine.RegData();
  try {
    const bool removed = entry.PerUser ? registry.DeleteUserFontValueForFile(entry.Path)
                                       : registry.DeleteFontValueNamed(entry.ValueName);
    item.Action = removed ? CliAction::Repaired : CliAction::Failed;
    item.Reason = removed ? u"レジストリの記述を削除しました" : u"レジストリの記述を削除できませんでした";
  } catch (const UserError& error) {
    item.Action = CliAction::Failed;
    item.Reason = error.Message();
  }
}

}  // namespace

void RunVerifyCommand(const CliArguments& args, CliServices& cli, CliReport& report) {
  TProcedureClass& engine = cli.Engine;
  const RegTextFolding& folding = engine.Records().Folding;
  const std::vector<InstalledEntry> entries = InstalledEntriesOf(engine.RegData(), CliScope::All);
  std::unordered_set<std::u16string> named;
  bool repaired = false;
  for (const InstalledEntry& entry : entries) {
    named.insert(folding.Lower(entry.Path));
    if (cli.Files.Exists(entry.Path)) continue;
    CliItem item;
    item.Name = entry.ValueName;
    item.File = entry.Path;
    item.Scope = ScopeName(entry.PerUser);
    item.State = u"missing";
    if (args.Repair) RepairValue(item, entry, engine, cli.Files);
    else item.Action = CliAction::Failed, item.Reason = u"ファイルがありません";
    repaired = repaired || item.Action == CliAction::Repaired;
    report.Add(std::move(item));
  }
  if (repaired) engine.RegData().LoadFontsList();

  const std::pair<std::u16string, bool> folders[] = {{engine.FontsFolder, false}, {engine.UserFontsFolder, true}};
  for (const auto& [folder, perUser] : folders) {
    if (folder.empty()) continue;
    for (const FolderEntry& file : cli.Files.ListFolder(folder)) {
      if ((file.Attributes & 16) || !IsFontFileName(file.Name)) continue;
      const std::u16string path = folder + u"\\" + file.Name;
      if (named.count(folding.Lower(path))) continue;
      CliItem item;
      item.Name = file.Name;
      item.File = path;
      item.Scope = ScopeName(perUser);
      item.State = u"unregistered";
      report.Add(std::move(item));
    }
  }
}

void RunInfoCommand(const CliArguments& args, CliServices& cli, CliReport& report) {
  TProcedureClass& engine = cli.Engine;
  TFileData_local records(engine.Records());
  for (const std::u16string& path : args.Operands) {
    CliItem item;
    item.Name = FileNamePart(path);
    item.File = path;
    const TFileDataItem* record =
        cli.Files.Exists(path) ? AddNamedRecord(records, path, engine.LanguagePriority) : nullptr;
    if (!record) {
      item.Action = CliAction::Failed;
      item.Reason = cli.Files.Exists(path) ? u"フォントファイルとして読み込めません" : u"ファイルが見つかりません";
      report.Add(std::move(item));
      continue;
    }
    for (std::size_t face = 0; face < record->Faces.size(); ++face) {
      CliItem faceItem = item;
      faceItem.Face = static_cast<int>(face);
      faceItem.Family = record->DisplayNames[face].DisplayFamilyName;
      faceItem.FullName = record->DisplayNames[face].DisplayFullName;
      faceItem.Subfamily = record->Faces[face].SubfamilyName;
      faceItem.Version = record->Faces[face].VersionString;
      report.Add(std::move(faceItem));
    }
    records.Clear();
  }
}

}  // namespace velura
