// The one-time install window's decisions that need no system: which commands are enabled, which typed
// paths are accepted, what the content view shows and what the messages and status panels say.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "records/file_tree.h"
#include "records/group_data.h"

namespace velura {

inline constexpr char16_t kNewGroupName[] = u"新規グループ";
inline constexpr char16_t kHandOverGroupName[] = u"未インストール窓からの登録ファイル";

struct OneTimeState {
  bool groupSelected = false;
  bool entrySelected = false;    // the content view's selected node is a path entry
  bool groupRegistered = false;  // the selected group's
  int fontNodes = 0;             // nodes of the font view
  bool anyFontTicked = false;    // some node of the font view carries a ticked record
};

namespace onetime_enable {
bool EntryCommands(const OneTimeState& s);     // Action_OpenFolder, Action_ItemDelete
bool GroupCommands(const OneTimeState& s);     // the commands that work on the selected group
bool FontViewCommands(const OneTimeState& s);  // Action_ShowSubForm, Action_ExportFontCsvFile
bool Install(const OneTimeState& s);
bool ExportTreeTxt(const OneTimeState& s);
}  // namespace onetime_enable

// ".ttf", ".ttc" or ".otf" in any case.
bool HasFontExtension(const std::u16string& path);

// The simple check of a typed path: a path from a drive ("X:\", "X:/") or relative ("./", "../", ".\",
// "..\"). Accepted paths become file entries with a font extension, folder entries otherwise.
enum class ManualPath : std::uint8_t { Rejected, File, Folder };
ManualPath CheckManualPath(const std::u16string& text);

// What a path handed over or dropped becomes: an existing folder, an existing font file, or nothing.
enum class CheckedPath : std::uint8_t { Skip, File, Folder };
CheckedPath CheckExistingPath(const std::u16string& path, bool isFolder, bool isFile);

// Content view: the entries of the selected group and of its descendants, in the order they are shown.
enum class ContentSection : std::uint8_t { Own, Descendants };
struct ContentEntry {
  const TNameItem* item = nullptr;
  ContentSection section = ContentSection::Own;
};
struct ContentPlan {
  std::vector<ContentEntry> ownFolders, ownFiles, childFolders, childFiles;
};
ContentPlan PlanContent(const TGroupItem& group);

// The colours of the content view's entries when not selected.
std::uint32_t ContentEntryColour(ContentSection section, bool isDir);  // a COLORREF value
inline constexpr int kOwnEntryImage = 10;
inline constexpr int kChildEntryImage = 20;

// The entries a registration covers: the group's own, then each descendant's, depth first.
std::vector<TNameItem*> EntriesOfGroupAndDescendants(const TGroupItem& group);

// Auto-delete: removes, from the last to the first, the group's own entries that do not exist; returns how
// many. `exists(path, isDir)` tests one entry.
template <class Exists>
int RemoveMissingEntries(TGroupRootClass& root, TGroupItem& group, Exists&& exists) {
  int removed = 0;
  for (std::size_t i = group.PathCollection.size(); i-- > 0;) {
    const TNameItem& entry = *group.PathCollection[i];
    if (!exists(entry.Path, entry.IsDir)) {
      root.RemovePath(group, entry);
      ++removed;
    }
  }
  return removed;
}
std::u16string RemovedCountText(int count);      // "n 件の項目を削除しました"
std::u16string RemovedAskOthersText(int count);  // ... and the question about every group
std::u16string RemovedTotalText(int count);      // "合計 n 件の項目を削除しました"

// Status bar of the font view: files = top-level nodes with a record, ticked ones and their size.
struct FontViewSummary {
  int files = 0;
  int ticked = 0;
  std::int64_t tickedBytes = 0;
};
FontViewSummary SummarizeFontView(const FileTree& tree);
std::u16string FileCountPanel(const FontViewSummary& s);  // panel 0
std::u16string TickedPanel(const FontViewSummary& s);     // panel 1

// The CSV of the font view: the header, then a line per node (in tree order) whose record has faces, each
// with the names of the face the node stands for.
std::vector<std::u16string> FontViewCsvLines(const FileTree& tree);

}  // namespace velura
