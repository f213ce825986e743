#include "ui/fontviews/elevation_hint_win.h"

#include <commctrl.h>

#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/status_bar_font_win.h"

namespace velura {

ui::Control& AddElevationHintBar(ui::Window& window, AdminOnlyCommands commands, std::function<void()> restart) {
  ui::Control& bar = ui::AddStatusBar(window, {-1});
  ui::SetStatusBarFont(bar);
  const auto show = [&bar, text = ToWide(ElevationNeededText(commands))] { ui::SetStatusText(bar, 0, text); };
  show();
  // The bar makes its part when it is placed, and a text set before that is lost.
  bar.onPlaced = [show, previous = std::move(bar.onPlaced)](const ui::dock::Rect& place) {
    if (previous) previous(place);
    show();
  };
  bar.onNotify = [restart = std::move(restart), previous = std::move(bar.onNotify)](NMHDR& header) {
    if (header.code == NM_CLICK && restart) restart();
    return previous ? previous(header) : LRESULT{0};
  };
  return bar;
}

void StackAboveHintBar(ui::Control& bar) {
  SetWindowLongW(bar.hwnd, GWL_STYLE,
                 (GetWindowLongW(bar.hwnd, GWL_STYLE) | CCS_NOPARENTALIGN | CCS_NORESIZE) & ~SBARS_SIZEGRIP);
}

}  // namespace velura
