// The version dialog and the list window of the launcher's menu.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/framework/form_win.h"

namespace velura {

// TForm_version: product, version and date on a navy panel, and the product's web address.
class TForm_version : public ui::Form {
 public:
  // onClosed runs when the dialog closes (the launcher clears its flag).
  TForm_version(HWND owner, int left, int top, std::function<void()> onClosed);

  static constexpr const wchar_t* kWebAddress = L"https://velura.example/";

  HWND Label4() const { return label4_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override;

 private:
  void Label4Click();
  ui::Control& AddNavyLabel(const wchar_t* text, int left, int top, int width, int height);
  HBRUSH navy_ = CreateSolidBrush(RGB(0, 0, 128));
  HWND label4_ = nullptr;
  std::function<void()> onClosed_;
};

// TForm_Memo: a text window showing lines in a Unicode rich edit; closing frees it.
class TForm_Memo : public ui::Form {
 public:
  explicit TForm_Memo(const std::vector<std::wstring>& lines);
  HWND RichEdit() const { return richEdit_; }

 protected:
  void OnDestroyed() override;

 private:
  HWND richEdit_ = nullptr;
};

// Opens a list window that frees itself when closed.
TForm_Memo* ShowLogFontList(const std::vector<std::wstring>& lines);

}  // namespace velura
