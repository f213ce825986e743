// Printing the symbol sample: the page a printer offers in the rich edit's twips, and when the page loop
// goes on. The window asks the printer and runs EM_FORMATRANGE; these decide.
#pragma once
#include <string_view>

#include "records/print_job.h"

namespace velura {

inline constexpr std::u16string_view kSymbolPrintTitle = u"velura2";

struct TwipsRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const TwipsRect&) const = default;
};

// The printable area of a page of the given device pixels and resolution, in twips (1/1440 inch); an
// empty rectangle for a device that reports no resolution.
TwipsRect PageTwips(int widthPixels, int heightPixels, int dpiX, int dpiY);

// What follows a page that began at `start` and ended before `next`, for a text of `length` characters: the
// next page, the end, or a failure when the page took nothing of the text left (a rich edit that lays out
// nothing would otherwise print blank pages forever, or one blank page reported as printed).
enum class PageStep { NextPage, Done, Stuck };
PageStep AfterPage(long start, long next, long length);

}  // namespace velura
