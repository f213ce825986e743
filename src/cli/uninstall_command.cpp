#include "cli/uninstall_command.h"

#include <set>

#include "cli/cli_lists.h"
#include "platform/user_error.h"
#include "cli/font_removal.h"
#include "cli/installed_entries.h"
#include "records/font_file_names.h"
#include "records/reg_font_rules.h"

namespace velura {

namespace {

constexpr char16_t kSystemFontReason[] = u"このフォントは特殊なフォントです。あまりに危険なので削除対象から除外します";
constexpr char16_t kProtectedReason[] =
    u"このフォントはシステムのレジストリ [FontMapper , FontSubstitutes , FontLink\\SystemLink] "
    u"のいずれかに登録されている（あるいは関連した）フォントです";

// The family names of an installed file, for names that match no value name or file name.
auto FamilyReader(CliServices& cli) {
  return [&cli](const InstalledEntry& entry) {
    std::vector<std::u16string> names;
    if (!IsFontFileName(entry.Path)) return names;
    auto source = cli.Files.OpenForReading(entry.Path);
    TFontFileData faces;
    if (source && cli.Engine.Records().Reader.LoadFontData(*source, faces)) names = AllFamilyNames(faces);
    return names;
  };
}

CliItem ItemFor(const InstalledEntry& entry) {
  CliItem item;
  item.Name = entry.ValueName;
  item.File = entry.Path;
  item.Scope = ScopeName(entry.PerUser);
  return item;
}

void FillNames(CliItem& item, const TFileDataItem& record, const TLanguagePriorityTable& priority) {
  const TDisplayNames names = FirstFaceNames(record, priority);
  item.Family = names.DisplayFamilyName;
  item.FullName = names.DisplayFullName;
  item.Version = record.Faces[0].VersionString;
}

CliItem NotFound(const std::u16string& name) {
  CliItem item;
  item.Name = name;
  item.Action = CliAction::Failed;
  item.Reason = u"インストールされていません";
  return item;
}

}  // namespace

void RunUninstallCommand(const CliArguments& args, CliServices& cli, CliReport& report) {
  TProcedureClass& engine = cli.Engine;
  if (args.Scope == CliScope::Machine && !engine.IsAdmin) {
    report.Error = u"全ユーザーのフォントのアンインストールには管理者権限が必要です。管理者として実行してください";
    report.ErrorNeedsAdmin = true;
    return;
  }
  RecordServices& services = engine.Records();
  const std::vector<InstalledEntry> entries = InstalledEntriesOf(engine.RegData(), args.Scope);
  std::vector<const InstalledEntry*> chosen;
  std::set<const InstalledEntry*> seen;
  for (const std::u16string& name : args.Operands) {
    const auto matches = MatchInstalled(entries, name, services.Folding, FamilyReader(cli));
    if (matches.empty()) report.Add(NotFound(name));
    for (const InstalledEntry* entry : matches)
      if (seen.insert(entry).second) chosen.push_back(entry);
  }

  CliInstalledList records(services);
  std::vector<TFileDataItem*> recordOf;
  for (const InstalledEntry* entry : chosen) {
    TFileDataItem* record = cli.Files.Exists(entry->Path) ? AddNamedRecord(records, entry->Path, engine.LanguagePriority)
                                                          : nullptr;
    if (record) record->SystemName = StripValueSuffix(entry->ValueName);
    recordOf.push_back(record);
  }
  records.MarkProtected();
  const std::u16string marlett = services.Folding.Lower(engine.FontsFolder + u"\\Marlett.ttf");

  bool changed = false;
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    const InstalledEntry& entry = *chosen[i];
    const TFileDataItem* record = recordOf[i];
    CliItem item = ItemFor(entry);
    if (record) FillNames(item, *record, engine.LanguagePriority);
    const bool systemFont = services.Folding.Lower(entry.Path) == marlett || (record && record->Has(SystemFont));
    const bool protectedFont = record ? record->Has(Protected)
                                      : engine.RegData().IsProtected(FileNamePart(entry.Path), StripValueSuffix(entry.ValueName));
    item.Action = CliAction::Failed;
    if (cli.Progress.StopRequested()) {
      item.Reason = u"中止しました";
    } else if (systemFont) {
      item.Reason = kSystemFontReason;
    } else if (protectedFont) {
      item.Reason = kProtectedReason;
    } else if (!entry.PerUser && !engine.IsAdmin) {
      item.Reason = u"全ユーザーのフォントです。管理者権限が必要です";
      item.Failure = CliFailure::NeedsAdmin;
    } else if (args.DryRun) {
      const bool inUse = cli.Files.Exists(entry.Path) && !cli.Files.CanDelete(entry.Path);
      item.Action = inUse ? CliAction::Scheduled : CliAction::Uninstalled;
      item.RestartNeeded = inUse;
    } else {
      const Removal removal =
          RemoveInstalledFont(entry, engine.RegData(), services.Registrations, cli.Files, cli.Restart);
      switch (removal.Outcome) {
        case RemovalOutcome::Deleted: item.Action = CliAction::Uninstalled; break;
        case RemovalOutcome::Scheduled:
          item.Action = CliAction::Scheduled;
          item.RestartNeeded = true;
          item.Reason = u"使用中のため再起動後に削除します";
          break;
        case RemovalOutcome::Failed: item.Reason = u"使用中のファイルを削除できませんでした"; break;
      }
      if (!removal.ValueError.empty()) {
        item.Reason = removal.ValueError;
        item.Failure = CliFailure::Other;
      }
      changed = changed || item.Action != CliAction::Failed;
    }
    report.Add(std::move(item));
  }
  if (changed) {
    engine.RegData().LoadFontsList();
    services.Fonts.BroadcastFontChange();
  }
}

void RunListCommand(const CliArguments& args, CliServices& cli, CliReport& report) {
  TProcedureClass& engine = cli.Engine;
  TFileData_local records(engine.Records());
  for (const InstalledEntry& entry : InstalledEntriesOf(engine.RegData(), args.Scope)) {
    CliItem item = ItemFor(entry);
    if (!cli.Files.Exists(entry.Path)) {
      item.State = u"missing";
    } else if (!IsFontFileName(entry.Path)) {
      item.State = u"ok";  // a bitmap or vector font: present, but no sfnt names to show
    } else if (const TFileDataItem* record = records.AddFontFile(entry.Path)) {
      item.State = u"ok";
      FillNames(item, *record, engine.LanguagePriority);
      records.Clear();
    } else {
      item.State = u"unreadable";
    }
    report.Add(std::move(item));
  }
}

void RunCheckCommand(const CliArguments& args, CliServices& cli, CliReport& report) {
  TProcedureClass& engine = cli.Engine;
  const std::vector<InstalledEntry> entries = InstalledEntriesOf(engine.RegData(), args.Scope);
  for (const std::u16string& name : args.Operands) {
    const auto matches = MatchInstalled(entries, name, engine.Records().Folding, FamilyReader(cli));
    if (matches.empty()) {
      report.Add(NotFound(name));
      continue;
    }
    for (const InstalledEntry* entry : matches) {
      CliItem item = ItemFor(*entry);
      item.State = cli.Files.Exists(entry->Path) ? u"ok" : u"missing";
      if (item.State == u"missing") {
        item.Action = CliAction::Failed;
        item.Reason = u"ファイルがありません";
      }
      report.Add(std::move(item));
    }
  }
}

}  // namespace velura
