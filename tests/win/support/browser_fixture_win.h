// What a browser window works with in the running program, on the real system of the test prefix: the
// settings store over a profile file in a fresh folder, the operations engine, every message box recorded,
// and a status window that shows nothing. Compose BrowserFixture, or derive a test fixture from BrowserTest.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "records/system_engine_win.h"
#include "settings/ini_keeper.h"
#include "support/message_recorder_win.h"
#include "support/silent_progress_win.h"
#include "support/temp_folder_win.h"

namespace velura::testing {

struct BrowserFixture {
  explicit BrowserFixture(const std::wstring& folderName = L"velura_browser");

  // Holds the settings file (velura_wd.ini); tests may put their own files beside it.
  TempFolder folder;
  // Before the engine: what it reports while it starts is recorded too.
  MessageRecorder recorder;
  TIniKeeper settings;
  SystemEngine fonts;
  SilentProgress progress;

  TProcedureClass& Engine() { return fonts.Engine(); }
  // Fills the installed list from the registry, as the program does before any browser opens.
  void LoadInstalled();
};

class BrowserTest : public ::testing::Test, protected BrowserFixture {};

}  // namespace velura::testing
