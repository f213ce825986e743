// Text files the lists export: UTF-16 little-endian with a byte-order mark, every line ended by CR LF.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace velura {

std::vector<std::uint8_t> Utf16LeLines(const std::vector<std::u16string>& lines);

}  // namespace velura
