// Conversions through the ANSI code page (932 in the test prefix).
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/ansi_win.h"

namespace velura::testing {
namespace {

TEST(AnsiCodePage, JapaneseTextRoundTripsExactly) {
  ASSERT_EQ(GetACP(), 932u);
  const auto bytes = ToAnsiExact(u"C:\\フォント\\表.ttf");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "C:\\\x83\x74\x83\x48\x83\x93\x83\x67\\\x95\x5c.ttf");
  EXPECT_EQ(FromAnsi(*bytes), u"C:\\フォント\\表.ttf");
  EXPECT_EQ(ToAnsi(u"フォント"), "\x83\x74\x83\x48\x83\x93\x83\x67");
  EXPECT_EQ(ToAnsiExact(u""), std::string());
}

TEST(AnsiCodePage, TextItCannotHoldIsNotExact) {
  EXPECT_FALSE(ToAnsiExact(u"café"));       // best fit would give "cafe"
  EXPECT_FALSE(ToAnsiExact(u"丂"));         // outside the code page
  EXPECT_FALSE(ToAnsiExact(u"\U0001F600"));  // outside the BMP
  EXPECT_FALSE(ToAnsiExact(std::u16string(1, u'\xD800')));
  EXPECT_NE(FromAnsi(ToAnsi(u"丂")), u"丂");
}

// "ア" is 83 41: its trail byte is an 'A' that byte-wise lowering would turn into another character.
TEST(AnsiCodePage, LowerCaseLeavesDoubleByteCharactersWhole) {
  EXPECT_EQ(AnsiLower("ABC Gothic"), "abc gothic");
  EXPECT_EQ(AnsiLower("\x83\x41Z"), "\x83\x41z");
  EXPECT_EQ(AnsiLower("\x95\x5c"), "\x95\x5c");
  EXPECT_EQ(AnsiLower(""), "");
}

}  // namespace
}  // namespace velura::testing
