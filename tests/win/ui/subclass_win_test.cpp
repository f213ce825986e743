// ui::Subclass on real controls: the handler sees messages before the control and answers what it takes,
// the last handler added comes first, a handler may act on the answer below it, an exception is reported and the
// message goes on, and the handler is freed with its control.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "platform/user_error.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/subclass_win.h"
#include "ui_test_support.h"

namespace velura {
namespace {

using testing::TestFrame;
using ui::dock::At;

constexpr UINT kProbe = WM_APP + 7;

TEST(Subclass, TheHandlerSeesMessagesFirstAndAnswersWhatItTakes) {
  TestFrame frame(L"subclass");
  ui::Control& edit = ui::AddEdit(frame, L"", At(10, 10, 200, 22));
  std::vector<UINT> seen;
  ui::Subclass(edit.hwnd, [&](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    seen.push_back(message);
    if (message == WM_GETDLGCODE) {
      result = DLGC_WANTALLKEYS;
      return true;
    }
    if (message == WM_CHAR && wParam == L'x') return true;  // swallowed
    return false;
  });
  SendMessageW(edit.hwnd, WM_CHAR, L'a', 0);
  SendMessageW(edit.hwnd, WM_CHAR, L'x', 0);
  SendMessageW(edit.hwnd, WM_CHAR, L'b', 0);
  EXPECT_EQ(ui::WindowText(edit.hwnd), L"ab");  // the edit never saw the x
  EXPECT_EQ(SendMessageW(edit.hwnd, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_CHAR)), 3);

  // A second handler comes first; what it passes on reaches the first, then the control.
  ui::Subclass(edit.hwnd, [&](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != kProbe) return false;
    result = 2;
    return wParam == 2;
  });
  ui::Subclass(edit.hwnd, [&](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != kProbe) return false;
    result = 3;
    return wParam == 3;
  });
  EXPECT_EQ(SendMessageW(edit.hwnd, kProbe, 3, 0), 3);
  EXPECT_EQ(SendMessageW(edit.hwnd, kProbe, 2, 0), 2);
  EXPECT_EQ(SendMessageW(edit.hwnd, kProbe, 1, 0), 0);  // the edit's own answer to an unknown message

  // A handler acting on the answer below it gets that of the handlers added before it and the control.
  ui::Subclass(edit.hwnd, [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != kProbe) return false;
    result = ui::PassToControl(edit.hwnd, message, wParam, lParam) + 10;
    return true;
  });
  EXPECT_EQ(SendMessageW(edit.hwnd, kProbe, 3, 0), 13);
  EXPECT_EQ(SendMessageW(edit.hwnd, kProbe, 2, 0), 12);
  EXPECT_EQ(SendMessageW(edit.hwnd, kProbe, 1, 0), 10);
}

TEST(Subclass, AnExceptionIsReportedAndTheMessageGoesOnToTheControl) {
  testing::MessageRecorder recorder;
  TestFrame frame(L"subclass");
  ui::Control& edit = ui::AddEdit(frame, L"", At(10, 10, 200, 22));
  ui::Subclass(edit.hwnd, [](UINT message, WPARAM, LPARAM lParam, LRESULT&) -> bool {
    if (message == WM_SETTEXT && std::wstring(reinterpret_cast<const wchar_t*>(lParam)) == L"利用者")
      throw UserError(u"名前が使えません", u"テスト", MessageIcon::Warning);
    if (message == WM_SETTEXT && std::wstring(reinterpret_cast<const wchar_t*>(lParam)) == L"内部")
      throw std::runtime_error("broken");
    return false;
  });
  SetWindowTextW(edit.hwnd, L"利用者");
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].Text, u"名前が使えません");
  EXPECT_EQ(recorder.messages[0].Caption, u"テスト");
  EXPECT_EQ(ui::WindowText(edit.hwnd), L"利用者");  // the edit still took the text

  SetWindowTextW(edit.hwnd, L"内部");
  ASSERT_EQ(recorder.messages.size(), 2u);
  EXPECT_NE(recorder.messages[1].Text.find(u"broken"), std::u16string::npos);
  EXPECT_EQ(recorder.messages[1].Icon, MessageIcon::Error);
  EXPECT_EQ(ui::WindowText(edit.hwnd), L"内部");
}

TEST(Subclass, TheHandlerIsFreedWhenItsControlIsDestroyed) {
  TestFrame frame(L"subclass");
  ui::Control& edit = ui::AddEdit(frame, L"", At(10, 10, 200, 22));
  ui::Control& label = ui::AddLabel(frame, L"", At(10, 40, 200, 22));
  auto editToken = std::make_shared<int>(0), labelToken = std::make_shared<int>(0);
  const std::weak_ptr<int> editWatch = editToken, labelWatch = labelToken;
  int destroys = 0;
  ui::Subclass(edit.hwnd, [editToken, &destroys](UINT message, WPARAM, LPARAM, LRESULT&) {
    destroys += message == WM_DESTROY;
    return false;
  });
  ui::Subclass(label.hwnd, [labelToken](UINT, WPARAM, LPARAM, LRESULT&) { return false; });
  editToken.reset();
  labelToken.reset();
  EXPECT_FALSE(editWatch.expired());

  DestroyWindow(edit.hwnd);
  EXPECT_EQ(destroys, 1);  // it saw its control go
  EXPECT_TRUE(editWatch.expired());
  EXPECT_FALSE(labelWatch.expired());
  frame.Destroy();  // the label goes with its parent
  EXPECT_TRUE(labelWatch.expired());
}

TEST(Subclass, AHandlerMayDestroyItsOwnControl) {
  TestFrame frame(L"subclass");
  ui::Control& edit = ui::AddEdit(frame, L"", At(10, 10, 200, 22));
  int reachedBelow = 0;
  ui::Subclass(edit.hwnd, [&](UINT message, WPARAM, LPARAM, LRESULT&) {
    reachedBelow += message == kProbe;
    return false;
  });
  auto token = std::make_shared<int>(0);
  const std::weak_ptr<int> watch = token;
  ui::Subclass(edit.hwnd, [hwnd = edit.hwnd, token](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == kProbe) DestroyWindow(hwnd);
    return false;
  });
  token.reset();
  SendMessageW(edit.hwnd, kProbe, 0, 0);
  EXPECT_FALSE(IsWindow(edit.hwnd));
  EXPECT_EQ(reachedBelow, 0);  // the message went no further than the control's end
  EXPECT_TRUE(watch.expired());  // and the handler was freed once it had returned
}

}  // namespace
}  // namespace velura
