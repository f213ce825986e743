#include "archive/archiver_host_win.h"

#include "archive/cab_fdi_win.h"
#include "archive/folder_writer_win.h"
#include "platform/wide_win.h"

namespace velura {

std::u16string WindowsArchiverHost::FullPath(const std::u16string& path) {
  const std::wstring wide = ToWide(path);
  std::wstring full(32768, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  full.resize(length);
  return ToU16(full);
}

bool WindowsArchiverHost::EnsureFolder(const std::u16string& folder) {
  std::wstring path = ToWide(FullPath(folder));
  while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return attributes & FILE_ATTRIBUTE_DIRECTORY;
  const auto slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos && slash > 2 && !EnsureFolder(ToU16(path.substr(0, slash)))) return false;
  return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::unique_ptr<MemberWriter> WindowsArchiverHost::CreateWriter(const std::u16string& folder) {
  return std::make_unique<FolderWriterWin>(FullPath(folder));
}

std::unique_ptr<FallbackDecoder> WindowsArchiverHost::CreateFallback(const ArchiveReader& reader,
                                                                      std::span<const std::uint8_t> bytes) {
  if (reader.Format() != ArchiveFormat::Cab || !CabFdiDecoder::Available()) return nullptr;
  return std::make_unique<CabFdiDecoder>(bytes, reader.Entries());
}

ArchiverHost& DefaultArchiverHost() {
  static WindowsArchiverHost host;
  return host;
}

}  // namespace velura
