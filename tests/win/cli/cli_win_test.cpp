// velura-cli as a black box: the test build run as a child process, its effects read from the registry and
// the font folders of the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include "cli/cli_runner_win.h"
#include "host/archive/archive_builders.h"
#include "platform/wide_win.h"
#include "records/system_services_win.h"
#include "records/user_fonts.h"
#include "support/file_bytes_win.h"
#include "support/temp_folder_win.h"
#include "support/test_fonts_win.h"

namespace velura::testing {
namespace {

// A family no earlier run of the prefix has installed.
std::wstring FreshFamily(const wchar_t* stem) { return stem + std::to_wstring(GetTickCount() % 100000000); }

std::wstring FontsFolder() { return std::wstring(AsWide(SystemFontsFolder())); }

const std::vector<std::pair<std::wstring, std::wstring>> kUserWithoutRights{
    {L"VELURA_CLI_TEST_NOT_ADMIN", L"1"}, {L"VELURA_CLI_TEST_WINDOWS_BUILD", L"19045"}};

bool Has(const CliRun& run, const std::string& text) { return run.Out.find(text) != std::string::npos; }

// The JSON object of the first item holding the text; empty when none does.
std::string ItemWith(const CliRun& run, const std::string& text) {
  const std::size_t at = run.Out.find(text);
  if (at == std::string::npos) return {};
  const std::size_t begin = run.Out.rfind('{', at), end = run.Out.find('}', at);
  return run.Out.substr(begin, end - begin + 1);
}

std::wstring Upper(std::wstring text) {
  CharUpperW(text.data());
  return text;
}

TEST(CliOnWindows, MachineWideInstallListCheckUninstall) {
  TempFolder folder(L"velura_cli_machine");
  const std::wstring family = FreshFamily(L"VeluraCliMachine");
  const std::wstring value = family + L" (TrueType)";
  ASSERT_TRUE(WriteFontWithFamily(folder / (family + L".ttf"), ToU16(family)));

  CliRun run = RunCli({L"install", L"--machine", L"--json", folder.Path()});
  EXPECT_EQ(run.ExitCode, 0u) << run.Out;
  EXPECT_TRUE(Has(run, "\"action\":\"installed\"")) << run.Out;
  EXPECT_EQ(FontsValue(HKEY_LOCAL_MACHINE, value), std::optional<std::wstring>(Upper(family) + L".TTF"));
  const std::wstring installed = FontsFolder() + L"\\" + family + L".ttf";
  EXPECT_TRUE(FileExists(installed));

  run = RunCli({L"install", L"--json", folder / (family + L".ttf")});
  EXPECT_EQ(run.ExitCode, 0u);
  EXPECT_TRUE(Has(run, "\"action\":\"skipped\"")) << run.Out;

  run = RunCli({L"list", L"--machine", L"--json"});
  EXPECT_TRUE(Has(run, "{\"name\":\"" + Utf8(value) + "\",\"file\":")) << run.Out.substr(0, 400);
  EXPECT_EQ(RunCli({L"check", family}).ExitCode, 0u);

  run = RunCli({L"uninstall", L"--json", value});
  EXPECT_EQ(run.ExitCode, 0u) << run.Out;
  EXPECT_TRUE(Has(run, "\"action\":\"uninstalled\"")) << run.Out;
  EXPECT_FALSE(FontsValue(HKEY_LOCAL_MACHINE, value));
  EXPECT_FALSE(FileExists(installed));
  EXPECT_EQ(RunCli({L"check", family}).ExitCode, 1u);
}

TEST(CliOnWindows, PerUserInstallAndMachineRefusedWithoutRights) {
  TempFolder folder(L"velura_cli_user");
  const std::wstring family = FreshFamily(L"VeluraCliUser");
  const std::wstring value = family + L" (TrueType)";
  const std::wstring source = folder / (family + L".ttf");
  ASSERT_TRUE(WriteFontWithFamily(source, ToU16(family)));

  CliRun run = RunCli({L"install", L"--machine", source}, kUserWithoutRights);
  EXPECT_EQ(run.ExitCode, 5u);
  EXPECT_FALSE(FontsValue(HKEY_LOCAL_MACHINE, value));
  EXPECT_FALSE(FileExists(FontsFolder() + L"\\" + family + L".ttf"));

  run = RunCli({L"install", L"--json", source}, kUserWithoutRights);
  EXPECT_EQ(run.ExitCode, 0u) << run.Out;
  EXPECT_TRUE(Has(run, "\"scope\":\"user\"")) << run.Out;
  const std::wstring installed = std::wstring(AsWide(UserFontsFolderIn(LocalAppDataFolder()))) + L"\\" + family + L".ttf";
  EXPECT_EQ(FontsValue(HKEY_CURRENT_USER, value), std::optional<std::wstring>(installed));
  EXPECT_TRUE(FileExists(installed));
  EXPECT_FALSE(FontsValue(HKEY_LOCAL_MACHINE, value));
  EXPECT_EQ(RunCli({L"check", L"--user", family + L".ttf"}).ExitCode, 0u);

  run = RunCli({L"uninstall", family}, kUserWithoutRights);
  EXPECT_EQ(run.ExitCode, 0u) << run.Out;
  EXPECT_FALSE(FontsValue(HKEY_CURRENT_USER, value));
  EXPECT_FALSE(FileExists(installed));
}

TEST(CliOnWindows, UpgradeReplacesOlderKeepsNewerAndSchedulesHeldFile) {
  TempFolder folder(L"velura_cli_upgrade");
  const std::wstring family = FreshFamily(L"VeluraCliUp");
  const std::wstring value = family + L" (TrueType)";
  const std::wstring fonts = FontsFolder();
  const auto versionFile = [&](const wchar_t* sub, std::uint32_t revision, const char16_t* text) {
    CreateDirectoryW((folder / sub).c_str(), nullptr);
    const std::wstring path = folder / sub + L"\\" + family + L".ttf";
    EXPECT_TRUE(WriteVersionedFont(path, ToU16(family), revision, text));
    return path;
  };
  const std::wstring v1 = versionFile(L"v1", 0x00010000, u"Version 1.000");
  const std::wstring v2 = versionFile(L"v2", 0x00020000, u"Version 2.000");
  const std::wstring v3 = versionFile(L"v3", 0x00030000, u"Version 3.000");
  ASSERT_EQ(RunCli({L"install", L"--machine", v1}).ExitCode, 0u);

  CliRun run = RunCli({L"install", L"--upgrade", L"--json", v2});
  EXPECT_EQ(run.ExitCode, 0u) << run.Out;
  EXPECT_TRUE(Has(run, "\"action\":\"upgraded\"")) << run.Out;
  EXPECT_FALSE(FileExists(fonts + L"\\" + family + L".ttf"));
  EXPECT_EQ(FontsValue(HKEY_LOCAL_MACHINE, value), std::optional<std::wstring>(Upper(family) + L"-2.TTF"));

  run = RunCli({L"install", L"--upgrade", L"--json", v1});
  EXPECT_EQ(run.ExitCode, 0u);
  EXPECT_TRUE(Has(run, "\"action\":\"skipped\",\"reason\":\"up to date\"")) << run.Out;

  // Held without FILE_SHARE_DELETE, as a program that has the font open would hold it.
  const std::wstring held = fonts + L"\\" + family + L"-2.ttf";
  HANDLE handle = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  run = RunCli({L"install", L"--upgrade", L"--json", v3});
  CloseHandle(handle);
  EXPECT_EQ(run.ExitCode, 3010u) << run.Out;
  EXPECT_TRUE(Has(run, "\"restartNeeded\":true")) << run.Out;
  EXPECT_TRUE(FileExists(held));
  EXPECT_EQ(FontsValue(HKEY_LOCAL_MACHINE, value), std::optional<std::wstring>(Upper(family) + L".TTF"));
  std::vector<wchar_t> pending(1 << 20);
  DWORD size = static_cast<DWORD>(pending.size() * sizeof(wchar_t));
  EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Session Manager",
                         L"PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, pending.data(), &size),
            ERROR_SUCCESS);
  EXPECT_NE(Upper(std::wstring(pending.data(), size / sizeof(wchar_t))).find(Upper(family) + L"-2.TTF"),
            std::wstring::npos);

  EXPECT_EQ(RunCli({L"uninstall", value}).ExitCode, 0u);
  EXPECT_FALSE(FontsValue(HKEY_LOCAL_MACHINE, value));
  DeleteFileW(held.c_str());
}

TEST(CliOnWindows, BadInputIsReportedAndNothingHalfWritten) {
  TempFolder folder(L"velura_cli_bad");
  const std::wstring good = FreshFamily(L"VeluraCliZip");
  const std::wstring hostile = FreshFamily(L"VeluraCliEsc");
  ASSERT_TRUE(WriteFontWithFamily(folder / L"good.ttf", ToU16(good)));
  ASSERT_TRUE(WriteFontWithFamily(folder / L"hostile.ttf", ToU16(hostile)));
  using archive_testing::BuildZip;
  ASSERT_TRUE(WriteFileBytes(folder / L"fonts.zip",
                             BuildZip({{"good.ttf", ReadFileByteVector(folder / L"good.ttf")},
                                       {"../../escaped_velura_cli.ttf", ReadFileByteVector(folder / L"hostile.ttf")}})));
  ASSERT_TRUE(WriteFileBytes(folder / L"broken.ttf", std::string("\0\1\0\0garbage, not a font", 25)));
  ASSERT_TRUE(WriteFileBytes(folder / L"empty.zip", BuildZip({{"readme.txt", {'h', 'i'}}})));
  DeleteFileW((folder / L"good.ttf").c_str());
  DeleteFileW((folder / L"hostile.ttf").c_str());

  CliRun run = RunCli({L"install", L"--machine", L"--json", folder / L"fonts.zip", folder / L"broken.ttf",
                       folder / L"empty.zip", folder / L"nowhere.ttf"});
  EXPECT_EQ(run.ExitCode, 1u);
  EXPECT_TRUE(Has(run, "\"name\":\"" + Utf8(good) + " (TrueType)\"")) << run.Out;
  EXPECT_EQ(FontsValue(HKEY_LOCAL_MACHINE, good + L" (TrueType)"), std::optional<std::wstring>(L"GOOD.TTF"));
  EXPECT_FALSE(FontsValue(HKEY_LOCAL_MACHINE, L"broken (TrueType)"));
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  EXPECT_FALSE(FileExists(std::wstring(temp) + L"escaped_velura_cli.ttf"));
  for (const char* name : {"broken.ttf", "empty.zip", "nowhere.ttf"})
    EXPECT_NE(ItemWith(run, std::string(name) + "\"").find("\"action\":\"failed\""), std::string::npos) << name;

  EXPECT_EQ(RunCli({L"uninstall", good, hostile}).ExitCode, 0u);
  EXPECT_FALSE(FileExists(FontsFolder() + L"\\good.ttf"));
  EXPECT_EQ(RunCli({L"uninstall", L"VeluraCliNoSuchFont"}).ExitCode, 1u);
  EXPECT_EQ(RunCli({L"install"}).ExitCode, 2u);
}

}  // namespace
}  // namespace velura::testing
