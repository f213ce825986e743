#include "records/folded_names.h"

namespace velura {

FoldedNames::FoldedNames(const std::vector<std::u16string>& names, const RegTextFolding& folding) {
  for (const auto& name : names) folded_.insert(folding.Lower(name));
}

bool FoldedNames::Contains(std::u16string_view text, const RegTextFolding& folding) const {
  return !folded_.empty() && folded_.count(folding.Lower(text)) != 0;
}

}  // namespace velura
