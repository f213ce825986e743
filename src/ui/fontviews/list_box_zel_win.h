// TListBox_zel: a list box that reports a click only when the selected index really changed, and keeps
// its horizontal scroll range fitted to the widest line in view (refitted on clicks and vertical scrolls).
#pragma once
#include <windows.h>

#include <functional>

#include "ui/fontviews/list_box_zel_rules.h"
#include "ui/framework/window_win.h"

namespace velura {

class TListBox_zel {
 public:
  TListBox_zel() = default;
  TListBox_zel(const TListBox_zel&) = delete;
  TListBox_zel& operator=(const TListBox_zel&) = delete;

  // Creates the list box in `window`; LBS_NOTIFY and, unless the style has LBS_NODATA, LBS_HASSTRINGS are
  // added (the extent measures texts).
  ui::Control& Create(ui::Window& window, const ui::dock::Item& dock, DWORD style = 0);
  HWND Hwnd() const { return hwnd_; }
  // The control record made by Create, for the typed list box helpers (list_controls_win.h).
  const ui::Control& Record() const { return *record_; }

  bool ClickCancel() const { return state_.ClickCancel; }
  void SetClickCancel(bool cancel) { state_.ClickCancel = cancel; }
  int PreviousIndex() const { return state_.previousIndex; }
  int CurrentIndex() const { return state_.currentIndex; }

  // The framework's click: fires OnClick when the index changed, then refits the extent.
  void Click();
  // Makes `index` the current item when it is not already, then runs Click.
  void SelectIndex(int index);
  // The extent for the lines in view (Algorithms 2), in pixels.
  int HorizontalExtent() const;

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;

 private:
  bool MultipleSelection() const;
  int IndexNow() const;
  void RefitExtent();

  HWND hwnd_ = nullptr;
  const ui::Control* record_ = nullptr;
  ListBoxZelState state_;
};

}  // namespace velura
