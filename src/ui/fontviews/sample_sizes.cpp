#include "ui/fontviews/sample_sizes.h"

#include <algorithm>

namespace velura {

int SampleSizeMenuIndex(int size) {
  const auto at = std::find(kSampleSizes.begin(), kSampleSizes.end(), size);
  return at == kSampleSizes.end() ? -1 : static_cast<int>(at - kSampleSizes.begin());
}

}  // namespace velura
