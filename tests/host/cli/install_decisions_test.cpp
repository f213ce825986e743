#include "cli/install_decisions.h"

#include <gtest/gtest.h>

#include <set>

#include "cli/font_version.h"
#include "support/sfnt_writer.h"

namespace velura {
namespace {

TEST(InstallDecisions, Scope) {
  // requested, admin, engine installs per user, per-user fonts available -> per user, error, needs admin
  EXPECT_FALSE(DecideInstallScope(CliScope::Default, true, false, true).PerUser);
  EXPECT_TRUE(DecideInstallScope(CliScope::Default, false, true, true).PerUser);
  EXPECT_TRUE(DecideInstallScope(CliScope::Default, false, false, false).NeedsAdmin);  // old Windows, no rights
  EXPECT_TRUE(DecideInstallScope(CliScope::User, true, false, true).PerUser);          // administrators too
  EXPECT_FALSE(DecideInstallScope(CliScope::User, true, false, false).Error.empty());
  EXPECT_TRUE(DecideInstallScope(CliScope::Machine, false, true, true).NeedsAdmin);
  EXPECT_TRUE(DecideInstallScope(CliScope::Machine, true, false, true).Error.empty());
}

TEST(InstallDecisions, InstalledCopy) {
  using C = InstalledCopyChoice;
  EXPECT_EQ(ChooseForInstalledCopy(false, true, true, -1), C::Install);
  EXPECT_EQ(ChooseForInstalledCopy(true, false, true, -1), C::Skip);
  EXPECT_EQ(ChooseForInstalledCopy(true, true, false, -1), C::SkipOtherScope);
  EXPECT_EQ(ChooseForInstalledCopy(true, true, true, 0), C::SkipUpToDate);
  EXPECT_EQ(ChooseForInstalledCopy(true, true, true, 1), C::SkipUpToDate);
  EXPECT_EQ(ChooseForInstalledCopy(true, true, true, -1), C::Upgrade);
}

TEST(InstallDecisions, FreeFileName) {
  std::set<std::u16string> taken{u"a.ttf", u"a-2.ttf"};
  const auto isTaken = [&](const std::u16string& name) { return taken.count(name) != 0; };
  EXPECT_EQ(FreeFileName(u"b.ttf", isTaken), u"b.ttf");
  EXPECT_EQ(FreeFileName(u"a.ttf", isTaken), u"a-3.ttf");
  EXPECT_FALSE(FreeFileName(u"a.ttf", [](const std::u16string&) { return true; }));
}

TEST(FontVersions, RevisionFirstThenVersionNumbers) {
  EXPECT_LT(CompareFontVersions({0x10000, u"Version 9.0"}, {0x20000, u"Version 1.0"}), 0);
  EXPECT_GT(CompareFontVersions({0x10000, u"Version 1.10"}, {0x10000, u"Version 1.9"}), 0);
  EXPECT_EQ(CompareFontVersions({std::nullopt, u"Version 2.000"}, {0x10000, u"2.0"}), 0);
  EXPECT_LT(CompareFontVersions({std::nullopt, u""}, {std::nullopt, u"1.0;build 5"}), 0);
}

TEST(FontVersions, HeadRevisionOfFontAndCollection) {
  using testing::SfntBuilder;
  auto head = testing::HeadTable(0);
  head[4] = 0x00, head[5] = 0x02, head[6] = 0x80, head[7] = 0x00;  // 2.5
  const auto face = SfntBuilder().Table("head", head);
  auto font = face.Build();
  MemorySource single(font);
  EXPECT_EQ(ReadHeadRevision(single), 0x00028000u);
  auto collection = testing::Collection({face, face});
  MemorySource ttc(collection);
  EXPECT_EQ(ReadHeadRevision(ttc), 0x00028000u);
  font.resize(20);  // the directory cut short
  MemorySource cut(font);
  EXPECT_FALSE(ReadHeadRevision(cut));
}

}  // namespace
}  // namespace velura
