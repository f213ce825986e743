// What the character viewer's collecting box takes from the grid and gives to the clipboard: characters on
// their own, never half of a surrogate pair.
#pragma once
#include <string>
#include <string_view>

namespace velura {

// A double-clicked cell's code point is collected only when it is a character on its own (beyond U+FFFF as
// its surrogate pair): a lone surrogate (the cells of the surrogate blocks) is not.
bool CollectsAsCharacter(int codePoint);

// The text for the clipboard: a lone surrogate (half of a pair cut off by a selection, or one typed or pasted
// alone) becomes U+FFFD, so what is copied is always well-formed UTF-16. Pairs stay as they are.
std::u16string WellFormedForCopy(std::u16string_view text);

}  // namespace velura
