// The face names GDI lists: a LOGFONT holds at most LF_FACESIZE - 1 = 31 UTF-16 units of the family name,
// so a longer family is listed under its first 31 units.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velura {

inline constexpr std::size_t kListedFaceNameUnits = 31;

// The names under which a family may be listed, most likely first: the family itself when it fits,
// else its first 31 units, and, when that cut splits a surrogate pair, also the cut before the pair.
std::vector<std::u16string> ListedFaceNameCandidates(std::u16string_view family);

}  // namespace velura
