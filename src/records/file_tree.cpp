#include "records/file_tree.h"

#include "records/record_rules.h"
#include "records/reg_font_rules.h"

namespace velura {

void FillTree(const TFileData_local& list, FileTree& tree, const LoopContext& loop, const RecordShown& shown) {
  const FileTree::Node root = tree.AddNode(nullptr, list.FolderPath, nullptr, -1);
  std::size_t done = 0;
  for (const auto& item : list.Items) {
    loop.KeepWaitingWindowsPainted(done++);
    TFileDataItem& record = *item;
    if (shown && !shown(record)) continue;
    if (record.CannotDisplay) {
      tree.AddNode(root, u"表示できないです... (" + FileNamePart(record.Path) + u")", nullptr, kUndisplayableImage);
      continue;
    }
    const FileTree::Node file = tree.AddNode(root, DisplayText(record, 0), &record, StateImageIndex(record));
    for (std::size_t face = 1; face < record.DisplayNames.size(); ++face)
      tree.AddNode(file, record.DisplayNames[face].DisplayFullName, &record, StateImageIndex(record));
  }
}

int FaceIndexOfNode(const FileTree& tree, FileTree::Node node) {
  if (!node) return 0;
  const FileTree::Node parent = tree.Parent(node);
  if (!parent || !tree.Record(parent)) return 0;
  int position = 1;
  for (FileTree::Node child = tree.FirstChild(parent); child; child = tree.NextSibling(child), ++position)
    if (child == node) return position;
  return 0;
}

namespace {

void AddSamples(const FileTree& tree, FileTree::Node node, SampleList& list, const LoopContext& loop) {
  for (; node; node = tree.NextSibling(node)) {
    TFileDataItem* record = tree.Record(node);
    if (!record) {
      AddSamples(tree, tree.FirstChild(node), list, loop);
      continue;
    }
    record->DisplayNames[0].ListIndex = list.Add(record->DisplayNames[0].DisplayFamilyName, node);
    loop.KeepWaitingWindowsPainted(static_cast<std::size_t>(record->DisplayNames[0].ListIndex));
    std::size_t face = 1;
    for (FileTree::Node child = tree.FirstChild(node); child && face < record->DisplayNames.size();
         child = tree.NextSibling(child), ++face)
      record->DisplayNames[face].ListIndex = list.Add(record->DisplayNames[face].DisplayFamilyName, child);
  }
}

}  // namespace

void FillSampleListFromTree(const FileTree& tree, SampleList& list, const LoopContext& loop) {
  list.Clear();
  AddSamples(tree, tree.First(), list, loop);
  list.EndFill();
}

}  // namespace velura
