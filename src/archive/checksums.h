// The integrity checks of the three formats.
#pragma once
#include <cstdint>
#include <span>

namespace velura {

// CRC-32 (ZIP members, the 0x7075 name field); continue by passing the previous value.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

// CRC-16 with polynomial 0x8005, reflected, zero start (LZH members and level-2 headers).
std::uint16_t Crc16(std::span<const std::uint8_t> bytes, std::uint16_t crc = 0);

// The cabinet data block checksum: 32-bit little-endian words XORed, a 1-3 byte tail packed high byte first.
std::uint32_t CabChecksum(std::span<const std::uint8_t> bytes, std::uint32_t seed = 0);

}  // namespace velura
