#include "ui/settings/form_setting1_win.h"

#include "platform/message_box.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/window_place_win.h"

namespace velura {

using ui::dock::At;

TForm_setting1::TForm_setting1(HWND owner, SettingsDialogSite site) : site_(std::move(site)) {
  CreateForm(L"設定", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 454, 383, owner,
             ui::Placement::Default);
  SetFont(ui::FontSpec{L"ＭＳ Ｐゴシック", 12, 0});
  CreateComponents();
}

TForm_setting1::~TForm_setting1() { Destroy(); }

void TForm_setting1::CreateComponents() {
  // The buttons sit on the form itself, below the pages, so that Enter and Esc find them.
  BitBtn1 = &ui::AddButton(*this, L"OK", At(282, 350, 75, 25), true);
  ui::OnClick(*BitBtn1, [this] { BitBtn1Click(); });
  BitBtn2 = &ui::AddButton(*this, L"キャンセル", At(370, 350, 75, 25));
  ui::OnClick(*BitBtn2, [this] { EndModal(IDCANCEL); });
  defaultButtonId_ = BitBtn1->id;
  cancelButtonId_ = BitBtn2->id;

  PageControl1 = &ui::AddTabPages(*this, At(0, 0, 454, 342),
                                  {L"設定", L"表示優先順位", L"ツリー表示", L"ショートカット", L"ウインドウ位置"});
  CreateSettingPage(PageControl1->Page(0));
  CreateLanguagePage(PageControl1->Page(1));
  CreateTreePage(PageControl1->Page(2));
  CreateShortcutPage(PageControl1->Page(3));
  CreateWindowPage(PageControl1->Page(4));
  PageControl1->SelectPage(0);
  PageControl1->onPageChange = [this](int page) {
    if (page == 1) LanguagePageShown();
  };
  Relayout();
}

void TForm_setting1::FormShow() {
  std::u16string problem;
  values_ = LoadSettingsDialog(site_.settings, site_.engine, problem);
  LoadWindowPage();
  LoadSettingPage();
  LoadLanguagePage();
  LoadTreePage();
  LoadShortcutPage();
  if (!problem.empty()) ShowMessage(problem, u"VELURA", MessageIcon::Error);
}

void TForm_setting1::LanguagePageShown() {
  if (!values_.LanguageFileUnread || languageFileTold_) return;
  languageFileTold_ = true;
  ShowMessage(UnreadLanguageFileMessage(site_.engine.PriorityFile), u"VELURA", MessageIcon::Warning);
}

void TForm_setting1::BitBtn1Click() {
  SaveWindowPage();
  SaveSettingPage();
  SaveLanguagePage();
  SaveShortcutPage();
  // FormClose with the OK result, after every check. A refused write throws: its message shows, what was
  // written before it stays, and the dialog stays open so that the user can cancel or try again.
  if (const auto refusal = ConfirmSettingsDialog(values_, site_.settings, site_.engine, site_.probeFolder)) {
    ShowMessage(refusal->Message, u"VELURA", MessageIcon::Warning);
    ShowRefusedControl(*refusal);
    return;
  }
  if (site_.applyShortcuts) site_.applyShortcuts();
  EndModal(IDOK);
}

void TForm_setting1::ShowRefusedControl(const SettingsRefusal& refusal) {
  if (refusal.Fault == SettingsFault::Shortcut) {
    PageControl1->SelectPage(3);
    SetFocus(HotKeys.at(refusal.Shortcut)->hwnd);
    return;
  }
  PageControl1->SelectPage(0);
  SetFocus(refusal.Fault == SettingsFault::StartFolder ? Edit_df2_path->hwnd : Edit_Temp2_path->hwnd);
}

bool RunSettingsDialog(HWND owner, SettingsDialogSite site, int left, int top) {
  const auto endProgram = site.endProgram;
  bool saved = false;
  bool endRequested = false;
  {
    TForm_setting1 dialog(owner, std::move(site));
    ui::MoveInsideWorkArea(dialog.Hwnd(), left, top);
    dialog.FormShow();
    saved = dialog.ShowModal() == IDOK;
    endRequested = dialog.ProgramEndRequested();
  }
  // The launcher closes only once the dialog it owns is gone.
  if (endRequested && endProgram) endProgram();
  return saved;
}

}  // namespace velura
