// The built-in readers behind the archiver calls: Open reads the whole archive and lists it, FindFirst and
// FindNext walk the listing, Extract writes the members flat into the destination under the extraction
// policy (folder parts are always dropped, whatever x says).
#pragma once
#include <memory>
#include <vector>

#include "archive/archiver_backend.h"
#include "archive/archiver_host.h"

namespace velura {

inline constexpr std::uint64_t kMaxArchiveFileBytes = 1ull << 30;

// The archive's bytes and a reader over them; the format found in the bytes wins over the one expected.
struct LoadedArchive {
  std::unique_ptr<std::vector<std::uint8_t>> bytes;  // held apart: the reader borrows them
  std::unique_ptr<ArchiveReader> reader;             // null when the file could not be read
  bool Listed() const { return reader && (reader->Error() == ArchiveIssue::None || !reader->Entries().empty()); }
};
LoadedArchive LoadArchive(const std::u16string& path, ArchiveFormat expected);

// Extract's result from the report: 0, kArchiverDamaged or kArchiverMembersFailed.
int ExtractionResult(const ExtractionReport& report);

class BuiltInArchiver final : public ArchiverBackend {
 public:
  BuiltInArchiver(ArchiverHost& host, ArchiveFormat format, const ExtractionLimits& limits = {})
      : host_(host), format_(format), limits_(limits) {}

  bool Open(void* window, const std::u16string& fullPath, int mode) override;
  int FindFirst(std::u16string_view mask, ArchiverMemberInfo& info) override;
  int FindNext(ArchiverMemberInfo& info) override;
  void Close() override;
  int Extract(const ExtractRequest& request) override;

 private:
  ArchiverHost& host_;
  ArchiveFormat format_;
  ExtractionLimits limits_;
  LoadedArchive open_;
  std::u16string mask_;
  std::size_t next_ = 0;
};

}  // namespace velura
