// LZX and Quantum cabinet folders through the system's cabinet library (FDI), behind the FallbackDecoder
// seam: the built-in CAB reader lists the members and decodes their names, the extraction policy names the
// outputs and the sink enforces the limits; FDI only supplies the bytes of one member, read from memory.
#pragma once
#include <span>
#include <vector>

#include "archive/extraction.h"

namespace velura {

class CabFdiDecoder final : public FallbackDecoder {
 public:
  // EveryMember also takes members the built-in reader decodes itself (tests run MSZIP through FDI).
  enum class Scope { LzxAndQuantum, EveryMember };

  // Both must outlive the decoder: the cabinet's bytes and the built-in reader's listing of them.
  CabFdiDecoder(std::span<const std::uint8_t> cabinet, const std::vector<ArchiveEntry>& entries,
                Scope scope = Scope::LzxAndQuantum)
      : cabinet_(cabinet), entries_(entries), scope_(scope) {}

  // cabinet.dll loaded from the system folder with its FDI entry points.
  static bool Available();

  bool Handles(const ArchiveEntry& entry) const override;
  // Runs FDI over the cabinet up to the member (FDI decodes a folder from its start, so each call costs the
  // folder's bytes before the member). The member's name as FDI reports it must match the listing's.
  MemberIssue Extract(std::size_t index, OutputSink& sink) override;

 private:
  std::span<const std::uint8_t> cabinet_;
  const std::vector<ArchiveEntry>& entries_;
  Scope scope_;
};

}  // namespace velura
