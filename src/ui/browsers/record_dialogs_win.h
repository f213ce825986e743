// The list operations that ask the user something first: export as CSV, copy the ticked files.
#pragma once
#include <windows.h>

#include <string>

#include "records/file_data.h"

namespace velura {

// Asks for a file name ("csvファイル|*.csv") and writes the list's CSV lines there.
void ExportCsv(const TFileData_base& list, HWND owner, const std::wstring& defaultFileName);

// Asks for a folder and copies the file of every ticked record into it, overwriting.
void CopySelectedFiles(const TFileData_base& list, HWND owner);

}  // namespace velura
