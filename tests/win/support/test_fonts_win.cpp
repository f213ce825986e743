#include "support/test_fonts_win.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "fontfile/byte_source.h"
#include "support/file_bytes_win.h"
#include "support/cmap_writer.h"
#include "support/mapped_cmap.h"
#include "support/sfnt_writer.h"

namespace velura::testing {

bool WriteRenamedFont(const std::wstring& path, const std::u16string& family15) {
  return WriteRenamedFontFrom(u"Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationSans-Regular.ttf", path,
                              family15);
}

bool WriteRenamedFontFrom(const std::u16string& sourcePath, const std::wstring& path, const std::u16string& family15) {
  if (family15.size() != 15) return false;
  auto source = FileSource::Open(sourcePath);
  if (!source) return false;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(source->Size()));
  if (!source->ReadAt(0, bytes.data(), bytes.size())) return false;
  auto utf16be = [](const std::u16string& text) {
    std::vector<std::uint8_t> out;
    for (char16_t c : text) out.insert(out.end(), {static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)});
    return out;
  };
  const auto to = utf16be(family15);
  for (const std::u16string original : {u"Liberation Sans", u"Liberation Mono"}) {  // both 15 characters
    const auto from = utf16be(original);
    for (auto it = bytes.begin(); (it = std::search(it, bytes.end(), from.begin(), from.end())) != bytes.end();)
      it = std::copy(to.begin(), to.end(), it);
  }

  return WriteFileBytes(path, bytes);
}

// A copy of Liberation Sans with a name table of its own, a head revision and version string when the
// version string is not empty, and, when cmap is not empty, that "cmap".
bool WriteFontFrom(const std::wstring& path, const std::u16string& family, std::uint32_t revision,
                   const std::u16string& versionText, const Bytes& cmap);

namespace {

Bytes CmapOf(const std::vector<std::pair<char32_t, char32_t>>& ranges) {
  constexpr std::uint32_t kFirstGlyph = 36;  // a letter of the face, so every mapped code point shows ink
  std::vector<Segment4> segments;
  std::vector<Group> groups;
  for (const auto& [first, last] : ranges) {
    groups.push_back({first, last, kFirstGlyph});
    if (last <= 0xFFFE)
      segments.push_back({static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(last),
                          static_cast<std::uint16_t>(kFirstGlyph - first)});
  }
  segments.push_back({0xFFFF, 0xFFFF, 1});
  return CmapWith({{3, 1, Format4(segments)}, {3, 10, Format12(groups)}});
}

}  // namespace

bool WriteFontWithCharacters(const std::wstring& path, const std::u16string& family,
                             const std::vector<std::pair<char32_t, char32_t>>& ranges) {
  return WriteFontFrom(path, family, 0, u"", CmapOf(ranges));
}

bool WriteFontWithFamily(const std::wstring& path, const std::u16string& family) {
  return WriteFontFrom(path, family, 0, u"", {});  // the source's head and no version string
}

bool WriteVersionedFont(const std::wstring& path, const std::u16string& family, std::uint32_t revision,
                        const std::u16string& versionText) {
  return WriteFontFrom(path, family, revision, versionText, {});
}

bool WriteFontFrom(const std::wstring& path, const std::u16string& family, std::uint32_t revision,
                   const std::u16string& versionText, const Bytes& cmap) {
  auto source = FileSource::Open(u"Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationSans-Regular.ttf");
  if (!source) return false;
  Bytes bytes(static_cast<std::size_t>(source->Size()));
  if (bytes.size() < 12 || !source->ReadAt(0, bytes.data(), bytes.size())) return false;
  auto u16 = [&](std::size_t at) { return static_cast<std::uint32_t>(bytes[at] << 8 | bytes[at + 1]); };
  auto u32 = [&](std::size_t at) { return u16(at) << 16 | u16(at + 2); };
  SfntBuilder face;
  const std::uint32_t tableCount = u16(4);
  for (std::uint32_t n = 0; n < tableCount; ++n) {
    const std::size_t entry = 12 + 16 * n;
    if (entry + 16 > bytes.size()) return false;
    const std::string tag(reinterpret_cast<const char*>(&bytes[entry]), 4);
    const std::uint32_t offset = u32(entry + 8), length = u32(entry + 12);
    if (offset > bytes.size() || length > bytes.size() - offset) return false;
    if (tag == "name") {
      auto names = BasicNames(family);
      if (!versionText.empty()) names.push_back(NameSpec{3, 1, 0x0409, 5, versionText, {}, {}, {}});
      names.push_back(NameSpec{3, 1, 0x0409, 6, u"VeluraGenerated-Regular", {}, {}, {}});
      face.Table(tag, NameTable(names));
    } else if (tag == "head" && length >= 8 && !versionText.empty()) {
      Bytes head(bytes.begin() + offset, bytes.begin() + offset + length);
      for (int i = 0; i < 4; ++i) head[4 + i] = static_cast<std::uint8_t>(revision >> (24 - 8 * i));
      face.Table(tag, head);
    } else if (tag == "cmap" && !cmap.empty()) {
      face.Table(tag, cmap);
    } else {
      face.Table(tag, Bytes(bytes.begin() + offset, bytes.begin() + offset + length));
    }
  }
  return WriteFileBytes(path, face.Build());
}

bool WriteFontMapping(const std::wstring& path, const std::u16string& family, const std::vector<char32_t>& codePoints) {
  return WriteFontFrom(path, family, 0, u"", CmapMapping(codePoints));
}

}  // namespace velura::testing
