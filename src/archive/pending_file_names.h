// The names both folder writers use: a member's file name must be one plain path component, and its bytes
// go first to a hidden temporary name in the same folder, renamed when the member is complete.
#pragma once
#include <string>
#include <string_view>

namespace velura {

// ".velura-<16 hex digits>.part"; successive calls give different names in any thread.
std::u16string TemporaryFileName();

// Not empty, not "." or "..", without separators, drive colons or NULs.
bool IsSingleComponent(std::u16string_view name);

}  // namespace velura
