// Putting plain text on the clipboard, as an edit control's copy does.
#pragma once
#include <windows.h>

#include <string>

namespace velura::ui {

// False when the clipboard could not be opened or the text not stored.
bool CopyTextToClipboard(HWND owner, const std::wstring& text);

}  // namespace velura::ui
