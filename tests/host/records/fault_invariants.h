// The invariants a fault sweep checks on the in-memory system after a run, against a snapshot taken before it.
#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>

#include "fake_font_registry.h"
#include "fake_services.h"
#include "fault_sweep.h"
#include "platform/message_box.h"
#include "records/file_data.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"

namespace velura::testing {

// The Fonts keys a run may change: the machine's and the current user's.
inline const std::u16string* const kFontsKeys[] = {&kFontsPath, &kUserFontsId};

struct SystemSnapshot {
  std::map<std::u16string, Bytes> files;                                      // by lower-cased path
  std::map<std::u16string, std::map<std::u16string, std::u16string>> values;  // Fonts key -> value name -> data

  static SystemSnapshot Of(const FakeFiles& files, const FakeFontRegistry& registry) {
    SystemSnapshot snapshot;
    for (const auto& [lower, file] : files.files) snapshot.files[lower] = file.bytes;
    for (const auto* key : kFontsKeys) {
      auto& values = snapshot.values[*key];
      if (const auto it = registry.keys.find(*key); it != registry.keys.end())
        for (const auto& [name, value] : it->second.values) values[name] = value.Text;
    }
    return snapshot;
  }
  bool HadFile(const std::u16string& path) const { return files.count(LowerAscii(path)) != 0; }
};

inline bool IsDirectlyIn(const std::u16string& lowerPath, const std::u16string& folder) {
  return LowerAscii(FolderPart(lowerPath)) == LowerAscii(folder);
}

// The file a Fonts value names: a bare file name lies in the fonts folder.
inline std::u16string ValueFile(const std::u16string& data, const std::u16string& fontsFolder) {
  return LowerAscii(ResolveFontFile(data, fontsFolder));
}

// 1. No file that was in one of the folders before is gone, unless the run removed it as asked and said so.
inline void CheckNoFontFileLost(const SystemSnapshot& before, const FakeFiles& files,
                                const std::vector<std::u16string>& folders,
                                const std::function<bool(const std::u16string&)>& removalReported,
                                InvariantChecks& checks) {
  for (const auto& [lower, bytes] : before.files) {
    bool watched = false;
    for (const auto& folder : folders) watched = watched || IsDirectlyIn(lower, folder);
    if (!watched) continue;
    const auto now = files.files.find(lower);
    if (now == files.files.end()) {
      checks.Expect(removalReported(lower), "file lost: " + ToUtf8(lower));
    } else {
      checks.Expect(now->second.bytes == bytes, "file changed: " + ToUtf8(lower));
    }
  }
}

// 2. Every value the run wrote names a file that exists; a value the run removed names a file it removed,
// or one the allowance covers (a file reported as not deleted, a registry-only removal).
inline void CheckValues(const SystemSnapshot& before, const FakeFontRegistry& registry, const FakeFiles& files,
                        const std::u16string& fontsFolder,
                        const std::function<bool(const std::u16string& file)>& removalAllowed,
                        InvariantChecks& checks) {
  const SystemSnapshot after = SystemSnapshot::Of(files, registry);
  for (const auto* key : kFontsKeys) {
    const auto& old = before.values.at(*key);
    const auto& now = after.values.at(*key);
    for (const auto& [name, data] : now) {
      const auto it = old.find(name);
      if (it != old.end() && it->second == data) continue;
      checks.Expect(files.Has(ValueFile(data, fontsFolder)),
                    "value " + ToUtf8(name) + " written for a missing file " + ToUtf8(data));
    }
    for (const auto& [name, data] : old) {
      if (now.count(name)) continue;
      const std::u16string file = ValueFile(data, fontsFolder);
      const bool removedByRun = before.HadFile(file) && !files.Has(file);
      checks.Expect(removedByRun || removalAllowed(file),
                    "value " + ToUtf8(name) + " removed while its file " + ToUtf8(file) + " stays");
    }
  }
}

// 4. The installed list holds exactly the existing font files the Fonts values name, a file named by the
// current user's values alone marked PerUser.
inline void CheckInstalledListAgrees(const TFileData_installed& installed, const FakeFontRegistry& registry,
                                     const FakeFiles& files, const std::u16string& fontsFolder,
                                     InvariantChecks& checks) {
  const SystemSnapshot now = SystemSnapshot::Of(files, registry);
  std::map<std::u16string, bool> named;  // lower-cased file -> per user only
  for (const auto* key : {&kUserFontsId, &kFontsPath})
    for (const auto& [name, data] : now.values.at(*key)) {
      const std::u16string file = ValueFile(data, fontsFolder);
      if (files.Has(file)) named[file] = key == &kUserFontsId;
    }
  std::map<std::u16string, bool> listed;
  for (const auto& record : installed.Items)
    if (!record->Has(SystemFont)) listed[LowerAscii(record->Path)] = record->Has(PerUser);
  for (const auto& [file, perUser] : named) {
    const auto it = listed.find(file);
    checks.Expect(it != listed.end(), "installed file missing from the list: " + ToUtf8(file));
    if (it != listed.end()) checks.Expect(it->second == perUser, "PerUser wrong for " + ToUtf8(file));
  }
  for (const auto& [file, perUser] : listed)
    checks.Expect(named.count(file) != 0, "listed as installed without a value: " + ToUtf8(file));
}

// Whether a message box shown during the run names this text in its body (paths compared ignoring case);
// with a caption, only boxes of that caption count.
inline bool Shown(const std::vector<MessageRequest>& messages, std::u16string_view text,
                  std::u16string_view caption = {}) {
  for (const auto& m : messages)
    if ((caption.empty() || m.Caption == caption) && LowerAscii(m.Text).find(LowerAscii(text)) != std::u16string::npos)
      return true;
  return false;
}

}  // namespace velura::testing
