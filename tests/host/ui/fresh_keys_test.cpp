// The status window takes only keys pressed after it appeared.
#include <gtest/gtest.h>

#include "ui/longop/fresh_keys.h"

namespace velura {
namespace {

constexpr unsigned kReturn = 0x0D, kEscape = 0x1B;

TEST(FreshKeys, AKeyHeldFromBeforeIsIgnoredUntilItIsPressedAgain) {
  FreshKeys keys;
  EXPECT_FALSE(keys.TakeKeyDown(kReturn, true));  // repeats of the press that chose the archive
  EXPECT_FALSE(keys.TakeKeyDown(kReturn, true));
  EXPECT_FALSE(keys.TakeKeyUp(kReturn));          // its release
  EXPECT_TRUE(keys.TakeKeyDown(kReturn, false));  // pressed again: meant for this window
  EXPECT_TRUE(keys.TakeKeyDown(kReturn, true));
  EXPECT_TRUE(keys.TakeKeyUp(kReturn));
  EXPECT_FALSE(keys.TakeKeyDown(kReturn, true));  // a repeat after the release belongs to no press
}

TEST(FreshKeys, KeysAreTrackedApartAndANewRunForgetsThem) {
  FreshKeys keys;
  EXPECT_TRUE(keys.TakeKeyDown(kEscape, false));
  EXPECT_FALSE(keys.TakeKeyDown(kReturn, true));
  EXPECT_TRUE(keys.TakeKeyDown(kEscape, true));
  keys.Reset();
  EXPECT_FALSE(keys.TakeKeyDown(kEscape, true));
  EXPECT_FALSE(keys.TakeKeyUp(kEscape));
  EXPECT_TRUE(keys.TakeKeyDown(300, true));  // no virtual key: not ours to judge
}

}  // namespace
}  // namespace velura
