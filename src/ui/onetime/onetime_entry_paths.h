// Where the one-time install's path entries point: their full paths, whether they are there, and what the
// file manager is asked to show for one.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "records/group_data.h"

namespace velura {

// An entry's path as a full path. A relative entry ("./", "..\", a bare name) is taken from the program's
// folder, never from the process's current folder, which file dialogs may move; "." and ".."
// are resolved, "/" becomes "\". A drive-relative "X:name" is left as it is.
std::u16string ResolveEntryPath(const std::u16string& path, const std::u16string& programFolder);

// The root of a full path: "X:\" or "\\server\share\"; empty for none.
std::u16string PathRoot(const std::u16string& fullPath);

// What a look at a path found. A drive that is not there (unplugged, not mapped, no medium) or a server
// that does not answer is DriveAbsent; a failure that proves nothing is CannotTell.
enum class PathProbe : std::uint8_t { File, Folder, NotThere, DriveAbsent, CannotTell };
// Missing: the entry is surely gone (a folder entry must be a folder, a file entry a file). Unreachable:
// its place cannot be looked at now, so it may well come back.
enum class EntryState : std::uint8_t { Present, Missing, Unreachable };
EntryState StateOfEntry(bool isDir, PathProbe probe);

// The content view shows entries that are not there in grey, with a note after the path.
std::u16string ContentEntryText(const std::u16string& path, EntryState state);
inline constexpr std::uint32_t kMissingEntryColour = 0x808080;  // a COLORREF value

// Auto-delete: the entries it removes and those it keeps because their drive or server cannot be reached.
struct MissingEntryList {
  std::vector<const TNameItem*> missing, unreachable;
  // Whether an entry of this path and kind is to be removed.
  bool Removes(const std::string& path, bool isDir) const;
};
template <class StateOf>
void AddMissingEntries(const TGroupItem& group, StateOf&& stateOf, MissingEntryList& list) {
  for (const auto& entry : group.PathCollection) {
    const EntryState state = stateOf(entry->Path, entry->IsDir);
    if (state == EntryState::Missing) list.missing.push_back(entry.get());
    if (state == EntryState::Unreachable) list.unreachable.push_back(entry.get());
  }
}
// The question that lists them under `head`; `shown` gives an entry's path as text.
std::u16string MissingEntriesQuestion(const std::u16string& head, const MissingEntryList& list,
                                      const std::function<std::u16string(const std::string&)>& shown);

// The parameters that make the file manager show an entry given as a full path: a folder entry opens the
// folder itself, a file entry opens its folder with the file selected.
std::u16string ExplorerParameters(const std::u16string& fullPath, bool isDir);

}  // namespace velura
