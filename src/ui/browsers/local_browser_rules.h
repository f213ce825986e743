// The decisions of the not-installed browser that need no window: which commands are enabled, the status
// bar texts, and the paths it reads from node texts
// and network places.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/file_tree.h"

namespace velura {

// What the enabling of the browser's commands looks at.
struct LocalBrowserState {
  int nodeCount = 0;             // N: every node of the file tree
  bool anyTicked = false;        // T: some record is ticked
  bool archiveChosen = false;    // A: an entry of the archive box is chosen
  bool isAdmin = false;
  bool installsPerUser = false;  // no administrator rights, but Windows installs fonts for this user
  bool nodeSelected = false;     // the file tree has a selected node
  bool folderSelected = false;   // the shell tree has a selected folder
};

namespace local_enable {
bool Install(const LocalBrowserState& s);
bool ListCommands(const LocalBrowserState& s);  // select all/none/invert/found, exports
bool CopyTicked(const LocalBrowserState& s);
bool ActiveFileCopy(const LocalBrowserState& s);
bool SendOneTimeInst(const LocalBrowserState& s);
bool SendDirOneTimeInst(const LocalBrowserState& s);
bool OpenExplorer(const LocalBrowserState& s);
}  // namespace local_enable

// The last status panel of a user who installs for themselves alone.
inline constexpr std::u16string_view kPerUserInstallHint = u"管理者権限がないため、フォントはこのユーザーだけにインストールします";

// Status panel 0 for the selected file.
std::u16string FileStateText(const TFileDataItem& record);

// Ticked and installable counts over the file nodes (the nodes under the top level that have a record).
struct TickSummary {
  int tickedFiles = 0;
  std::int64_t tickedBytes = 0;
  int files = 0;
  int installable = 0;
};
TickSummary SummarizeTree(const FileTree& tree);
std::u16string SelectionText(const TickSummary& summary);  // status panel 1
std::u16string FileCountText(const TickSummary& summary);  // status panel 2

// The file name in a node's text: what lies between its first "(" and the first ")" (empty without both).
std::u16string FileNameInNodeText(const std::u16string& text);

// A network place under "\NetHood\" named "share - (server)" or "share - server" as "\\server\share";
// other paths unchanged.
std::u16string NetworkPlacePath(const std::u16string& path);

// Where archives are extracted: the system temporary folder (ending in a delimiter) + "VELURA__TEMP", or the
// user's folder + "\VELURA__TEMP" when it is asked for and exists. `missing` tells the caller to warn.
std::u16string WorkFolderFor(bool useUserFolder, const std::u16string& userFolder, bool userFolderExists,
                             const std::u16string& systemTemp, bool& missing);

}  // namespace velura
