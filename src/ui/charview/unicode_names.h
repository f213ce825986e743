// Character names and assigned code points from the generated Unicode data: the name the status bar shows,
// and how many of a block's assigned characters a face maps.
#pragma once
#include <cstddef>
#include <string>

namespace velura {

// The name UnicodeData.txt gives (ranges by rule: "CJK UNIFIED IDEOGRAPH-20BB7", "HANGUL SYLLABLE GAG",
// "<Private Use>" for a range without names); empty for an unassigned code point.
std::u16string CharacterName(char32_t codePoint);

bool IsAssigned(char32_t codePoint);
// Assigned code points of [first, last].
std::size_t AssignedCountIn(char32_t first, char32_t last);

// Calls visit(first, last) for every run of assigned code points inside [first, last], in order.
template <typename Visit>
void ForEachAssignedRun(char32_t first, char32_t last, Visit visit);

}  // namespace velura

#include "ui/charview/unicode_data.h"

namespace velura {

template <typename Visit>
void ForEachAssignedRun(char32_t first, char32_t last, Visit visit) {
  for (std::size_t i = 0; i < unicode_data::kAssignedCount; ++i) {
    const unicode_data::CodeRange& range = unicode_data::kAssigned[i];
    if (range.last < first) continue;
    if (range.first > last) break;
    visit(range.first < first ? first : range.first, range.last > last ? last : range.last);
  }
}

}  // namespace velura
