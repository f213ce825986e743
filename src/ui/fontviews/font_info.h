// The texts of a browser's information panel for one face, and the widths of its language grid.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "records/file_data_item.h"

namespace velura {

struct FontInfoTexts {
  std::u16string Type;  // "OpenType" or "TrueType"
  std::u16string FontName, FullName, PostScriptName, Version, FileName;
  std::u16string Size;           // e.g. "1,234KB"
  std::u16string CopyrightLabel; // "Copyright (VEND)"
  std::u16string Copyright;
  std::u16string Charset, Pitch;
  std::vector<std::u16string> CodePages;
  std::vector<std::array<std::u16string, 4>> LanguageRows;  // ID, language, full name, family name
};

FontInfoTexts DescribeFace(const TFileDataItem& record, std::size_t face);

// Bytes / 1024 rounded to the nearest (halves up), with thousands separators, and "KB".
std::u16string FileSizeText(std::int64_t bytes);

// Column widths: 36, a quarter, a third, a third of the client width (fractions cut off).
std::array<int, 4> LanguageGridWidths(int clientWidth);

}  // namespace velura
