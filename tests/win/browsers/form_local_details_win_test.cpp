// The not-installed browser's "詳細を隠す" command: the details panel and its splitter live in the nested
// panel Panel_client, and hiding them gives their height to the sample list.
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
  const HWND samples = form->TntListBox_zel_Sample.Hwnd();
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

}  // namespace
}  // namespace velura::testing
