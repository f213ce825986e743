#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/text_export.h"
#include "ui/fontviews/sample_sizes.h"

namespace velura {
namespace {

TEST(TreeExport, OneTabPerLevel) {
  EXPECT_EQ(TreeExportLines({{0, u"C:\\フォント"}, {1, u"A (a.ttf)"}, {2, u"A Bold"}, {1, u"B"}}),
            (std::vector<std::u16string>{u"C:\\フォント", u"\tA (a.ttf)", u"\t\tA Bold", u"\tB"}));
}

TEST(SampleSizeMenu, OnlyOfferedSizesCheckAnItem) {
  EXPECT_EQ(SampleSizeMenuIndex(9), 0);
  EXPECT_EQ(SampleSizeMenuIndex(18), 2);
  EXPECT_EQ(SampleSizeMenuIndex(90), 10);
  EXPECT_EQ(SampleSizeMenuIndex(20), -1);
  EXPECT_EQ(SampleSizeMenuIndex(0), -1);
}

}  // namespace
}  // namespace velura
