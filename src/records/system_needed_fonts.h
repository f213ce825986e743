// The fonts Windows itself needs, besides Marlett and the files of the mapping tables: the files Windows
// Resource Protection guards and the fonts the system's own interface names. Such a font is never offered
// for uninstalling; deleting it would leave the system's dialogs and window frames without their font.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "records/folded_names.h"
#include "records/reg_text_folding.h"

namespace velura {

// What the system says, as read: the data of the "MS Shell Dlg" and "MS Shell Dlg 2" substitutes, the face
// names of the non-client metrics' fonts, and each FontLink\SystemLink value's text (strings separated by
// zero characters).
struct SystemUiFontSources {
  std::vector<std::u16string> ShellDialogSubstitutes;
  std::vector<std::u16string> MetricsFaces;
  std::vector<std::u16string> SystemLinkLists;
};

// Reads the facts above from the running system.
class SystemFontFacts {
 public:
  virtual ~SystemFontFacts() = default;
  virtual SystemUiFontSources UiFontSources() = 0;
  // Whether Windows Resource Protection guards the file; false when that cannot be told.
  virtual bool IsWindowsProtectedFile(const std::u16string& path) = 0;
};

// The family names and file names (without folder) the system's interface needs: the shell dialog
// substitutes, the metrics' fonts, and the first file of each SystemLink list (the one the system falls
// back to first).
struct SystemNeededNames {
  std::vector<std::u16string> Families;
  std::vector<std::u16string> Files;
};
SystemNeededNames NeededNamesOf(const SystemUiFontSources& sources);

// The needed names folded once, to ask about every installed font.
class SystemNeededLookup {
 public:
  SystemNeededLookup(const SystemNeededNames& needed, const RegTextFolding& folding);
  // Whether a font file with this file name and these family names is one the system's interface needs.
  bool IsNeeded(std::u16string_view fileName, const std::vector<std::u16string>& families) const;

 private:
  const RegTextFolding& folding_;
  FoldedNames files_, families_;
};

}  // namespace velura
