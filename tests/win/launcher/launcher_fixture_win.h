// The launcher started with the real font machinery under Wine, its settings in a file of its own, its
// messages recorded (answered Cancel unless a test presets another answer).
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "settings/ini_profile_win.h"
#include "shell/main_velura_win.h"
#include "support/message_recorder_win.h"
#include "support/screenshot_win.h"
#include "support/temp_folder_win.h"
#include "ui/framework/message_loop_win.h"

namespace velura::testing {

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override { recorder.SetDefaultAnswer(MessageResult::Cancel); }
  void TearDown() override {
    launcher.reset();
    MSG quit;  // the launcher ends the message loop when it goes; the next test starts afresh
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    settings.reset();
  }
  std::wstring SettingsPath() const { return folder_ / L"velura_wd.ini"; }
  void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(section, key, value, SettingsPath().c_str());
  }
  int ReadSetting(const wchar_t* section, const wchar_t* key) const {
    return static_cast<int>(GetPrivateProfileIntW(section, key, -1, SettingsPath().c_str()));
  }
  // The settings store over the fixture's file; written settings reach a store opened after them.
  TIniKeeper& OpenSettings() {
    settings = std::make_unique<TIniKeeper>(std::make_unique<PrivateProfileFile>(ToU16(SettingsPath())));
    return *settings;
  }
  Tmain_velura& Start(ToolWindowTable tools = StandardToolWindows()) {
    launcher = std::make_unique<Tmain_velura>(OpenSettings(), std::move(tools), folder_.U16());
    if (takeScreenshots) {
      PumpUntilIdle();
      SavePng(CaptureWindow(launcher->Splash()->Hwnd()), ScreenshotPath(L"splash.png"));
    }
    EXPECT_TRUE(launcher->FormShow());
    Pump();
    return *launcher;
  }
  // Through the program's own key handling, so accelerators work as in the message loop.
  static void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!ui::PreTranslate(message)) DispatchMessageW(&message);
    }
    ui::RunIdleUpdates();
  }

  TempFolder folder_{L"velura_launcher_test"};
  MessageRecorder recorder;
  std::vector<MessageRequest>& messages = recorder.messages;
  std::unique_ptr<TIniKeeper> settings;
  std::unique_ptr<Tmain_velura> launcher;
  bool takeScreenshots = false;
};

}  // namespace velura::testing
