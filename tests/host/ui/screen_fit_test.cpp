// Keeping windows on screen: remembered places off every work area, windows placed past a screen edge.
#include "ui/framework/screen_fit.h"

#include <gtest/gtest.h>

namespace velura::ui {
namespace {

const ScreenRect kLeftScreen{0, 0, 1920, 1040};  // work areas: the taskbar takes the bottom 40 pixels
const ScreenRect kRightScreen{1920, 0, 3200, 984};

TEST(ScreenFit, APlaceOnAMonitorSinceRemovedMovesOntoTheNearestWorkArea) {
  const ScreenRect onRemoved{2200, 100, 3000, 640};
  EXPECT_EQ(BringOntoWorkAreas(onRemoved, {kRightScreen}), onRemoved);  // still there: stays
  EXPECT_EQ(BringOntoWorkAreas(onRemoved, {kLeftScreen}), (ScreenRect{1120, 100, 1920, 640}));
  const ScreenRect leftOfAll{-1500, 300, -700, 840};
  EXPECT_EQ(BringOntoWorkAreas(leftOfAll, {kLeftScreen, kRightScreen}), (ScreenRect{0, 300, 800, 840}));
}

TEST(ScreenFit, APlaceBeyondALoweredResolutionComesBackShrunkWhereItIsLarger) {
  const ScreenRect area{0, 0, 1024, 728};
  EXPECT_EQ(BringOntoWorkAreas({1500, 900, 2300, 1440}, {area}), (ScreenRect{224, 188, 1024, 728}));
  EXPECT_EQ(BringOntoWorkAreas({1100, 50, 2300, 1000}, {area}), (ScreenRect{0, 0, 1024, 728}));
}

TEST(ScreenFit, AWindowWhoseCaptionCanStillBeGrabbedStays) {
  const ScreenRect partly{1900, 500, 2700, 1000};  // 20 pixels of its width left on the only screen: too few
  EXPECT_EQ(BringOntoWorkAreas(partly, {kLeftScreen}), (ScreenRect{1120, 500, 1920, 1000}));
  const ScreenRect enough{1850, 500, 2650, 1000};
  EXPECT_EQ(BringOntoWorkAreas(enough, {kLeftScreen}), enough);
  const ScreenRect captionAbove{100, -30, 900, 500};
  EXPECT_EQ(BringOntoWorkAreas(captionAbove, {kLeftScreen}), (ScreenRect{100, 0, 900, 530}));
  const ScreenRect captionBelow{100, 1030, 900, 1500};
  EXPECT_EQ(BringOntoWorkAreas(captionBelow, {kLeftScreen}).top, 570);
  EXPECT_EQ(BringOntoWorkAreas(captionBelow, {}), captionBelow);  // nothing known: nothing moves
}

TEST(ScreenFit, AWindowBelowTheLauncherIsKeptInsideTheWorkArea) {
  // The settings dialog at the launcher's bottom edge, the launcher at the bottom right of the screen.
  EXPECT_EQ(KeepInside({1700, 1000, 2150, 1400}, kLeftScreen), (ScreenRect{1470, 640, 1920, 1040}));
  EXPECT_EQ(KeepInside({10, 20, 460, 420}, kLeftScreen), (ScreenRect{10, 20, 460, 420}));
}

}  // namespace
}  // namespace velura::ui
