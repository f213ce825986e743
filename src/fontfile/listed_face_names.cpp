#include "fontfile/listed_face_names.h"

namespace velura {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

std::vector<std::u16string> ListedFaceNameCandidates(std::u16string_view family) {
  if (family.size() <= kListedFaceNameUnits) return {std::u16string(family)};
  std::vector<std::u16string> names{std::u16string(family.substr(0, kListedFaceNameUnits))};
  if (IsHighSurrogate(family[kListedFaceNameUnits - 1])) names.emplace_back(family.substr(0, kListedFaceNameUnits - 1));
  return names;
}

}  // namespace velura
