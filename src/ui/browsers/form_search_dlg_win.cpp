#include "ui/browsers/form_search_dlg_win.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/wide_win.h"
#include "ui/framework/control_events_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/error_report_win.h"
#include "ui/framework/list_controls_win.h"
#include "ui/framework/tree_view_win.h"

namespace velura {

namespace {

using ui::dock::At;

bool Checked(const ui::Control* box) { return SendMessageW(box->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(const ui::Control* box, bool on) {
  SendMessageW(box->hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Freezes the tree's painting for one batch of mark changes.
class TreeUpdate {
 public:
  explicit TreeUpdate(HWND tree) : tree_(tree) { SendMessageW(tree_, WM_SETREDRAW, FALSE, 0); }
  ~TreeUpdate() { SendMessageW(tree_, WM_SETREDRAW, TRUE, 0); }
  TreeUpdate(const TreeUpdate&) = delete;
  TreeUpdate& operator=(const TreeUpdate&) = delete;

 private:
  HWND tree_;
};

}  // namespace

TForm_SearchDlg::TForm_SearchDlg(HWND owner, SearchTarget& target, TIniKeeper& settings)
    : target_(target), settings_(settings) {
  CreateForm(L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 247, 200, owner,
             ui::Placement::Default);
  SetFont(ui::FontSpec{L"ＭＳ Ｐゴシック", 12, 0});
  CreateComponents();
  LoadSettings();
}

void TForm_SearchDlg::CreateComponents() {
  ui::AddLabel(*this, L"検索文字", At(8, 8, 80, 13));  // Label10
  Label_Result = &ui::AddLabel(*this, L"", At(88, 8, 151, 13), SS_RIGHT);
  TntComboBox_Search = &ui::AddComboBox(*this, At(8, 24, 231, 200), CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
  ui::AddLabel(*this, L"検索対象", At(8, 54, 80, 13));  // Label11
  CheckBox_FS_FileName = &ui::AddCheckBox(*this, L"ファイル名", At(16, 70, 105, 17));
  CheckBox_FS_FontName = &ui::AddCheckBox(*this, L"フォント名", At(128, 70, 111, 17));
  CheckBox_FS_OtherFontName = &ui::AddCheckBox(*this, L"規定以外の言語", At(16, 90, 105, 17));
  CheckBox_FS_FullFontName = &ui::AddCheckBox(*this, L"FullFontName", At(128, 90, 111, 17));
  ui::AddLabel(*this, L"ピッチ", At(8, 119, 40, 13));  // Label13
  ComboBox_Pich = &ui::AddComboBox(*this, At(56, 115, 183, 120));
  for (const char16_t* choice : kPitchChoices) ui::AddComboItem(*ComboBox_Pich, ToWide(std::u16string(choice)));
  ui::AddLabel(*this, L"空白（スペース）区切り", At(8, 146, 130, 13));  // Label12
  RadioButton_AND = &ui::AddRadioButton(*this, L"AND", At(140, 144, 48, 17), true);
  RadioButton_OR = &ui::AddRadioButton(*this, L"OR", At(192, 144, 47, 17), false);
  Button_FontSearch = &ui::AddButton(*this, L"検索", At(8, 168, 75, 25), true);
  Button_NextSearch = &ui::AddButton(*this, L"↓", At(88, 168, 40, 25));
  Button_PrevSearch = &ui::AddButton(*this, L"↑", At(132, 168, 40, 25));
  Button_SearchClear = &ui::AddButton(*this, L"クリア", At(176, 168, 63, 25));
  ui::OnClick(*Button_FontSearch, [this] { Button_FontSearchClick(); });
  ui::OnClick(*Button_NextSearch, [this] { Button_NextSearchClick(); });
  ui::OnClick(*Button_PrevSearch, [this] { Button_PrevSearchClick(); });
  ui::OnClick(*Button_SearchClear, [this] { Button_SearchClearClick(); });
  defaultButtonId_ = Button_FontSearch->id;  // Enter in the search text searches
  Relayout();
}

void TForm_SearchDlg::LoadSettings() {
  const SearchOptions options = settings_.ReadSearchOptions();
  SetChecked(CheckBox_FS_FileName, options.FileName);
  SetChecked(CheckBox_FS_FontName, options.FontName);
  SetChecked(CheckBox_FS_OtherFontName, options.Other);
  SetChecked(CheckBox_FS_FullFontName, options.FullFont);
  SetChecked(RadioButton_AND, options.AndMode);
  SetChecked(RadioButton_OR, !options.AndMode);
  ui::SetComboSelectedIndex(*ComboBox_Pich, ValidPitchIndex(options.PitchIndex));
  history_ = LoadedSearchHistory(options.History);
  ShowHistory();
}

void TForm_SearchDlg::ShowHistory() {
  const std::wstring typed = ui::ComboEditText(*TntComboBox_Search);
  ui::ClearComboItems(*TntComboBox_Search);
  for (const auto& text : history_) ui::AddComboItem(*TntComboBox_Search, ToWide(text));
  ui::SetComboEditText(*TntComboBox_Search, typed);
}

SearchQuery TForm_SearchDlg::Query() const {
  SearchQuery query;
  query.fileName = Checked(CheckBox_FS_FileName);
  query.fontName = Checked(CheckBox_FS_FontName);
  query.otherNames = Checked(CheckBox_FS_OtherFontName);
  query.fullName = Checked(CheckBox_FS_FullFontName);
  query.andMode = Checked(RadioButton_AND);
  query.pitchIndex = std::max(0, ui::ComboSelectedIndex(*ComboBox_Pich));
  query.text = ToU16(ui::ComboEditText(*TntComboBox_Search));
  return query;
}

void TForm_SearchDlg::Button_FontSearchClick() {
  const SearchQuery query = Query();
  TreeViewFileTree& tree = target_.SearchedTree();
  int found = 0;
  {
    TreeUpdate update(tree.Hwnd());
    found = MarkFoundFaces(tree, query, folding_);
  }
  target_.RedrawFoundMarks();
  SetWindowTextW(Label_Result->hwnd, ToWide(SearchResultText(found)).c_str());
  const std::u16string normal = NormalizeSearchText(query.text);
  if (!normal.empty()) {
    RememberSearchText(history_, normal, folding_);
    ShowHistory();
    ui::SetComboEditText(*TntComboBox_Search, ToWide(normal));
    SendMessageW(TntComboBox_Search->hwnd, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  }
  Step(StepDirection::Forward, true);
}

void TForm_SearchDlg::Button_NextSearchClick() { Step(StepDirection::Forward, false); }

void TForm_SearchDlg::Button_PrevSearchClick() { Step(StepDirection::Backward, false); }

void TForm_SearchDlg::Button_SearchClearClick() {
  ClearMarks();
  SetWindowTextW(Label_Result->hwnd, L"");
}

void TForm_SearchDlg::ClearMarks() {
  TreeViewFileTree& tree = target_.SearchedTree();
  {
    TreeUpdate update(tree.Hwnd());
    ClearFoundMarks(tree);
  }
  target_.RedrawFoundMarks();
}

void TForm_SearchDlg::Step(StepDirection direction, bool afterSearch) {
  TreeViewFileTree& tree = target_.SearchedTree();
  const std::vector<FileTree::Node> nodes = NodesInOrder(tree);
  const auto selected = std::find(nodes.begin(), nodes.end(), tree.Selected());
  const int from = selected == nodes.end() ? -1 : static_cast<int>(selected - nodes.begin());
  const StepResult step = StepToFound(StepStops(tree, nodes), from, direction);
  if (step.index < 0) return;
  const HWND hwnd = tree.Hwnd();
  tree.Select(nodes[static_cast<std::size_t>(step.index)]);
  if (afterSearch || step.wrapped) {
    if (step.index > 0)
      ui::ScrollTreeItemToTop(hwnd, TreeViewFileTree::Item(nodes[static_cast<std::size_t>(step.index - 1)]));
  } else {
    SendMessageW(hwnd, WM_VSCROLL, direction == StepDirection::Forward ? SB_LINEDOWN : SB_LINEUP, 0);
  }
  SendMessageW(hwnd, WM_HSCROLL, SB_LEFT, 0);
}

void TForm_SearchDlg::FormClose() {
  if (closed_) return;
  closed_ = true;
  Hide();
  ClearMarks();  // the yellow marks belong to the open dialog
  SearchOptions options;
  options.FileName = Checked(CheckBox_FS_FileName);
  options.FontName = Checked(CheckBox_FS_FontName);
  options.Other = Checked(CheckBox_FS_OtherFontName);
  options.FullFont = Checked(CheckBox_FS_FullFontName);
  options.AndMode = Checked(RadioButton_AND);
  options.PitchIndex = static_cast<std::uint8_t>(std::max(0, ui::ComboSelectedIndex(*ComboBox_Pich)));
  options.History = StoredSearchHistory(history_);
  try {
    settings_.WriteSearchOptions(options);
  } catch (...) {
    ui::ReportCurrentException();  // the browser goes on closing whatever the settings file says
  }
}

void TForm_SearchDlg::OnClose() { FormClose(); }

std::unique_ptr<TForm_SearchDlg> OpenSearchDialog(int top, int left, const std::wstring& caption, SearchTarget& target,
                                                  HWND owner, TIniKeeper& settings) {
  auto dialog = std::make_unique<TForm_SearchDlg>(owner, target, settings);
  SetWindowPos(dialog->Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextW(dialog->Hwnd(), caption.c_str());
  dialog->Show(SW_SHOWNORMAL);
  return dialog;
}

void ShowSearchDialog(std::unique_ptr<TForm_SearchDlg>& dialog, int top, int left, const std::wstring& caption,
                      SearchTarget& target, HWND owner, TIniKeeper& settings) {
  if (dialog && dialog->IsOpen()) {
    dialog->Show(SW_SHOWNORMAL);
    SetActiveWindow(dialog->Hwnd());
    return;
  }
  dialog.reset();  // closed by the user: its settings are stored, a new one reads them back
  dialog = OpenSearchDialog(top, left, caption, target, owner, settings);
}

void CloseSearchDialog(std::unique_ptr<TForm_SearchDlg>& dialog) {
  if (dialog) dialog->FormClose();
  dialog.reset();
}

}  // namespace velura
