// The built-in archive readers: ZIP, CAB and LZH, over the bytes of the whole archive held in memory.
// A reader lists every member when it is opened and extracts one member at a time into an OutputSink.
// Readers never touch files and never throw on bad input: structural faults become Error()/Warnings(),
// faults of one member become that member's issue.
#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "archive/archive_entry.h"
#include "archive/output_sink.h"

namespace velura {

enum class ArchiveFormat : std::uint8_t { Zip, Cab, Lzh };

enum class ArchiveIssue : std::uint8_t {
  None,
  NotAnArchive,        // no signature of the format where it must be
  Truncated,           // the archive ends inside a structure
  Corrupt,             // a structure contradicts itself or the file
  MultiVolume,         // part of a split ZIP or a cabinet set
  UnsupportedVersion,  // LZH header level 3 and above
  TooManyEntries,      // listing stopped at the reader's entry cap
  EntryCountMismatch,  // warning: the stated member count differs from the records found
  TrailingData,        // warning: bytes after the archive's end
};

std::string_view IssueName(ArchiveIssue issue);
std::string_view FormatName(ArchiveFormat format);

// Readers stop listing here: far more than any font archive holds, few enough to keep memory bounded.
constexpr std::size_t kMaxArchiveEntries = 65535;
constexpr std::uint64_t kDefaultDecodeBudget = 4ull << 30;

class ArchiveReader {
 public:
  virtual ~ArchiveReader() = default;

  virtual ArchiveFormat Format() const = 0;
  const std::vector<ArchiveEntry>& Entries() const { return entries_; }
  // None when the whole archive was understood; otherwise the members listed before the fault remain.
  ArchiveIssue Error() const { return error_; }
  const std::vector<ArchiveIssue>& Warnings() const { return warnings_; }

  // Writes the member's bytes into sink, never more than its declared size. None when every byte arrived
  // and its checksum matched; the sink may then hold a partial member, which the caller must discard.
  virtual MemberIssue Extract(std::size_t index, OutputSink& sink) = 0;

  // Bytes the reader may decompress over its life, including bytes it decodes only to pass over them (files
  // of a cabinet folder share one stream: a member deep in a folder, requested out of order, costs the
  // whole stream before it). Past it Extract reports TotalLimitReached.
  void SetDecodeBudget(std::uint64_t bytes) { decodeBudget_ = bytes; }

 protected:
  std::vector<ArchiveEntry> entries_;
  ArchiveIssue error_ = ArchiveIssue::None;
  std::vector<ArchiveIssue> warnings_;
  std::uint64_t decodeBudget_ = kDefaultDecodeBudget;
};

// The bytes must outlive the reader. Open* never return null: a reader that failed has Error() set.
std::unique_ptr<ArchiveReader> OpenZipArchive(std::span<const std::uint8_t> bytes);
std::unique_ptr<ArchiveReader> OpenCabArchive(std::span<const std::uint8_t> bytes);
std::unique_ptr<ArchiveReader> OpenLzhArchive(std::span<const std::uint8_t> bytes);
std::unique_ptr<ArchiveReader> OpenArchiveAs(ArchiveFormat format, std::span<const std::uint8_t> bytes);

// The format from the bytes' signature, or nothing. An archive behind a self-extractor stub is not sought.
bool DetectArchiveFormat(std::span<const std::uint8_t> bytes, ArchiveFormat& format);
// The format from the extension (".zip", ".cab", ".lzh", any case), or nothing.
bool ArchiveFormatFromName(std::u16string_view fileName, ArchiveFormat& format);

}  // namespace velura
