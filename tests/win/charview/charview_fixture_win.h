// What the character viewers' tests share: the settings and the engine of the test prefix with the
// installed fonts loaded once for the whole run, and small ways to drive the windows.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/browser_fixture_win.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/framework/window_win.h"

namespace velura::testing {

class CharviewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  static BrowserFixture& Browser() { return *browser_; }
  MessageRecorder& Recorder() { return browser_->recorder; }

  // A click of a button as BN_CLICKED reaches its parent.
  static void Click(const ui::Control& button);
  static std::wstring StatusText(HWND statusBar, int part);
  // Selects the first node with this text; false when the tree has none.
  static bool SelectNode(TreeViewFileTree& tree, const std::wstring& text);

 private:
  static BrowserFixture* browser_;
};

}  // namespace velura::testing
