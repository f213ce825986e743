#include "archive/raw_inflate.h"

#include <algorithm>
#include <array>

#include <zlib.h>

#include "archive/checksums.h"

namespace velura {

namespace {
constexpr std::size_t kChunk = 64 * 1024;
constexpr uInt kMaxInputStep = 1u << 30;  // zlib counts input in 32-bit units
}  // namespace

RawInflater::RawInflater() : stream_(new z_stream{}) {
  ready_ = inflateInit2(stream_, -MAX_WBITS) == Z_OK;
}

RawInflater::~RawInflater() {
  if (ready_) inflateEnd(stream_);
  delete stream_;
}

bool RawInflater::Reset() { return ready_ && inflateReset(stream_) == Z_OK; }

MemberIssue RawInflater::InflateStream(std::span<const std::uint8_t> input, std::uint64_t expectedSize,
                                       OutputSink& sink, std::uint32_t& crc) {
  crc = 0;
  if (!Reset()) return MemberIssue::CorruptData;
  stream_->next_in = nullptr;  // a member abandoned midway leaves input behind that is not this one's
  stream_->avail_in = 0;
  std::vector<std::uint8_t> buffer(kChunk);
  std::uint64_t produced = 0;
  for (;;) {
    if (stream_->avail_in == 0 && !input.empty()) {
      const uInt step = static_cast<uInt>(std::min<std::uint64_t>(input.size(), kMaxInputStep));
      stream_->next_in = const_cast<Bytef*>(input.data());
      stream_->avail_in = step;
      input = input.subspan(step);
    }
    stream_->next_out = buffer.data();
    stream_->avail_out = static_cast<uInt>(buffer.size());
    const uInt inBefore = stream_->avail_in;
    const int status = inflate(stream_, Z_NO_FLUSH);
    const std::size_t got = buffer.size() - stream_->avail_out;
    if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) return MemberIssue::CorruptData;
    if (got > expectedSize - produced) return MemberIssue::SizeMismatch;  // more than declared: stop here
    if (got != 0) {
      const std::span<const std::uint8_t> piece(buffer.data(), got);
      crc = Crc32(piece, crc);
      if (!sink.Write(piece)) return MemberIssue::WriteFailed;
      produced += got;
    }
    if (status == Z_STREAM_END) return produced == expectedSize ? MemberIssue::None : MemberIssue::SizeMismatch;
    const bool progress = got != 0 || stream_->avail_in != inBefore;
    if (!progress && stream_->avail_in == 0 && input.empty()) return MemberIssue::CorruptData;  // cut short
    if (!progress) return MemberIssue::CorruptData;
  }
}

bool RawInflater::InflateBlock(std::span<const std::uint8_t> input, std::span<const std::uint8_t> dictionary,
                               std::vector<std::uint8_t>& out) {
  const std::size_t capacity = out.capacity();
  out.clear();
  if (!Reset() || input.size() > kMaxInputStep) return false;
  if (!dictionary.empty() &&
      inflateSetDictionary(stream_, dictionary.data(), static_cast<uInt>(dictionary.size())) != Z_OK) {
    return false;
  }
  out.resize(capacity);
  stream_->next_in = const_cast<Bytef*>(input.data());
  stream_->avail_in = static_cast<uInt>(input.size());
  stream_->next_out = out.data();
  stream_->avail_out = static_cast<uInt>(capacity);
  const int status = inflate(stream_, Z_FINISH);
  out.resize(capacity - stream_->avail_out);
  return status == Z_STREAM_END;
}

}  // namespace velura
