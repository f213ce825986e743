// The registry's font tables as the program sees them: the Fonts key (installed fonts) and the names and
// files that the system's font mapping refers to (FontMapper, FontSubstitutes, FontLink\SystemLink), which
// protect a font against uninstalling. Also the registry writes and deletions of installing and uninstalling.
// Every operation opens its own key and closes it; failures are thrown as UserError.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "records/folded_names.h"
#include "records/reg_data.h"
#include "records/reg_font_registry.h"
#include "records/reg_text_folding.h"

namespace velura {

class FaceRecordCache;

class TRegFontData {
 public:
  // Reads the Fonts key and the three mapping keys at once. The registry and the folding must outlive the
  // object; fontsFolder is the Windows fonts folder without a trailing backslash. With `kept`, the Fonts
  // keys' values are taken from it while the keys' stamps are unchanged, and kept there when read.
  TRegFontData(FontRegistry& registry, const RegTextFolding& folding, std::u16string fontsFolder,
               FaceRecordCache* kept = nullptr);

  std::uint32_t PlatformId = 0;
  TRegDataArrray Fonts;  // in the registry's enumeration order; changed only by LoadFontsList
  // The current user's Fonts values (HKEY_CURRENT_USER), whose data is a full path; read with Fonts. They
  // count as installed wherever the program asks; the registry viewer shows Fonts alone.
  TRegDataArrray UserFonts;
  std::vector<std::u16string> MapperNames;
  std::vector<std::u16string> SubstituteTargets;
  std::vector<std::u16string> SystemLinkFiles;

  const std::u16string& FontsFolder() const { return fontsFolder_; }

  // "\Software\Microsoft\Windows NT\CurrentVersion\Fonts"; the NT family only.
  std::u16string FontsKeyPath() const;

  // Rereads Fonts and UserFonts. A user without a Fonts key of their own has no per-user fonts.
  void LoadFontsList();
  void LoadProtectedLists();

  // Both ask Fonts and UserFonts.
  bool IsRegisteredName(std::u16string_view name) const;
  bool IsRegisteredFile(std::u16string_view path) const;
  // Whether a value of the current user names this very file.
  bool IsUserFontFile(std::u16string_view path) const;
  bool IsProtected(std::u16string_view fileName, std::u16string_view familyName) const;

  void WriteFontValue(std::u16string_view valueName, std::u16string_view data);

  // Deletes the first value whose file has this file name, wherever that file lies. False when none has.
  // Fonts is left as it was; callers reload it.
  bool DeleteFontValueByFile(std::u16string_view fileName);

  // Deletes the first value that names this very file (a bare name counts as a file of the fonts folder).
  // False when none does; uninstalling tries this first so that another font sharing the file name keeps its value.
  bool DeleteFontValueForFile(std::u16string_view path);

  // Deletes the value of this very name when Fonts holds it, so that a list row removes its own entry and not
  // another one sharing its file name. False when Fonts has no such entry.
  bool DeleteFontValueNamed(std::u16string_view valueName);

  // Creates the current user's Fonts key when the user has none; false when it cannot be opened or made.
  bool PrepareUserFontsKey();
  // Writes a value of the current user's Fonts key, creating the key when the user has none.
  void WriteUserFontValue(std::u16string_view valueName, std::u16string_view fullPath);
  // Deletes the current user's first value naming this very file; false when none does. Never touches Fonts.
  bool DeleteUserFontValueForFile(std::u16string_view path);

  // The machine-wide destinations: the fonts folder, then the folders Fonts names.
  std::vector<std::u16string> FontFolders() const;
  std::u16string ValueNameWithoutSuffix(std::size_t index) const;

  // Points the registry editor at the Fonts key (its per-user "LastKey") and starts it.
  void OpenRegistryEditorAtFonts();

 private:
  std::unique_ptr<RegKey> OpenFontsKey(RegAccess access) const;
  TRegDataArrray ReadFontValues(const RegKey& key, const std::u16string& keyName);
  std::unique_ptr<RegKey> OpenMappingKey(std::u16string_view subKey) const;  // null when the key is missing
  void DeleteEntryValue(RegKey& key, const TRegData& entry);

  FontRegistry& registry_;
  const RegTextFolding& folding_;
  std::u16string fontsFolder_;
  FaceRecordCache* kept_;
  // The registered-name keys of Fonts, so that a folder of thousands of files asks in constant time.
  std::unordered_set<std::string> registeredKeys_;
  // The three mapping lists folded, for IsProtected over every installed font.
  FoldedNames mapperFolded_, substitutesFolded_, systemLinkFolded_;
};

}  // namespace velura
