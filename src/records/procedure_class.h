// The operations engine: the one object through which every window reaches the font machinery. It owns
// the registry font data and the installed-font list, knows the fonts folder and the administrator
// flag, keeps the language priority table and the tree style, and hands long operations to the loops.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "fontfile/font_data_table.h"
#include "fontfile/language_names.h"
#include "platform/windows_version.h"
#include "records/file_data.h"
#include "records/file_services.h"
#include "records/font_services.h"
#include "records/loop_context.h"
#include "records/reg_font_data.h"
#include "settings/ini_keeper.h"

namespace velura {

// What the engine is built on; the Windows program supplies the real services, tests their models.
struct EngineServices {
  TFontDataTable& Reader;
  FontServices& Fonts;
  FileServices& Files;
  FontRegistry& Registry;
  const RegTextFolding& Folding;
  TIniKeeper& Settings;
  std::u16string FontsFolder;     // without a trailing backslash
  std::u16string ProgramFolder;   // where the stored files are kept, with a trailing backslash
  bool IsAdmin = false;
  std::uint32_t WindowsBuild = 0;  // as RtlGetVersion reports it; 0 when unknown
  std::u16string UserFontsFolder;  // the current user's fonts folder, without a trailing backslash
  SystemFontFacts* SystemFacts = nullptr;  // none: only Marlett and the mapping tables guard fonts
  bool AdminWithoutElevation = false;      // a member of Administrators running with a limited token
  // Where the face-record cache is kept, without a trailing backslash; empty: no cache. Its context is what
  // else the records depend on (the reader's version, the ANSI code page).
  std::u16string FaceCacheFolder{};
  std::uint32_t FaceCacheContext = 0;
};

class TProcedureClass {
 public:
  // Reads the registry font tables at once; a registry failure throws UserError and stops the start.
  explicit TProcedureClass(EngineServices services);
  ~TProcedureClass();
  TProcedureClass(const TProcedureClass&) = delete;
  TProcedureClass& operator=(const TProcedureClass&) = delete;

  std::u16string PriorityFile;
  std::u16string FontsFolder;
  // Decided at start; tests may set these to stand for another user or another Windows.
  bool IsAdmin = false;
  // Without administrator rights now, but an elevated start ("管理者として再起動") would give them.
  bool AdminWithoutElevation = false;
  std::uint32_t WindowsBuild = 0;
  std::u16string UserFontsFolder;
  TLanguagePriorityTable LanguagePriority{};
  TTreeStyle TreeStyle;

  TRegFontData& RegData() { return *regData_; }
  TFileData_installed& Installed() { return *installed_; }
  RecordServices& Records() { return *records_; }
  // The program's one counter of session registrations (every list's previews, the installs of the run).
  FontRegistrations& Registrations() { return *registrations_; }
  // The program's one loop context: every window's loops, fills and status window work through it.
  LoopContext& Loop() { return loop_; }

  // Reads "velura_c_rec.bin"; a missing or unreadable file gives the default order, a short one keeps
  // the entries it has.
  void LoadLanguagePriority();
  // The file is there but could not be read: the order in use is the default, not the user's.
  bool LanguagePriorityUnread = false;
  // Writes the 143 language IDs, little-endian; false when the file could not be written.
  bool SaveLanguagePriority();

  void LoadTreeStyle();
  void SaveTreeStyle(const TTreeStyle& style);

  // The folder's .ttf/.ttc/.otf files as full paths and, when asked, its .cab/.lzh/.zip files by name.
  void ScanFolder(const std::u16string& folder, std::vector<std::u16string>& fontFiles,
                  std::vector<std::u16string>* archives);

  // Registers every file the registry's Fonts list names for this session.
  void RegisterAllRegistryFonts();

  // Deletes the folder's files (not its subfolders) and removes it; false when anything is left.
  bool EmptyAndRemoveFolder(const std::u16string& folder);

  void InstallSelected(Progress& progress, TFileData_local& list, const std::u16string& destinationFolder,
                       bool copyFiles);
  void UninstallSelected(Progress& progress);

  // Without administrator rights on Windows 10 version 1809 or later, fonts are installed for this user
  // alone; an administrator and older versions keep the machine-wide install.
  bool InstallsPerUser() const { return !IsAdmin && SupportsPerUserFonts(WindowsBuild) && !UserFontsFolder.empty(); }
  void InstallSelectedForUser(Progress& progress, TFileData_local& list);
  // The same over several lists in one run (the one-time install's entries).
  void InstallSelected(Progress& progress, const std::vector<TFileData_local*>& lists,
                       const std::u16string& destinationFolder, bool copyFiles);
  void InstallSelectedForUser(Progress& progress, const std::vector<TFileData_local*>& lists);
  // Uninstalls the ticked per-user fonts of the installed list; needs no administrator rights.
  void UninstallSelectedForUser(Progress& progress);

 private:
  EngineServices services_;
  LoopContext loop_;
  std::unique_ptr<FaceCacheStore> faceCache_;  // before the registry data, which keeps the Fonts lists in it
  std::unique_ptr<FontRegistrations> registrations_;
  std::unique_ptr<TRegFontData> regData_;
  std::unique_ptr<RecordServices> records_;
  std::unique_ptr<TFileData_installed> installed_;
};

}  // namespace velura
