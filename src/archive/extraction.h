// Extracting an archive flat into one folder under the extraction policy: which members are written, under
// which names, within which limits; and a report of what happened to every member.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_reader.h"
#include "archive/member_writer.h"

namespace velura {

struct ExtractionLimits {
  std::size_t maxMembers = 10000;                  // members written per archive
  std::uint64_t maxMemberSize = 256ull << 20;      // bytes of one member
  std::uint64_t maxTotalSize = 1024ull << 20;      // bytes written per archive
  bool fontsAndArchivesOnly = true;                // skip members that are neither
};

enum class MemberType : std::uint8_t { Font, Archive, Other };

// By extension, any case: .ttf .otf .ttc are fonts, .zip .cab .lzh archives.
MemberType MemberTypeOf(std::u16string_view fileName);

// A decoder outside the built-in readers for members they list as UnsupportedMethod (on Windows a later
// layer may hand LZX and Quantum cabinet folders to the system's cabinet library this way).
class FallbackDecoder {
 public:
  virtual ~FallbackDecoder() = default;
  virtual bool Handles(const ArchiveEntry& entry) const = 0;
  virtual MemberIssue Extract(std::size_t index, OutputSink& sink) = 0;
};

struct MemberPlan {
  std::u16string outputName;              // set when the member is to be written
  MemberIssue skip = MemberIssue::None;   // why it is not, otherwise
};

// One plan per entry, in entry order: decided from the listing alone (kinds, names, declared sizes).
std::vector<MemberPlan> PlanExtraction(const std::vector<ArchiveEntry>& entries, const ExtractionLimits& limits,
                                       const FallbackDecoder* fallback = nullptr);

struct MemberOutcome {
  std::u16string outputName;
  MemberIssue issue = MemberIssue::None;  // None: written
  std::uint64_t bytesWritten = 0;
};

struct ExtractionReport {
  ArchiveIssue archiveError = ArchiveIssue::None;
  std::vector<ArchiveIssue> warnings;
  std::vector<MemberOutcome> members;     // one per entry, in entry order
  std::size_t written = 0;
  std::size_t failed = 0;                 // planned but not written (corrupt data, limits, write errors)
};

ExtractionReport ExtractArchive(ArchiveReader& reader, const ExtractionLimits& limits, MemberWriter& writer,
                                FallbackDecoder* fallback = nullptr);

}  // namespace velura
