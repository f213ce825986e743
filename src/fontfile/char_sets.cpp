#include "fontfile/char_sets.h"

namespace velura {
std::span<const char32_t> CharSetCodePoints(CharSetId) { return {}; }  // generated tables come next
}  // namespace velura
