#include "cli/install_command.h"

#include <unordered_set>

#include "cli/cli_lists.h"
#include "platform/user_error.h"
#include "cli/font_removal.h"
#include "cli/font_version.h"
#include "cli/install_decisions.h"
#include "cli/install_sources.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "records/long_operations.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"

namespace velura {

namespace {

constexpr char16_t kStopped[] = u"中止しました";

struct PlannedInstall {
  std::u16string Source;  // the font file to install
  std::size_t Item = 0;   // its line of the report
  std::optional<InstalledEntry> Replaced;  // an upgrade: the older installed copy
};

class InstallRun {
 public:
  InstallRun(const CliArguments& args, CliServices& cli, CliReport& report)
      : args_(args), cli_(cli), report_(report), engine_(cli.Engine), services_(engine_.Records()),
        registry_(engine_.RegData()) {}

  void Run() {
    const InstallScope scope = DecideInstallScope(args_.Scope, engine_.IsAdmin, engine_.InstallsPerUser(),
                                                  SupportsPerUserFonts(engine_.WindowsBuild) &&
                                                      !engine_.UserFontsFolder.empty());
    if (!scope.Error.empty()) {
      report_.Error = scope.Error;
      report_.ErrorNeedsAdmin = scope.NeedsAdmin;
      return;
    }
    perUser_ = scope.PerUser;
    destination_ = perUser_ ? engine_.UserFontsFolder : engine_.FontsFolder;
    const std::vector<InstallSource> sources = CollectInstallSources(args_.Operands, args_.Recurse, cli_, report_);
    for (const InstallSource& source : sources) Plan(source);
    if (args_.DryRun) return;
    for (PlannedInstall& plan : plans_)
      if (plan.Replaced) Upgrade(plan);
    std::vector<PlannedInstall*> plain;
    for (PlannedInstall& plan : plans_)
      if (!plan.Replaced) plain.push_back(&plan);
    InstallBatch(plain);
  }

 private:
  void Plan(const InstallSource& source) {
    CliItem item;
    item.Name = source.Path;
    item.File = source.Origin == source.Path ? source.Path : source.Origin + u"\\" + FileNamePart(source.Path);
    item.Scope = ScopeName(perUser_);
    if (cli_.Progress.StopRequested()) return FailNew(std::move(item), kStopped);
    TFileData_local probe(services_);
    const TFileDataItem* record = probe.AddFontFile(source.Path);
    if (!record) return FailNew(std::move(item), u"フォントファイルとして読み込めません");
    const TDisplayNames names = FirstFaceNames(*record, engine_.LanguagePriority);
    item.Name = RegistryValueName(*record);
    item.Family = names.DisplayFamilyName;
    item.FullName = names.DisplayFullName;
    item.Version = record->Faces[0].VersionString;
    if (!namesInRun_.insert(RegisteredNameKey(item.Name, services_.Folding)).second) {
      item.Action = CliAction::Skipped;
      item.Reason = u"同じ名前のフォントを既に対象にしています";
      report_.Add(std::move(item));
      return;
    }

    const InstalledEntry* installed = FindInstalled(item.Name, FileNamePart(source.Path));
    int installedVersusNew = 0;
    if (installed && args_.Upgrade && installed->PerUser == perUser_)
      installedVersusNew = CompareFontVersions(VersionOf(installed->Path, nullptr), VersionOf(source.Path, record));
    switch (ChooseForInstalledCopy(installed != nullptr, args_.Upgrade, installed && installed->PerUser == perUser_,
                                   installedVersusNew)) {
      case InstalledCopyChoice::Skip:
        item.Action = CliAction::Skipped;
        item.Reason = u"インストール済みです: " + installed->ValueName;
        break;
      case InstalledCopyChoice::SkipOtherScope:
        item.Action = CliAction::Skipped;
        item.Reason = (installed->PerUser ? u"現在のユーザーにインストール済みです: " : u"全ユーザーにインストール済みです: ") +
                      installed->ValueName;
        break;
      case InstalledCopyChoice::SkipUpToDate:
        item.Action = CliAction::Skipped;
        item.Reason = u"up to date";
        break;
      case InstalledCopyChoice::Upgrade:
        item.Action = CliAction::Upgraded;
        item.Reason = u"置き換え: " + installed->Path;
        plans_.push_back({source.Path, report_.Items.size(), *installed});
        break;
      case InstalledCopyChoice::Install:
        // The install loop takes a file of that name it finds unregistered in the destination as the font's;
        // only a copy of this very file may be taken so.
        if (const std::u16string target = destination_ + u"\\" + FileNamePart(source.Path);
            cli_.Files.Exists(target) && !SameContents(target, source.Path)) {
          item.Action = CliAction::Failed;
          item.Reason = u"インストール先に同じ名前の別のファイルがあります: " + target;
          break;
        }
        item.Action = CliAction::Installed;
        plans_.push_back({source.Path, report_.Items.size(), std::nullopt});
        break;
    }
    report_.Add(std::move(item));
  }

  const InstalledEntry* FindInstalled(const std::u16string& valueName, const std::u16string& fileName) {
    if (!entriesRead_) entries_ = InstalledEntriesOf(registry_, CliScope::All), entriesRead_ = true;
    const std::string key = RegisteredNameKey(valueName, services_.Folding);
    const std::u16string file = services_.Folding.Lower(fileName);
    for (const InstalledEntry& entry : entries_)
      if (RegisteredNameKey(entry.ValueName, services_.Folding) == key) return &entry;
    for (const InstalledEntry& entry : entries_)
      if (services_.Folding.Lower(FileNamePart(entry.Path)) == file) return &entry;
    return nullptr;
  }

  bool SameContents(const std::u16string& a, const std::u16string& b) {
    std::vector<std::uint8_t> left, right;
    return cli_.Files.ReadWholeFile(a, left) && cli_.Files.ReadWholeFile(b, right) && left == right;
  }

  // A copy that cannot be read counts as the oldest there is, so that an upgrade replaces it.
  FontVersion VersionOf(const std::u16string& path, const TFileDataItem* record) {
    FontVersion version;
    auto source = cli_.Files.OpenForReading(path);
    if (!source) return version;
    version.Revision = ReadHeadRevision(*source);
    if (record) {
      version.Text = record->Faces[0].VersionString;
    } else {
      TFontFileData faces;
      if (services_.Reader.LoadFontData(*source, faces) && !faces.empty()) version.Text = faces[0].VersionString;
    }
    return version;
  }

  // The new version is staged under a file name no file of the destination has and installed by the loop,
  // taking over the value's name; only then does the older copy go (its registration, a value of another
  // name still naming it, its file), with Ctrl+C held back between the two. At every point the font is
  // installed, in one version or the other.
  void Upgrade(PlannedInstall& plan) {
    CliItem& item = report_.Items[plan.Item];
    if (cli_.Progress.StopRequested()) return FailItem(item, kStopped);
    const auto taken = [&](const std::u16string& name) {
      const std::u16string path = destination_ + u"\\" + name;
      return cli_.Files.Exists(path) || registry_.IsRegisteredFile(path);
    };
    const std::optional<std::u16string> name = FreeFileName(FileNamePart(plan.Source), taken);
    const std::u16string stagedFolder = cli_.WorkFolder + u"\\upgrade" + DecimalU16(static_cast<int>(plan.Item));
    const std::u16string staged = stagedFolder + u"\\" + name.value_or(u"");
    if (!name || !cli_.Files.CreateFolder(stagedFolder) || !cli_.Files.Copy(plan.Source, staged, true))
      return FailItem(item, u"新しい版を用意できませんでした");
    plan.Source = staged;

    cli_.Progress.HoldStop(true);
    struct Release {
      CliProgress& progress;
      ~Release() { progress.HoldStop(false); }
    } release{cli_.Progress};
    std::vector<PlannedInstall*> one{&plan};
    InstallBatch(one);
    if (item.Action == CliAction::Failed) return;

    InstalledEntry old = *plan.Replaced;
    if (RegisteredNameKey(old.ValueName, services_.Folding) == RegisteredNameKey(item.Name, services_.Folding))
      old.ValueName.clear();  // the new copy's value now: only a value still naming the old file goes
    const Removal removal = RemoveInstalledFont(old, registry_, services_.Registrations, cli_.Files, cli_.Restart);
    try {
      registry_.LoadFontsList();
    } catch (const UserError&) {
      // The list is only reread for the next step; the registry itself is as the removal left it.
    }
    if (removal.Outcome == RemovalOutcome::Scheduled) {
      item.RestartNeeded = true;
      item.Reason += u"（古いファイルは再起動後に削除します）";
    } else if (removal.Outcome == RemovalOutcome::Failed) {
      item.Reason += u"（古いファイルを削除できませんでした）";
      item.Failure = CliFailure::Other;
    }
    if (!removal.ValueError.empty()) {
      item.Reason += u"（古い記述を削除できませんでした: " + removal.ValueError + u"）";
      item.Failure = CliFailure::Other;
    }
  }

  // The install loop over the plans' files; a file it leaves out is failed with the loop's report about it.
  void InstallBatch(const std::vector<PlannedInstall*>& plans) {
    if (plans.empty()) return;
    TFileData_local list(services_);
    std::vector<std::pair<PlannedInstall*, TFileDataItem*>> records;
    for (PlannedInstall* plan : plans) {
      CliItem& item = report_.Items[plan->Item];
      if (item.Action == CliAction::Failed) continue;
      TFileDataItem* record = list.AddFontFile(plan->Source);
      if (!record) {
        FailItem(item, u"フォントファイルとして読み込めません");
        continue;
      }
      record->Set(Selected);
      records.push_back({plan, record});
    }
    if (records.empty()) return;

    std::vector<MessageRequest> messages;
    const MessageSink previous = SetMessageSink([&](const MessageRequest& request) {
      messages.push_back(request);
      return MessageResult::Ok;
    });
    struct RestoreSink {
      const MessageSink& previous;
      ~RestoreSink() { SetMessageSink(previous); }
    } restore{previous};
    CliInstalledList installed(services_);
    std::u16string loopError;
    try {
      if (perUser_)
        RunInstallForUser(engine_.Loop(), cli_.Progress, list, installed, destination_, registry_);
      else
        RunInstall(engine_.Loop(), cli_.Progress, list, installed, destination_, true, registry_);
    } catch (const UserError& error) {
      loopError = error.Message();
    }
    for (auto& [plan, record] : records) {
      if (record->Has(InstalledNow)) continue;
      std::u16string reason = loopError.empty() ? std::u16string(kStopped) : loopError;
      for (const MessageRequest& message : messages)
        if (message.Text.find(record->Path) != std::u16string::npos) reason = message.Caption;
      if (plan->Replaced) reason = u"新しい版をインストールできませんでした。古い版はそのままです: " + reason;
      FailItem(report_.Items[plan->Item], reason);
    }
  }

  void FailNew(CliItem item, std::u16string reason) {
    item.Action = CliAction::Failed;
    item.Reason = std::move(reason);
    report_.Add(std::move(item));
  }
  void FailItem(CliItem& item, std::u16string reason) {
    item.Action = CliAction::Failed;
    item.Reason = std::move(reason);
    item.RestartNeeded = false;
  }

  const CliArguments& args_;
  CliServices& cli_;
  CliReport& report_;
  TProcedureClass& engine_;
  RecordServices& services_;
  TRegFontData& registry_;
  bool perUser_ = false;
  std::u16string destination_;
  std::vector<PlannedInstall> plans_;
  std::unordered_set<std::string> namesInRun_;
  std::vector<InstalledEntry> entries_;
  bool entriesRead_ = false;
};

}  // namespace

void RunInstallCommand(const CliArguments& args, CliServices& cli, CliReport& report) {
  InstallRun(args, cli, report).Run();
}

}  // namespace velura
