// The browsers' file tree and sample list as the records see them: the tree view and list box controls
// implement these small interfaces, tests use models.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "records/file_data.h"
#include "records/loop_context.h"

namespace velura {

class FileTree {
 public:
  using Node = const void*;  // an opaque node handle; null is no node
  virtual ~FileTree() = default;
  virtual Node AddNode(Node parent, const std::u16string& text, TFileDataItem* record, int stateImage) = 0;
  virtual Node First() const = 0;
  virtual Node Parent(Node node) const = 0;
  virtual Node FirstChild(Node node) const = 0;
  virtual Node NextSibling(Node node) const = 0;
  virtual TFileDataItem* Record(Node node) const = 0;
  virtual int StateImage(Node node) const = 0;
  virtual void SetStateImage(Node node, int image) = 0;
};

class SampleList {
 public:
  virtual ~SampleList() = default;
  virtual void Clear() = 0;
  // Adds an item and returns its index.
  virtual int Add(const std::u16string& text, FileTree::Node node) = 0;
  // Replaces the text of every item, keeping the items' nodes, in one update.
  virtual void SetAllTexts(const std::u16string& text) = 0;
  // After the Adds of a fill: a list that shows its items only from here on does so now.
  virtual void EndFill() {}
};

// Whether a record gets a node (a character filter); empty: every record.
using RecordShown = std::function<bool(const TFileDataItem&)>;

// A root titled with the folder, a node per shown file (or an undisplayable line) and a node per further
// face; the waiting windows of the context are painted as it goes.
void FillTree(const TFileData_local& list, FileTree& tree, const LoopContext& loop, const RecordShown& shown = {});

// The face a node stands for: 0 for a file node, its 1-based position for a face node under a file.
int FaceIndexOfNode(const FileTree& tree, FileTree::Node node);

// One item per face, in tree order, each remembered in the face's ListIndex; paints as FillTree does.
void FillSampleListFromTree(const FileTree& tree, SampleList& list, const LoopContext& loop);

}  // namespace velura
