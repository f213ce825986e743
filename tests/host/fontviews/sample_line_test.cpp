// The geometry of a sample line at the window's DPI.
#include <gtest/gtest.h>

#include "ui/fontviews/sample_texts.h"

namespace velura {
namespace {

TEST(SampleLine, HeightAndPositionsScaleWithTheDpiAndTheTypeFollowsItsPoints) {
  const SampleLineLayout at96 = SampleLine(24, 96);
  EXPECT_EQ(at96.height, 74);
  EXPECT_EQ(at96.namePixels, 16);
  EXPECT_EQ(at96.samplePixels, 32);
  EXPECT_EQ(at96.sampleTop, 25);

  const SampleLineLayout at144 = SampleLine(24, 144);  // 150 %
  EXPECT_EQ(at144.height, 111);
  EXPECT_EQ(at144.nameLeft, 3);
  EXPECT_EQ(at144.nameTop, 6);
  EXPECT_EQ(at144.namePixels, 24);
  EXPECT_EQ(at144.sampleLeft, 36);
  EXPECT_EQ(at144.sampleTop, 38);
  EXPECT_EQ(at144.samplePixels, 48);
  EXPECT_EQ(SampleItemHeight(90, 144), 309);
  EXPECT_EQ(SampleItemHeight(9, 120), 55);  // 125 %: 44 x 1.25
}

}  // namespace
}  // namespace velura
