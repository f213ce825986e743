// Text files the lists export: UTF-16 little-endian with a byte-order mark, every line ended by CR LF.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace velura {

std::vector<std::uint8_t> Utf16LeLines(const std::vector<std::u16string>& lines);

// The lines of a tree export: one per node, as many tabs as the node's level (0 for the top), then its text.
std::vector<std::u16string> TreeExportLines(const std::vector<std::pair<int, std::u16string>>& nodes);

}  // namespace velura
