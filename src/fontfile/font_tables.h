// The facts taken from the "cmap", "OS/2", "head" and "post" tables. Each reader starts at the
// stream's position (the table's offset) and returns false when the table runs past the end of the file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "fontfile/face_record.h"
#include "fontfile/sfnt_stream.h"

namespace velura {

struct TcmapEncodingSubTable {
  std::uint16_t platformID = 0;
  std::uint16_t encodingID = 0;
  std::uint32_t offset = 0;  // from the start of the cmap table
  std::uint16_t format = 0;  // first field of the subtable
};

struct TcmapTable {
  std::uint16_t version = 0;
  std::uint16_t numTables = 0;
  std::vector<TcmapEncodingSubTable> subtables;
  bool Read(SfntStream& stream);
};

struct TOS2Table {
  std::uint16_t version = 0;
  std::uint16_t usWeightClass = 0;
  std::uint32_t ulUnicodeRange[4] = {};
  std::string achVendID;  // up to 4 bytes, ends at a zero byte
  std::uint32_t ulCodePageRange1 = 0;
  std::uint32_t ulCodePageRange2 = 0;
  bool Read(SfntStream& stream);
};

struct TFontHeaderTable {
  std::uint16_t flags = 0;
  bool Read(SfntStream& stream);
};

struct TPostTable {
  std::uint32_t versionCode = 0;  // 1, 2, 25, 3 or 111
  bool Read(SfntStream& stream);
};

// 1, 2, 25 or 3 for the post versions 1.0, 2.0, 2.5 and 3.0; 111 for any other.
std::uint32_t PostVersionCode(std::uint32_t version);

// Copies the four tables' facts into a face record.
void FillTableFacts(const TcmapTable& cmap, const TOS2Table& os2, const TFontHeaderTable& head,
                    const TPostTable& post, TTFontFileData& face);

}  // namespace velura
