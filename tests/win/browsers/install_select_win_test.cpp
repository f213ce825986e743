// The install destination dialog driven as a user drives it.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/wide_win.h"
#include "support/message_recorder_win.h"
#include "support/picture_regions_win.h"
#include "support/screenshot_win.h"
#include "support/temp_folder_win.h"
#include "ui/fontviews/form_install_select_win.h"
#include "ui/framework/window_win.h"

namespace velura::testing {
namespace {

class InstallSelect : public ::testing::Test {
 protected:
  static std::wstring ItemText(HWND list, int index) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text;
  }
  static void Click(const ui::Control& button) {
    PostMessageW(GetParent(button.hwnd), WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button.hwnd));
  }

  TempFolder root{L"velura_destination_test"};
  MessageRecorder recorder;
  std::vector<MessageRequest>& messages = recorder.messages;
};

TEST_F(InstallSelect, OffersTheFontsFolderFirstAndReturnsIt) {
  Tform_InstallSelect dialog(nullptr, {u"C:\\windows\\Fonts", root.U16()}, u"C:\\");
  EXPECT_EQ(ui::WindowText(dialog.Hwnd()), L"インストール先");
  EXPECT_EQ(ItemText(dialog.ListBox_zel1.Hwnd(), 0), L"既定のフォントフォルダ　　\"C:\\windows\\Fonts\"");
  EXPECT_EQ(SendMessageW(dialog.ListBox_zel1.Hwnd(), LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageW(dialog.CheckBox1->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  dialog.Show();
  PumpUntilIdle();
  const Picture picture = CaptureWindow(dialog.Hwnd());
  SavePng(picture, ScreenshotPath(L"install_destination.png"));
  // The fonts folder's row is drawn selected, the next one is not.
  auto highlighted = [&](int row) {
    RECT item{};
    SendMessageW(dialog.ListBox_zel1.Hwnd(), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const Picture shown = Crop(picture, AreaInCapture(dialog.Hwnd(), dialog.ListBox_zel1.Hwnd(), item));
    return static_cast<double>(CountPixels(shown, PixelOf(GetSysColor(COLOR_HIGHLIGHT)))) / (shown.width * shown.height);
  };
  EXPECT_GT(highlighted(0), 0.5);
  EXPECT_EQ(highlighted(1), 0.0);

  Click(*dialog.BitBtn1);
  EXPECT_EQ(dialog.ShowModal(), IDOK);
  EXPECT_EQ(dialog.Model().selected, 0);
  EXPECT_EQ(dialog.Model().Result()[0], u"C:\\windows\\Fonts");
  EXPECT_TRUE(messages.empty());  // the fonts folder is never asked about
}

TEST_F(InstallSelect, PerUserOffersOnlyTheUserFolderAndAlwaysCopies) {
  const std::u16string user = u"C:\\users\\velura\\AppData\\Local\\Microsoft\\Windows\\Fonts";
  Tform_InstallSelect dialog(nullptr, InstallDestinationModel::ForUser(user), u"C:\\");
  ASSERT_EQ(SendMessageW(dialog.ListBox_zel1.Hwnd(), LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(ItemText(dialog.ListBox_zel1.Hwnd(), 0), L"このユーザーのフォントフォルダ　　\"" + ToWide(user) + L"\"");
  EXPECT_EQ(SendMessageW(dialog.CheckBox1->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  for (const ui::Control* control : {dialog.CheckBox1, dialog.Edit1, dialog.Button_DirSel, dialog.Button_ListAdd})
    EXPECT_FALSE(IsWindowEnabled(control->hwnd));
  // The help says why no folder can be added, not how to add one.
  for (const char16_t* line : kPerUserHelpLines)
    EXPECT_NE(FindWindowExW(dialog.Hwnd(), nullptr, L"Static", reinterpret_cast<const wchar_t*>(line)), nullptr);
  EXPECT_EQ(FindWindowExW(dialog.Hwnd(), nullptr, L"Static", L"入力した後に"), nullptr);
  dialog.Show();
  PumpUntilIdle();
  SavePng(CaptureWindow(dialog.Hwnd()), ScreenshotPath(L"install_destination_per_user.png"));
  Click(*dialog.BitBtn1);
  EXPECT_EQ(dialog.ShowModal(), IDOK);
  EXPECT_EQ(dialog.Model().selected, 0);
  EXPECT_TRUE(dialog.Model().copyFiles);
  EXPECT_TRUE(messages.empty());
}

TEST_F(InstallSelect, AddsANewFolderAfterAskingAndCreatesIt) {
  Tform_InstallSelect dialog(nullptr, {u"C:\\windows\\Fonts"}, u"C:\\");
  const std::wstring fresh = root / L"新しい\\フォント";
  SetWindowTextW(dialog.Edit1->hwnd, fresh.c_str());
  SendMessageW(dialog.CheckBox1->hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
  Click(*dialog.Button_ListAdd);
  Click(*dialog.BitBtn1);
  ASSERT_EQ(dialog.ShowModal(), IDOK);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, u"フォルダを新規作成します");
  EXPECT_EQ(messages[0].Caption, u"フォルダ作成の確認");
  EXPECT_NE(GetFileAttributesW(fresh.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(dialog.Model().selected, 1);
  EXPECT_EQ(dialog.Model().Result()[1], ToU16(fresh));
  EXPECT_FALSE(dialog.Model().copyFiles);
}

TEST_F(InstallSelect, CancelledCreationKeepsTheDialogOpen) {
  const std::wstring gone = root / L"gone";
  Tform_InstallSelect dialog(nullptr, {u"C:\\windows\\Fonts", ToU16(gone)}, u"C:\\");
  dialog.ListBox_zel1.SelectIndex(1);
  EXPECT_EQ(ui::WindowText(dialog.Edit1->hwnd), gone);
  recorder.AnswerCaption(u"フォルダ作成の確認", MessageResult::Cancel);
  dialog.BitBtn1Click();
  EXPECT_TRUE(IsWindow(dialog.Hwnd()));
  EXPECT_EQ(GetFileAttributesW(gone.c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace velura::testing
