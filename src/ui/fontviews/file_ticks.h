// Ticking files in the browsers' file trees: the records' Selected bit and the nodes' state images move
// together. Registered files (images 1, 2 and 15) can never be ticked.
#pragma once
#include "records/file_tree.h"

namespace velura {

bool IsTickableImage(int stateImage);
// An odd image is an unticked one, negative ones included; its ticked image is one more.
bool IsUntickedImage(int stateImage);

// Every node with a record shows its record's state image.
void RefreshStateImages(FileTree& tree);

// Ticks or unticks the file of a node (a face child stands for its file) with all its nodes.
void ToggleNodeTick(FileTree& tree, FileTree::Node node);

void TickAll(FileTree& tree);
void UntickAll(FileTree& tree);
void InvertTicks(FileTree& tree);
// Ticks every file one of whose faces the search marked.
void TickFoundFaces(FileTree& tree);

// Calls visit for every node of the tree in display order.
template <class Visit>
void ForEachNode(const FileTree& tree, FileTree::Node node, Visit&& visit) {
  for (; node; node = tree.NextSibling(node)) {
    visit(node);
    ForEachNode(tree, tree.FirstChild(node), visit);
  }
}

}  // namespace velura
