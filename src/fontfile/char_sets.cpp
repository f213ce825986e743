#include "fontfile/char_sets.h"

#include "fontfile/char_set_tables.h"

namespace velura {

std::span<const char32_t> CharSetCodePoints(CharSetId id) {
  const auto index = static_cast<std::size_t>(id);
  return index < kCharSetTables.size() ? kCharSetTables[index] : std::span<const char32_t>{};
}

}  // namespace velura
