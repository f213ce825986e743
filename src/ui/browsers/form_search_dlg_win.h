// TForm_SearchDlg: the small modeless window over a browser that marks the faces of its file tree whose
// names contain the typed words, steps through them and remembers its options and last nine texts in
// "SearchWnd". The browser keeps the dialog, and closes and frees it when it closes itself.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "records/reg_text_folding_win.h"
#include "settings/ini_keeper.h"
#include "ui/browsers/search_rules.h"
#include "ui/browsers/search_target_win.h"
#include "ui/framework/form_win.h"

namespace velura {

class TForm_SearchDlg : public ui::Form {
 public:
  // Loads "SearchWnd" into the controls; OpenSearchDialog places and shows it.
  TForm_SearchDlg(HWND owner, SearchTarget& target, TIniKeeper& settings);

  ui::Control* TntComboBox_Search = nullptr;
  ui::Control* CheckBox_FS_FileName = nullptr;
  ui::Control* CheckBox_FS_FontName = nullptr;
  ui::Control* CheckBox_FS_OtherFontName = nullptr;
  ui::Control* CheckBox_FS_FullFontName = nullptr;
  ui::Control* ComboBox_Pich = nullptr;
  ui::Control* RadioButton_AND = nullptr;
  ui::Control* RadioButton_OR = nullptr;
  ui::Control* Button_FontSearch = nullptr;
  ui::Control* Button_NextSearch = nullptr;
  ui::Control* Button_PrevSearch = nullptr;
  ui::Control* Button_SearchClear = nullptr;
  ui::Control* Label_Result = nullptr;  // "見つかりませんでした" after a search that found nothing

  void Button_FontSearchClick();
  void Button_NextSearchClick();
  void Button_PrevSearchClick();
  void Button_SearchClearClick();
  // Stores the options and the history in "SearchWnd", removes the marks and hides the window.
  void FormClose();

  // Open until closed, by the user or by its browser.
  bool IsOpen() const { return !closed_; }
  SearchQuery Query() const;
  const std::vector<std::u16string>& History() const { return history_; }

 protected:
  void OnClose() override;

 private:
  void CreateComponents();
  void LoadSettings();
  void ShowHistory();
  void ClearMarks();
  // Selects the next (previous) marked face; after a search or a wrap the node before it becomes the top
  // line, otherwise the tree scrolls one line on.
  void Step(StepDirection direction, bool afterSearch);

  SearchTarget& target_;
  TIniKeeper& settings_;
  SystemTextFolding folding_;
  std::vector<std::u16string> history_;
  bool closed_ = false;
};

// Creates the dialog owned by `owner`, at (left, top) in screen pixels, with the caption, and shows it
// modeless.
std::unique_ptr<TForm_SearchDlg> OpenSearchDialog(int top, int left, const std::wstring& caption, SearchTarget& target,
                                                  HWND owner, TIniKeeper& settings);

// For a browser's "検索ウインドウを開く": brings its open dialog forward, or opens a new one in place of one
// the user closed.
void ShowSearchDialog(std::unique_ptr<TForm_SearchDlg>& dialog, int top, int left, const std::wstring& caption,
                      SearchTarget& target, HWND owner, TIniKeeper& settings);

// For a browser's FormClose: closes its dialog when still open (storing "SearchWnd") and frees it.
void CloseSearchDialog(std::unique_ptr<TForm_SearchDlg>& dialog);

}  // namespace velura
