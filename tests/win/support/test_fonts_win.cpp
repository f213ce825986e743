#include "support/test_fonts_win.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "fontfile/byte_source.h"
#include "support/file_bytes_win.h"

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

}  // namespace velura::testing
