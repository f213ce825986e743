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
  if (std::none_of(list.Items.begin(), list.Items.end(), [](const auto& r) { return r->Has(Selected); })) return false;
  FontChangeOnExit broadcast;
  if (engine.InstallsPerUser()) {
    const InstallDestinationChoice choice = RunUserInstallDestination(owner, engine.UserFontsFolder, list.LastFolder);
    if (!choice.confirmed || choice.index != 0) return true;
    RefreshStateImagesOnExit refresh{tree};
    engine.InstallSelectedForUser(progress, list);
    return true;
  }
  std::vector<std::u16string> folders = engine.RegData().FontFolders();
  const InstallDestinationChoice choice = RunInstallDestination(owner, folders, list.LastFolder);
  if (!choice.confirmed || choice.index < 0 || choice.index >= static_cast<int>(folders.size())) return true;
  RefreshStateImagesOnExit refresh{tree};
  engine.InstallSelected(progress, list, folders[static_cast<std::size_t>(choice.index)], choice.copyFiles);
  return true;
}

}  // namespace velura
