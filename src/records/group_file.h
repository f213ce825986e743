// The group file "veluragd.bin": the group tree as a component stream (signature "TPF0"), byte for byte.
// The reader takes untrusted bytes: whatever it cannot understand ends the read, and the groups read up to
// that point stay in the tree.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "records/group_data.h"

namespace velura {

inline constexpr char16_t kGroupFileName[] = u"veluragd.bin";

std::vector<std::uint8_t> WriteGroupFile(const TGroupRootClass& root);

struct GroupFileRead {
  bool complete = false;  // false: the bytes ended early or held something the format does not allow
  int groupsRead = 0;     // groups in the tree afterwards, child groups included
};

// Reads into the (usually empty) root, appending to its top level.
GroupFileRead ReadGroupFile(std::span<const std::uint8_t> bytes, TGroupRootClass& root);

}  // namespace velura
