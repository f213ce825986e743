#include "ui/charview/symbol_print.h"

namespace velura {

namespace {

int ToTwips(int pixels, int dpi) {
  if (pixels <= 0 || dpi <= 0) return 0;
  return static_cast<int>((static_cast<long long>(pixels) * 1440 + dpi / 2) / dpi);
}

}  // namespace

TwipsRect PageTwips(int widthPixels, int heightPixels, int dpiX, int dpiY) {
  const TwipsRect page{0, 0, ToTwips(widthPixels, dpiX), ToTwips(heightPixels, dpiY)};
  if (page.right == 0 || page.bottom == 0) return {};
  return page;
}

PageStep AfterPage(long start, long next, long length) {
  if (next >= length) return PageStep::Done;
  return next > start ? PageStep::NextPage : PageStep::Stuck;
}

}  // namespace velura
