// Bounds-checked little-endian reads over the bytes of an archive. Every read states its offset; a read
// that does not fit yields zero and marks the view failed, so a parser checks Failed() once per record.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velura {

class ByteView {
 public:
  explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint64_t Size() const { return bytes_.size(); }
  bool Has(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }

  bool Failed() const { return failed_; }
  void ClearFailure() { failed_ = false; }

  std::uint8_t U8(std::uint64_t offset) { return Has(offset, 1) ? bytes_[offset] : Fail<std::uint8_t>(); }
  std::uint16_t U16(std::uint64_t offset) {
    if (!Has(offset, 2)) return Fail<std::uint16_t>();
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }
  std::uint32_t U32(std::uint64_t offset) {
    if (!Has(offset, 4)) return Fail<std::uint32_t>();
    return std::uint32_t{bytes_[offset]} | std::uint32_t{bytes_[offset + 1]} << 8 |
           std::uint32_t{bytes_[offset + 2]} << 16 | std::uint32_t{bytes_[offset + 3]} << 24;
  }
  std::uint64_t U64(std::uint64_t offset) {
    const std::uint64_t low = U32(offset);
    return low | std::uint64_t{U32(offset + 4)} << 32;
  }

  // The bytes [offset, offset + length), or an empty span (and failure) when they are not all there.
  std::span<const std::uint8_t> Bytes(std::uint64_t offset, std::uint64_t length) {
    if (!Has(offset, length)) return Fail<std::span<const std::uint8_t>>();
    return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  }
  std::string_view Text(std::uint64_t offset, std::uint64_t length) {
    const auto span = Bytes(offset, length);
    return {reinterpret_cast<const char*>(span.data()), span.size()};
  }
  bool Matches(std::uint64_t offset, std::string_view signature) const {
    if (!Has(offset, signature.size())) return false;
    return std::string_view(reinterpret_cast<const char*>(bytes_.data() + offset), signature.size()) == signature;
  }

 private:
  template <typename T>
  T Fail() {
    failed_ = true;
    return T{};
  }

  std::span<const std::uint8_t> bytes_;
  bool failed_ = false;
};

}  // namespace velura
