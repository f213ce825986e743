// The face-record cache of the running program and its file: read once at start, written (under a temporary
// name, then renamed) after loads that added records and when the program ends. Without a file, or when
// the file cannot be read or written, the program reads every font as if there were no cache.
#pragma once
#include <cstdint>
#include <string>

#include "records/face_record_cache.h"
#include "records/file_services.h"

namespace velura {

// The file's name in the per-user local application data folder of the program.
inline constexpr char16_t kFaceCacheFileName[] = u"face-records.cache";

// The cache's folder in the local application data folder; empty when that is unknown.
std::u16string FaceCacheFolderIn(const std::u16string& localAppData);

class FaceCacheStore {
 public:
  // folder: where the file lives, without a trailing backslash; its parent must exist.
  FaceCacheStore(FileServices& files, std::u16string folder, std::uint32_t context);

  FaceRecordCache& Cache() { return cache_; }
  // A damaged or foreign file is dropped without a word: its records are read again.
  void Load();
  // Writes the cache when it has changed since it was read or last written.
  void SaveIfChanged();

 private:
  FileServices& files_;
  std::u16string folder_;
  FaceRecordCache cache_;
};

}  // namespace velura
