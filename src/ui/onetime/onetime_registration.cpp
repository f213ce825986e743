#include "ui/onetime/onetime_registration.h"

#include <memory>

#include "records/folder_loading.h"
#include "records/long_operations.h"
#include "ui/onetime/onetime_rules.h"

namespace velura {

void LoadGroupEntry(TProcedureClass& engine, TNameItem& entry, const std::u16string& path, Progress& status) {
  if (!entry.FontList) entry.FontList = std::make_unique<TFileData_OneTimeInst>(engine.Records());
  if (entry.IsDir) LoadFolderFiles(engine, *entry.FontList, path, status, false);
  else RunLoadFiles(engine.Loop(), status, {path}, *entry.FontList, false);
  entry.Loaded = true;
}

bool SwitchGroupRegistration(TGroupRootClass& groups, TGroupItem& group, const std::function<void(TNameItem&)>& load) {
  const bool registering = !group.Registered();
  for (TNameItem* entry : EntriesOfGroupAndDescendants(group)) {
    if (!registering) groups.ReleasePath(*entry);
    else if (!entry->Loaded) load(*entry);  // a descendant registered already keeps what it holds
  }
  group.SetRegistered(registering);
  for (TGroupItem* child : Descendants(group)) child->SetRegistered(registering);
  return registering;
}

}  // namespace velura
