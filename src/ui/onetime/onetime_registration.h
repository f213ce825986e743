// The registration switch of the one-time install on plain records: loading an entry registers its fonts for
// the session through the engine's font services, releasing a group undoes them through the group store.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "records/group_data.h"
#include "records/procedure_class.h"
#include "records/progress.h"

namespace velura {

// Loads an entry's fonts into its font list (made on the first load), which registers every font file the
// registry does not list yet, and marks the entry loaded. path: the entry's path as a full path. A file an
// entry of the same group holds already (a file entry inside a folder entry, a folder loaded again) is left
// out, so the group shows and registers it once. Unreadable files are left out without a message.
void LoadGroupEntry(TProcedureClass& engine, const TGroupItem& group, TNameItem& entry, const std::u16string& path,
                    Progress& status);

// The key two entries' paths compare by: case and separators folded as the engine folds file paths, without
// a trailing delimiter ("C:\Fonts\" and "c:/fonts" are one folder).
std::u16string EntryPathKey(const FontRegistrations& registrations, const std::u16string& path);

// True when the group has an entry of its own with the same path. unicodeOf: an entry's path as text.
bool HasSameEntry(const TGroupItem& group, const std::u16string& path, const FontRegistrations& registrations,
                  const std::function<std::u16string(const std::string&)>& unicodeOf);

// The status-bar note for paths refused because the group has them already.
std::u16string SameEntryNote(const std::vector<std::u16string>& refused);

// Switches the group and all its descendant groups to the opposite of the group's registered flag: on, every
// entry of the group and of its descendants not loaded yet is loaded in content-view order (a descendant
// switched on alone, or a registered group moved under this one, keeps its fonts and is not loaded twice);
// off, each entry's font list is released through the store. Then the group and its descendants take the
// new flag. Returns the new flag.
bool SwitchGroupRegistration(TGroupRootClass& groups, TGroupItem& group,
                             const std::function<void(TGroupItem&, TNameItem&)>& load);

}  // namespace velura
