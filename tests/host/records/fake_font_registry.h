// An in-memory registry and an ASCII case folding for the registry font data tests.
#pragma once
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fault_plan.h"
#include "platform/text.h"
#include "records/reg_font_registry.h"
#include "records/reg_text_folding.h"

namespace velura::testing {

inline const std::u16string kFontsPath = u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
inline const std::u16string kMapperPath = u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontMapper";
inline const std::u16string kSubstitutesPath = u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
inline const std::u16string kSystemLinkPath =
    u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink";
inline const std::u16string kUserFontsId = u"HKCU" + kFontsPath;
inline const std::u16string kRegeditPath = u"\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";

// ASCII case folding; U+4E02 stands for a character the ANSI code page cannot hold.
class FakeFolding final : public RegTextFolding {
 public:
  std::string AnsiLowerKey(std::u16string_view text) const override {
    std::string key;
    for (char16_t c : text) {
      if (c == u'\u4E02') key.push_back('?');
      else if (c >= u'A' && c <= u'Z') key.push_back(static_cast<char>(c + 32));
      else if (c < 0x80) key.push_back(static_cast<char>(c));
      else key += ToUtf8(std::u16string(1, c));
    }
    return key;
  }
  std::u16string Lower(std::u16string_view text) const override {
    std::u16string lower(text);
    for (auto& c : lower)
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    return lower;
  }
};

struct FakeKeyData {
  std::vector<std::pair<std::u16string, RegValue>> values;  // in enumeration order
  std::set<std::u16string> undeletable;
  bool refuseWrites = false;
  std::optional<RegKeyStamp> stamp;  // none: the registry does not tell
};

struct OpenCall {
  RegRoot root;
  std::u16string path;
  RegAccess access;
};

class FakeFontRegistry final : public FontRegistry {
 public:
  // The four keys of a standard system, empty.
  FakeFontRegistry() {
    for (const auto* path : {&kFontsPath, &kMapperPath, &kSubstitutesPath, &kSystemLinkPath}) keys[*path];
  }

  void Add(const std::u16string& path, std::u16string name, RegValueKind kind, std::u16string text = {}) {
    keys[path].values.emplace_back(std::move(name), RegValue{kind, std::move(text)});
  }
  void AddFont(std::u16string name, std::u16string file) { Add(kFontsPath, std::move(name), RegValueKind::String, std::move(file)); }
  // A value of the current user's Fonts key, whose data is the file's full path.
  void AddUserFont(std::u16string name, std::u16string path) {
    Add(kUserFontsId, std::move(name), RegValueKind::String, std::move(path));
  }
  bool HasValue(const std::u16string& path, std::u16string_view name) const {
    for (const auto& [n, v] : keys.at(path).values)
      if (n == name) return true;
    return false;
  }

  std::uint32_t PlatformId() const override { return platformId; }
  std::unique_ptr<RegKey> OpenKey(RegRoot root, std::u16string_view path, RegAccess access) override;
  std::unique_ptr<RegKey> OpenOrCreateKey(RegRoot root, std::u16string_view path) override;
  void StartRegistryEditor() override { ++editorStarts; }

  std::uint32_t platformId = 2;
  std::map<std::u16string, FakeKeyData> keys;  // HKLM keys by path; HKCU keys are prefixed "HKCU"
  std::vector<OpenCall> opens;
  int editorStarts = 0;
  bool refuseCreation = false;
  FaultPlan* faults = nullptr;
};

class FakeRegKey final : public RegKey {
 public:
  explicit FakeRegKey(FakeKeyData& data, std::u16string id = {}, FaultPlan* faults = nullptr)
      : data_(data), id_(std::move(id)), faults_(faults) {}
  std::vector<std::u16string> ValueNames() const override {
    std::vector<std::u16string> names;
    for (const auto& [name, value] : data_.values) names.push_back(name);
    return names;
  }
  std::optional<RegKeyStamp> Stamp() const override { return data_.stamp; }
  RegValue Read(std::u16string_view name) const override {
    for (const auto& [n, value] : data_.values)
      if (n == name) return value;
    return {};
  }
  bool WriteString(std::u16string_view name, std::u16string_view text) override {
    if (Faulted(faults_, CallKind::ValueWrite, id_ + u"\\" + std::u16string(name), text)) return false;
    if (data_.refuseWrites) return false;
    for (auto& [n, value] : data_.values)
      if (n == name) return value = RegValue{RegValueKind::String, std::u16string(text)}, true;
    data_.values.emplace_back(std::u16string(name), RegValue{RegValueKind::String, std::u16string(text)});
    return true;
  }
  bool DeleteValue(std::u16string_view name) override {
    if (Faulted(faults_, CallKind::ValueDelete, id_ + u"\\" + std::u16string(name))) return false;
    if (data_.undeletable.count(std::u16string(name))) return false;
    for (auto it = data_.values.begin(); it != data_.values.end(); ++it)
      if (it->first == name) return data_.values.erase(it), true;
    return false;
  }

 private:
  FakeKeyData& data_;
  std::u16string id_;
  FaultPlan* faults_;
};

inline std::unique_ptr<RegKey> FakeFontRegistry::OpenKey(RegRoot root, std::u16string_view path, RegAccess access) {
  opens.push_back({root, std::u16string(path), access});
  const std::u16string id = (root == RegRoot::CurrentUser ? u"HKCU" : u"") + std::u16string(path);
  // Opening for writing fails as RegOpenKeyEx does when access is denied: no key.
  if (Faulted(faults, access == RegAccess::Read ? CallKind::Read : CallKind::KeyOpenForWrite, id)) return nullptr;
  const auto key = keys.find(id);
  if (key == keys.end()) return nullptr;
  return std::make_unique<FakeRegKey>(key->second, id, faults);
}

inline std::unique_ptr<RegKey> FakeFontRegistry::OpenOrCreateKey(RegRoot root, std::u16string_view path) {
  opens.push_back({root, std::u16string(path), RegAccess::ReadWrite});
  const std::u16string id = (root == RegRoot::CurrentUser ? u"HKCU" : u"") + std::u16string(path);
  if (Faulted(faults, CallKind::KeyOpenForWrite, id)) return nullptr;
  if (refuseCreation && !keys.count(id)) return nullptr;
  return std::make_unique<FakeRegKey>(keys[id], id, faults);
}

}  // namespace velura::testing
