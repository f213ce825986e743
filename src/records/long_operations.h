// The loops that walk a list of font files with a progress display and a stop button: load, install,
// uninstall and copy; the load of the installed list at start-up; the release of preview registrations.
// Each pumps messages once per file, honours the stop flag of its loop context and reports failures once at
// the end.
#pragma once
#include <string>
#include <vector>

#include "records/file_data.h"
#include "records/loop_context.h"

namespace velura {

// Loads files into a list with AddBrowsedFontFile; reports unreadable files when asked.
void RunLoadFiles(LoopContext& loop, Progress& progress, const std::vector<std::u16string>& paths,
                  TFileData_local& target, bool reportFailures);

// Fills the installed list from the registry's Fonts list, Marlett first. With a bar (the splash
// window's) the status window is not used.
void LoadInstalledFromRegistry(LoopContext& loop, TFileData_installed& installed, TRegFontData& registry,
                               const std::u16string& fontsFolder, BarProgress* bar, Progress* status);

// Installs the ticked records of a not-installed list into the destination folder.
void RunInstall(LoopContext& loop, Progress& progress, TFileData_local& list, TFileData_installed& installed,
                const std::u16string& destinationFolder, bool copyFiles, TRegFontData& registry);

// Installs the ticked records for the current user alone: copies them into the per-user fonts folder
// (creating it when missing) and writes values of the current user's Fonts key whose data is the copy's full
// path. Nothing machine-wide is written. The reports are those of RunInstall.
void RunInstallForUser(LoopContext& loop, Progress& progress, TFileData_local& list, TFileData_installed& installed,
                       const std::u16string& userFontsFolder, TRegFontData& registry);

// Both for several lists in one run (the one-time install's entries): one destination, one progress, one
// report of what was skipped; a file more than one list shows is installed once.
void RunInstall(LoopContext& loop, Progress& progress, const std::vector<TFileData_local*>& lists,
                TFileData_installed& installed, const std::u16string& destinationFolder, bool copyFiles,
                TRegFontData& registry);
void RunInstallForUser(LoopContext& loop, Progress& progress, const std::vector<TFileData_local*>& lists,
                       TFileData_installed& installed, const std::u16string& userFontsFolder, TRegFontData& registry);

// Uninstalls the ticked machine-wide records of the installed list; ticked per-user records stay as they are.
void RunUninstall(LoopContext& loop, Progress& progress, TFileData_installed& installed);

// Uninstalls the ticked per-user records (PerUser): the current user's value, the registration, the file, in
// that order, with the reports of RunUninstall. Needs no administrator rights; machine-wide records stay.
void RunUninstallForUser(LoopContext& loop, Progress& progress, TFileData_installed& installed);

// Copies files into a folder, overwriting; returns the number of files not copied.
int RunCopy(LoopContext& loop, Progress& progress, FileServices& files, const std::u16string& destinationFolder,
            const std::vector<std::u16string>& sources);

// Lets go of one hold per path in the engine's counter, with the plain bar window (no stop button): a file's
// registration is removed when its last holder lets go and it was not installed during the run.
void ReleaseFontResources(FontRegistrations& registrations, const std::vector<std::u16string>& paths,
                          BarProgress& window);

// Lets go of the registrations the list's records hold, clears it and broadcasts the change.
void ReleaseAll(TFileData_base& list, BarProgress& window);

// Recomputes the FamilyMember marks of a list.
void MarkFamilyMembers(TFileData_base& list);

}  // namespace velura
