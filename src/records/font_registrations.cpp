#include "records/font_registrations.h"

#include <algorithm>

#include "records/file_data.h"

namespace velura {

std::u16string FontRegistrations::Key(std::u16string_view path) const {
  std::u16string key = folding_.Lower(path);
  std::replace(key.begin(), key.end(), u'/', u'\\');
  return key;
}

FontRegistrations::State& FontRegistrations::StateOf(const std::u16string& path) {
  auto [it, added] = states_.try_emplace(Key(path));
  if (added) it->second.path = path;
  return it->second;
}

const FontRegistrations::State* FontRegistrations::Find(std::u16string_view path) const {
  const auto it = states_.find(Key(path));
  return it == states_.end() ? nullptr : &it->second;
}

int FontRegistrations::Holders(std::u16string_view path) const {
  const State* state = Find(path);
  return state ? state->holders : 0;
}

bool FontRegistrations::Registered(std::u16string_view path) const {
  const State* state = Find(path);
  return state && state->registered;
}

int FontRegistrations::Hold(const std::u16string& path) {
  State& state = StateOf(path);
  if (!state.registered) {
    const int added = fonts_.AddResource(path);
    if (added <= 0) {
      if (state.holders == 0 && !state.kept) states_.erase(Key(path));
      return 0;
    }
    state.registered = true;
    state.fontCount = added;
  }
  ++state.holders;
  return state.fontCount;
}

void FontRegistrations::RemoveIfUnheld(State& state) {
  if (state.holders > 0 || state.kept || !state.registered) return;
  if (!fonts_.RemoveResource(state.path)) return;  // counted on, unheld: tried again later
  state.registered = false;
}

void FontRegistrations::LetGo(const std::u16string& path) {
  const auto it = states_.find(Key(path));
  if (it == states_.end() || it->second.holders == 0) return;
  State& state = it->second;
  --state.holders;
  RemoveIfUnheld(state);
  if (state.holders == 0 && !state.registered && !state.kept) states_.erase(it);
}

bool FontRegistrations::KeepInstalled(const std::u16string& path) {
  State& state = StateOf(path);
  state.kept = true;
  if (state.registered) return true;
  const int added = fonts_.AddResource(path);
  if (added <= 0) return false;
  state.registered = true;
  state.fontCount = added;
  return true;
}

bool FontRegistrations::RemoveForUninstall(const std::u16string& path) {
  const bool removed = fonts_.RemoveResource(path);
  const auto it = states_.find(Key(path));
  if (!removed || it == states_.end()) return removed;
  State& state = it->second;
  state.registered = false;
  state.kept = false;
  if (state.holders == 0) states_.erase(it);
  return true;
}

bool FontRegistrations::FamilyNamesGained(const std::u16string& path, std::vector<std::u16string>& names) {
  const auto it = states_.find(Key(path));
  if (it == states_.end() || !it->second.registered) return FamilyNamesGainedByFile(fonts_, folding_, path, names);
  State& state = it->second;
  // Without the removal the file's families are listed already, and registering it again would hold
  // Windows' registration twice under one count.
  if (!fonts_.RemoveResource(state.path)) return false;
  const std::vector<std::u16string> before = fonts_.EnumerateFamilyNames();
  const int added = fonts_.AddResource(state.path);
  if (added <= 0) {
    state.registered = false;  // the holders let go without a call; the file shows as not displayable
    return false;
  }
  state.fontCount = added;
  return FamilyNamesAdded(before, fonts_.EnumerateFamilyNames(), folding_, names);
}

void FontRegistrations::ReleaseUnheld() {
  for (auto it = states_.begin(); it != states_.end();) {
    RemoveIfUnheld(it->second);
    const State& state = it->second;
    it = state.holders == 0 && !state.registered && !state.kept ? states_.erase(it) : std::next(it);
  }
}

bool FamilyNamesAdded(const std::vector<std::u16string>& before, const std::vector<std::u16string>& after,
                      const RegTextFolding& folding, std::vector<std::u16string>& names) {
  if (after.size() <= before.size()) return false;
  std::vector<std::u16string> beforeLower;
  beforeLower.reserve(before.size());
  for (const auto& name : before) beforeLower.push_back(folding.Lower(name));
  std::sort(beforeLower.begin(), beforeLower.end());
  std::size_t slot = names.size();
  for (auto it = after.rbegin(); it != after.rend() && slot > 0; ++it) {
    if (!it->empty() && it->front() == u'@') continue;  // vertical-writing family
    if (std::binary_search(beforeLower.begin(), beforeLower.end(), folding.Lower(*it))) continue;
    names[--slot] = *it;
  }
  return true;
}

}  // namespace velura
