#include "cli/cli_main_win.h"

#include <windows.h>

#include <fstream>
#include <vector>

#include "archive/archiver_host.h"
#include "cli/cli_commands.h"
#include "cli/cli_console_win.h"
#include "cli/work_folder.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/wide_win.h"
#include "records/system_engine_win.h"
#include "settings/ini_keeper_global_win.h"
#include "ui/browsers/archive_file_extractor.h"

namespace velura {

namespace {

std::u16string FullPath(const std::u16string& path) {
  const DWORD length = GetFullPathNameW(AsWide(path), 0, nullptr, nullptr);
  if (length == 0) return path;
  std::wstring full(length, L'\0');
  full.resize(GetFullPathNameW(AsWide(path), length, full.data(), nullptr));
  return ToU16(full);
}

std::u16string WorkFolderPath() {
  wchar_t temp[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  std::wstring folder(temp, length);
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return ToU16(folder) + u"\\velura-cli-" + DecimalU16(GetCurrentProcessId());
}

// The human lines go to stdout (unless JSON does) and, with --log, are appended to the log file in UTF-8.
class ReportPrinter {
 public:
  ReportPrinter(const CliArguments& args, ConsoleText& out) : args_(args), out_(out) {}

  void Print(const CliReport& report) {
    std::vector<std::u16string> lines;
    for (const CliItem& item : report.Items) lines.push_back(HumanLine(report.Command, item, report.DryRun));
    if (!report.Error.empty()) lines.push_back(u"エラー: " + report.Error);
    if (args_.Json) out_.Utf8(ReportJson(report));
    else
      for (const auto& line : lines) out_.Line(line);
    if (!args_.LogFile.empty()) AppendToLog(lines);
  }

 private:
  void AppendToLog(const std::vector<std::u16string>& lines) {
    std::ofstream log(AsWide(args_.LogFile), std::ios::binary | std::ios::app);
    for (const auto& line : lines) log << ToUtf8(line) << "\r\n";
  }

  const CliArguments& args_;
  ConsoleText& out_;
};

}  // namespace

int RunCli(int argc, wchar_t** argv, const CliOverrides& overrides) {
  ConsoleText out(STD_OUTPUT_HANDLE), err(STD_ERROR_HANDLE);
  // Nothing of the engine may open a window: what it would show goes to stderr.
  SetMessageSink([&err](const MessageRequest& request) {
    err.Line(request.Caption.empty() ? request.Text : request.Caption + u": " + request.Text);
    return MessageResult::Ok;
  });
  std::vector<std::u16string> words;
  for (int i = 1; i < argc; ++i) words.push_back(ToU16(argv[i]));
  if (words.size() == 1 && (words[0] == u"--help" || words[0] == u"help" || words[0] == u"/?")) {
    out.Line(UsageText());
    return kExitOk;
  }
  CliParse parse = ParseCliArguments(words);
  if (!parse.Arguments) {
    err.Line(parse.Error);
    err.Line(UsageText());
    return kExitUsage;
  }
  CliArguments& args = *parse.Arguments;
  if (args.Command == CliCommand::Install || args.Command == CliCommand::Info)
    for (auto& operand : args.Operands) operand = FullPath(operand);
  if (!args.LogFile.empty()) args.LogFile = FullPath(args.LogFile);

  const std::atomic<bool>& stop = InstallStopHandler();
  ReportPrinter printer(args, out);
  try {
    SystemEngine system(IniKeeper);
    TProcedureClass& engine = system.Engine();
    if (overrides.IsAdmin) engine.IsAdmin = *overrides.IsAdmin;
    if (overrides.WindowsBuild) engine.WindowsBuild = *overrides.WindowsBuild;
    WindowsFileServices files;
    ArchiveFileExtractor archives(nullptr, DefaultArchiverHost());
    WindowsRestartDeletion restart;
    ConsoleProgress progress(engine.Loop(), stop, err);
    WorkFolder work(files, WorkFolderPath());
    CliServices services{engine, files, archives, restart, progress, work.Path()};
    const CliReport report = RunCliCommand(args, services);
    printer.Print(report);
    return ExitCodeOf(report);
  } catch (const UserError& error) {
    CliReport report;
    report.Command = args.Command;
    report.Error = error.Message();
    printer.Print(report);
    return kExitFailed;
  }
}

}  // namespace velura
