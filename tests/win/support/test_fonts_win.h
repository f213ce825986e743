// Real font files with names of our own, for tests that register and install fonts under Windows.
#pragma once
#include <string>

namespace velura::testing {

// A copy of a Debian TrueType font whose family (15 characters) is renamed, written to path.
// Windows (GDI) then lists it under the new family once it is registered.
bool WriteRenamedFont(const std::wstring& path, const std::u16string& family15);
// The same from another Liberation Sans style file (a Windows path such as
// "Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationSans-Bold.ttf"): its subfamily stays, so the
// copies of several styles form one renamed family.
bool WriteRenamedFontFrom(const std::u16string& source, const std::wstring& path, const std::u16string& family15);

// A fresh folder under the temporary folder; removed with everything in it by RemoveFolderTree.
std::wstring NewTempFolder(const std::wstring& name);
void RemoveFolderTree(const std::wstring& folder);

}  // namespace velura::testing
