// Where a typed letter takes a list: to the next line that starts with it, after the current line and
// round to the top, as a list box holding its own strings does.
#pragma once
#include <functional>

namespace velura {

// The first line after `current` (or from the top when current is -1), wrapping round once and ending
// with current itself, for which startsWith holds; -1 when none does.
int NextLineStartingWith(int count, int current, const std::function<bool(int line)>& startsWith);

}  // namespace velura
