// The generated CP932 to UTF-16 tables (cp932_table.cpp, written by scripts/gen_cp932_table.py).
#pragma once
#include <cstddef>
#include <cstdint>

namespace velura::cp932 {

constexpr std::size_t kTrailsPerRow = 188;  // trail bytes 0x40-0x7E and 0x80-0xFC
constexpr std::uint8_t kNoRow = 0xFF;
constexpr char16_t kNotSingle = 0xFFFF;     // a lead byte, or a byte that maps to nothing

extern const char16_t kSingleByte[256];
extern const std::uint8_t kRowOfLead[256];
extern const std::size_t kRowCount;
extern const char16_t kRows[][kTrailsPerRow];  // 0: the pair maps to nothing

}  // namespace velura::cp932
