// Plain text onto the clipboard, for text a control's own copy would not put there as it should.
#pragma once
#include <windows.h>

#include <string>

namespace velura {

// Replaces the clipboard's content with text as CF_UNICODETEXT; false when the clipboard could not be had.
bool PutTextOnClipboard(HWND owner, const std::wstring& text);

}  // namespace velura
