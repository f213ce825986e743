#include "cli/cli_runner_win.h"

#include "platform/text.h"
#include "platform/wide_win.h"

namespace velura::testing {

namespace {

std::wstring CliPath() {
  std::wstring path = L"Z:" VELURA_CLI_TEST_EXE;
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

std::wstring Quoted(const std::wstring& arg) { return L"\"" + arg + L"\""; }

}  // namespace

std::string Utf8(const std::wstring& text) { return ToUtf8(AsU16(text)); }

CliRun RunCli(const std::vector<std::wstring>& args, const std::vector<std::pair<std::wstring, std::wstring>>& env) {
  CliRun run;
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  std::wstring commandLine = Quoted(CliPath());
  for (const auto& arg : args) commandLine += L" " + Quoted(arg);
  for (const auto& [name, value] : env) SetEnvironmentVariableW(name.c_str(), value.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                      &startup, &process);
  for (const auto& entry : env) SetEnvironmentVariableW(entry.first.c_str(), nullptr);
  CloseHandle(writeEnd);
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) run.Out.append(buffer, got);
    WaitForSingleObject(process.hProcess, 120000);
    GetExitCodeProcess(process.hProcess, &run.ExitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CloseHandle(readEnd);
  return run;
}

std::optional<std::wstring> FontsValue(HKEY root, const std::wstring& name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof(data);
  if (RegGetValueW(root, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", name.c_str(), RRF_RT_REG_SZ,
                   nullptr, data, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(data);
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace velura::testing
