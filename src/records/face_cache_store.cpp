#include "records/face_cache_store.h"

namespace velura {

std::u16string FaceCacheFolderIn(const std::u16string& localAppData) {
  return localAppData.empty() ? std::u16string() : localAppData + u"\\VELURA";
}

FaceCacheStore::FaceCacheStore(FileServices& files, std::u16string folder, std::uint32_t context)
    : files_(files), folder_(std::move(folder)), cache_(context) {}

void FaceCacheStore::Load() {
  std::vector<std::uint8_t> bytes;
  const std::u16string path = folder_ + u"\\" + kFaceCacheFileName;
  if (files_.Exists(path) && files_.ReadWholeFile(path, bytes)) cache_.Parse(bytes);
}

void FaceCacheStore::SaveIfChanged() {
  if (!cache_.Changed() || folder_.empty()) return;
  if (!files_.CreateFolder(folder_)) return;
  if (files_.WriteReplacing(folder_ + u"\\" + kFaceCacheFileName, cache_.Serialize())) cache_.MarkSaved();
}

}  // namespace velura
