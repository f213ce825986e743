#include "ui/onetime/onetime_registration.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "records/folder_loading.h"
#include "platform/text.h"
#include "records/long_operations.h"
#include "ui/onetime/onetime_rules.h"

namespace velura {

void LoadGroupEntry(TProcedureClass& engine, const TGroupItem& group, TNameItem& entry, const std::u16string& path,
                    Progress& status) {
  if (!entry.FontList) entry.FontList = std::make_unique<TFileData_OneTimeInst>(engine.Records());
  const FontRegistrations& keys = engine.Registrations();
  std::unordered_set<std::u16string> held;
  for (const auto& other : group.PathCollection)
    if (other->FontList)
      for (const auto& record : other->FontList->Items) held.insert(keys.Key(record->Path));
  std::vector<std::u16string> files;
  if (entry.IsDir) {
    entry.FontList->FolderPath = path;
    engine.ScanFolder(path, files, nullptr);
  } else {
    files.push_back(path);
  }
  std::erase_if(files, [&](const std::u16string& file) { return !held.insert(keys.Key(file)).second; });
  RunLoadFiles(engine.Loop(), status, files, *entry.FontList, false);
  entry.Loaded = true;
}

std::u16string EntryPathKey(const FontRegistrations& registrations, const std::u16string& path) {
  std::u16string key = registrations.Key(path);
  while (key.size() > 1 && key.back() == u'\\' && key[key.size() - 2] != u':') key.pop_back();
  return key;
}

bool HasSameEntry(const TGroupItem& group, const std::u16string& path, const FontRegistrations& registrations,
                  const std::function<std::u16string(const std::string&)>& unicodeOf) {
  const std::u16string key = EntryPathKey(registrations, path);
  return std::any_of(group.PathCollection.begin(), group.PathCollection.end(),
                     [&](const auto& entry) { return EntryPathKey(registrations, unicodeOf(entry->Path)) == key; });
}

std::u16string SameEntryNote(const std::vector<std::u16string>& refused) {
  if (refused.empty()) return {};
  std::u16string note = u"登録済みのため追加しませんでした： " + refused.front();
  if (refused.size() > 1) note += u" ほか " + DecimalU16(static_cast<int>(refused.size() - 1)) + u" 件";
  return note;
}

bool SwitchGroupRegistration(TGroupRootClass& groups, TGroupItem& group,
                             const std::function<void(TGroupItem&, TNameItem&)>& load) {
  const bool registering = !group.Registered();
  std::vector<TGroupItem*> groupsSwitched{&group};
  for (TGroupItem* child : Descendants(group)) groupsSwitched.push_back(child);
  for (TGroupItem* g : groupsSwitched)
    for (const auto& entry : g->PathCollection) {
      if (!registering) groups.ReleasePath(*entry);
      else if (!entry->Loaded) load(*g, *entry);  // a descendant registered already keeps what it holds
    }
  group.SetRegistered(registering);
  for (TGroupItem* child : Descendants(group)) child->SetRegistered(registering);
  return registering;
}

}  // namespace velura
