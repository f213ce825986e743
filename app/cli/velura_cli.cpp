// velura-cli.exe
#include <windows.h>

#include <cwchar>

#include "cli/cli_main_win.h"

int wmain(int argc, wchar_t** argv) {
  velura::CliOverrides overrides;
#ifdef VELURA_CLI_TEST_HOOKS
  // The test build alone lets its tests stand for a user without administrator rights and for another
  // Windows; the shipped executable is built without this.
  wchar_t value[32] = {};
  if (GetEnvironmentVariableW(L"VELURA_CLI_TEST_NOT_ADMIN", value, 32) && value[0] == L'1') overrides.IsAdmin = false;
  if (GetEnvironmentVariableW(L"VELURA_CLI_TEST_WINDOWS_BUILD", value, 32))
    overrides.WindowsBuild = static_cast<std::uint32_t>(std::wcstoul(value, nullptr, 10));
#endif
  return velura::RunCli(argc, argv, overrides);
}
