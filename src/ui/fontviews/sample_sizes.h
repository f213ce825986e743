// The sizes the "フォントサイズ" menus offer for the sample lines.
#pragma once
#include <array>

namespace velura {

// The sizes of the "フォントサイズ" radio items, in menu order.
inline constexpr std::array<int, 11> kSampleSizes = {9, 12, 18, 24, 30, 36, 42, 48, 60, 72, 90};
// The radio item checked for a sample size, or -1 for a size the menu does not offer.
int SampleSizeMenuIndex(int size);

}  // namespace velura
