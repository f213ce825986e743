// The shared body of the archive fuzzers: list, plan and extract every member into sinks that only count,
// with caps small enough that a unit stays fast however much a member claims to hold.
#pragma once
#include <cstddef>
#include <cstdint>

#include "archive/archive_reader.h"
#include "archive/extraction.h"

namespace velura::fuzzing {

class CountingFile final : public PendingFile {
 public:
  bool Write(std::span<const std::uint8_t> bytes) override {
    written_ += bytes.size();
    return true;
  }
  MemberIssue Commit() override { return MemberIssue::None; }

 private:
  std::uint64_t written_ = 0;
};

class CountingWriter final : public MemberWriter {
 public:
  std::unique_ptr<PendingFile> Create(std::u16string_view) override { return std::make_unique<CountingFile>(); }
};

class CappedSink final : public OutputSink {
 public:
  bool Write(std::span<const std::uint8_t> bytes) override {
    if (bytes.size() > kCap - written_) return false;
    written_ += bytes.size();
    return true;
  }

 private:
  static constexpr std::uint64_t kCap = 1 << 20;
  std::uint64_t written_ = 0;
};

inline int FuzzArchive(std::unique_ptr<ArchiveReader> (*open)(std::span<const std::uint8_t>),
                       const std::uint8_t* data, std::size_t size) {
  auto reader = open({data, size});
  reader->SetDecodeBudget(16 << 20);
  // Every member as the program would extract it (names, policy, limits)...
  ExtractionLimits limits;
  limits.maxMemberSize = 1 << 20;
  limits.maxTotalSize = 4 << 20;
  limits.maxMembers = 64;
  limits.fontsAndArchivesOnly = false;
  CountingWriter writer;
  ExtractArchive(*reader, limits, writer);
  // ...and the decoders on members whatever size they claim, out of order.
  const std::size_t count = reader->Entries().size();
  for (std::size_t k = 0; k < count && k < 16; ++k) {
    CappedSink sink;
    reader->Extract(count - 1 - k, sink);
  }
  return 0;
}

}  // namespace velura::fuzzing
