// "コードポイントへ移動": what the box accepts and what it refuses.
#include <gtest/gtest.h>

#include "ui/charview/code_point_input.h"
#include "ui/charview/unicode_blocks.h"

namespace velura {
namespace {

TEST(GoToInput, HexadecimalWithOrWithoutUPlusOrTheCharacterItself) {
  for (const char16_t* text : {u"U+20BB7", u"u+20bb7", u"20BB7", u" 20bb7 ", u"\U00020BB7", u"Ｕ＋２０ＢＢ７"}) {
    const GoToTarget target = ReadGoToInput(text);
    ASSERT_TRUE(target.ok) << static_cast<int>(text[0]);
    EXPECT_EQ(target.codePoint, 0x20BB7u);
    EXPECT_EQ(std::u16string(ViewerBlock(target.listIndex).Name), u"CJK Unified Ideographs Extension B");
  }
  EXPECT_EQ(ReadGoToInput(u"A").codePoint, 0x41u);  // one character is itself
  EXPECT_EQ(ReadGoToInput(u"U+A").codePoint, 0xAu);
  EXPECT_EQ(ReadGoToInput(u"0A").codePoint, 0xAu);
  EXPECT_EQ(ReadGoToInput(u"あ").listIndex, 50);
  EXPECT_EQ(ReadGoToInput(u"U+10FFFF").codePoint, 0x10FFFFu);
}

TEST(GoToInput, BadInputSaysWhy) {
  for (const char16_t* text : {u"", u"  ", u"U+", u"xyz", u"U+110000", u"123456789", u"U+2FE0", u"\xD842"}) {
    const GoToTarget target = ReadGoToInput(text);
    EXPECT_FALSE(target.ok);
    EXPECT_FALSE(target.error.empty());
  }
  EXPECT_EQ(ReadGoToInput(u"U+2FE0").error, u"U+2FE0 はどのブロックにも属していません");
}

}  // namespace
}  // namespace velura
