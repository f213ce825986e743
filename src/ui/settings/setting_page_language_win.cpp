// The page "表示優先順位": the language priority list and its four moves. Each line carries its language ID
// as item data; a move reads the lines, moves them by the rules and shows them again.
#include "fontfile/language_names.h"
#include "platform/wide_win.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/subclass_win.h"
#include "ui/settings/form_setting1_win.h"

namespace velura {

using ui::dock::At;

void TForm_setting1::CreateLanguagePage(ui::Panel& page) {
  ui::ActionList& actions = FormActions();
  actions.Add({.id = Action_NodeToTop, .caption = u"一番上へ", .execute = [this] { Action_NodeToTopExecute(); }});
  // Ctrl+U and Ctrl+D act on this page only (MoveKeys), not as the form's accelerators: those would take the
  // keys from the hot-key fields, which could then never be given Ctrl+U or Ctrl+D.
  actions.Add({.id = Action_NodeUp, .caption = u"上へ移動", .execute = [this] { Action_NodeUpExecute(); }});
  actions.Add({.id = ActionNodeDown, .caption = u"下へ移動", .execute = [this] { ActionNodeDownExecute(); }});
  actions.Add({.id = Action_NodeToLast, .caption = u"一番下へ", .execute = [this] { Action_NodeToLastExecute(); }});

  ListBox_Language = &ui::AddListBox(page, At(8, 8, 300, 298), LBS_NOTIFY | LBS_EXTENDEDSEL | WS_VSCROLL | WS_BORDER);
  const struct {
    int actionId;
    const wchar_t* caption;
    int top;
  } moves[] = {{Action_NodeToTop, L"一番上へ", 8},
               {Action_NodeUp, L"上へ移動", 40},
               {ActionNodeDown, L"下へ移動", 72},
               {Action_NodeToLast, L"一番下へ", 104}};
  for (const auto& move : moves) {
    ui::Control& button = ui::AddButton(page, move.caption, At(320, move.top, 112, 25));
    button.actionId = move.actionId;
    HandleMoveKeys(button.hwnd);
  }
  Button3 = &ui::AddButton(page, L"デフォルトに戻す", At(320, 150, 112, 25));
  ui::OnClick(*Button3, [this] { Button3Click(); });
  HandleMoveKeys(ListBox_Language->hwnd);
  HandleMoveKeys(Button3->hwnd);
  int top = 200;
  for (const wchar_t* line : {L"設定の変更は", L"各ウインドウを", L"開きなおすと", L"反映されます"}) {
    ui::AddLabel(page, line, At(328, top, 104, 13));
    top += 16;
  }
}

void TForm_setting1::HandleMoveKeys(HWND control) {
  ui::Subclass(control, [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return false;
    if (wParam == 'U') FormActions().Execute(Action_NodeUp);
    else if (wParam == 'D') FormActions().Execute(ActionNodeDown);
    else return false;
    result = 0;
    return true;
  });
}

void TForm_setting1::LoadLanguagePage() {
  std::vector<LanguageLine> lines;
  for (const std::uint16_t id : values_.LanguageOrder) lines.push_back({id, false});
  ShowLanguageLines(lines);
  SendMessageW(ListBox_Language->hwnd, LB_SETTOPINDEX, 0, 0);
}

void TForm_setting1::SaveLanguagePage() {
  values_.LanguageOrder.clear();
  for (const LanguageLine& line : LanguageLines()) values_.LanguageOrder.push_back(line.LanguageId);
}

std::vector<LanguageLine> TForm_setting1::LanguageLines() const {
  const HWND list = ListBox_Language->hwnd;
  std::vector<LanguageLine> lines(static_cast<std::size_t>(ui::ListBoxItemCount(*ListBox_Language)));
  for (std::size_t i = 0; i < lines.size(); ++i)
    lines[i].LanguageId = static_cast<std::uint16_t>(SendMessageW(list, LB_GETITEMDATA, i, 0));
  for (const int index : ui::ListBoxSelectedIndices(*ListBox_Language))
    lines[static_cast<std::size_t>(index)].Selected = true;
  return lines;
}

void TForm_setting1::ShowLanguageLines(const std::vector<LanguageLine>& lines) {
  const HWND list = ListBox_Language->hwnd;
  const LRESULT topIndex = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ui::ClearListBoxItems(*ListBox_Language);
  int firstSelected = -1;
  for (const LanguageLine& line : lines) {
    const int index = ui::AddListBoxItem(*ListBox_Language, ToWide(LanguageName(line.LanguageId)));
    SendMessageW(list, LB_SETITEMDATA, index, line.LanguageId);
    if (line.Selected) {
      ui::SetListBoxItemSelected(*ListBox_Language, index, true);
      if (firstSelected < 0) firstSelected = index;
    }
  }
  SendMessageW(list, LB_SETTOPINDEX, topIndex, 0);
  if (firstSelected >= 0) {
    SendMessageW(list, LB_SETANCHORINDEX, firstSelected, 0);
    SendMessageW(list, LB_SETCARETINDEX, firstSelected, FALSE);  // scrolls the moved line into view
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void TForm_setting1::MoveLanguageLines(void (*move)(std::vector<LanguageLine>&)) {
  std::vector<LanguageLine> lines = LanguageLines();
  const std::vector<LanguageLine> before = lines;
  move(lines);
  if (lines != before) ShowLanguageLines(lines);
}

void TForm_setting1::Action_NodeUpExecute() { MoveLanguageLines(MoveSelectedUp); }
void TForm_setting1::ActionNodeDownExecute() { MoveLanguageLines(MoveSelectedDown); }
void TForm_setting1::Action_NodeToTopExecute() { MoveLanguageLines(MoveSelectedToTop); }
void TForm_setting1::Action_NodeToLastExecute() { MoveLanguageLines(MoveSelectedToLast); }

void TForm_setting1::Button3Click() {
  values_.LanguageOrder = DefaultLanguageOrder();
  LoadLanguagePage();
}

}  // namespace velura
