#include "archive/pending_file_names.h"

#include <atomic>
#include <cstdint>
#include <random>

namespace velura {

std::u16string TemporaryFileName() {
  static std::atomic<std::uint64_t> counter{std::random_device{}()};
  std::uint64_t value = counter.fetch_add(0x9E3779B97F4A7C15ull);
  std::u16string name = u".velura-";
  for (int i = 0; i < 16; ++i, value >>= 4) name.push_back(u"0123456789abcdef"[value & 15]);
  return name + u".part";
}

bool IsSingleComponent(std::u16string_view name) {
  return !name.empty() && name != u"." && name != u".." && name.find_first_of(u"/\\:") == std::u16string_view::npos &&
         name.find(u'\0') == std::u16string_view::npos;
}

}  // namespace velura
