// The symbol sample in a rich edit: each line added, then formatted by selecting exactly its text, and the
// pages of a rich edit drawn on a printer (or any DC of a printer's size) with EM_FORMATRANGE.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/charview/symbol_sample.h"

namespace velura {

// Replaces the rich edit's text with the lines, each in its own font and colour, in one redraw.
void WriteSymbolSample(HWND richEdit, const std::vector<SymbolSampleLine>& lines);

// A page as the device offers it: its printable pixels and resolution.
struct PageDevice {
  int widthPixels = 0, heightPixels = 0, dpiX = 0, dpiY = 0;
};
PageDevice PageDeviceOf(HDC dc);

// Draws the rich edit's whole text page by page on dc; beginPage and endPage bracket each page (StartPage
// and EndPage on a printer) and may refuse by returning false. Returns the number of pages drawn, or -1
// when a bracket failed or a page took none of the text left.
int RenderRichEditPages(HWND richEdit, HDC dc, const PageDevice& device, const std::function<bool()>& beginPage,
                        const std::function<bool(int page)>& endPage);

// Prints the rich edit's text on the printer DC as one document of the given title; false on a failure.
bool PrintRichEdit(HWND richEdit, HDC printer, const std::wstring& title);

}  // namespace velura
