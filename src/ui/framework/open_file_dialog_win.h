// GetOpenFileNameW for many files: the buffer grows and the dialog is shown again when the chosen list
// does not fit (open_file_buffer.h).
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <string>

namespace velura::ui {

// Runs the dialog described by `dialog` (its lpstrFile and nMaxFile are set here). The buffer as the
// dialog filled it (a path, or a folder and names, each ended by a NUL); empty when cancelled.
std::wstring GetOpenFileNames(OPENFILENAMEW dialog);

}  // namespace velura::ui
