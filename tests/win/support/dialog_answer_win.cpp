#include "support/dialog_answer_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/text.h"
#include "platform/wide_win.h"
#include "ui/framework/window_win.h"

namespace velura::testing {

struct DialogAnswer::Pending {
  std::wstring caption;
  int buttonId = 0;
  std::wstring buttonText;  // used when buttonId is 0
  bool came = false, clicked = false;
};

namespace {

// The hook and the answers waiting for their dialogs, per thread: the hook watches only its own thread.
struct Watch {
  HHOOK hook = nullptr;
  std::vector<DialogAnswer::Pending*> waiting;
};
thread_local Watch watch;

// The one class of the window toolkit's frames and panels (ui/framework/window_win.cpp).
constexpr wchar_t kOwnFrameClass[] = L"VeluraWindow";

std::wstring WithoutMarks(std::wstring text) {
  text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
  return text;
}

bool IsDialogLike(HWND hwnd) {
  wchar_t name[32] = {};
  GetClassNameW(hwnd, name, 32);
  return wcscmp(name, L"#32770") == 0 || wcscmp(name, kOwnFrameClass) == 0;
}

struct ButtonSearch {
  const DialogAnswer::Pending* answer;
  HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND child, LPARAM data) {
  auto& search = *reinterpret_cast<ButtonSearch*>(data);
  wchar_t name[16] = {};
  GetClassNameW(child, name, 16);
  if (_wcsicmp(name, L"Button") != 0 || !(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) return TRUE;
  const DialogAnswer::Pending& answer = *search.answer;
  const bool match = answer.buttonId ? GetDlgCtrlID(child) == answer.buttonId
                                     : WithoutMarks(ui::WindowText(child)) == WithoutMarks(answer.buttonText);
  if (!match) return TRUE;
  search.found = child;
  return FALSE;
}

void Unhook() {
  if (watch.hook && watch.waiting.empty()) {
    UnhookWindowsHookEx(watch.hook);
    watch.hook = nullptr;
  }
}

void Answer(HWND dialog, DialogAnswer::Pending& answer) {
  answer.came = true;
  ButtonSearch search{&answer};
  EnumChildWindows(dialog, FindButton, reinterpret_cast<LPARAM>(&search));
  // Posted: the dialog's own loop takes the click once it runs, after the activation is done.
  if (search.found) {
    PostMessageW(GetParent(search.found), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(search.found), BN_CLICKED),
                 reinterpret_cast<LPARAM>(search.found));
    answer.clicked = true;
  } else if (answer.buttonId == IDOK || answer.buttonId == IDCANCEL) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(answer.buttonId, BN_CLICKED), 0);
    answer.clicked = true;
  } else {
    PostMessageW(dialog, WM_CLOSE, 0, 0);  // never leave a test waiting on a window nobody answers
  }
}

LRESULT CALLBACK WatchActivations(int code, WPARAM wParam, LPARAM lParam) {
  const HHOOK hook = watch.hook;
  if (code == HCBT_ACTIVATE) {
    const auto dialog = reinterpret_cast<HWND>(wParam);
    if (IsDialogLike(dialog)) {
      const std::wstring caption = ui::WindowText(dialog);
      auto match = std::find_if(watch.waiting.begin(), watch.waiting.end(),
                                [&](const DialogAnswer::Pending* answer) { return answer->caption == caption; });
      if (match != watch.waiting.end()) {
        DialogAnswer::Pending& answer = **match;
        watch.waiting.erase(match);
        Answer(dialog, answer);
        Unhook();
      } else {
        // Perhaps the dialog a waiting answer meant, under another caption: name it, as the test may hang now.
        std::fprintf(stderr, "AnswerNextDialog: \"%s\" came up; no answer waits for that caption\n",
                     ToUtf8(AsU16(caption)).c_str());
      }
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

DialogAnswer Wait(std::unique_ptr<DialogAnswer::Pending> answer) {
  watch.waiting.push_back(answer.get());
  if (!watch.hook) watch.hook = SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, GetCurrentThreadId());
  return DialogAnswer(std::move(answer));
}

}  // namespace

DialogAnswer::DialogAnswer(std::unique_ptr<Pending> pending) : pending_(std::move(pending)) {}
DialogAnswer::DialogAnswer(DialogAnswer&&) noexcept = default;

DialogAnswer::~DialogAnswer() {
  if (!pending_) return;
  std::erase(watch.waiting, pending_.get());
  Unhook();
}

bool DialogAnswer::Came() const { return pending_ && pending_->came; }
bool DialogAnswer::Clicked() const { return pending_ && pending_->clicked; }

DialogAnswer AnswerNextDialog(std::wstring caption, int buttonId) {
  auto answer = std::make_unique<DialogAnswer::Pending>();
  answer->caption = std::move(caption);
  answer->buttonId = buttonId;
  return Wait(std::move(answer));
}

DialogAnswer AnswerNextDialog(std::wstring caption, std::wstring buttonText) {
  auto answer = std::make_unique<DialogAnswer::Pending>();
  answer->caption = std::move(caption);
  answer->buttonText = std::move(buttonText);
  return Wait(std::move(answer));
}

}  // namespace velura::testing
