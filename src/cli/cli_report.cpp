#include "cli/cli_report.h"

#include "platform/json_writer.h"
#include "platform/text.h"

namespace velura {

int ExitCodeOf(const CliReport& report) {
  bool needsAdmin = report.ErrorNeedsAdmin, failed = !report.Error.empty(), restart = false;
  for (const CliItem& item : report.Items) {
    needsAdmin = needsAdmin || item.Failure == CliFailure::NeedsAdmin;
    failed = failed || item.Action == CliAction::Failed || item.Failure != CliFailure::None;
    restart = restart || item.RestartNeeded;
  }
  if (needsAdmin) return kExitNeedsAdmin;
  if (failed) return kExitFailed;
  return restart && !report.DryRun ? kExitRestart : kExitOk;
}

const char* ActionName(CliAction action) {
  switch (action) {
    case CliAction::None: return "";
    case CliAction::Installed: return "installed";
    case CliAction::Upgraded: return "upgraded";
    case CliAction::Skipped: return "skipped";
    case CliAction::Failed: return "failed";
    case CliAction::Uninstalled: return "uninstalled";
    case CliAction::Scheduled: return "scheduled";
    case CliAction::Repaired: return "repaired";
  }
  return "";
}

namespace {

void Field(JsonWriter& json, const char* key, const std::u16string& value) {
  if (!value.empty()) json.Key(key).String(std::u16string_view(value));
}

}  // namespace

std::string ReportJson(const CliReport& report) {
  JsonWriter json;
  json.BeginObject();
  json.Key("command").String(std::string_view(CommandName(report.Command)));
  json.Key("dryRun").Bool(report.DryRun);
  json.Key("exitCode").Number(ExitCodeOf(report));
  Field(json, "error", report.Error);
  json.Key("items");
  json.BeginArray();
  for (const CliItem& item : report.Items) {
    json.BeginObject();
    json.Key("name").String(std::u16string_view(item.Name));
    Field(json, "file", item.File);
    Field(json, "scope", item.Scope);
    Field(json, "state", item.State);
    if (item.Face >= 0) json.Key("face").Number(item.Face);
    Field(json, "family", item.Family);
    Field(json, "fullName", item.FullName);
    Field(json, "subfamily", item.Subfamily);
    Field(json, "version", item.Version);
    if (item.Action != CliAction::None) json.Key("action").String(std::string_view(ActionName(item.Action)));
    Field(json, "reason", item.Reason);
    if (item.RestartNeeded) json.Key("restartNeeded").Bool(true);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.Text() += '\n';
  return std::move(json.Text());
}

namespace {

std::u16string ActionText(CliAction action, bool dryRun) {
  switch (action) {
    case CliAction::Installed: return dryRun ? u"インストールします" : u"インストールしました";
    case CliAction::Upgraded: return dryRun ? u"更新します" : u"更新しました";
    case CliAction::Skipped: return u"スキップしました";
    case CliAction::Failed: return u"失敗しました";
    case CliAction::Uninstalled: return dryRun ? u"アンインストールします" : u"アンインストールしました";
    case CliAction::Scheduled: return dryRun ? u"アンインストールします（再起動後に削除）" : u"再起動後に削除します";
    case CliAction::Repaired: return u"修復しました";
    case CliAction::None: break;
  }
  return {};
}

std::u16string ScopeText(const std::u16string& scope) {
  if (scope == u"machine") return u"全ユーザー";
  if (scope == u"user") return u"現在のユーザー";
  return scope;
}

std::u16string StateText(const std::u16string& state) {
  if (state == u"ok") return u"正常";
  if (state == u"missing") return u"ファイルなし";
  if (state == u"unreadable") return u"読み込み不可";
  if (state == u"unregistered") return u"レジストリに記述なし";
  return state;
}

}  // namespace

std::u16string HumanLine(CliCommand command, const CliItem& item, bool dryRun) {
  std::u16string line;
  if (item.Action != CliAction::None) {
    line = ActionText(item.Action, dryRun) + u": " + item.Name;
    if (!item.File.empty() && item.File != item.Name) line += u" [" + item.File + u"]";
    if (!item.Reason.empty()) line += u" - " + item.Reason;
    return line;
  }
  if (command == CliCommand::Info) {
    line = item.File + u" #" + DecimalU16(item.Face) + u": " + item.Family;
    if (!item.FullName.empty()) line += u" / " + item.FullName;
    if (!item.Subfamily.empty()) line += u" (" + item.Subfamily + u")";
    if (!item.Version.empty()) line += u" " + item.Version;
    if (!item.Reason.empty()) line += u" - " + item.Reason;
    return line;
  }
  line = item.Name;
  if (!item.Scope.empty()) line += u"\t" + ScopeText(item.Scope);
  line += u"\t" + StateText(item.State);
  line += u"\t" + item.File;
  if (!item.Family.empty()) line += u"\t" + item.Family;
  if (!item.FullName.empty() && item.FullName != item.Family) line += u" / " + item.FullName;
  if (!item.Version.empty()) line += u"\t" + item.Version;
  if (!item.Reason.empty()) line += u" - " + item.Reason;
  return line;
}

}  // namespace velura
