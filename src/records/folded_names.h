// Names compared without case, folded once for asking about many names.
#pragma once
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "records/reg_text_folding.h"

namespace velura {

// A list of names folded once, for asking about many names: ContainsIgnoringCase folds the whole list at
// every question, which over thousands of installed fonts and a hundred mapping names took tenths of a second.
class FoldedNames {
 public:
  FoldedNames() = default;
  FoldedNames(const std::vector<std::u16string>& names, const RegTextFolding& folding);
  bool Contains(std::u16string_view text, const RegTextFolding& folding) const;

 private:
  std::unordered_set<std::u16string> folded_;
};

}  // namespace velura
