// A user without administrator rights on Windows 10 1809 or later installs fonts for themselves through the
// not-installed browser and the real destination dialog: copies in the per-user fonts folder, values of the
// current user's Fonts key holding full paths, nothing machine-wide; then sees them in the installed-font
// browser under their own folder, uninstalls one there and, started again, finds the other still installed.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "fontfile/font_enum_win.h"
#include "platform/registry_key_win.h"
#include "platform/wide_win.h"
#include "records/long_operations.h"
#include "support/browser_fixture_win.h"
#include "support/dialog_answer_win.h"
#include "records/reg_font_rules.h"
#include "support/pump_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/browsers/form_installed_win.h"
#include "ui/browsers/form_local_win.h"
#include "ui/browsers/local_browser_rules.h"

namespace velura::testing {
namespace {

const std::u16string kFirst = u"Velura PerU 001", kSecond = u"Velura PerU 002";
const std::wstring kFontsKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

std::optional<std::wstring> FontsValue(HKEY root, const std::u16string& family) {
  const auto key = RegistryKey::Open(root, kFontsKey, KEY_READ);
  if (!key) return std::nullopt;
  const auto value = key->Read(ToWide(family + u" (TrueType)"));
  if (!value) return std::nullopt;
  return value->Text;
}

// The file names under the root of the given title, in tree order.
std::vector<std::wstring> FileNamesUnder(TreeViewFileTree& tree, const std::wstring& rootTitle) {
  std::vector<std::wstring> names;
  for (auto root = tree.First(); root; root = tree.NextSibling(root)) {
    if (lstrcmpiW(tree.Text(root).c_str(), rootTitle.c_str()) != 0) continue;
    for (auto n = tree.FirstChild(root); n; n = tree.NextSibling(n))
      if (tree.Record(n)) names.push_back(ToWide(FileNamePart(tree.Record(n)->Path)));
  }
  return names;
}

bool FamilyKnown(const std::u16string& family) {
  TLogFontArrayW list;
  EnumerateLogFonts(ToWide(family), list);
  return !list.empty();
}

class PerUserInstall : public BrowserTest {
 protected:
  void SetUp() override {
    // A user without administrator rights on build 17763, whatever the prefix reports.
    Engine().IsAdmin = false;
    Engine().WindowsBuild = 17763;
    ASSERT_FALSE(Engine().UserFontsFolder.empty());
    userFolder_ = ToWide(Engine().UserFontsFolder);
    RemoveLeftovers();
    source_ = NewTempFolder(L"velura_peruser_test");
    ASSERT_TRUE(WriteRenamedFont(source_ + L"\\peru1.ttf", kFirst));
    ASSERT_TRUE(WriteRenamedFontFrom(u"Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationMono-Regular.ttf",
                                     source_ + L"\\peru2.ttf", kSecond));
    LoadInstalled();
    form = std::make_unique<Tform_local>(Engine(), settings, [] {});
    form->FormShow();
  }
  void TearDown() override {
    form.reset();
    RemoveLeftovers();
    RemoveFolderTree(source_);
  }
  // What an earlier, interrupted run may have left in this user's fonts.
  void RemoveLeftovers() {
    if (auto key = RegistryKey::Open(HKEY_CURRENT_USER, kFontsKey, KEY_READ | KEY_WRITE)) {
      key->DeleteValue(ToWide(kFirst + u" (TrueType)"));
      key->DeleteValue(ToWide(kSecond + u" (TrueType)"));
    }
    for (const wchar_t* name : {L"\\peru1.ttf", L"\\peru2.ttf"}) {
      RemoveFontResourceW((userFolder_ + name).c_str());
      DeleteFileW((userFolder_ + name).c_str());
    }
  }
  std::wstring Status(int part) {
    wchar_t text[256] = {};
    SendMessageW(form->StatusBar1->hwnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
  }
  bool Enabled(int action) { return form->FormActions().IsEnabled(action); }
  void Command(int action) { SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0); }

  std::wstring userFolder_, source_;
  std::unique_ptr<Tform_local> form;
};

TEST_F(PerUserInstall, InstallsTwoUninstallsOneInTheInstalledBrowserAndKeepsTheOther) {
  ASSERT_TRUE(form->OpenFolder(source_));
  PumpUntilIdle();
  EXPECT_EQ(Status(3), ToWide(std::u16string(kPerUserInstallHint)));
  EXPECT_EQ(Status(2), L" ファイル数： 2　（インストール可能数： 2）");
  EXPECT_FALSE(Enabled(Action_install));  // nothing ticked yet
  Command(Action_SelectAll);
  EXPECT_TRUE(Enabled(Action_install));

  {
    const DialogAnswer ok = AnswerNextDialog(L"インストール先", L"OK");
    Command(Action_install);
    EXPECT_TRUE(ok.Clicked());
  }
  PumpUntilIdle();
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();

  const std::wstring first = userFolder_ + L"\\peru1.ttf", second = userFolder_ + L"\\peru2.ttf";
  EXPECT_NE(GetFileAttributesW(first.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesW(second.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FontsValue(HKEY_CURRENT_USER, kFirst), first);
  EXPECT_EQ(FontsValue(HKEY_CURRENT_USER, kSecond), second);
  // Nothing machine-wide.
  EXPECT_FALSE(FontsValue(HKEY_LOCAL_MACHINE, kFirst));
  EXPECT_FALSE(FontsValue(HKEY_LOCAL_MACHINE, kSecond));
  const std::wstring machineFolder = ToWide(Engine().FontsFolder);
  EXPECT_EQ(GetFileAttributesW((machineFolder + L"\\peru1.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW((machineFolder + L"\\peru2.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
  // Usable at once: the previews are gone, the installed copies are registered.
  EXPECT_TRUE(FamilyKnown(kFirst));
  EXPECT_TRUE(FamilyKnown(kSecond));
  int perUser = 0;
  for (const auto& record : Engine().Installed().Items) perUser += record->Has(PerUser) ? 1 : 0;
  EXPECT_EQ(perUser, 2);

  // Browsing the folder again shows both as installed.
  ASSERT_TRUE(form->OpenFolder(source_));
  PumpUntilIdle();
  EXPECT_EQ(Status(2), L" ファイル数： 2　（インストール可能数： 0）");
  TreeViewFileTree& tree = form->FileTree();
  for (auto n = tree.FirstChild(tree.First()); n; n = tree.NextSibling(n)) {
    ASSERT_TRUE(tree.Record(n));
    EXPECT_TRUE(tree.Record(n)->Has(Installed));
    tree.Select(n);
    EXPECT_EQ(Status(0).rfind(L"インストール済み(", 0), 0u);
  }

  // The installed browser shows them under this user's folder; unticked, nothing can be uninstalled.
  TForm_Installed installed(Engine(), settings, [] {});
  installed.Show(SW_SHOWNORMAL);
  installed.FormShow();
  PumpUntilIdle();
  const std::wstring userRoot = L"_このユーザーのフォントフォルダ　\"" + userFolder_ + L"\"";
  EXPECT_EQ(FileNamesUnder(installed.FileTree(), userRoot), (std::vector<std::wstring>{L"peru1.ttf", L"peru2.ttf"}));
  EXPECT_FALSE(installed.FormActions().IsEnabled(TForm_Installed::Action_UnInstall));
  SavePng(CaptureWindow(installed.Hwnd()), ScreenshotPath(L"installed_browser_per_user.png"));

  // Ticking one of this user's fonts is enough without administrator rights: value, registration, file.
  TreeViewFileTree& shown = installed.FileTree();
  for (auto folder = shown.First(); folder; folder = shown.NextSibling(folder))
    for (auto n = shown.FirstChild(folder); n; n = shown.NextSibling(n))
      if (shown.Record(n) && FileNamePart(shown.Record(n)->Path) == u"peru1.ttf") ToggleNodeTick(shown, n);
  EXPECT_TRUE(installed.FormActions().IsEnabled(TForm_Installed::Action_UnInstall));
  recorder.AnswerCaption(u"フォントの削除確認", MessageResult::Yes);
  SendMessageW(installed.Hwnd(), WM_COMMAND, MAKEWPARAM(TForm_Installed::Action_UnInstall, 0), 0);
  PumpUntilIdle();
  ASSERT_EQ(recorder.messages.size(), 1u) << recorder.Describe();
  EXPECT_EQ(recorder.messages[0].Caption, u"フォントの削除確認");
  EXPECT_FALSE(FontsValue(HKEY_CURRENT_USER, kFirst));
  EXPECT_EQ(GetFileAttributesW(first.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(FamilyKnown(kFirst));
  EXPECT_EQ(FontsValue(HKEY_CURRENT_USER, kSecond), second);
  EXPECT_NE(GetFileAttributesW(second.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FileNamesUnder(installed.FileTree(), userRoot), std::vector<std::wstring>{L"peru2.ttf"});
  installed.Hide();

  // Started again, the program finds the other one installed for this user.
  BrowserFixture restarted(L"velura_peruser_restart");
  restarted.Engine().IsAdmin = false;
  restarted.Engine().WindowsBuild = 17763;
  restarted.LoadInstalled();
  int perUserAfterRestart = 0;
  for (const auto& record : restarted.Engine().Installed().Items)
    if (record->Has(PerUser)) {
      ++perUserAfterRestart;
      EXPECT_EQ(ToWide(record->Path), second);
    }
  EXPECT_EQ(perUserAfterRestart, 1);
  TForm_Installed again(restarted.Engine(), restarted.settings, [] {});
  again.FormShow();
  PumpUntilIdle();
  EXPECT_EQ(FileNamesUnder(again.FileTree(), userRoot), std::vector<std::wstring>{L"peru2.ttf"});
  EXPECT_TRUE(restarted.recorder.messages.empty()) << restarted.recorder.Describe();
}

TEST_F(PerUserInstall, AnAdministratorKeepsTheMachineWideDialog) {
  Engine().IsAdmin = true;
  EXPECT_FALSE(Engine().InstallsPerUser());
  Engine().IsAdmin = false;
  Engine().WindowsBuild = 17134;  // Windows 10 1803: as designed, no install at all
  EXPECT_FALSE(Engine().InstallsPerUser());
  ASSERT_TRUE(form->OpenFolder(source_));
  PumpUntilIdle();
  Command(Action_SelectAll);
  EXPECT_FALSE(Enabled(Action_install));
}

}  // namespace
}  // namespace velura::testing
