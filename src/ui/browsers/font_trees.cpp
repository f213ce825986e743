#include "ui/browsers/font_trees.h"

#include <algorithm>

#include "platform/text.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"

namespace velura {

void BuildFolderTree(FileTree& tree, const std::vector<std::u16string>& folders, const TFileData_base& installed,
                     const RegTextFolding& folding) {
  // Place every record first, so that folders left without a file never get a root.
  std::vector<std::vector<TFileDataItem*>> placed(folders.size());
  std::vector<std::u16string> lowerFolders;  // folded once, not once per record
  for (const auto& folder : folders) lowerFolders.push_back(folding.Lower(folder));
  for (const auto& record : installed.Items) {
    const std::u16string folder = folding.Lower(FolderPart(record->Path));
    for (std::size_t i = 0; i < folders.size(); ++i) {
      if (lowerFolders[i] != folder) continue;
      placed[i].push_back(record.get());
      break;
    }
  }
  std::size_t done = 0;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    if (placed[i].empty()) continue;
    const std::u16string title = i == 0 ? u"_既定のフォントフォルダ　\"" + folders[i] + u"\"" : folders[i];
    const FileTree::Node root = tree.AddNode(nullptr, title, nullptr, -1);
    for (TFileDataItem* record : placed[i]) {
      KeepWaitingWindowsPainted(done++);
      const FileTree::Node file = tree.AddNode(root, DisplayText(*record, 0), record, StateImageIndex(*record));
      for (std::size_t face = 1; face < record->DisplayNames.size(); ++face)
        tree.AddNode(file, record->DisplayNames[face].DisplayFullName, record, StateImageIndex(*record));
    }
  }
}

namespace {

bool TextOrder(const std::u16string& a, const std::u16string& b) { return AsciiLower(a) < AsciiLower(b); }

void AddFamilies(FileTree& tree, const std::u16string& title, bool symbolsOnly, const TFileData_base& list,
                 bool skipUndisplayable) {
  std::vector<TFileDataItem*> records;
  for (const auto& record : list.Items) {
    if (record->Faces.empty() || (record->UseFullName && record->FamilyMember)) continue;
    if (symbolsOnly && (record->DisplayNames.empty() || record->DisplayNames[0].Charset != 2)) continue;
    if (skipUndisplayable && record->CannotDisplay) continue;
    records.push_back(record.get());
  }
  std::stable_sort(records.begin(), records.end(), [](const TFileDataItem* a, const TFileDataItem* b) {
    return TextOrder(a->Faces[0].FamilyName, b->Faces[0].FamilyName);
  });
  const FileTree::Node root = tree.AddNode(nullptr, title, nullptr, -1);
  for (TFileDataItem* record : records) {
    const FileTree::Node family = tree.AddNode(root, record->Faces[0].FamilyName, record, -1);
    std::vector<std::u16string> faces;
    for (std::size_t i = 1; i < record->Faces.size(); ++i) faces.push_back(record->Faces[i].FamilyName);
    std::stable_sort(faces.begin(), faces.end(), TextOrder);
    for (const auto& face : faces) tree.AddNode(family, face, record, -1);
  }
}

}  // namespace

void BuildFontNameTree(FileTree& tree, bool symbolsOnly, const TFileData_base& installed,
                       const TFileData_base* browsed) {
  AddFamilies(tree, u"インストール済みフォント", symbolsOnly, installed, false);
  if (browsed && browsed->Count() > 0) AddFamilies(tree, u"閲覧中のフォント", symbolsOnly, *browsed, true);
}

}  // namespace velura
