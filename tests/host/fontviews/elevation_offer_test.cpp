// When a window offers "管理者として再起動" and what its status bar says.
#include <gtest/gtest.h>

#include "platform/token_elevation.h"
#include "ui/fontviews/elevation_offer.h"

namespace velura {
namespace {

TEST(ElevationOffer, OnlyAnAdministratorWithoutElevationWhoseCommandsAreGreyed) {
  const ElevationFacts limited{false, true, false};
  for (auto commands : {AdminOnlyCommands::Install, AdminOnlyCommands::Uninstall, AdminOnlyCommands::RegistryRepair})
    EXPECT_TRUE(OffersElevatedRestart(commands, limited));
  EXPECT_FALSE(OffersElevatedRestart(AdminOnlyCommands::Uninstall, {true, false, false}));   // elevated already
  EXPECT_FALSE(OffersElevatedRestart(AdminOnlyCommands::Uninstall, {false, false, false}));  // no administrator
  // Installing for this user alone is not greyed; uninstalling machine-wide fonts still is.
  const ElevationFacts perUser{false, true, true};
  EXPECT_FALSE(OffersElevatedRestart(AdminOnlyCommands::Install, perUser));
  EXPECT_TRUE(OffersElevatedRestart(AdminOnlyCommands::Uninstall, perUser));
}

TEST(ElevationOffer, TextNamesTheGreyedCommands) {
  EXPECT_EQ(ElevationNeededText(AdminOnlyCommands::Uninstall), u"アンインストールには管理者としての起動が必要です");
  EXPECT_EQ(ElevationNeededText(AdminOnlyCommands::RegistryRepair), u"自動修正・項目削除には管理者としての起動が必要です");
  EXPECT_EQ(ElevationNeededText(AdminOnlyCommands::Install), u"インストールには管理者としての起動が必要です");
}

TEST(ElevationOffer, LimitedOrFilteredTokensButNotTheElevatedOne) {
  EXPECT_TRUE(AdminWithoutElevation({TokenElevationKind::Limited, true}));
  EXPECT_TRUE(AdminWithoutElevation({TokenElevationKind::Default, true}));  // a filtered token without UAC's link
  EXPECT_FALSE(AdminWithoutElevation({TokenElevationKind::Default, false}));
  EXPECT_FALSE(AdminWithoutElevation({TokenElevationKind::Full, false}));
  EXPECT_FALSE(AdminWithoutElevation({TokenElevationKind::Unknown, false}));  // before Vista
}

}  // namespace
}  // namespace velura
