// A panel: a real child window of the shared class with its own children and its own dock layout, so
// nested panels of a form map one to one. WS_EX_CONTROLPARENT lets Tab navigation descend into it.
#pragma once
#include <windows.h>

#include <string>

#include "ui/framework/window_win.h"

namespace velura::ui {

enum class Bevel { None, Raised, Lowered };

class Panel : public Window {
 public:
  Panel() = default;

  // Creates the panel inside `parent` and takes it into parent's layout. The panel inherits the parent's
  // font, DPI and actions; its children's design rectangles are relative to dock.design's size.
  Control& Create(Window& parent, const dock::Item& dock, Bevel bevel = Bevel::None, const std::wstring& caption = {});

  // The text painted in the middle of the panel (a status line, for example).
  void SetCaption(const std::wstring& caption);
  void SetCaptionAlignment(UINT drawTextFormat) { captionFormat_ = drawTextFormat; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UINT captionFormat_ = DT_CENTER;
  Bevel bevel_ = Bevel::None;
};

}  // namespace velura::ui
