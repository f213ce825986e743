// The archive layer as the browser's archive opening uses it: TArchiveFile with the browser's options.
#pragma once
#include "archive/archiver_host.h"
#include "ui/browsers/archive_opening.h"

namespace velura {

class ArchiveFileExtractor final : public ArchiveExtractor {
 public:
  // The host is the system's (DefaultArchiverHost) in the program; it must outlive the extractor.
  ArchiveFileExtractor(void* window, ArchiverHost& host) : window_(window), host_(host) {}
  // A format no archiver serves raises the archive layer's error, which the window shows.
  std::vector<std::u16string> MemberNames(const std::u16string& archive) override;
  void ExtractAll(const std::u16string& archive, const std::u16string& folder) override;

 private:
  void* window_;
  ArchiverHost& host_;
};

}  // namespace velura
