#include "ui/fontviews/line_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velura {
namespace {

TEST(NextLineStartingWith, GoesOnAfterTheCurrentLineAndRoundToTheTop) {
  const std::vector<std::u16string> lines = {u"Alpha", u"Beta", u"Apex", u"Bold", u"Arial"};
  const auto next = [&](int current, char16_t letter) {
    return NextLineStartingWith(static_cast<int>(lines.size()), current,
                                [&](int line) { return lines[static_cast<std::size_t>(line)][0] == letter; });
  };
  EXPECT_EQ(next(-1, u'A'), 0);  // nothing chosen: from the top
  EXPECT_EQ(next(0, u'A'), 2);
  EXPECT_EQ(next(2, u'A'), 4);
  EXPECT_EQ(next(4, u'A'), 0);  // round to the top
  EXPECT_EQ(next(3, u'B'), 1);
  EXPECT_EQ(next(1, u'B'), 3);
  EXPECT_EQ(next(0, u'Z'), -1);
  EXPECT_EQ(NextLineStartingWith(1, 0, [](int) { return true; }), 0);  // the only line is the current one
  EXPECT_EQ(NextLineStartingWith(0, -1, [](int) { return true; }), -1);
}

}  // namespace
}  // namespace velura
