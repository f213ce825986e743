// The archiver layer's host on Windows: wide-API paths and folders, the wide member writer, cabinet.dll's
// FDI for LZX and Quantum cabinets, and archiver libraries from the program's own folder only.
#pragma once
#include "archive/archiver_host.h"
#include "archive/archiver_library_win.h"

namespace velura {

class WindowsArchiverHost final : public ArchiverHost {
 public:
  explicit WindowsArchiverHost(std::wstring libraryFolder = ArchiverLibraryLoader::ProgramFolder())
      : libraries_(std::move(libraryFolder)) {}

  std::u16string FullPath(const std::u16string& path) override;
  bool EnsureFolder(const std::u16string& folder) override;
  std::unique_ptr<MemberWriter> CreateWriter(const std::u16string& folder) override;
  std::unique_ptr<FallbackDecoder> CreateFallback(const ArchiveReader& reader,
                                                  std::span<const std::uint8_t> bytes) override;
  std::unique_ptr<ArchiverBackend> LoadLibraryBackend(const ArchiverInfo& info) override {
    return libraries_.LoadBackend(info);
  }

 private:
  ArchiverLibraryLoader libraries_;
};

}  // namespace velura
