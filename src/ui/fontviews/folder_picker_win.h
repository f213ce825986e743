// The shell's folder picker as the browsers use it: a title, an initial folder, a place on the screen,
// and the selected path shown as status text. Every other window of the program is disabled meanwhile.
#pragma once
#include <windows.h>

#include <string>

namespace velura {

// The chosen folder, or empty when the user cancelled.
std::wstring BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& initialFolder = {},
                             int x = 0, int y = 0);

}  // namespace velura
