// The fonts Windows knows, through GDI on the screen's device context.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace velura {

using TLogFontArrayW = std::vector<LOGFONTW>;

// Every LOGFONT Windows reports for the face name (one per character set), or for all fonts when it is
// empty (one per family and character set), in the order Windows reports them; at most 65535.
void EnumerateLogFonts(const std::wstring& faceName, TLogFontArrayW& list);

// The first record whose face name is exactly the name (case-sensitive).
bool FindLogFont(const std::wstring& faceName, LOGFONTW& record);
bool IsFontFamilyKnown(const std::wstring& faceName);

// One face name per family, the vertical-writing '@' families included.
void EnumerateFamilyNames(std::vector<std::wstring>& list);

}  // namespace velura
