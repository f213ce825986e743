// The facts about the fonts Windows needs, and the deletion check of the uninstall, on the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/wide_win.h"
#include "records/system_font_facts_win.h"
#include "records/system_services_win.h"

namespace velura::testing {
namespace {

TEST(SystemFontFacts, ReadsTheShellDialogSubstitutesMetricsAndSystemLinkLists) {
  WindowsSystemFontFacts facts;
  const SystemUiFontSources sources = facts.UiFontSources();
  // The test prefix maps "MS Shell Dlg 2" to Tahoma and links Tahoma to MS UI Gothic's file first.
  EXPECT_NE(std::find(sources.ShellDialogSubstitutes.begin(), sources.ShellDialogSubstitutes.end(), u"Tahoma"),
            sources.ShellDialogSubstitutes.end());
  EXPECT_EQ(sources.MetricsFaces.size(), 5u);
  const SystemNeededNames needed = NeededNamesOf(sources);
  EXPECT_FALSE(needed.Files.empty());
  // sfc.dll cannot tell here, or tells that an ordinary file is not guarded.
  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  EXPECT_FALSE(facts.IsWindowsProtectedFile(ToU16(std::wstring(temp) + L"velura_not_protected.ttf")));
}

TEST(SystemFontFacts, AFileHeldWithoutSharingDeletionCannotBeDeleted) {
  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"velura_can_delete.ttf";
  HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(created, INVALID_HANDLE_VALUE);
  CloseHandle(created);
  WindowsFileServices files;
  EXPECT_TRUE(files.CanDelete(ToU16(path)));
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files.CanDelete(ToU16(path)));
  CloseHandle(held);
  EXPECT_TRUE(files.CanDelete(ToU16(path)));
  EXPECT_TRUE(files.Exists(ToU16(path)));  // the check deletes nothing
  DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace velura::testing
