// Real font files with names of our own, for tests that register and install fonts under Windows.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_folder_win.h"

namespace velura::testing {

// A copy of a Debian TrueType font whose family (15 characters) is renamed, written to path.
// Windows (GDI) then lists it under the new family once it is registered.
bool WriteRenamedFont(const std::wstring& path, const std::u16string& family15);
// The same from another Liberation Sans or Liberation Mono file (a Windows path such as
// "Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationSans-Bold.ttf"): its subfamily stays, so the
// copies of several styles form one renamed family.
bool WriteRenamedFontFrom(const std::u16string& source, const std::wstring& path, const std::u16string& family15);

// A copy of Liberation Sans Regular whose name table is built anew (sfnt_writer) with the given family,
// subfamily "Regular" and the family as full name: any length, any characters.
bool WriteFontWithFamily(const std::wstring& path, const std::u16string& family);
// The same with a head fontRevision (16.16 fixed) and a version string (name ID 5) of the test's choosing;
// an empty version string keeps the source's head and writes none.
bool WriteVersionedFont(const std::wstring& path, const std::u16string& family, std::uint32_t revision,
                        const std::u16string& versionText);
// The same whose "cmap" maps only the given inclusive code point ranges (BMP ones in a (3,1) format 4
// subtable, all in a (3,10) format 12 one), each to a visible glyph of the face.
bool WriteFontWithCharacters(const std::wstring& path, const std::u16string& family,
                             const std::vector<std::pair<char32_t, char32_t>>& ranges);
// The same whose "cmap" maps exactly the given code points (mapped_cmap.h).
bool WriteFontMapping(const std::wstring& path, const std::u16string& family, const std::vector<char32_t>& codePoints);

}  // namespace velura::testing
