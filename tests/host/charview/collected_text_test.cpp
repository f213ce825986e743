#include <gtest/gtest.h>

#include "ui/charview/collected_text.h"
#include "ui/charview/unicode_blocks.h"

namespace velura {
namespace {

TEST(CollectedText, SurrogateCellsAreNotCollected) {
  EXPECT_TRUE(CollectsAsCharacter(0x3042));
  EXPECT_TRUE(CollectsAsCharacter(0xD7FF));
  EXPECT_TRUE(CollectsAsCharacter(0xE000));
  EXPECT_FALSE(CollectsAsCharacter(0xD800));
  EXPECT_FALSE(CollectsAsCharacter(0xDBFF));
  EXPECT_FALSE(CollectsAsCharacter(0xDC00));
  EXPECT_FALSE(CollectsAsCharacter(0xDFFF));
  EXPECT_FALSE(CollectsAsCharacter(-1));  // past the block's end
}

TEST(CollectedText, SupplementaryCellsGoInAsWholePairs) {
  EXPECT_TRUE(CollectsAsCharacter(0x20BB7));
  EXPECT_TRUE(CollectsAsCharacter(0x10FFFF));
  EXPECT_FALSE(CollectsAsCharacter(0x110000));
  EXPECT_EQ(Utf16Of(0x10000) + Utf16Of(0x10FFFF) + Utf16Of(0xFFFF), u"\U00010000\U0010FFFF\xFFFF");
}

TEST(CollectedText, CopiesKeepPairsAndReplaceLoneHalves) {
  EXPECT_EQ(WellFormedForCopy(u"あ\U00020BB7い"), u"あ\U00020BB7い");
  EXPECT_EQ(WellFormedForCopy(std::u16string(u"\xD842") + u"あ"), u"\xFFFDあ");   // high alone
  EXPECT_EQ(WellFormedForCopy(std::u16string(u"あ") + u"\xDFB7"), u"あ\xFFFD");   // low alone, at the end
  EXPECT_EQ(WellFormedForCopy(std::u16string(u"\xDFB7\xD842")), u"\xFFFD\xFFFD");  // reversed halves
  EXPECT_EQ(WellFormedForCopy(std::u16string(u"\xD842")), u"\xFFFD");
}

}  // namespace
}  // namespace velura
