// The order of the browsers' file trees: not-installed files first (Japanese, other, symbol), then other
// versions, installed, registered-only, and files that cannot be displayed last; by name within a group.
#pragma once
#include <string>

#include "records/file_data_item.h"

namespace velura {

int SortGroup(const TFileDataItem& record);

// What the comparison needs to know of one node.
struct FileNodeFacts {
  const TFileDataItem* record = nullptr;
  int stateImage = -1;
  bool parentHasRecord = false;  // a face child of a file
};

// textResult is the window's locale comparison of the two texts; caseSensitiveText compares them
// case-sensitively in the locale (reduced to -1, 0, 1 here).
int CompareFileNodes(const FileNodeFacts& a, const FileNodeFacts& b, int textResult, int caseSensitiveText);

}  // namespace velura
