#include "ui/fontviews/char_filter_bar_win.h"

#include <commctrl.h>

#include <string>

#include "platform/wide_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"

namespace velura {

namespace {

using ui::dock::Align;
using ui::dock::At;
using ui::dock::Docked;

}  // namespace

void CharFilterBar::Create(ui::Window& parent, int designWidth) {
  Panel_CharFilter.Create(parent, Docked(Align::Top, 50, "Panel_CharFilter"));
  ui::AddLabel(Panel_CharFilter, L"文字で絞り込む", At(4, 6, 84, 15));
  ComboBox_CharSet = &ui::AddComboBox(Panel_CharFilter, At(90, 2, designWidth - 92, 240, true));
  for (std::u16string_view label : kCharFilterChoiceLabels) ui::AddComboItem(*ComboBox_CharSet, ToWide(label));
  ui::SetComboSelectedIndex(*ComboBox_CharSet, 0);
  Edit_CharFilterText = &ui::AddEdit(Panel_CharFilter, L"", At(2, 27, designWidth - 4, 21, true));
  SetWindowLongW(Edit_CharFilterText->hwnd, GWL_EXSTYLE,
                 GetWindowLongW(Edit_CharFilterText->hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
  SendMessageW(Edit_CharFilterText->hwnd, EM_SETCUEBANNER, TRUE,
               reinterpret_cast<LPARAM>(L"この文字をすべて含むフォント"));
  ComboBox_CharSet->onCommand = [this](int code) {
    if (code == CBN_SELCHANGE && !resetting_ && OnChange) OnChange();
  };
  Edit_CharFilterText->onCommand = [this](int code) {
    if (code == EN_CHANGE && !resetting_ && OnChange) OnChange();
  };
}

CharFilter CharFilterBar::Current() const {
  CharFilter filter;
  if (!ComboBox_CharSet) return filter;
  filter.choice = CharFilterChoiceAt(ui::ComboSelectedIndex(*ComboBox_CharSet));
  filter.text = ToU16(ui::WindowText(Edit_CharFilterText->hwnd));
  return filter;
}

void CharFilterBar::Reset() {
  if (!ComboBox_CharSet) return;
  resetting_ = true;
  ui::SetComboSelectedIndex(*ComboBox_CharSet, 0);
  SetWindowTextW(Edit_CharFilterText->hwnd, L"");
  resetting_ = false;
}

}  // namespace velura
