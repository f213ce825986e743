// The registration switch of the one-time install on plain records: loading an entry registers its fonts for
// the session through the engine's font services, releasing a group undoes them through the group store.
#pragma once
#include <functional>
#include <string>

#include "records/group_data.h"
#include "records/procedure_class.h"
#include "records/progress.h"

namespace velura {

// Loads an entry's fonts into its font list (made on the first load), which registers every font file the
// registry does not list yet, and marks the entry loaded. path: the entry's path as a full path. Unreadable
// files are left out without a message.
void LoadGroupEntry(TProcedureClass& engine, TNameItem& entry, const std::u16string& path, Progress& status);

// Switches the group and all its descendant groups to the opposite of the group's registered flag: on, every
// entry of the group and of its descendants not loaded yet is loaded in content-view order (a descendant
// switched on alone, or a registered group moved under this one, keeps its fonts and is not loaded twice);
// off, each entry's font list is released through the store. Then the group and its descendants take the
// new flag. Returns the new flag.
bool SwitchGroupRegistration(TGroupRootClass& groups, TGroupItem& group, const std::function<void(TNameItem&)>& load);

}  // namespace velura
