// What the archiver layer needs from the platform: paths, folders, the member writer, a decoder for what
// the built-in readers cannot decode, and archiver libraries. Windows supplies wide-API versions
// (archiver_host_win); elsewhere the portable host serves.
#pragma once
#include <memory>
#include <span>
#include <string>

#include "archive/archiver_backend.h"
#include "archive/archiver_types.h"
#include "archive/extraction.h"

namespace velura {

class ArchiverHost {
 public:
  virtual ~ArchiverHost() = default;
  virtual std::u16string FullPath(const std::u16string& path) = 0;
  // Creates the folder and any missing parents; true when it exists afterwards.
  virtual bool EnsureFolder(const std::u16string& folder) = 0;
  virtual std::unique_ptr<MemberWriter> CreateWriter(const std::u16string& folder) = 0;
  // For members the reader lists as UnsupportedMethod; null when nothing can decode them.
  virtual std::unique_ptr<FallbackDecoder> CreateFallback(const ArchiveReader& reader,
                                                          std::span<const std::uint8_t> bytes) = 0;
  // A library for a format without a built-in reader; null when none is loadable. May throw EEntryNotFound.
  virtual std::unique_ptr<ArchiverBackend> LoadLibraryBackend(const ArchiverInfo& info) = 0;
};

// C runtime paths and files, the portable folder writer, no fallback decoder, no libraries.
class PortableArchiverHost : public ArchiverHost {
 public:
  std::u16string FullPath(const std::u16string& path) override;
  bool EnsureFolder(const std::u16string& folder) override;
  std::unique_ptr<MemberWriter> CreateWriter(const std::u16string& folder) override;
  std::unique_ptr<FallbackDecoder> CreateFallback(const ArchiveReader&, std::span<const std::uint8_t>) override {
    return nullptr;
  }
  std::unique_ptr<ArchiverBackend> LoadLibraryBackend(const ArchiverInfo&) override { return nullptr; }
};

// The platform's host: the Windows one on Windows (archiver_host_win.cpp), the portable one elsewhere.
ArchiverHost& DefaultArchiverHost();

}  // namespace velura
