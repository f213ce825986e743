// CharFilterBar: "文字で絞り込む" over a font list: the box of character sets and the box for a text to
// set. Each change of either calls OnChange; the window then reads the coverage it needs and refills.
#pragma once
#include <functional>

#include "ui/fontviews/char_filter.h"
#include "ui/framework/panel_win.h"
#include "ui/framework/window_win.h"

namespace velura {

class CharFilterBar {
 public:
  // Panel_CharFilter at the top of parent, whose width at 96 DPI is designWidth: the caption and the
  // choice box on the first row, the text box under them; both widen with the parent.
  void Create(ui::Window& parent, int designWidth);

  CharFilter Current() const;
  // Back to "すべて表示" with the text box empty, without OnChange (after a stopped reading).
  void Reset();

  std::function<void()> OnChange;

  ui::Panel Panel_CharFilter;
  ui::Control* ComboBox_CharSet = nullptr;
  ui::Control* Edit_CharFilterText = nullptr;

 private:
  bool resetting_ = false;
};

}  // namespace velura
