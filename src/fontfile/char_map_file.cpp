// The character maps of a whole font file: per face, the offset table and directory in one read each and
// the "cmap" table in one more; faces of a collection that share a "cmap" share its reading.
#include <algorithm>
#include <cstring>

#include "fontfile/byte_source.h"
#include "fontfile/char_map.h"

namespace velura {

namespace {

std::uint16_t Be16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }
std::uint32_t Be32(const std::uint8_t* p) { return std::uint32_t{Be16(p)} << 16 | Be16(p + 2); }

bool IsCmapTag(const std::uint8_t* tag) {
  // Case-insensitive, as the face reader matches its tables.
  static constexpr char kCmap[] = "cmap";
  for (int i = 0; i < 4; ++i) {
    const int c = tag[i] >= 'A' && tag[i] <= 'Z' ? tag[i] + 32 : tag[i];
    if (c != kCmap[i]) return false;
  }
  return true;
}

struct TableSpot {
  std::uint64_t offset = 0;
  std::uint64_t length = 0;
};

// The first "cmap" entry of the directory of the face at faceOffset; false when there is none or the
// directory cannot be read.
bool FindCmap(ByteSource& source, std::uint64_t faceOffset, std::vector<std::uint8_t>& directory, TableSpot& spot) {
  std::uint8_t header[12];
  if (!source.ReadAt(faceOffset, header, sizeof header)) return false;
  const std::size_t bytes = 16u * Be16(header + 4);
  if (bytes > source.Size()) return false;  // more entries than the file holds: nothing to allocate for
  directory.resize(bytes);
  if (!source.ReadAt(faceOffset + 12, directory.data(), bytes)) return false;
  for (std::size_t at = 0; at < bytes; at += 16) {
    if (!IsCmapTag(&directory[at])) continue;
    spot.offset = Be32(&directory[at + 8]);
    spot.length = Be32(&directory[at + 12]);
    return true;
  }
  return false;
}

}  // namespace

std::vector<TCharMap> ReadFileCharMaps(ByteSource& source) {
  std::uint8_t head[12];
  std::vector<std::uint32_t> faceOffsets;
  if (!source.ReadAt(0, head, 4)) return {};
  if (std::memcmp(head, "ttcf", 4) != 0) {
    faceOffsets.push_back(0);
  } else {
    if (!source.ReadAt(0, head, 12)) return {};
    const std::uint64_t count = Be32(head + 8);
    if (count == 0 || count * 4 > source.Size() - 12) return {};
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(count) * 4);
    if (!source.ReadAt(12, raw.data(), raw.size())) return {};
    for (std::size_t i = 0; i < raw.size(); i += 4) faceOffsets.push_back(Be32(&raw[i]));
  }

  std::vector<TCharMap> maps(faceOffsets.size());
  std::vector<std::uint8_t> directory, table;
  TableSpot previous{~std::uint64_t{0}, 0};
  std::size_t previousFace = 0;
  for (std::size_t face = 0; face < faceOffsets.size(); ++face) {
    TableSpot spot;
    if (!FindCmap(source, faceOffsets[face], directory, spot)) continue;
    if (spot.offset == previous.offset && spot.length == previous.length) {
      maps[face] = maps[previousFace];
      continue;
    }
    // A length running past the end keeps what is there; the subtable readers stop at the table's end.
    if (spot.offset >= source.Size()) continue;
    const std::uint64_t length = std::min(spot.length, source.Size() - spot.offset);
    table.resize(static_cast<std::size_t>(length));
    if (!source.ReadAt(spot.offset, table.data(), table.size())) continue;
    maps[face] = ReadCharMap(table.data(), table.size());
    previous = spot;
    previousFace = face;
  }
  return maps;
}

}  // namespace velura
