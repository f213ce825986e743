#include "archive/archiver_host.h"

#include <filesystem>
#include <system_error>

#include "archive/folder_writer.h"

namespace velura {

std::u16string PortableArchiverHost::FullPath(const std::u16string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(std::filesystem::path(path), error);
  return error ? path : full.u16string();
}

bool PortableArchiverHost::EnsureFolder(const std::u16string& folder) {
  std::error_code error;
  const std::filesystem::path path(folder);
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

std::unique_ptr<MemberWriter> PortableArchiverHost::CreateWriter(const std::u16string& folder) {
  return std::make_unique<FolderWriter>(folder);
}

#ifndef _WIN32
ArchiverHost& DefaultArchiverHost() {
  static PortableArchiverHost host;
  return host;
}
#endif

}  // namespace velura
