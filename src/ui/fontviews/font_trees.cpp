#include "ui/fontviews/font_trees.h"

#include <algorithm>

#include "platform/text.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"

namespace velura {

void BuildFolderTree(FileTree& tree, const std::vector<std::u16string>& folders, const std::u16string& userFontsFolder,
                     const TFileData_base& installed, const RegTextFolding& folding, const LoopContext& loop,
                     const RecordShown& shown) {
  // The roots in the order they are shown: the fonts folder, this user's fonts folder, the other machine-wide
  // folders, then any other folder a per-user value points into.
  struct Root {
    std::u16string folder;  // lower-cased
    std::u16string title;
    bool perUser = false;
    std::vector<TFileDataItem*> records;
  };
  std::vector<Root> roots;
  const auto addRoot = [&](const std::u16string& folder, std::u16string title, bool perUser) {
    roots.push_back(Root{folding.Lower(folder), std::move(title), perUser, {}});
  };
  const auto addUserRoot = [&] {
    if (!userFontsFolder.empty())
      addRoot(userFontsFolder, u"_このユーザーのフォントフォルダ　\"" + userFontsFolder + u"\"", true);
  };
  for (std::size_t i = 0; i < folders.size(); ++i) {
    addRoot(folders[i], i == 0 ? u"_既定のフォントフォルダ　\"" + folders[i] + u"\"" : folders[i], false);
    if (i == 0) addUserRoot();
  }
  if (folders.empty()) addUserRoot();

  // Place every record first, so that folders left without a file never get a root. A machine-wide file
  // lies in one of the registry's folders or is not placed; a per-user file goes where its value points.
  for (const auto& record : installed.Items) {
    if (shown && !shown(*record)) continue;
    const bool perUser = record->Has(PerUser);
    const std::u16string folder = folding.Lower(FolderPart(record->Path));
    auto root = std::find_if(roots.begin(), roots.end(), [&](const Root& r) {
      return r.folder == folder && (perUser || !r.perUser);
    });
    if (root == roots.end()) {
      if (!perUser) continue;
      addRoot(FolderPart(record->Path), FolderPart(record->Path), true);
      root = roots.end() - 1;
    }
    root->records.push_back(record.get());
  }
  std::size_t done = 0;
  for (const Root& root : roots) {
    if (root.records.empty()) continue;
    const FileTree::Node top = tree.AddNode(nullptr, root.title, nullptr, -1);
    for (TFileDataItem* record : root.records) {
      loop.KeepWaitingWindowsPainted(done++);
      const FileTree::Node file = tree.AddNode(top, DisplayText(*record, 0), record, StateImageIndex(*record));
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
