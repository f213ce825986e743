#include "cli/cli_arguments.h"

#include <array>
#include <string_view>

namespace velura {

namespace {

struct CommandForm {
  std::u16string_view Name;
  CliCommand Command;
  std::u16string_view Options;  // the options it takes, each followed by a blank
  bool NeedsOperands;
};

constexpr std::array<CommandForm, 6> kCommands{{
    {u"install", CliCommand::Install, u"--user --machine --upgrade --recurse --dry-run --json --log ", true},
    {u"uninstall", CliCommand::Uninstall, u"--user --machine --dry-run --json --log ", true},
    {u"list", CliCommand::List, u"--user --machine --all --json --log ", false},
    {u"check", CliCommand::Check, u"--user --machine --json --log ", true},
    {u"verify", CliCommand::Verify, u"--repair --json --log ", false},
    {u"info", CliCommand::Info, u"--json --log ", true},
}};

bool Takes(const CommandForm& command, std::u16string_view option) {
  const std::u16string word = std::u16string(option) + u" ";
  return command.Options.find(word) != std::u16string_view::npos;
}

CliParse Refuse(std::u16string reason) { return CliParse{std::nullopt, std::move(reason)}; }

}  // namespace

const char* CommandName(CliCommand command) {
  switch (command) {
    case CliCommand::Install: return "install";
    case CliCommand::Uninstall: return "uninstall";
    case CliCommand::List: return "list";
    case CliCommand::Check: return "check";
    case CliCommand::Verify: return "verify";
    case CliCommand::Info: return "info";
  }
  return "";
}

CliParse ParseCliArguments(const std::vector<std::u16string>& args) {
  if (args.empty()) return Refuse(u"コマンドを指定してください");
  const CommandForm* command = nullptr;
  for (const auto& candidate : kCommands)
    if (candidate.Name == args[0]) command = &candidate;
  if (!command) return Refuse(u"不明なコマンドです: " + args[0]);

  CliArguments result;
  result.Command = command->Command;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::u16string& word = args[i];
    if (optionsEnded || word.size() < 2 || word.compare(0, 2, u"--") != 0) {
      if (!word.empty()) result.Operands.push_back(word);
      continue;
    }
    if (word == u"--") {
      optionsEnded = true;
      continue;
    }
    if (!Takes(*command, word)) return Refuse(u"このコマンドでは使えないオプションです: " + word);
    if (word == u"--user" || word == u"--machine" || word == u"--all") {
      const CliScope scope = word == u"--user" ? CliScope::User : word == u"--machine" ? CliScope::Machine : CliScope::All;
      if (result.Scope != CliScope::Default && result.Scope != scope)
        return Refuse(u"--user, --machine, --all は一つだけ指定してください");
      result.Scope = scope;
    } else if (word == u"--upgrade") {
      result.Upgrade = true;
    } else if (word == u"--recurse") {
      result.Recurse = true;
    } else if (word == u"--dry-run") {
      result.DryRun = true;
    } else if (word == u"--json") {
      result.Json = true;
    } else if (word == u"--repair") {
      result.Repair = true;
    } else if (word == u"--log") {
      if (i + 1 >= args.size() || args[i + 1].empty()) return Refuse(u"--log にはファイル名が必要です");
      result.LogFile = args[++i];
    }
  }
  if (command->NeedsOperands && result.Operands.empty()) return Refuse(u"対象を指定してください");
  if (!command->NeedsOperands && !result.Operands.empty()) return Refuse(u"このコマンドは対象を取りません: " + result.Operands[0]);
  return CliParse{std::move(result), {}};
}

std::u16string UsageText() {
  return u"使い方:\r\n"
         u"  velura-cli install [--user | --machine] [--upgrade] [--recurse] [--dry-run] [--json] PATH...\r\n"
         u"  velura-cli uninstall [--user | --machine] [--dry-run] [--json] NAME...\r\n"
         u"  velura-cli list [--user | --machine | --all] [--json]\r\n"
         u"  velura-cli check [--user | --machine] NAME...\r\n"
         u"  velura-cli verify [--repair] [--json]\r\n"
         u"  velura-cli info [--json] FILE...\r\n"
         u"どのコマンドも --log FILE で表示内容をファイルに追記します\r\n";
}

}  // namespace velura
