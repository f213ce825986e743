// The install command of the browsers: the ticked files of a not-installed list go, after the destination
// dialog, through the install loop; the tree's tick icons follow and every font window hears of the change.
#pragma once
#include <windows.h>

#include <vector>

#include "records/file_tree.h"
#include "records/procedure_class.h"
#include "records/progress.h"

namespace velura {

// False when no file is ticked (nothing happens then). Otherwise WM_FONTCHANGE is broadcast on every path,
// also when the dialog is cancelled or the loop fails.
bool InstallTicked(HWND owner, FileTree& tree, TFileData_local& list, TProcedureClass& engine, Progress& progress);
// The same for the ticked files of several lists (the one-time install's entries): one dialog, one run.
bool InstallTicked(HWND owner, FileTree& tree, const std::vector<TFileData_local*>& lists, TProcedureClass& engine,
                   Progress& progress);

}  // namespace velura
