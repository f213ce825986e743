// Modal windows answered for the tests: message boxes through the recorder's presets, real dialogs (a
// message box that bypasses the sink, the folder browser, our own modal forms) through the one-shot hook.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/dialog_answer_win.h"
#include "support/message_recorder_win.h"
#include "ui/fontviews/folder_picker_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/form_win.h"

namespace velura::testing {
namespace {

using ui::dock::At;

TEST(MessageRecorder, AnswersByCaptionThenInOrderThenByDefault) {
  MessageRecorder recorder;
  recorder.AnswerCaption(u"上書きの確認", MessageResult::No);
  recorder.AnswerInOrder({MessageResult::Cancel, MessageResult::Yes});
  auto ask = [](const char16_t* caption) {
    return ShowMessage(u"本文", caption, MessageIcon::Question, MessageButtons::YesNoCancel);
  };
  EXPECT_EQ(ask(u"上書きの確認"), MessageResult::No);
  EXPECT_EQ(ask(u"削除"), MessageResult::Cancel);
  EXPECT_EQ(ask(u"上書きの確認"), MessageResult::No);  // a caption's answer stays
  EXPECT_EQ(ask(u"削除"), MessageResult::Yes);
  EXPECT_EQ(ask(u"削除"), MessageResult::Ok);
  recorder.SetDefaultAnswer(MessageResult::Cancel);
  EXPECT_EQ(ask(u"削除"), MessageResult::Cancel);
  ASSERT_EQ(recorder.messages.size(), 6u);
  EXPECT_EQ(recorder.messages[1].Caption, u"削除");
  EXPECT_EQ(recorder.messages[1].Buttons, MessageButtons::YesNoCancel);
}

TEST(MessageRecorder, HandsTheSinkBackWhenItGoes) {
  MessageRecorder outer;
  {
    MessageRecorder inner;
    ShowMessage(u"内側", u"VELURA");
    EXPECT_EQ(inner.messages.size(), 1u);
  }
  ShowMessage(u"外側", u"VELURA");
  ASSERT_EQ(outer.messages.size(), 1u);
  EXPECT_EQ(outer.messages[0].Text, u"外側");
}

// Each message box costs about 2 s here (Wine waits for a window manager when it hides the box), so one.
TEST(AnswerNextDialog, ClicksAMessageBoxButtonThatBypassesTheSink) {
  auto no = AnswerNextDialog(L"確認テスト", IDNO);
  EXPECT_EQ(MessageBoxW(nullptr, L"続けますか", L"確認テスト", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
  EXPECT_TRUE(no.Came());
  EXPECT_TRUE(no.Clicked());
}

// The browsers' folder picker: its initial folder comes back with OK, nothing with Cancel. Answers wait
// for their own caption and are used oldest first, once each.
TEST(AnswerNextDialog, AnswersTheFolderBrowserByIdAndByText) {
  auto ok = AnswerNextDialog(L"フォルダーの参照", IDOK);
  auto other = AnswerNextDialog(L"別の窓", IDOK);
  auto cancel = AnswerNextDialog(L"フォルダーの参照", L"キャンセル");
  EXPECT_EQ(BrowseForFolder(nullptr, L"フォントフォルダの指定", L"C:\\windows\\Fonts"), L"C:\\windows\\Fonts");
  EXPECT_TRUE(ok.Clicked());
  EXPECT_FALSE(cancel.Came());
  EXPECT_EQ(BrowseForFolder(nullptr, L"フォントフォルダの指定", L"C:\\windows"), L"");
  EXPECT_TRUE(cancel.Clicked());
  EXPECT_FALSE(other.Came());
}

TEST(AnswerNextDialog, ADialogWithoutTheButtonIsClosedNotLeftWaiting) {
  auto missing = AnswerNextDialog(L"フォルダーの参照", L"存在しないボタン");
  EXPECT_EQ(BrowseForFolder(nullptr, L"フォントフォルダの指定", L"C:\\windows"), L"");
  EXPECT_TRUE(missing.Came());
  EXPECT_FALSE(missing.Clicked());
}

// A small modal form of our own window class with an OK (default) and a cancel button.
class SmallDialog : public ui::Form {
 public:
  SmallDialog() {
    CreateForm(L"模擬ダイアログ", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, 240, 80, nullptr,
               ui::Placement::CentreScreen);
    ui::Control& ok = ui::AddButton(*this, L"OK", At(60, 44, 80, 25), true);
    ok.onCommand = [this](int code) {
      if (code == BN_CLICKED) EndModal(IDOK);
    };
    ui::Control& cancel = ui::AddButton(*this, L"キャンセル", At(150, 44, 80, 25));
    cancel.onCommand = [this](int code) {
      if (code == BN_CLICKED) EndModal(IDCANCEL);
    };
    defaultButtonId_ = ok.id;
    cancelButtonId_ = cancel.id;
    Relayout();
  }
};

// IDOK: our buttons have ids of their own, so it goes to the form as Enter does and the default button
// is clicked.
TEST(AnswerNextDialog, AnswersOurOwnModalFormAsEnterDoes) {
  SmallDialog dialog;
  auto ok = AnswerNextDialog(L"模擬ダイアログ", IDOK);
  EXPECT_EQ(dialog.ShowModal(), IDOK);
  EXPECT_TRUE(ok.Clicked());
}

// A plain form standing for the launcher or a tool window.
class PlainForm : public ui::Form {
 public:
  explicit PlainForm(const wchar_t* caption, HWND owner = nullptr) {
    CreateForm(caption, WS_OVERLAPPED | WS_CAPTION, WS_EX_TOOLWINDOW, 200, 60, owner, ui::Placement::Default);
  }
};

struct ModalSeen {
  static inline PlainForm* dialog = nullptr;
  static inline std::vector<HWND> watched;
  static inline std::vector<bool> enabled;
  static void CALLBACK Look(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    for (HWND hwnd : watched) enabled.push_back(IsWindowEnabled(hwnd) != FALSE);
    dialog->EndModal(IDOK);
  }
};

// A dialog owned by a tool window disables the main window too, so that "すべての窓を閉じる" cannot close
// the window waiting in it; afterwards exactly what it disabled is enabled again.
TEST(ModalForm, DisablesItsOwnerAndTheMainWindowAndEnablesOnlyThose) {
  PlainForm main(L"主窓"), tool(L"道具窓"), other(L"別窓");
  const HWND previousMain = ui::MainWindow();
  ui::SetMainWindow(main.Hwnd());
  PlainForm dialog(L"模擬ダイアログ", tool.Hwnd());
  ModalSeen::dialog = &dialog;
  ModalSeen::watched = {main.Hwnd(), tool.Hwnd(), other.Hwnd()};
  ModalSeen::enabled.clear();
  SetTimer(nullptr, 0, 10, &ModalSeen::Look);
  dialog.ShowModal();
  EXPECT_EQ(ModalSeen::enabled, (std::vector<bool>{false, false, true}));
  EXPECT_TRUE(IsWindowEnabled(main.Hwnd()));
  EXPECT_TRUE(IsWindowEnabled(tool.Hwnd()));

  EnableWindow(main.Hwnd(), FALSE);  // disabled by someone else (a long operation): stays so
  ModalSeen::enabled.clear();
  SetTimer(nullptr, 0, 10, &ModalSeen::Look);
  dialog.ShowModal();
  EXPECT_EQ(ModalSeen::enabled, (std::vector<bool>{false, false, true}));
  EXPECT_FALSE(IsWindowEnabled(main.Hwnd()));
  EXPECT_TRUE(IsWindowEnabled(tool.Hwnd()));
  ui::SetMainWindow(previousMain);
}

}  // namespace
}  // namespace velura::testing
