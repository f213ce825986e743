#include <gtest/gtest.h>

#include <map>

#include "../records/engine_world.h"
#include "ui/settings/settings_ok.h"

namespace velura {
namespace {

class SettingsOkTest : public ::testing::Test, public testing::EngineWorld {
 protected:
  SettingsDialogValues Load() {
    std::u16string problem;
    return LoadSettingsDialog(*settings, *engine, problem);
  }
  std::optional<SettingsRefusal> Confirm(const SettingsDialogValues& values) {
    return ConfirmSettingsDialog(values, *settings, *engine, probe);
  }
  // OK as the dialog runs it; the refusal's message, or empty when everything was saved.
  std::u16string Ok(const SettingsDialogValues& values) {
    const auto refusal = Confirm(values);
    return refusal ? refusal->Message : std::u16string();
  }

  std::map<std::u16string, FolderAccess> folders;  // any other folder is missing
  FolderProbe probe = [this](std::u16string_view folder) {
    const auto found = folders.find(std::u16string(folder));
    return found == folders.end() ? FolderAccess::Missing : found->second;
  };
  void ExpectNothingWritten() {
    EXPECT_TRUE(profile.writtenKeys.empty());
    EXPECT_FALSE(files.Has(engine->PriorityFile));
  }
};

TEST_F(SettingsOkTest, AcceptedValuesAreAllSaved) {
  Make();
  SettingsDialogValues values = Load();
  values.StayOnTop = true;
  EXPECT_EQ(Ok(values), u"");
  EXPECT_TRUE(settings->ReadStayOnTop());
  EXPECT_EQ(profile.writtenKeys.back(), u"TShortCut/Etc_btn");
}

TEST_F(SettingsOkTest, AFolderTheFileCannotHoldIsNamedAndNothingIsWritten) {
  Make();
  SettingsDialogValues values = Load();
  values.StayOnTop = true;
  values.TempFolder.Path = u"C:\\\u4E02";
  const auto refusal = Confirm(values);
  ASSERT_TRUE(refusal);
  EXPECT_NE(refusal->Message.find(u"C:\\\u4E02"), std::u16string::npos);
  EXPECT_EQ(refusal->Fault, SettingsFault::WorkFolder);
  ExpectNothingWritten();

  values.TempFolder.Path.clear();
  values.DefaultFolder.Path = u"\u4E02";
  ASSERT_TRUE(CheckSettingsDialog(values, *settings, probe));
  EXPECT_EQ(CheckSettingsDialog(values, *settings, probe)->Fault, SettingsFault::StartFolder);
}

TEST_F(SettingsOkTest, TwoButtonsOnOneShortcutAreNamedAndNothingIsWritten) {
  Make();
  SettingsDialogValues values = Load();
  values.Shortcuts = {0x4031, 0, 0x4032, 0, 0x4031 + 1, 0, 0};  // the registry viewer is free, two are Ctrl+2
  const auto refusal = Confirm(values);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->Message,
            u"同じショートカットキーが複数のボタンに設定されています\r\n"
            u"「インストール済みフォント閲覧」と「シンボルフォントビューアー」");
  EXPECT_EQ(refusal->Fault, SettingsFault::Shortcut);
  EXPECT_EQ(refusal->Shortcut, 4u);
  ExpectNothingWritten();
}

TEST_F(SettingsOkTest, ButtonsWithoutShortcutsAreNoConflict) {
  Make();
  SettingsDialogValues values = Load();
  values.Shortcuts = {0, 0x4031, 0, 0, 0xC031, 0, 0x2031};  // Ctrl+1, Ctrl+Alt+1, Shift+1
  EXPECT_EQ(Ok(values), u"");
}

TEST_F(SettingsOkTest, AChosenFolderThatIsMissingOrTakesNoFilesIsNamedAndNothingIsWritten) {
  Make();
  folders = {{u"D:\\fonts", FolderAccess::ReadOnly}, {u"E:\\work", FolderAccess::Writable}};
  SettingsDialogValues values = Load();
  values.DefaultFolder = {true, u"D:\\gone"};
  values.TempFolder = {true, u"E:\\work"};
  EXPECT_EQ(Ok(values), u"D:\\gone\r\nこのフォルダは存在しません。\r\n別のフォルダを指定してください");
  ExpectNothingWritten();

  values.DefaultFolder.Path = u"D:\\fonts";  // browsed only: reading is enough
  values.TempFolder.Path = u"D:\\fonts";
  const auto refusal = Confirm(values);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->Message, u"D:\\fonts\r\nこのフォルダには書き込めません。\r\n別のフォルダを指定してください");
  EXPECT_EQ(refusal->Fault, SettingsFault::WorkFolder);
  values.TempFolder.Path = u"E:\\gone";
  EXPECT_EQ(CheckSettingsDialog(values, *settings, probe)->Fault, SettingsFault::WorkFolder);
  ExpectNothingWritten();
}

TEST_F(SettingsOkTest, FoldersNotChosenOrLeftEmptyAreNotAskedAbout) {
  Make();
  SettingsDialogValues values = Load();
  values.DefaultFolder = {false, u"D:\\gone"};
  values.TempFolder = {true, u""};  // the program's own folder
  EXPECT_EQ(Ok(values), u"");
}

}  // namespace
}  // namespace velura
