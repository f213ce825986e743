// Runs the test build of velura-cli as a child process and reads what it left in the registry.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velura::testing {

struct CliRun {
  DWORD ExitCode = 0xFFFFFFFF;
  std::string Out;  // stdout, UTF-8
};

// The arguments are quoted one by one; env holds variables set for the child alone.
CliRun RunCli(const std::vector<std::wstring>& args,
              const std::vector<std::pair<std::wstring, std::wstring>>& env = {});

std::string Utf8(const std::wstring& text);

// The data of a REG_SZ value of the Fonts key under root; nullopt when there is none.
std::optional<std::wstring> FontsValue(HKEY root, const std::wstring& name);

bool FileExists(const std::wstring& path);

}  // namespace velura::testing
