// The engine on a real system under Wine: GDI enumeration, preview registration, install into the fonts
// folder and the registry's Fonts key, and uninstall again.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "fontfile/font_enum_win.h"
#include "platform/ansi_codec_win.h"
#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "records/long_operations.h"
#include "records/procedure_class.h"
#include "records/reg_font_registry_win.h"
#include "records/reg_text_folding_win.h"
#include "records/system_services_win.h"
#include "settings/ini_profile_win.h"
#include "support/test_fonts_win.h"

namespace velura::testing {
namespace {

bool Listed(const std::wstring& family) {
  std::vector<std::wstring> names;
  EnumerateFamilyNames(names);
  return std::find(names.begin(), names.end(), family) != names.end();
}

TEST(FontEnumeration, FamiliesComeAndGoWithTheirFile) {
  const std::wstring folder = NewTempFolder(L"velura_enum_test");
  const std::wstring path = folder + L"\\列挙.ttf";
  ASSERT_TRUE(WriteRenamedFont(path, u"Velura Enum 001"));
  EXPECT_FALSE(Listed(L"Velura Enum 001"));
  ASSERT_GT(AddFontResourceW(path.c_str()), 0);
  EXPECT_TRUE(Listed(L"Velura Enum 001"));
  LOGFONTW record;
  EXPECT_TRUE(FindLogFont(L"Velura Enum 001", record));
  EXPECT_FALSE(FindLogFont(L"velura enum 001", record));  // the face name must match exactly
  TLogFontArrayW all;
  EnumerateLogFonts(L"", all);
  EXPECT_GT(all.size(), 10u);
  ASSERT_TRUE(RemoveFontResourceW(path.c_str()));
  EXPECT_FALSE(Listed(L"Velura Enum 001"));  // the '@' twin may linger under Wine; the name itself goes
  RemoveFolderTree(folder);
}

class RecordingProgress final : public Progress {
 public:
  void Open(const std::u16string&) override {}
  void Close() override {}
  void ResetDisplay() override {}
  void BeginProgress(int) override {}
  void StepProgress(int) override {}
  void ProcessMessages() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
};

TEST(EngineOnWindows, InstallsIntoTheFontsFolderAndUninstallsAgain) {
  std::vector<MessageRequest> messages;
  auto previous = SetMessageSink([&](const MessageRequest& m) {
    messages.push_back(m);
    return MessageResult::Ok;
  });
  const std::wstring folder = NewTempFolder(L"velura_install_test");
  const std::wstring source = folder + L"\\表示テスト.ttf";
  ASSERT_TRUE(WriteRenamedFont(source, u"Velura Inst 001"));

  SystemAnsiCodec ansi;
  TFontDataTable reader(ansi);
  GdiFontServices fonts;
  WindowsFileServices files;
  SystemFontRegistry registry;
  SystemTextFolding folding;
  TIniKeeper settings(std::make_unique<PrivateProfileFile>(ToU16(folder + L"\\velura_wd.ini")));
  TProcedureClass engine(EngineServices{reader, fonts, files, registry, folding, settings, SystemFontsFolder(),
                                        ToU16(folder + L"\\"), UserIsAdmin()});
  RecordingProgress progress;
  TFileData_local list(engine.Records());

  RunLoadFiles(progress, {ToU16(source)}, list, true);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_FALSE(list[0].CannotDisplay);
  EXPECT_EQ(list[0].DisplayNames[0].DisplayFamilyName, u"Velura Inst 001");
  EXPECT_EQ(list[0].Flags, 0);

  list[0].Set(Selected);
  engine.InstallSelected(progress, list, engine.FontsFolder, true);
  const std::wstring installed = ToWide(engine.FontsFolder) + L"\\表示テスト.ttf";
  EXPECT_NE(GetFileAttributesW(installed.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(list[0].Has(InstalledNow));
  engine.RegData().LoadFontsList();
  EXPECT_TRUE(engine.RegData().IsRegisteredName(u"Velura Inst 001 (TrueType)"));
  EXPECT_TRUE(engine.RegData().IsRegisteredFile(ToU16(installed)));
  EXPECT_TRUE(messages.empty());

  TFileData_installed& installedList = engine.Installed();
  auto mine = std::find_if(installedList.Items.begin(), installedList.Items.end(),
                           [&](const auto& r) { return r->Path == ToU16(installed); });
  ASSERT_NE(mine, installedList.Items.end());
  (*mine)->Set(Selected);
  engine.UninstallSelected(progress);
  EXPECT_EQ(GetFileAttributesW(installed.c_str()), INVALID_FILE_ATTRIBUTES);
  engine.RegData().LoadFontsList();
  EXPECT_FALSE(engine.RegData().IsRegisteredName(u"Velura Inst 001 (TrueType)"));
  EXPECT_TRUE(messages.empty());

  struct NoBar : BarProgress {
    void SetMaximum(int) override {}
    void SetPosition(int) override {}
  } bar;
  ReleaseAll(list, bar);
  RemoveFolderTree(folder);
  SetMessageSink(previous);
}

}  // namespace
}  // namespace velura::testing
