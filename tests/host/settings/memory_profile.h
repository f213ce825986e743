// An in-memory profile that records every write, refuses writes on request, and cannot hold U+4E02
// (standing for any character the ANSI code page lacks).
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/ini_profile.h"

namespace velura::testing {

struct ProfileData {
  std::map<std::pair<std::u16string, std::u16string>, std::u16string> values;
  std::vector<std::u16string> writtenKeys;  // "section/key", in order
  std::u16string refusedKey;                // writes of this key fail
  int erases = 0;
};

class MemoryProfile final : public IniProfile {
 public:
  explicit MemoryProfile(ProfileData& data) : data_(data) {}

  std::u16string Read(std::u16string_view section, std::u16string_view key) const override {
    const auto found = data_.values.find({std::u16string(section), std::u16string(key)});
    return found == data_.values.end() ? std::u16string() : found->second;
  }
  bool Write(std::u16string_view section, std::u16string_view key, std::u16string_view value) override {
    if (key == data_.refusedKey) return false;
    data_.writtenKeys.push_back(std::u16string(section) + u"/" + std::u16string(key));
    data_.values[{std::u16string(section), std::u16string(key)}] = std::u16string(value);
    return true;
  }
  bool CanHold(std::u16string_view text) const override { return text.find(u'\u4E02') == std::u16string_view::npos; }
  void Erase() override {
    data_.values.clear();
    ++data_.erases;
  }
  const std::u16string& Location() const override { return location_; }

 private:
  ProfileData& data_;
  std::u16string location_ = u"C:\\Program\\velura_wd.ini";
};

}  // namespace velura::testing
