#include "archive/member_mask.h"

#include <string>

#include "archive/member_names.h"

namespace velura {

bool IsAllMembersMask(std::u16string_view mask) { return mask.empty() || mask == u"*" || mask == u"*.*"; }

bool MatchesMemberMask(std::u16string_view name, std::u16string_view mask) {
  if (IsAllMembersMask(mask)) return true;
  const std::u16string text = NameComparisonKey(name), pattern = NameComparisonKey(mask);
  // Greedy match with one backtrack point: the last '*' seen.
  std::size_t t = 0, p = 0, starP = std::u16string::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == text[t])) {
      ++t, ++p;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      starP = p++, starT = t;
    } else if (starP != std::u16string::npos) {
      p = starP + 1, t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

}  // namespace velura
