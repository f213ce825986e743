// Which of two copies of a font is newer: the head table's fontRevision first, then the version string.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "fontfile/byte_source.h"

namespace velura {

struct FontVersion {
  std::optional<std::uint32_t> Revision;  // head.fontRevision (16.16 fixed), of the first face
  std::u16string Text;                    // name ID 5 of the first face
};

// The first face's head.fontRevision; none when the file has no readable head table.
std::optional<std::uint32_t> ReadHeadRevision(ByteSource& source);

// Negative when a is older than b, zero when neither is newer, positive when a is newer. Revisions decide
// when both have one and they differ; else the numbers of the version strings ("Version 1.10" > "1.9").
int CompareFontVersions(const FontVersion& a, const FontVersion& b);

}  // namespace velura
