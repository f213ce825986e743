// A big-endian cursor over a ByteSource. A read past the end marks the stream failed and yields zero;
// callers check Failed() once after a group of reads instead of after each one.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "fontfile/byte_source.h"

namespace velura {

class SfntStream {
 public:
  explicit SfntStream(ByteSource& source) : source_(source), size_(source.Size()) {}

  std::uint64_t Size() const { return size_; }
  std::uint64_t Position() const { return position_; }
  void Seek(std::uint64_t position) { position_ = position; }
  void Skip(std::uint64_t count) { position_ += count; }

  // The regions the next reads will touch (a hint to the source; see ByteSource::Prefetch).
  void Prefetch(std::span<const ByteRegion> regions) { source_.Prefetch(regions); }

  bool Failed() const { return failed_; }
  void Fail() { failed_ = true; }
  void ClearFailure() { failed_ = false; }

  std::uint16_t U16() {
    std::uint8_t b[2];
    if (!Read(b, 2)) return 0;
    return static_cast<std::uint16_t>(b[0] << 8 | b[1]);
  }

  std::uint32_t U32() {
    std::uint8_t b[4];
    if (!Read(b, 4)) return 0;
    return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
  }

  // Four raw bytes, as text ending at the first zero byte (table tags, vendor IDs).
  std::string Tag() {
    char b[4] = {};
    if (!Read(b, 4)) return {};
    std::size_t n = 0;
    while (n < 4 && b[n] != 0) ++n;
    return std::string(b, n);
  }

  bool Read(void* dst, std::size_t n) {
    if (failed_ || !source_.ReadAt(position_, dst, n)) {
      failed_ = true;
      return false;
    }
    position_ += n;
    return true;
  }

 private:
  ByteSource& source_;
  std::uint64_t size_;
  std::uint64_t position_ = 0;
  bool failed_ = false;
};

}  // namespace velura
