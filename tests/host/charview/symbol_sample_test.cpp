// The symbol viewer's sample lines and its print paging.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/charview/symbol_print.h"
#include "ui/charview/symbol_sample.h"

namespace velura {
namespace {

TEST(SymbolSample, GroupsInDesignedOrder) {
  EXPECT_EQ(kSymbolGroups[5], u"+-/*=`~_\\|!@#");
  EXPECT_EQ(kSymbolGroups[5].size(), 13u);
  EXPECT_EQ(kSymbolGroups[6], u"$%^&*()[]{}<>");
  EXPECT_EQ(kSymbolGroups[7], u";:'\",./?");
  EXPECT_EQ(kSymbolGroups[7].size(), 8u);
}

TEST(SymbolSample, JoinsWithOneTabBetweenCharacters) {
  EXPECT_EQ(JoinWithTabs(u"0123456789"), u"0\t1\t2\t3\t4\t5\t6\t7\t8\t9");
  EXPECT_EQ(JoinWithTabs(u"A"), u"A");
  EXPECT_EQ(JoinWithTabs(u""), u"");
}

TEST(SymbolSample, TwentyFiveLinesTitleThenThreePerGroup) {
  const auto lines = BuildSymbolSample(u"Marlett");
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], (SymbolSampleLine{.text = u"Marlett", .bold = true, .italic = true, .underline = true}));
  for (std::size_t g = 0; g < kSymbolGroups.size(); ++g) {
    SCOPED_TRACE(g);
    const SymbolSampleLine& gap = lines[1 + 3 * g];
    const SymbolSampleLine& plain = lines[2 + 3 * g];
    const SymbolSampleLine& symbol = lines[3 + 3 * g];
    EXPECT_EQ(gap, (SymbolSampleLine{.text = u"", .face = u"Arial", .points = 14, .colour = 0}));
    EXPECT_EQ(plain, (SymbolSampleLine{.text = JoinWithTabs(kSymbolGroups[g]), .face = u"Arial", .points = 14,
                                       .colour = 0x000080}));
    EXPECT_EQ(symbol, (SymbolSampleLine{.text = plain.text, .face = u"Marlett", .points = 24, .colour = 0,
                                        .inChosenFont = true}));
  }
}

TEST(SymbolSample, DigitsLineHasNineTabs) {
  const auto lines = BuildSymbolSample(u"OpenSymbol");
  const std::u16string& digits = lines[2 + 3 * 4].text;
  EXPECT_EQ(std::count(digits.begin(), digits.end(), u'\t'), 9);
  EXPECT_EQ(digits.front(), u'0');
  EXPECT_EQ(digits.back(), u'9');
}

TEST(SymbolPrint, PageInTwips) {
  EXPECT_EQ(PageTwips(2479, 3508, 300, 300), (TwipsRect{0, 0, 11899, 16838}));  // A4
  EXPECT_EQ(PageTwips(2479, 3508, 0, 300), TwipsRect{});
  EXPECT_EQ(PageTwips(-5, 3508, 300, 300), TwipsRect{});
}

TEST(SymbolPrint, PagingGoesOnEndsOrFailsWhenAPageTookNothing) {
  EXPECT_EQ(AfterPage(0, 500, 1200), PageStep::NextPage);
  EXPECT_EQ(AfterPage(500, 1200, 1200), PageStep::Done);
  EXPECT_EQ(AfterPage(0, 0, 0), PageStep::Done);  // an empty text is one empty page
  EXPECT_EQ(AfterPage(0, 0, 1200), PageStep::Stuck);
  EXPECT_EQ(AfterPage(500, 500, 1200), PageStep::Stuck);
  EXPECT_EQ(AfterPage(500, 20, 1200), PageStep::Stuck);
}

}  // namespace
}  // namespace velura
