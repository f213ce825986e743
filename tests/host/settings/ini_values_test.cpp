// How the settings file's values are spelled and read back.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "settings/ini_values.h"

namespace velura::testing {
namespace {

TEST(ProfileInt, DecimalAndBothHexadecimalForms) {
  EXPECT_EQ(ParseProfileInt(u"123", 0), 123);
  EXPECT_EQ(ParseProfileInt(u"-100", 0), -100);
  EXPECT_EQ(ParseProfileInt(u"+7", 0), 7);
  EXPECT_EQ(ParseProfileInt(u"  42", 0), 42);
  EXPECT_EQ(ParseProfileInt(u"8388736", 0), 0x800080);
  EXPECT_EQ(ParseProfileInt(u"0x1F", 0), 31);
  EXPECT_EQ(ParseProfileInt(u"0X1f", 0), 31);
  EXPECT_EQ(ParseProfileInt(u"$FF", 0), 255);
  EXPECT_EQ(ParseProfileInt(u"-$10", 0), -16);
  EXPECT_EQ(ParseProfileInt(u"$FFFFFFFF", 0), -1);  // hexadecimal spells all 32 bits
  EXPECT_EQ(ParseProfileInt(u"2147483647", 0), 2147483647);
  EXPECT_EQ(ParseProfileInt(u"-2147483648", 0), -2147483647 - 1);
}

TEST(ProfileInt, AnythingElseGivesTheDefault) {
  for (const char16_t* text : {u"", u"0x", u"$", u"x10", u"42 ", u"12a", u"1.5", u"True", u"--1", u"2147483648",
                               u"-2147483649", u"0x100000000", u"０１"})
    EXPECT_EQ(ParseProfileInt(text, -7), -7) << ToUtf8(text);
}

TEST(ProfileBool, AnyNonZeroNumberIsTrue) {
  EXPECT_TRUE(ParseProfileBool(u"1", false));
  EXPECT_TRUE(ParseProfileBool(u"5", false));
  EXPECT_TRUE(ParseProfileBool(u"0x1", false));
  EXPECT_TRUE(ParseProfileBool(u"-1", false));
  EXPECT_FALSE(ParseProfileBool(u"0", true));
  EXPECT_FALSE(ParseProfileBool(u"0x0", true));
  EXPECT_TRUE(ParseProfileBool(u"True", true));  // not a number: the default
  EXPECT_FALSE(ParseProfileBool(u"True", false));
  EXPECT_TRUE(ParseProfileBool(u"", true));
}

}  // namespace
}  // namespace velura::testing
