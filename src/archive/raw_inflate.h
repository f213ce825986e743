// Raw deflate streams (ZIP members, MSZIP blocks) through zlib, with the output bounded by what the
// archive declares: a stream that would produce more is cut off, not followed.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "archive/archive_entry.h"
#include "archive/output_sink.h"

struct z_stream_s;

namespace velura {

class RawInflater {
 public:
  RawInflater();
  ~RawInflater();
  RawInflater(const RawInflater&) = delete;
  RawInflater& operator=(const RawInflater&) = delete;

  // One whole stream into sink; exactly expectedSize bytes must come out. crc receives their CRC-32.
  // SizeMismatch when the stream holds more or less, CorruptData when it is broken or cut short.
  MemberIssue InflateStream(std::span<const std::uint8_t> input, std::uint64_t expectedSize, OutputSink& sink,
                            std::uint32_t& crc);

  // One whole stream of at most out.capacity() bytes into out, the stream able to refer back into
  // dictionary (MSZIP carries the previous block's output this way). False when broken or too long.
  bool InflateBlock(std::span<const std::uint8_t> input, std::span<const std::uint8_t> dictionary,
                    std::vector<std::uint8_t>& out);

 private:
  bool Reset();

  z_stream_s* stream_;
  bool ready_ = false;
};

}  // namespace velura
