#include "ui/fontviews/elevation_hint_win.h"

#include <commctrl.h>

#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"

namespace velura {

void ShowElevationHint(ui::Control& statusBar, int part, AdminOnlyCommands commands, std::function<void()> restart) {
  const auto show = [&statusBar, part, text = ToWide(ElevationNeededText(commands))] {
    ui::SetStatusText(statusBar, part, text);
    // The part may be narrower than its text: the tip shows it whole.
    SendMessageW(statusBar.hwnd, SB_SETTIPTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
  };
  show();
  // The bar makes its parts when it is placed, and a text set for a part it has not made yet is lost.
  statusBar.onPlaced = [show, previous = std::move(statusBar.onPlaced)](const ui::dock::Rect& place) {
    if (previous) previous(place);
    show();
  };
  statusBar.onNotify = [part, restart = std::move(restart), previous = std::move(statusBar.onNotify)](NMHDR& header) {
    if (header.code == NM_CLICK && reinterpret_cast<NMMOUSE&>(header).dwItemSpec == static_cast<DWORD_PTR>(part) &&
        restart)
      restart();
    return previous ? previous(header) : LRESULT{0};
  };
}

}  // namespace velura
