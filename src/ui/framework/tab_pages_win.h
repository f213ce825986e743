// A tab control with one panel per page, for dialogs whose controls sit on pages (the settings dialog).
// The pages are panels beside the tab control in the same window, above it in Z order (as a property
// sheet's pages are), so the tab headers take the keyboard focus and Tab walks into the visible page only.
// They cover the tab's display area (TabCtrl_AdjustRect) after every layout and DPI change; TCN_SELCHANGE
// switches them.
#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/framework/panel_win.h"
#include "ui/framework/window_win.h"

namespace velura::ui {

class TabPages {
 public:
  TabPages(const TabPages&) = delete;
  TabPages& operator=(const TabPages&) = delete;

  Control& Tab() const { return tab_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // Put a page's controls on it as on any panel; their design rectangles are relative to the display area
  // the tab had at its design size. std::out_of_range for a bad index.
  Panel& Page(int index);
  // Shows the page and hides the others; the tab follows. Sends no TCN_SELCHANGE, runs no onPageChange.
  void SelectPage(int index);
  int SelectedPage() const;

  // After the user switched pages (TCN_SELCHANGE), with the page now shown.
  std::function<void(int page)> onPageChange;

 private:
  friend TabPages& AddTabPages(Window& window, const dock::Item& dock, const std::vector<std::wstring>& captions);
  explicit TabPages(Control& tab) : tab_(tab) {}
  void Place(const dock::Rect& tabRect);
  void ShowSelected();

  Control& tab_;
  std::deque<Panel> pages_;  // a deque: panels cannot move
  std::vector<Control*> records_;  // each page's record in the window
};

// Creates the tab control (AddTabControl) in `window` with a page per caption, the first one shown. The
// pages live as long as the window's HWND: the returned object belongs to the tab's record.
TabPages& AddTabPages(Window& window, const dock::Item& dock, const std::vector<std::wstring>& captions);

}  // namespace velura::ui
