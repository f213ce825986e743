// The names GDI lists a family under: cut to the 31 UTF-16 units a LOGFONT holds.
#include <gtest/gtest.h>

#include "fontfile/listed_face_names.h"

namespace velura {
namespace {

TEST(ListedFaceNames, FamiliesThatFitAreListedWhole) {
  EXPECT_EQ(ListedFaceNameCandidates(u"Gothic"), std::vector<std::u16string>{u"Gothic"});
  const std::u16string exactly31(31, u'x');
  EXPECT_EQ(ListedFaceNameCandidates(exactly31), std::vector<std::u16string>{exactly31});
}

TEST(ListedFaceNames, LongerFamiliesAreCutTo31Units) {
  EXPECT_EQ(ListedFaceNameCandidates(u"Junicode Two Beta Condensed Light"),
            std::vector<std::u16string>{u"Junicode Two Beta Condensed Lig"});
  const std::u16string japanese = u"とても長い日本語のフォントファミリー名でございます三十一文字を超えます";
  ASSERT_GT(japanese.size(), 31u);
  EXPECT_EQ(ListedFaceNameCandidates(japanese), std::vector<std::u16string>{japanese.substr(0, 31)});
}

TEST(ListedFaceNames, ACutInsideASurrogatePairAlsoOffersTheCutBeforeIt) {
  const std::u16string pairAt30 = std::u16string(30, u'a') + u"\U00020B9F" + u"tail";
  EXPECT_EQ(ListedFaceNameCandidates(pairAt30),
            (std::vector<std::u16string>{pairAt30.substr(0, 31), pairAt30.substr(0, 30)}));
  const std::u16string pairAt29 = std::u16string(29, u'a') + u"\U00020B9F" + u"tail";  // the pair fits
  EXPECT_EQ(ListedFaceNameCandidates(pairAt29), std::vector<std::u16string>{pairAt29.substr(0, 31)});
}

}  // namespace
}  // namespace velura
