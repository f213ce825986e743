// The not-installed browser's "詳細を隠す" command: the details panel and its splitter live in the nested
// panel Panel_client, and hiding them gives their height to the sample list. And Enter in the sample-text
// combo's edit, which a subclass takes before the dialog keys do.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "records/system_engine_win.h"
#include "settings/ini_profile_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/browsers/form_local_win.h"

namespace velura::testing {
namespace {

class LocalBrowserDetails : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetMessageSink([this](const MessageRequest& m) {
      messages.push_back(m);
      return MessageResult::Ok;
    });
    folder_ = NewTempFolder(L"velura_local_details");
    settings_ = std::make_unique<TIniKeeper>(std::make_unique<PrivateProfileFile>(ToU16(folder_ + L"\\velura_wd.ini")));
    engine_ = std::make_unique<SystemEngine>(*settings_);
    form = std::make_unique<Tform_local>(engine_->Engine(), *settings_, [] {});
    form->Show(SW_SHOWNOACTIVATE);  // IsWindowVisible looks at every ancestor
    PumpUntilIdle();
  }
  void TearDown() override {
    form.reset();
    engine_.reset();
    settings_.reset();
    RemoveFolderTree(folder_);
    SetMessageSink(previous_);
  }
  void Execute(int action) { SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0); }
  bool Checked(int action) {
    HMENU view = GetSubMenu(form->MenuBar(), 1);
    SendMessageW(form->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 1);
    return GetMenuState(view, static_cast<UINT>(action), MF_BYCOMMAND) & MF_CHECKED;
  }

  std::wstring folder_;
  MessageSink previous_;
  std::vector<MessageRequest> messages;
  std::unique_ptr<TIniKeeper> settings_;
  std::unique_ptr<SystemEngine> engine_;
  std::unique_ptr<Tform_local> form;
};

TEST_F(LocalBrowserDetails, HideDetailsHidesThePanelAndItsSplitterAndTheSamplesTakeTheirPlace) {
  const HWND details = form->Panel_top.Hwnd();
  const HWND splitter = form->Splitter1H->hwnd;
  const HWND samples = form->Samples().TntListBox_zel_Sample.Hwnd();
  ASSERT_TRUE(IsWindowVisible(details));
  ASSERT_TRUE(IsWindowVisible(splitter));
  EXPECT_FALSE(Checked(N14));
  const RECT detailsRect = ChildRect(details), splitterRect = ChildRect(splitter);
  const RECT before = ChildRect(samples);
  SCOPED_TRACE(DumpChildRects(form->Panel_client.Hwnd()));

  Execute(N14);
  EXPECT_FALSE(IsWindowVisible(details));
  EXPECT_FALSE(IsWindowVisible(splitter));
  EXPECT_TRUE(Checked(N14));
  const RECT hidden = ChildRect(samples);
  const int freed = (detailsRect.bottom - detailsRect.top) + (splitterRect.bottom - splitterRect.top);
  EXPECT_GT(freed, 0);
  EXPECT_EQ(hidden.top, before.top - freed);
  EXPECT_EQ(hidden.bottom, before.bottom);
  EXPECT_EQ(hidden.bottom - hidden.top, before.bottom - before.top + freed);

  Execute(N14);
  EXPECT_TRUE(IsWindowVisible(details));
  EXPECT_TRUE(IsWindowVisible(splitter));
  EXPECT_FALSE(Checked(N14));
  const RECT shown = ChildRect(samples);
  EXPECT_EQ(shown.top, before.top);
  EXPECT_EQ(shown.bottom, before.bottom);
  const RECT detailsAgain = ChildRect(details);
  EXPECT_EQ(detailsAgain.bottom - detailsAgain.top, detailsRect.bottom - detailsRect.top);
  EXPECT_TRUE(messages.empty());
}

TEST_F(LocalBrowserDetails, EnterInTheSampleTextEditCommitsTheTypedText) {
  const HWND combo = form->Samples().TntComboBox_SampleText->hwnd;
  const HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ASSERT_TRUE(edit);
  const LRESULT offered = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  ASSERT_GT(offered, 0);
  MSG enter{edit, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_EQ(SendMessageW(edit, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)), DLGC_WANTALLKEYS);

  SetWindowTextW(edit, L"永和九年、歳は癸丑に在り");
  SendMessageW(edit, WM_CHAR, L'\r', 1);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), offered + 1);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), offered);
  EXPECT_EQ(ui::WindowText(edit), L"永和九年、歳は癸丑に在り");
  SendMessageW(edit, WM_CHAR, L'\r', 1);  // the same text again adds nothing
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), offered + 1);
  EXPECT_TRUE(messages.empty());
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

TEST_F(LocalBrowserDetails, CopyAndSelectAllActOnTheFocusedTextControl) {
  SetWindowTextW(form->Details().TntRichEdit_Copyright->hwnd, L"著作権の欄");
  const HWND combo = form->Samples().TntComboBox_SampleText->hwnd;
  const HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ASSERT_TRUE(edit);
  SetWindowTextW(edit, L"打った見本の文");
  SetFocus(edit);
  ASSERT_EQ(GetFocus(), edit);

  SendMessageW(edit, EM_SETSEL, 0, 0);
  Execute(EditSelectAll1);
  DWORD start = 1, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 7u);
  Execute(EditCopy1);
  EXPECT_EQ(ClipboardText(), L"打った見本の文");

  const HWND fileName = form->Details().TntMemo_FileName->hwnd;
  SetWindowTextW(fileName, L"見本.ttf");
  SetFocus(fileName);
  Execute(EditSelectAll1);
  Execute(EditCopy1);
  EXPECT_EQ(ClipboardText(), L"見本.ttf");
  EXPECT_TRUE(messages.empty());
}

TEST_F(LocalBrowserDetails, CopyWithTheFocusElsewhereTakesTheCopyright) {
  const HWND copyright = form->Details().TntRichEdit_Copyright->hwnd;
  SetWindowTextW(copyright, L"著作権の欄");
  SetFocus(form->Samples().ListHwnd());
  Execute(EditSelectAll1);
  Execute(EditCopy1);
  EXPECT_EQ(ClipboardText(), L"著作権の欄");
}

}  // namespace
}  // namespace velura::testing
