#include "ui/fontviews/file_ticks.h"

#include "records/record_rules.h"

namespace velura {

bool IsTickableImage(int stateImage) { return stateImage != 1 && stateImage != 2 && stateImage != 15; }

// -1 (a file installed during this run, no picture) is odd too: ticking it gives 0, also no picture.
bool IsUntickedImage(int stateImage) { return stateImage % 2 != 0; }

void RefreshStateImages(FileTree& tree) {
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    if (const TFileDataItem* record = tree.Record(node)) tree.SetStateImage(node, StateImageIndex(*record));
  });
}

void ToggleNodeTick(FileTree& tree, FileTree::Node node) {
  if (!node || !tree.Record(node) || !IsTickableImage(tree.StateImage(node))) return;
  const FileTree::Node parent = tree.Parent(node);
  if (parent && tree.Record(parent) == tree.Record(node)) node = parent;  // a face child: its file
  TFileDataItem& record = *tree.Record(node);
  record.Set(Selected, !record.Has(Selected));
  const int image = StateImageIndex(record);
  tree.SetStateImage(node, image);
  for (FileTree::Node child = tree.FirstChild(node); child; child = tree.NextSibling(child))
    tree.SetStateImage(child, image);
}

void TickAll(FileTree& tree) {
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    TFileDataItem* record = tree.Record(node);
    const int image = tree.StateImage(node);
    if (!record || !IsTickableImage(image)) return;
    record->Set(Selected);
    if (IsUntickedImage(image)) tree.SetStateImage(node, image + 1);
  });
}

void UntickAll(FileTree& tree) {
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    TFileDataItem* record = tree.Record(node);
    const int image = tree.StateImage(node);
    if (!record || !IsTickableImage(image)) return;
    record->Set(Selected, false);
    if (!IsUntickedImage(image)) tree.SetStateImage(node, image - 1);
  });
}

void InvertTicks(FileTree& tree) {
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    TFileDataItem* record = tree.Record(node);
    const int image = tree.StateImage(node);
    if (!record || !IsTickableImage(image)) return;
    const bool ticked = !IsUntickedImage(image);
    record->Set(Selected, !ticked);
    tree.SetStateImage(node, ticked ? image - 1 : image + 1);
  });
}

void TickFoundFaces(FileTree& tree) {
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    TFileDataItem* record = tree.Record(node);
    const int image = tree.StateImage(node);
    if (!record || !IsTickableImage(image)) return;
    const int face = FaceIndexOfNode(tree, node);
    if (face >= static_cast<int>(record->DisplayNames.size()) || !record->DisplayNames[face].Found) return;
    record->Set(Selected);
    if (IsUntickedImage(image)) tree.SetStateImage(node, image + 1);
  });
}

}  // namespace velura
