#include "archive/checksums.h"

#include <array>

#include <zlib.h>

namespace velura {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  // zlib takes 32-bit lengths: feed large spans in pieces.
  while (!bytes.empty()) {
    const std::size_t n = bytes.size() < (1u << 30) ? bytes.size() : (1u << 30);
    crc = static_cast<std::uint32_t>(crc32(crc, bytes.data(), static_cast<uInt>(n)));
    bytes = bytes.subspan(n);
  }
  return crc;
}

namespace {

constexpr std::array<std::uint16_t, 256> MakeCrc16Table() {
  std::array<std::uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned crc = i;
    for (int k = 0; k < 8; ++k) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    table[i] = static_cast<std::uint16_t>(crc);
  }
  return table;
}

constexpr auto kCrc16Table = MakeCrc16Table();

}  // namespace

std::uint16_t Crc16(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
  for (std::uint8_t b : bytes) crc = static_cast<std::uint16_t>(kCrc16Table[(crc ^ b) & 0xFF] ^ (crc >> 8));
  return crc;
}

std::uint32_t CabChecksum(std::span<const std::uint8_t> bytes, std::uint32_t seed) {
  std::size_t i = 0;
  for (; i + 4 <= bytes.size(); i += 4) {
    seed ^= std::uint32_t{bytes[i]} | std::uint32_t{bytes[i + 1]} << 8 | std::uint32_t{bytes[i + 2]} << 16 |
            std::uint32_t{bytes[i + 3]} << 24;
  }
  std::uint32_t tail = 0;
  for (; i < bytes.size(); ++i) tail = tail << 8 | bytes[i];
  return seed ^ tail;
}

}  // namespace velura
