// The one-time install through the launcher: its button opens the window on the launcher's groups, the
// not-installed browser's hand-over reaches a new window's special group, and the launcher's end writes
// the group file that the next start reads.
#include <windows.h>

#include <gtest/gtest.h>

#include "launcher/launcher_fixture_win.h"
#include "platform/ansi_win.h"
#include "records/system_services_win.h"
#include "support/file_bytes_win.h"
#include "ui/browsers/form_local_win.h"
#include "ui/onetime/form_onetime_inst_win.h"

namespace velura::testing {
namespace {

class OneTimeThroughLauncher : public Launcher {
 protected:
  TForm_OneTimeInst* OneTimeWindow() {
    auto* window =
        dynamic_cast<FormToolWindow<TForm_OneTimeInst>*>(launcher->ToolWindows().Find(Action_ShowOneTimeInstForm));
    return window ? &window->Form() : nullptr;
  }
};

TEST_F(OneTimeThroughLauncher, TheBrowsersHandOverOpensTheSpecialGroupAndTheGroupsOutliveTheRun) {
  Start();
  SendMessageW(launcher->Hwnd(), WM_COMMAND, Action_ShowOneTimeInstForm, 0);
  Pump();
  TForm_OneTimeInst* first = OneTimeWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(ui::WindowText(first->Hwnd()), L"一時インストールの管理");
  EXPECT_TRUE(IsWindowVisible(first->Hwnd()));

  // The browser's "フォルダごと一時インストール管理に追加" goes through the launcher's hand-over.
  auto* browser = dynamic_cast<FormToolWindow<Tform_local>*>(launcher->ToolWindows().Find(Action_ShowLocalForm));
  ASSERT_NE(browser, nullptr);
  ASSERT_TRUE(browser->Form().SendFolderToOneTime);
  ASSERT_TRUE(browser->Form().SendFilesToOneTime);
  const std::wstring fonts = folder_ / L"fonts";
  CreateDirectoryW(fonts.c_str(), nullptr);
  WriteFileBytes(fonts + L"\\a.ttf", "x");
  browser->Form().SendFolderToOneTime(ToU16(fonts));
  Pump();
  TForm_OneTimeInst* second = OneTimeWindow();
  ASSERT_NE(second, nullptr);
  browser->Form().SendFilesToOneTime({ToU16(fonts + L"\\a.ttf")});
  Pump();
  TGroupRootClass& groups = launcher->GroupStore().Groups();
  ASSERT_EQ(groups.GroupCount(), 1);
  EXPECT_EQ(FromAnsi(groups.GroupItem[0]->GroupName), u"未インストール窓からの登録ファイル");
  EXPECT_EQ(groups.GroupItem[0]->PathCollection.size(), 2u);

  EXPECT_TRUE(messages.empty()) << recorder.Describe();
  launcher.reset();  // the program's end writes the group file, which the next start reads
  WindowsFileServices files;
  OneTimeGroupStore next(files, folder_.U16());
  EXPECT_TRUE(next.LoadResult().found);
  EXPECT_FALSE(next.LoadResult().damaged);
  ASSERT_EQ(next.Groups().GroupCount(), 1);
  EXPECT_EQ(next.Groups().GroupItem[0]->PathCollection.size(), 2u);
  next.Shutdown();
  EXPECT_TRUE(messages.empty()) << recorder.Describe();
}

}  // namespace
}  // namespace velura::testing
