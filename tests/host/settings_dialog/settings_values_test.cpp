#include <gtest/gtest.h>

#include "../records/engine_world.h"
#include "platform/user_error.h"
#include "ui/settings/settings_rules.h"
#include "ui/settings/settings_values.h"

namespace velura {
namespace {

using testing::Bytes;

class SettingsDialogValuesTest : public ::testing::Test, public testing::EngineWorld {
 protected:
  SettingsDialogValues Load() {
    std::u16string problem;
    auto values = LoadSettingsDialog(*settings, *engine, problem);
    EXPECT_TRUE(problem.empty());
    return values;
  }
};

TEST_F(SettingsDialogValuesTest, WithoutAFileTheDialogShowsTheDefaults) {
  Make();
  const SettingsDialogValues values = Load();
  EXPECT_EQ(values.WindowFlags, 0);
  EXPECT_FALSE(values.StayOnTop);
  EXPECT_EQ(values.SampleSizeIndex, SampleSizeIndex(24));
  EXPECT_FALSE(values.RememberSampleSize);
  EXPECT_FALSE(values.DefaultFolder.Use);
  EXPECT_FALSE(values.TempFolder.Use);
  EXPECT_EQ(values.TreeStyle.RegFontColor, 0x800080u);
  EXPECT_EQ(values.Shortcuts, ShortcutCodes{});
  EXPECT_EQ(values.LanguageOrder, DefaultLanguageOrder());
}

TEST_F(SettingsDialogValuesTest, SavingWritesExactlyTheKeysOfTheMappingInTheirOrder) {
  Make();
  SettingsDialogValues values = Load();
  profile.writtenKeys.clear();
  SaveSettingsDialog(values, *settings, *engine);
  const std::vector<std::u16string> expected{u"Main/Enable",
                                             u"LocalView/Enable",
                                             u"InstalledView/Enable",
                                             u"RegView/Enable",
                                             u"SymbolView/Enable",
                                             u"UnicodeView/Enable",
                                             u"OneTimeInst/Enable",
                                             u"Main/fsStayOnTop",
                                             u"SampleFont/opMemory",
                                             u"SampleFont/DefFontSize",
                                             u"LocalView/DefPath",
                                             u"LocalView/DefBool",
                                             u"Original_TEMP_Dir/TempDirPath",
                                             u"Original_TEMP_Dir/UseBool",
                                             u"TreeView_FontName/tvDefFontColor",
                                             u"TreeView_FontName/tvRegFont_Color",
                                             u"TreeView_FontName/tvFont1_Color_Navy",
                                             u"TreeView_FontName/tvFont2_Color_Olive",
                                             u"TreeView_FontName/tvRegFont_Style_italic",
                                             u"TreeView_FontName/tvFont1_Style_itali",
                                             u"TreeView_FontName/tvFont2_Style_itali",
                                             u"TShortCut/OneTimeInst_btn",
                                             u"TShortCut/LocalView_btn",
                                             u"TShortCut/InstalledView_btn",
                                             u"TShortCut/RegView_btn",
                                             u"TShortCut/SymbolView_btn",
                                             u"TShortCut/UnicodeView_btn",
                                             u"TShortCut/Etc_btn"};
  EXPECT_EQ(profile.writtenKeys, expected);
  EXPECT_TRUE(files.Has(engine->PriorityFile));
}

TEST_F(SettingsDialogValuesTest, ValuesComeBackAsSaved) {
  Make();
  SettingsDialogValues values = Load();
  values.WindowFlags = 0x45;
  values.StayOnTop = true;
  values.SampleSizeIndex = SampleSizeIndex(48);
  values.RememberSampleSize = true;
  values.DefaultFolder = {true, u"D:\\fonts"};
  values.TempFolder = {true, u"E:\\work"};
  values.TreeStyle.Font2Color = 0xFF00FF;
  values.TreeStyle.Font1Italic = true;
  values.Shortcuts = {0x4031, 0, 0xC041, 0, 0, 0x2070, 0x4000 | 'Z'};
  SaveSettingsDialog(values, *settings, *engine);
  EXPECT_EQ(engine->TreeStyle.Font2Color, 0xFF00FFu);

  TIniKeeper reopened(std::make_unique<testing::MemoryProfile>(profile));
  std::u16string problem;
  const SettingsDialogValues loaded = LoadSettingsDialog(reopened, *engine, problem);
  EXPECT_EQ(loaded.WindowFlags, 0x45);
  EXPECT_TRUE(loaded.StayOnTop);
  EXPECT_EQ(loaded.SampleSizeIndex, SampleSizeIndex(48));
  EXPECT_TRUE(loaded.RememberSampleSize);
  EXPECT_EQ(loaded.DefaultFolder.Path, u"D:\\fonts");
  EXPECT_TRUE(loaded.TempFolder.Use);
  EXPECT_EQ(loaded.Shortcuts, values.Shortcuts);
  TTreeStyle stored;
  reopened.ReadTreeStyle(stored);
  EXPECT_EQ(stored.Font2Color, 0xFF00FFu);
  EXPECT_TRUE(stored.Font1Italic);
}

TEST_F(SettingsDialogValuesTest, NoSelectedSizeSaves18) {
  Make();
  SettingsDialogValues values = Load();
  values.SampleSizeIndex = -1;
  SaveSettingsDialog(values, *settings, *engine);
  EXPECT_EQ(settings->ReadSampleSizes().DefSize, 18);
}

TEST_F(SettingsDialogValuesTest, TheLanguageOrderRenamesEveryEntryAndGoesToItsFile) {
  Make();
  SettingsDialogValues values = Load();
  std::swap(values.LanguageOrder[0], values.LanguageOrder[1]);  // English before Japanese
  SaveSettingsDialog(values, *settings, *engine);
  EXPECT_EQ(engine->LanguagePriority[0].LanguageId, 1033);
  EXPECT_EQ(engine->LanguagePriority[0].Name, LanguageName(1033));
  EXPECT_EQ(engine->LanguagePriority[1].Name, LanguageName(1041));
  const Bytes& saved = files.BytesOf(engine->PriorityFile);
  ASSERT_EQ(saved.size(), 286u);
  EXPECT_EQ((Bytes{saved.begin(), saved.begin() + 4}), (Bytes{0x09, 0x04, 0x11, 0x04}));
}

TEST_F(SettingsDialogValuesTest, AShortPriorityFileGetsNamesForEveryEntryOnSave) {
  files.Put(u"C:\\prog\\velura_c_rec.bin", Bytes{0x09, 0x04});
  Make();
  SettingsDialogValues values = Load();
  SaveSettingsDialog(values, *settings, *engine);
  EXPECT_EQ(engine->LanguagePriority[5].Name, LanguageName(0));  // the ID the short file left
}

TEST_F(SettingsDialogValuesTest, AShortcutOutOfRangeIsReportedAndOkKeepsTheOthers) {
  Make();
  profile.values[{u"TShortCut", u"OneTimeInst_btn"}] = u"16433";
  profile.values[{u"TShortCut", u"LocalView_btn"}] = u"70000";
  profile.values[{u"TShortCut", u"InstalledView_btn"}] = u"16434";
  std::u16string problem;
  const SettingsDialogValues values = LoadSettingsDialog(*settings, *engine, problem);
  EXPECT_FALSE(problem.empty());
  SaveSettingsDialog(values, *settings, *engine);
  auto stored = [&](const char16_t* key) { return profile.values[{u"TShortCut", key}]; };
  EXPECT_EQ(stored(u"OneTimeInst_btn"), u"16433");
  EXPECT_EQ(stored(u"LocalView_btn"), u"0");
  EXPECT_EQ(stored(u"InstalledView_btn"), u"16434");
}

TEST_F(SettingsDialogValuesTest, AnUnwritablePriorityFileStopsTheSaveWithItsName) {
  Make();
  files.refusedTargets.insert(u"c:\\prog\\velura_c_rec.bin");
  SettingsDialogValues values = Load();
  profile.writtenKeys.clear();
  try {
    SaveSettingsDialog(values, *settings, *engine);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_NE(error.Message().find(u"velura_c_rec.bin"), std::u16string::npos);
  }
  EXPECT_EQ(profile.writtenKeys.back(), u"Main/fsStayOnTop");
}

TEST_F(SettingsDialogValuesTest, AnUnreadablePriorityFileIsKeptUnlessTheOrderIsChanged) {
  const Bytes users{0x09, 0x04, 0x11, 0x04};
  files.Put(u"C:\\prog\\velura_c_rec.bin", users);
  files.unreadable.insert(u"c:\\prog\\velura_c_rec.bin");
  Make();
  SettingsDialogValues values = Load();
  EXPECT_TRUE(values.LanguageFileUnread);
  EXPECT_EQ(values.LanguageOrder, DefaultLanguageOrder());
  SaveSettingsDialog(values, *settings, *engine);
  EXPECT_EQ(files.BytesOf(engine->PriorityFile), users);

  std::swap(values.LanguageOrder[0], values.LanguageOrder[1]);
  SaveSettingsDialog(values, *settings, *engine);
  EXPECT_EQ(files.BytesOf(engine->PriorityFile).size(), 286u);
}

}  // namespace
}  // namespace velura
