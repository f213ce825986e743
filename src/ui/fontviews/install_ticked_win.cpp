#include "ui/fontviews/install_ticked_win.h"

#include <algorithm>

#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/form_install_select_win.h"

namespace velura {

namespace {

struct FontChangeOnExit {
  ~FontChangeOnExit() { SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr); }
};

// The state images follow the records also when a registry error ends the run part-way: the files installed
// before it are marked installed.
struct RefreshStateImagesOnExit {
  FileTree& tree;
  ~RefreshStateImagesOnExit() { RefreshStateImages(tree); }
};

}  // namespace

bool InstallTicked(HWND owner, FileTree& tree, TFileData_local& list, TProcedureClass& engine, Progress& progress) {
  return InstallTicked(owner, tree, std::vector<TFileData_local*>{&list}, engine, progress);
}

bool InstallTicked(HWND owner, FileTree& tree, const std::vector<TFileData_local*>& lists, TProcedureClass& engine,
                   Progress& progress) {
  const auto ticked = [](const TFileData_local* list) {
    return std::any_of(list->Items.begin(), list->Items.end(), [](const auto& r) { return r->Has(Selected); });
  };
  const auto first = std::find_if(lists.begin(), lists.end(), ticked);
  if (first == lists.end()) return false;
  const std::u16string& sourceFolder = (*first)->LastFolder;
  FontChangeOnExit broadcast;
  if (engine.InstallsPerUser()) {
    const InstallDestinationChoice choice = RunUserInstallDestination(owner, engine.UserFontsFolder, sourceFolder);
    if (!choice.confirmed || choice.index != 0) return true;
    RefreshStateImagesOnExit refresh{tree};
    engine.InstallSelectedForUser(progress, lists);
    return true;
  }
  std::vector<std::u16string> folders = engine.RegData().FontFolders();
  const InstallDestinationChoice choice = RunInstallDestination(owner, folders, sourceFolder);
  if (!choice.confirmed || choice.index < 0 || choice.index >= static_cast<int>(folders.size())) return true;
  RefreshStateImagesOnExit refresh{tree};
  engine.InstallSelected(progress, lists, folders[static_cast<std::size_t>(choice.index)], choice.copyFiles);
  return true;
}

}  // namespace velura
