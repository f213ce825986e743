// The console side of velura-cli: text out (WriteConsoleW on a console, UTF-8 when redirected), the status
// of long loops on stderr, Ctrl+C as a stop between files, and deletion at restart.
#pragma once
#include <atomic>
#include <string>

#include "cli/cli_services.h"

namespace velura {

class ConsoleText {
 public:
  // STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
  explicit ConsoleText(unsigned long stdHandle);
  bool IsConsole() const { return console_; }
  void Line(const std::u16string& text);
  void Utf8(const std::string& text);

 private:
  void* handle_;
  bool console_ = false;
};

// Counts on stderr while a loop runs, only when stderr is a console.
class ConsoleProgress final : public CliProgress {
 public:
  ConsoleProgress(LoopContext& loop, const std::atomic<bool>& stop, ConsoleText& err)
      : CliProgress(loop, stop), err_(err) {}
  void Open(const std::u16string& title) override;
  void Close() override;
  void ResetDisplay() override {}
  void BeginProgress(int total) override { total_ = total; }
  void StepProgress(int done) override;

 private:
  ConsoleText& err_;
  int total_ = 0;
};

// Ctrl+C and Ctrl+Break set the flag instead of ending the process.
const std::atomic<bool>& InstallStopHandler();

class WindowsRestartDeletion final : public RestartDeletion {
 public:
  bool ScheduleDeletion(const std::u16string& path) override;
};

}  // namespace velura
