// The browsers' file tree and sample list as the records see them: the tree view and list box controls
// implement these small interfaces, tests use models.
#pragma once
#include <cstddef>
#include <string>

#include "records/file_data.h"

namespace velura {

// Set by the window standing over a fill that takes no input (the browsers' wait box): long fills call it
// every few hundred nodes, so that the waiting windows are painted. Null: nothing to paint.
inline void (*PaintWaitingWindows)() = nullptr;
inline void KeepWaitingWindowsPainted(std::size_t done) {
  if (PaintWaitingWindows && done % 256 == 255) PaintWaitingWindows();
}

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
};

// A root titled with the folder, a node per file (or an undisplayable line) and a node per further face.
void FillTree(const TFileData_local& list, FileTree& tree);

// The face a node stands for: 0 for a file node, its 1-based position for a face node under a file.
int FaceIndexOfNode(const FileTree& tree, FileTree::Node node);

// One item per face, in tree order, each remembered in the face's ListIndex.
void FillSampleListFromTree(const FileTree& tree, SampleList& list);

}  // namespace velura
