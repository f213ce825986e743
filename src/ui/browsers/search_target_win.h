// What the search dialog needs of the browser that opens it. A browser implements it next to its own
// handlers; the dialog reaches the records through the tree's nodes and never keeps a node or a record
// between two clicks, so the browser may reload its list while the dialog is open.
#pragma once
#include "ui/fontviews/file_tree_view_win.h"

namespace velura {

class SearchTarget {
 public:
  virtual ~SearchTarget() = default;
  // The file tree searched: its nodes' faces are marked and its selection steps from mark to mark. Selecting
  // a node must bring the browser's sample list along (its tree change handler does).
  virtual TreeViewFileTree& SearchedTree() = 0;
  // The marks changed: the tree and the sample list draw them again.
  virtual void RedrawFoundMarks() = 0;
};

}  // namespace velura
