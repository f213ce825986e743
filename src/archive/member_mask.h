// Wildcard masks over member names, as FindFirst and extraction patterns take them: '*' any run, '?' one
// unit, no regard to case. Empty, "*" and "*.*" mean every member ("*.*" also matches names without a dot).
#pragma once
#include <string_view>

namespace velura {

bool IsAllMembersMask(std::u16string_view mask);
bool MatchesMemberMask(std::u16string_view name, std::u16string_view mask);

}  // namespace velura
