// The status window as an install shows it: title, counter and bar after the first file.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "records/long_operations.h"
#include "records/system_engine_win.h"
#include "shell/ini_profile_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/framework/window_win.h"
#include "ui/longop/form_status_bar_win.h"

namespace velura::testing {
namespace {

// Takes a picture of itself after the first file.
class PhotographedStatusBar final : public TForm_StatusBar {
 public:
  void StepProgress(int done) override {
    TForm_StatusBar::StepProgress(done);
    if (done != 1) return;
    PumpUntilIdle();
    counter = ui::WindowText(Label_in->hwnd) + L"/" + ui::WindowText(Label_total->hwnd);
    title = ui::WindowText(Label_Title->hwnd);
    const Picture picture = CaptureWindow(Hwnd());
    colours = picture.DistinctColours();
    SavePng(picture, ScreenshotPath(L"status_window_install.png"));
  }
  std::wstring counter, title;
  int colours = 0;
};

TEST(StatusDuringInstall, ShowsTheTitleAndTheCountAfterTheFirstFile) {
  const std::wstring folder = NewTempFolder(L"velura_status_install");
  const std::wstring target = NewTempFolder(L"velura_status_target");
  ASSERT_TRUE(WriteRenamedFont(folder + L"\\one.ttf", u"Velura Stat 001"));
  ASSERT_TRUE(WriteRenamedFont(folder + L"\\two.ttf", u"Velura Stat 002"));
  auto previous = SetMessageSink([](const MessageRequest&) { return MessageResult::Ok; });
  {
    TIniKeeper settings(std::make_unique<PrivateProfileFile>(ToU16(folder + L"\\velura_wd.ini")));
    SystemEngine fonts(settings);
    TProcedureClass& engine = fonts.Engine();
    PhotographedStatusBar status;
    TFileData_local list(engine.Records());
    RunLoadFiles(status, {ToU16(folder + L"\\one.ttf"), ToU16(folder + L"\\two.ttf")}, list, true);
    ASSERT_EQ(list.Count(), 2);
    for (auto& record : list.Items) record->Set(Selected);
    engine.InstallSelected(status, list, ToU16(target), true);
    EXPECT_EQ(status.title, L"フォントをインストール中...");
    EXPECT_EQ(status.counter, L"1/2");
    EXPECT_GT(status.colours, 3);
    EXPECT_FALSE(status.IsOpen());

    // Leave the registry as it was.
    for (const wchar_t* name : {L"\\one.ttf", L"\\two.ttf"})
      EXPECT_TRUE(engine.RegData().DeleteFontValueForFile(ToU16(target + name)));
    struct NoBar : BarProgress {
      void SetMaximum(int) override {}
      void SetPosition(int) override {}
    } bar;
    ReleaseAll(list, bar);
    for (const wchar_t* name : {L"\\one.ttf", L"\\two.ttf"}) RemoveFontResourceW((target + name).c_str());
  }
  SetMessageSink(previous);
  RemoveFolderTree(folder);
  RemoveFolderTree(target);
}

}  // namespace
}  // namespace velura::testing
