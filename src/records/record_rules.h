// The rules of a font file record that need no system: names it is registered under, the texts and
// images the lists show for it, its CSV line and the family marks of a list.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "records/file_data_item.h"
#include "records/reg_text_folding.h"

namespace velura {

// False for a "regular" subfamily; else whether family and full name differ once blanks and
// ideographic spaces are trimmed from both ends.
bool UseFullNameFor(const TTFontFileData& face);

// Face 0's full or family name, " & " and the full name of every further face, then " (TrueType)".
std::u16string RegistryValueName(const TFileDataItem& record);

// The upper-cased file name alone for the fonts folder, else the destination folder, "\" and that name.
std::u16string RegistryValueData(const TFileDataItem& record, std::u16string_view destinationFolder,
                                 std::u16string_view fontsFolder, const RegTextFolding& folding);

// "Family -> Full (file)" for a record named by its full name, else "Family (file)".
std::u16string DisplayText(const TFileDataItem& record, std::size_t face);

// The state image of a record in the file trees; -1 for none.
int StateImageIndex(const TFileDataItem& record);

// The state image of a file that cannot be displayed.
inline constexpr int kUndisplayableImage = 16;

// "FullFontName,FontFamilyName,FileName,FileSize" and a line per face; fields holding a comma, a quote
// or a line break are quoted so that every line keeps four fields.
std::vector<std::u16string> CsvLines(const std::vector<std::unique_ptr<TFileDataItem>>& records);

// Sets FamilyMember on every record named by its full name whose family is also in the list as a plain face.
void MarkFamilyMembers(std::vector<std::unique_ptr<TFileDataItem>>& records, const RegTextFolding& folding);

// The size in KB as the lists show it: FileSize / 1024 rounded to the nearest, halves to even.
std::int64_t SizeInKb(std::int64_t bytes);

}  // namespace velura
