// Acts on the next common dialog (#32770) of this thread while it runs modally, found by a timer: for what
// AnswerNextDialog cannot do, such as choosing a folder in the picker or typing a file name, before the
// action confirms or cancels it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace velura::testing {

class CommonDialogVisit {
 public:
  explicit CommonDialogVisit(std::function<void(HWND dialog)> action);
  ~CommonDialogVisit();
  CommonDialogVisit(const CommonDialogVisit&) = delete;
  CommonDialogVisit& operator=(const CommonDialogVisit&) = delete;

  bool Came() const;
};

// Selects the folder in a folder picker (BFFM_SETSELECTIONW), then confirms it a little later: the picker
// fills its tree as it goes, and an OK at once may still take the folder selected before.
void ChooseFolderAndConfirm(HWND picker, const std::wstring& folder);

}  // namespace velura::testing
