// The list operations that ask the user something first: export as CSV, copy the ticked files.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "records/file_data.h"

namespace velura {

// Asks for a file name with a save dialog (filter as "name\0pattern\0") and writes the lines there as
// UTF-16 text; a file that cannot be written is reported.
void SaveLinesAs(HWND owner, const wchar_t* filter, const wchar_t* extension, const std::wstring& defaultFileName,
                 const std::vector<std::u16string>& lines, FileServices& files);

// Asks for a file name ("csvファイル|*.csv") and writes the list's CSV lines there.
void ExportCsv(const TFileData_base& list, HWND owner, const std::wstring& defaultFileName);

// Asks for a folder and copies the file of every ticked record into it, overwriting.
void CopySelectedFiles(const TFileData_base& list, HWND owner);

}  // namespace velura
