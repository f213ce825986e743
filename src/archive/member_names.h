// From a decoded member name to one file name that is safe inside the destination folder: folder parts
// dropped (members land flat), anything Windows would read as a path, a device or a stream refused or
// replaced, and names made unique without regard to case.
#pragma once
#include <set>
#include <string>
#include <string_view>

#include "archive/archive_entry.h"

namespace velura {

constexpr std::size_t kMaxFileNameUnits = 255;

struct FlatName {
  std::u16string name;                     // empty when the member cannot be given a name
  MemberIssue issue = MemberIssue::None;   // UnsafeName when name is empty
};

// The last component after '/' and '\' (CP932 names are decoded first, so no trail byte 0x5C splits them).
// Refused: empty, "." and "..", drive prefixes ("C:x"), device names (CON, NUL, COM1, CONIN$ ...), control
// characters anywhere in the name. Replaced by '_': < > : " | ? * and bidirectional controls. Trailing dots
// and blanks are dropped, as Windows would drop them; names longer than 255 units are shortened.
FlatName FlattenMemberName(std::u16string_view decodedName);

// Upper-cases the letters Windows treats case-insensitively in names (ASCII, Latin-1, Greek, Cyrillic,
// full-width Latin), for comparisons only.
std::u16string NameComparisonKey(std::u16string_view name);

// Hands out each name once: a name already given (in any case) becomes "stem (2).ext", "stem (3).ext" ...
class UniqueNames {
 public:
  std::u16string Claim(std::u16string_view name);

 private:
  bool Taken(std::u16string_view name) const { return taken_.count(NameComparisonKey(name)) != 0; }
  std::set<std::u16string> taken_;
};

}  // namespace velura
