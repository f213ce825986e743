// Seeds for the character-map reader: the "cmap" tables of a few Debian fonts (when installed), generated
// tables in every format read, damaged copies of them, and small font files holding them.
#include <cstring>
#include <fstream>
#include <iterator>

#include "seed_registry.h"
#include "support/cmap_writer.h"

namespace velura::fuzzing {
namespace {

using namespace velura::testing;

std::uint32_t Be32(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// The first face's "cmap" table of a font file, or nothing.
Bytes CmapOfFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (file.size() < 16) return {};
  const std::size_t face = std::memcmp(file.data(), "ttcf", 4) == 0 ? Be32(file, 12) : 0;
  if (face + 12 > file.size()) return {};
  const std::size_t count = file[face + 4] << 8 | file[face + 5];
  for (std::size_t i = 0; i < count && face + 28 + 16 * i <= file.size(); ++i) {
    const std::size_t entry = face + 12 + 16 * i;
    if (std::memcmp(&file[entry], "cmap", 4) != 0) continue;
    const std::size_t offset = Be32(file, entry + 8), length = Be32(file, entry + 12);
    if (offset > file.size() || length > file.size() - offset) return {};
    return Bytes(file.begin() + offset, file.begin() + offset + length);
  }
  return {};
}

SfntBuilder FaceWith(const Bytes& cmap) {
  SfntBuilder face;
  for (int i = 0; i < 9; ++i) face.Table("fil" + std::to_string(i), Bytes(4, 0));
  face.Table("cmap", cmap);
  return face;
}

SeedFiles CharMapSeeds() {
  SeedFiles seeds;
  const char* fonts[][2] = {
      {"dejavu.cmap", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"},
      {"liberation.cmap", "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf"},
      {"urw_symbol.cmap", "/usr/share/fonts/opentype/urw-base35/StandardSymbolsPS.otf"},
      {"wine_symbol.cmap", "/usr/share/wine/fonts/wingding.ttf"},
  };
  for (const auto& [name, path] : fonts)
    if (Bytes cmap = CmapOfFile(path); !cmap.empty()) seeds.emplace_back(name, std::move(cmap));
  // A real variation-sequence subtable without the CJK font's big mapping subtables (which slow every run).
  if (Bytes cjk = CmapOfFile("/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc"); cjk.size() > 4) {
    const std::size_t count = cjk[2] << 8 | cjk[3];
    for (std::size_t i = 0; i < count && 12 + 8 * i <= cjk.size(); ++i) {
      const std::size_t offset = Be32(cjk, 8 + 8 * i);
      if (cjk[4 + 8 * i + 1] != 0 || cjk[4 + 8 * i + 3] != 5 || offset + 6 > cjk.size()) continue;
      const std::size_t length = Be32(cjk, offset + 2);
      if (length > cjk.size() - offset) break;
      const Bytes sequences(cjk.begin() + static_cast<long>(offset), cjk.begin() + static_cast<long>(offset + length));
      seeds.emplace_back("cjk_sequences.cmap",
                         CmapWith({{0, 5, sequences}, {3, 1, Format4({{0x4E00, 0x9FFF, 1}, {0xFFFF, 0xFFFF, 1}})}}));
      break;
    }
  }

  const Bytes format4 = Format4(
      {{0x20, 0x7E, 0xFFE3}, {0x3041, 0x3044, 0, GlyphArrayOffset(1, 3, 0)}, {0xFFFF, 0xFFFF, 1}}, {5, 0, 7, 8});
  const Bytes format12 = Format12({{0x20000, 0x2A6DF, 0}, {0x41, 0x5A, 3}});
  const Bytes format14 = Format14({{0xE0100, {{0x845B, 2}}, {{0x8FBB, 9}}}, {0xFE00, {}, {{0x41, 3}}}});
  const Bytes all = CmapWith({{0, 5, format14},
                              {3, 10, format12},
                              {3, 1, format4},
                              {3, 0, Format12({{0xF020, 0xF0FF, 1}}, 13)},
                              {1, 0, Bytes(262, 1)}});
  seeds.emplace_back("all_formats.cmap", all);

  Bytes overlapping = Format4({{0x100, 0xFFFF, 0, 0x2000}, {0, 0x200, 5}, {0x50, 0x60, 0, 4}}, {1, 2, 3});
  seeds.emplace_back("overlapping.cmap", CmapWith({{3, 1, overlapping}}));
  Bytes segments = format4;
  segments[6] = segments[7] = 0xFF;  // segCountX2 far past the table
  seeds.emplace_back("segments_past_end.cmap", CmapWith({{3, 1, segments}}));
  Bytes groups = format12;
  groups[12] = groups[13] = 0xFF;  // a huge group count
  seeds.emplace_back("groups_past_end.cmap", CmapWith({{3, 10, groups}}));
  Bytes offsets = all;
  offsets[8] = 0x7F;  // the first subtable's offset far past the end
  seeds.emplace_back("offset_past_end.cmap", offsets);
  seeds.emplace_back("truncated.cmap", Bytes(all.begin(), all.begin() + static_cast<long>(all.size() / 2)));

  seeds.emplace_back("face.ttf", FaceWith(all).Build());
  seeds.emplace_back("collection.ttc",
                     Collection({FaceWith(all), FaceWith(CmapWith({{3, 1, overlapping}})), FaceWith(all)}));
  return seeds;
}

const SeedRegistrar kCharMapSeeds("fuzz_char_map", CharMapSeeds);

}  // namespace
}  // namespace velura::fuzzing
