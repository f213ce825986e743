#include "ui/framework/tab_pages_win.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"

namespace velura::ui {

Panel& TabPages::Page(int index) {
  if (index < 0 || index >= PageCount()) throw std::out_of_range("TabPages::Page: no page " + std::to_string(index));
  return pages_[static_cast<std::size_t>(index)];
}

void TabPages::SelectPage(int index) {
  if (index < 0 || index >= PageCount()) return;
  SendMessageW(tab_.hwnd, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowSelected();
}

int TabPages::SelectedPage() const { return static_cast<int>(SendMessageW(tab_.hwnd, TCM_GETCURSEL, 0, 0)); }

void TabPages::Place(const dock::Rect& tabRect) {
  RECT area{tabRect.left, tabRect.top, tabRect.Right(), tabRect.Bottom()};
  SendMessageW(tab_.hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  const int width = std::max(0, static_cast<int>(area.right - area.left));
  const int height = std::max(0, static_cast<int>(area.bottom - area.top));
  for (Panel& page : pages_)
    SetWindowPos(page.Hwnd(), nullptr, area.left, area.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TabPages::ShowSelected() {
  const int selected = SelectedPage();
  // The new page first, then the old one goes: no moment with the bare tab showing.
  for (int pass = 0; pass < 2; ++pass) {
    for (int index = 0; index < PageCount(); ++index) {
      const bool visible = index == selected;
      if (visible != (pass == 0)) continue;
      Control& record = *records_[static_cast<std::size_t>(index)];
      const HWND page = record.hwnd;
      record.dock.visible = visible;
      if (!visible && IsChild(page, GetFocus())) SetFocus(tab_.hwnd);  // the focus leaves with its page
      const bool shown = (GetWindowLongPtrW(page, GWL_STYLE) & WS_VISIBLE) != 0;
      if (shown != visible) ShowWindow(page, visible ? SW_SHOWNA : SW_HIDE);
    }
  }
}

TabPages& AddTabPages(Window& window, const dock::Item& dock, const std::vector<std::wstring>& captions) {
  Control& tab = AddTabControl(window, dock, captions);
  std::shared_ptr<TabPages> pages(new TabPages(tab));
  // The pages' design size: the display area of the tab at its design size.
  const dock::Rect design = window.DesignRect(tab);
  RECT area{0, 0, window.Px(design.width), window.Px(design.height)};
  SendMessageW(tab.hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  const int width96 = std::max(0, dock::Unscale(area.right - area.left, window.Dpi()));
  const int height96 = std::max(0, dock::Unscale(area.bottom - area.top, window.Dpi()));
  for (std::size_t index = 0; index < captions.size(); ++index) {
    dock::Item item;
    item.design = {0, 0, width96, height96};
    item.visible = index == 0;
    Control& record = pages->pages_.emplace_back().Create(window, item);
    record.layoutManaged = false;
    pages->records_.push_back(&record);
    // Just above the tab in Z order: the tab (WS_CLIPSIBLINGS) paints around it.
    const HWND above = GetWindow(tab.hwnd, GW_HWNDPREV);
    SetWindowPos(record.hwnd, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  TabPages* self = pages.get();
  tab.onPlaced = [pages](const dock::Rect& placed) { pages->Place(placed); };  // owns the pages
  OnSelectionChange(tab, [self] {
    self->ShowSelected();
    if (self->onPageChange) self->onPageChange(self->SelectedPage());
  });
  return *self;
}

}  // namespace velura::ui
