// In-memory models of the file system and of the Windows font services, for the record and loop tests.
#pragma once
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fault_plan.h"
#include "platform/text.h"
#include "records/file_services.h"
#include "records/font_services.h"
#include "support/sfnt_writer.h"

namespace velura::testing {

inline std::u16string LowerAscii(std::u16string_view text) { return AsciiLower(text); }

class FakeFiles final : public FileServices {
 public:
  struct File {
    std::u16string path;  // as created, for listing
    Bytes bytes;
    std::uint32_t attributes = 0x80;
  };

  void Put(const std::u16string& path, Bytes bytes, std::uint32_t attributes = 0x80) {
    files[LowerAscii(path)] = File{path, std::move(bytes), attributes};
  }
  void MakeFolder(const std::u16string& path) { folders.insert(LowerAscii(path)); }
  bool Has(const std::u16string& path) const { return files.count(LowerAscii(path)) != 0; }
  const Bytes& BytesOf(const std::u16string& path) const { return files.at(LowerAscii(path)).bytes; }

  bool Exists(const std::u16string& path) override { return Has(path); }
  std::unique_ptr<ByteSource> OpenForReading(const std::u16string& path) override {
    if (Faulted(faults, CallKind::Read, path)) return nullptr;
    auto it = files.find(LowerAscii(path));
    if (it == files.end()) return nullptr;
    return std::make_unique<MemorySource>(it->second.bytes);
  }
  bool Copy(const std::u16string& source, const std::u16string& target, bool failIfExists) override {
    copies.push_back(source + u" -> " + target);
    if (Faulted(faults, CallKind::Copy, source, target)) return false;
    if (refusedTargets.count(LowerAscii(target)) || !Has(source) || (failIfExists && Has(target))) return false;
    File copy = files.at(LowerAscii(source));
    copy.path = target;
    files[LowerAscii(target)] = copy;
    return true;
  }
  bool Delete(const std::u16string& path) override {
    if (Faulted(faults, CallKind::Delete, path)) return false;
    auto it = files.find(LowerAscii(path));
    if (it == files.end() || undeletable.count(LowerAscii(path)) || (it->second.attributes & 1)) return false;
    files.erase(it);
    return true;
  }
  // A file the system holds (undeletable) does not open for deletion; a read-only one does.
  bool CanDelete(const std::u16string& path) override {
    if (Faulted(faults, CallKind::DeleteCheck, path)) return false;
    return Has(path) && !undeletable.count(LowerAscii(path));
  }
  bool ClearAttributes(const std::u16string& path) override {
    if (Faulted(faults, CallKind::ClearAttributes, path)) return false;
    auto it = files.find(LowerAscii(path));
    if (it == files.end()) return false;
    it->second.attributes = 0x80;
    return true;
  }
  std::vector<FolderEntry> ListFolder(const std::u16string& folder) override {
    std::vector<FolderEntry> entries;
    if (Faulted(faults, CallKind::Read, folder)) return entries;
    const std::u16string prefix = LowerAscii(folder) + u"\\";
    auto direct = [&](const std::u16string& lowerPath) {
      return lowerPath.rfind(prefix, 0) == 0 && lowerPath.find(u'\\', prefix.size()) == std::u16string::npos;
    };
    if (!folders.count(LowerAscii(folder))) return entries;
    entries.push_back({u".", 16});
    entries.push_back({u"..", 16});
    for (const auto& f : folders)
      if (direct(f)) entries.push_back({f.substr(prefix.size()), 16});
    for (const auto& [lower, file] : files)
      if (direct(lower)) entries.push_back({file.path.substr(prefix.size()), file.attributes});
    return entries;
  }
  bool RemoveFolder(const std::u16string& folder) override {
    if (Faulted(faults, CallKind::RemoveFolder, folder)) return false;
    if (ListFolder(folder).size() > 2) return false;
    return folders.erase(LowerAscii(folder)) != 0;
  }
  bool CreateFolder(const std::u16string& folder) override {
    if (Faulted(faults, CallKind::CreateFolder, folder)) return false;
    folders.insert(LowerAscii(folder));
    return true;
  }
  bool MoveNoReplace(const std::u16string& source, const std::u16string& target) override {
    if (Faulted(faults, CallKind::Move, source, target)) return false;
    if (!Has(source) || Has(target)) return false;
    File moved = files.at(LowerAscii(source));
    moved.path = target;
    files.erase(LowerAscii(source));
    files[LowerAscii(target)] = moved;
    return true;
  }
  std::u16string CurrentFolder() override { return currentDirectory; }
  bool ChangeCurrentFolder(const std::u16string& folder) override {
    if (Faulted(faults, CallKind::Read, folder)) return false;
    if (!folders.count(LowerAscii(folder))) return false;
    currentDirectory = folder;
    return true;
  }
  bool ReadWholeFile(const std::u16string& path, std::vector<std::uint8_t>& bytes) override {
    if (Faulted(faults, CallKind::Read, path)) return false;
    if (!Has(path) || unreadable.count(LowerAscii(path))) return false;
    bytes = BytesOf(path);
    return true;
  }
  // A failed write leaves the file as it was, as the real temporary-and-rename does; a process ended between
  // the two leaves the temporary file beside it.
  bool WriteReplacing(const std::u16string& path, const std::vector<std::uint8_t>& bytes) override {
    if (Faulted(faults, CallKind::WriteReplacing, path)) {
      if (!faults->KillsAfterTemporaryWrite()) return false;
      Put(path + u".tmp", bytes);
      throw ProcessKilled{};
    }
    if (refusedTargets.count(LowerAscii(path))) return false;
    Put(path, bytes);
    return true;
  }

  std::map<std::u16string, File> files;  // by lower-cased path
  std::set<std::u16string> folders;      // lower-cased
  std::set<std::u16string> undeletable;  // lower-cased paths
  std::set<std::u16string> refusedTargets;
  std::set<std::u16string> unreadable;  // lower-cased paths whose reads fail
  std::vector<std::u16string> copies;
  std::u16string currentDirectory = u"C:\\start";
  FaultPlan* faults = nullptr;  // null: nothing fails but what the sets above refuse
};

// Windows' font table as a model: families known from the start, plus the families each registered file adds.
class FakeFonts final : public FontServices {
 public:
  std::map<std::u16string, std::vector<TLogFontName>> familiesOfFile;  // lower-cased path -> its families
  std::vector<TLogFontName> systemFamilies;
  std::multiset<std::u16string> registered;  // lower-cased paths
  std::vector<std::u16string> calls;
  int broadcasts = 0;
  FaultPlan* faults = nullptr;

  int AddResource(const std::u16string& path) override {
    calls.push_back(u"add " + path);
    if (Faulted(faults, CallKind::AddResource, path)) return 0;
    registered.insert(LowerAscii(path));
    auto it = familiesOfFile.find(LowerAscii(path));
    return it == familiesOfFile.end() ? 0 : static_cast<int>(it->second.size());
  }
  bool RemoveResource(const std::u16string& path) override {
    calls.push_back(u"remove " + path);
    if (Faulted(faults, CallKind::RemoveResource, path)) return false;
    auto it = registered.find(LowerAscii(path));
    if (it == registered.end()) return false;
    registered.erase(it);
    return true;
  }
  std::vector<TLogFontName> EnumerateLogFonts(const std::u16string& faceName) override {
    std::vector<TLogFontName> all = systemFamilies;
    for (const auto& path : std::set<std::u16string>(registered.begin(), registered.end())) {
      auto it = familiesOfFile.find(path);
      if (it != familiesOfFile.end()) all.insert(all.end(), it->second.begin(), it->second.end());
    }
    if (faceName.empty()) return all;
    std::vector<TLogFontName> matching;
    for (const auto& f : all)
      if (LowerAscii(f.FaceName) == LowerAscii(faceName)) matching.push_back(f);
    return matching;
  }
  std::vector<std::u16string> EnumerateFamilyNames() override {
    std::vector<std::u16string> names;
    for (const auto& f : EnumerateLogFonts(u"")) names.push_back(f.FaceName);
    return names;
  }
  // A broadcast that fails reaches no window.
  void BroadcastFontChange() override {
    if (!Faulted(faults, CallKind::Broadcast, u"WM_FONTCHANGE")) ++broadcasts;
  }
};

}  // namespace velura::testing
