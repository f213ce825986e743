// The decisions of the installed-font browser that need no window: which commands are enabled, the two
// summary status bars, selection by folder, the guard that keeps system fonts from being deleted and the
// removal of registry entries alone.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "records/file_data.h"
#include "records/file_tree.h"
#include "records/reg_font_data.h"

namespace velura {

// What the enabling of the browser's commands looks at.
struct InstalledBrowserState {
  int nodeCount = 0;       // every node of the file tree
  bool anyTicked = false;  // some tree node has a ticked record
  bool anyTickedPerUser = false;  // ... and one of them is a font of this user's own
  bool isAdmin = false;
};

namespace installed_enable {
bool Uninstall(const InstalledBrowserState& s);
bool CopyTicked(const InstalledBrowserState& s);
bool Exports(const InstalledBrowserState& s);
}  // namespace installed_enable

// The kinds of node in the folder tree: a folder at the top (no record), a file under it, and a further
// font of a collection under its file (the same record as its parent).
bool IsFolderNode(const FileTree& tree, FileTree::Node node);
bool IsFileNode(const FileTree& tree, FileTree::Node node);
FileTree::Node TopFolderOf(const FileTree& tree, FileTree::Node node);

// True when some node of the tree has a ticked record (with perUserOnly, a ticked PerUser record).
bool AnyTickedNode(const FileTree& tree, bool perUserOnly = false);

// Unticks every machine-wide file: without administrator rights only this user's fonts can be uninstalled.
void UntickMachineWideFiles(FileTree& tree);

// Counts over the whole tree and over the folder of the selected node. Sizes are summed in 64 bits, so
// that folders of more than 2 GB of fonts still add up.
struct InstalledSummary {
  int files = 0;
  int fonts = 0;
  std::int64_t totalBytes = 0;
  int checkedFiles = 0;
  std::int64_t checkedBytes = 0;
  int folderFiles = 0;
  int folderFonts = 0;
  std::int64_t folderBytes = 0;
  int folders = 0;
};
InstalledSummary SummarizeInstalledTree(const FileTree& tree, FileTree::Node selected);

// The texts of StatusBar1's five panels and StatusBar2's four.
std::array<std::u16string, 5> SummaryTexts1(const InstalledSummary& summary);
std::array<std::u16string, 4> SummaryTexts2(const InstalledSummary& summary);

// A value with thousands separators and a fixed number of decimals, halves rounded away from zero:
// "#,##0" (decimals 0) and "#,##0.0" (decimals 1).
std::u16string GroupedNumber(double value, int decimals);

// Ticks (or unticks) every file and font node of the selected node's top folder; the fonts folder's
// Marlett and the other fonts Windows itself needs are never ticked. Nothing happens without a selected node.
void TickAllInFolder(FileTree& tree, FileTree::Node selected, bool tick);

// The guard before uninstalling. Walks the file nodes in tree order (a collection once) and asks about
// each ticked one that must not simply be deleted.
enum class ProtectedAnswer { Delete, Keep, Cancel };
enum class GuardOutcome { Proceed, NothingToDelete, Cancelled };
struct UninstallGuardAsk {
  std::function<void(const TFileDataItem&)> systemFont;                // told, then the file is unticked
  std::function<ProtectedAnswer(const TFileDataItem&)> protectedFont;  // Keep unticks the file
};
GuardOutcome RunUninstallGuard(FileTree& tree, const UninstallGuardAsk& ask);

inline constexpr char16_t kSystemFontCaption[] = u"特殊なフォント";
inline constexpr char16_t kProtectedCaption[] = u"レジストリ登録フォントの削除確認";
inline constexpr char16_t kUninstallConfirmCaption[] = u"フォントの削除確認";
std::u16string SystemFontText(const TFileDataItem& record);
std::u16string ProtectedQuestionText(const TFileDataItem& record);
extern const char16_t kUninstallConfirmText[];

// The records of the ticked file nodes, in tree order, each once.
std::vector<TFileDataItem*> TickedFileRecords(const FileTree& tree);

// Removes the Fonts value of each record's file (the value naming that very file, else the first one with its
// file name) and, when one was removed, the record from the list
// (its Flags become Installed + InstalledNow first); the files stay. A registry failure throws after the
// records before it are gone: the caller rebuilds its tree from the list in any case.
void RemoveRegistryEntriesOnly(const std::vector<TFileDataItem*>& records, TFileData_installed& list,
                               TRegFontData& registry);

}  // namespace velura
