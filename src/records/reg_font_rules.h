// The decisions of the registry font data, on plain data: how value names and files are matched,
// how SystemLink values name files, and which folders hold registered fonts.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/reg_data.h"
#include "records/reg_text_folding.h"

namespace velura {

// The name before its first blank that is directly followed by "(": "Alpha Bold (TrueType)" gives "Alpha Bold".
std::u16string StripValueSuffix(std::u16string_view name);

// The key under which two registered names are the same: the name without its suffix, in the ANSI
// code page, lower-cased and trimmed of blanks and control characters at both ends.
std::string RegisteredNameKey(std::u16string_view name, const RegTextFolding& folding);

// The file names a FontLink\SystemLink value names: of every non-empty string (strings are separated by
// zero characters), the text before its first comma.
std::vector<std::u16string> SystemLinkFileNames(std::u16string_view data);

// The part after the last backslash (the whole text when there is none).
std::u16string FileNamePart(std::u16string_view path);

// The part before the last backslash, keeping the backslash of a drive root ("C:\"); empty for a bare name.
std::u16string FolderPart(std::u16string_view path);

// The full path a Fonts entry names: a bare file name is a file of the fonts folder.
std::u16string ResolveFontFile(std::u16string_view file, std::u16string_view fontsFolder);

bool ContainsIgnoringCase(const std::vector<std::u16string>& list, std::u16string_view text,
                          const RegTextFolding& folding);

// The first entry whose value name is the same registered name.
std::optional<std::size_t> FindRegisteredName(const TRegDataArrray& fonts, std::u16string_view name,
                                              const RegTextFolding& folding);

// The first entry whose file, resolved in the fonts folder, is this path (case ignored).
std::optional<std::size_t> FindEntryForPath(const TRegDataArrray& fonts, std::u16string_view path,
                                            std::u16string_view fontsFolder, const RegTextFolding& folding);

// The first entry whose file name part is this file name (case ignored), wherever the file lies.
std::optional<std::size_t> FindEntryByFileName(const TRegDataArrray& fonts, std::u16string_view fileName,
                                               const RegTextFolding& folding);

// The fonts folder first, then every other folder named by an entry's full path, each once (case ignored).
std::vector<std::u16string> FontFoldersOf(const TRegDataArrray& fonts, std::u16string_view fontsFolder,
                                          const RegTextFolding& folding);

}  // namespace velura
