#include "cli/cli_console_win.h"

#include <windows.h>

#include "platform/text.h"
#include "platform/wide_win.h"

namespace velura {

namespace {

std::atomic<bool> stopRequested{false};

BOOL WINAPI OnConsoleControl(DWORD type) {
  if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) return FALSE;
  stopRequested = true;
  return TRUE;
}

}  // namespace

ConsoleText::ConsoleText(unsigned long stdHandle) : handle_(GetStdHandle(stdHandle)) {
  DWORD mode = 0;
  console_ = handle_ && handle_ != INVALID_HANDLE_VALUE && GetConsoleMode(handle_, &mode);
}

void ConsoleText::Line(const std::u16string& text) {
  if (!console_) return Utf8(ToUtf8(text) + "\r\n");
  const std::u16string line = text + u"\r\n";
  DWORD written = 0;
  WriteConsoleW(handle_, AsWide(line), static_cast<DWORD>(line.size()), &written, nullptr);
}

void ConsoleText::Utf8(const std::string& text) {
  if (!handle_ || handle_ == INVALID_HANDLE_VALUE) return;
  if (console_) {
    const std::u16string wide = FromUtf8(text);
    DWORD written = 0;
    WriteConsoleW(handle_, AsWide(wide), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  DWORD written = 0;
  WriteFile(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void ConsoleProgress::Open(const std::u16string& title) {
  if (err_.IsConsole()) err_.Line(title);
}

void ConsoleProgress::Close() {
  if (err_.IsConsole() && total_ > 0) err_.Line(u"");
}

void ConsoleProgress::StepProgress(int done) {
  if (err_.IsConsole()) err_.Utf8("\r" + std::to_string(done) + " / " + std::to_string(total_));
}

const std::atomic<bool>& InstallStopHandler() {
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  return stopRequested;
}

bool WindowsRestartDeletion::ScheduleDeletion(const std::u16string& path) {
  return MoveFileExW(AsWide(path), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

}  // namespace velura
