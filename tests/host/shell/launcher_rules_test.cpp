// The launcher's decisions: hints, the administrator-mode note and the Windows version classes.
#include <gtest/gtest.h>

#include "settings/ini_keeper.h"
#include "shell/launcher_rules.h"
#include "shell/tool_window_table.h"
#include "ui/framework/status_bar_font.h"

namespace velura {
namespace {

TEST(LauncherRules, HintsByTag) {
  EXPECT_EQ(HintTextForTag(0), u"（表示の更新は各ウインドウを開き直してください）");
  EXPECT_EQ(HintTextForTag(7), u"一時インストールの管理");
  EXPECT_EQ(HintTextForTag(3), u"レジストリデータ・フォントフォルダビューアー＋");
}

TEST(LauncherRules, AdminModeNoteByVersion) {
  EXPECT_EQ(AdminModeNote({2, 5, 1}), u"WindowsXPにおいては常に管理者モードで動作します");
  EXPECT_EQ(AdminModeNote({2, 5, 2}), u"においては常に管理者モードで動作します");  // no name for 5.2
  const auto seven = AdminModeNote({2, 6, 1});
  ASSERT_TRUE(seven.has_value());
  EXPECT_EQ(seven->rfind(u"管理者モードについて\r\n\r\nWindows7においては\r\n", 0), 0u);
  EXPECT_EQ(seven->find(u"現在、"), std::u16string::npos);  // Vista and 7 keep their note as it was
  EXPECT_FALSE(AdminModeNote({1, 4, 10}).has_value());
}

TEST(LauncherRules, AdminModeNoteNamesTheLaterVersionsAndSaysWhetherElevated) {
  const std::pair<WindowsVersion, const char16_t*> versions[] = {{{2, 6, 2, 9200}, u"Windows8"},
                                                                 {{2, 6, 3, 9600}, u"Windows8.1"},
                                                                 {{2, 10, 0, 19045}, u"Windows10"},
                                                                 {{2, 10, 0, 22000}, u"Windows11"}};
  for (const auto& [version, name] : versions) {
    const auto note = AdminModeNote(version, false);
    ASSERT_TRUE(note.has_value()) << version.Major << "." << version.Minor;
    EXPECT_EQ(note->rfind(u"管理者モードについて\r\n\r\n" + std::u16string(name) + u"においては\r\n", 0), 0u);
    EXPECT_NE(note->find(u"\r\n\r\n現在、管理者モードでは動作していません"), std::u16string::npos);
  }
  EXPECT_NE(AdminModeNote({2, 10, 0, 26100}, true)->find(u"Windows11においては"), std::u16string::npos);
  EXPECT_NE(AdminModeNote({2, 10, 0, 26100}, true)->find(u"現在、管理者モードで動作しています"), std::u16string::npos);
}

TEST(LauncherRules, VersionClassesAndStatusBarFont) {
  EXPECT_EQ(WindowsVersionClass({2, 5, 0}), 1);
  EXPECT_EQ(WindowsVersionClass({2, 5, 1}), 2);
  EXPECT_EQ(WindowsVersionClass({2, 5, 2}), 3);
  EXPECT_EQ(WindowsVersionClass({2, 6, 0}), 4);
  EXPECT_EQ(WindowsVersionClass({2, 6, 1}), 5);
  EXPECT_EQ(WindowsVersionClass({2, 10, 0}), 0);
  EXPECT_EQ(WindowsVersionClass({1, 4, 90}), 0);
  EXPECT_EQ(ui::StatusBarFontSize(3, 12), 9);
  EXPECT_EQ(ui::StatusBarFontSize(5, 12), 8);
  EXPECT_EQ(ui::StatusBarFontSize(0, 12), 12);
}

TEST(LauncherRules, SampleSizeAndToolWindowTop) {
  EXPECT_EQ(SampleFontSizeSetting(SampleSizes{24, 18, false}), 24);
  EXPECT_EQ(SampleFontSizeSetting(SampleSizes{24, 18, true}), 18);
  EXPECT_EQ(ToolWindowTop(50, 120), 123);
  EXPECT_EQ(ToolWindowTop(200, 120), 200);
}

}  // namespace
}  // namespace velura
