// The registry font data over an in-memory registry: loading, protection, writes, deletions and failures.
#include <functional>

#include <gtest/gtest.h>

#include "fake_font_registry.h"
#include "platform/user_error.h"
#include "records/face_record_cache.h"
#include "records/reg_font_data.h"

namespace velura::testing {
namespace {

using namespace std::string_literals;

const std::u16string kFontsFolder = u"C:\\Windows\\Fonts";

std::u16string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const UserError& error) {
    return error.Message();
  }
  return u"(no error)";
}

class RegFontDataTest : public ::testing::Test {
 protected:
  TRegFontData Load() { return TRegFontData(registry, folding, kFontsFolder); }

  FakeFontRegistry registry;
  FakeFolding folding;
};

TEST_F(RegFontDataTest, TakesTheFontsListKeptWithAnUnchangedStamp) {
  FaceRecordCache kept(1);
  registry.AddFont(u"Alpha (TrueType)", u"ALPHA.TTF");
  registry.AddUserFont(u"Mine (TrueType)", u"C:\\Users\\me\\MINE.TTF");
  registry.keys[kFontsPath].stamp = RegKeyStamp{100, 1};
  registry.keys[kUserFontsId].stamp = RegKeyStamp{7, 1};
  TRegFontData(registry, folding, kFontsFolder, &kept);
  EXPECT_EQ(kept.KeptKeys(), 2u);

  // Values changed behind an unchanged stamp are not read again: the kept list is what the program sees.
  registry.AddFont(u"Beta (TrueType)", u"BETA.TTF");
  TRegFontData unchanged(registry, folding, kFontsFolder, &kept);
  ASSERT_EQ(unchanged.Fonts.size(), 1u);
  EXPECT_EQ(unchanged.Fonts[0].ValueName, u"Alpha (TrueType)");
  ASSERT_EQ(unchanged.UserFonts.size(), 1u);

  for (const RegKeyStamp stamp : {RegKeyStamp{101, 2}, RegKeyStamp{101, 3}}) {  // a newer time, another count
    registry.keys[kFontsPath].stamp = stamp;
    if (stamp.Values == 3) registry.AddFont(u"Gamma (TrueType)", u"GAMMA.TTF");
    TRegFontData changed(registry, folding, kFontsFolder, &kept);
    EXPECT_EQ(changed.Fonts.size(), stamp.Values);
    EXPECT_TRUE(changed.IsRegisteredName(u"Beta (TrueType)"));
  }
  registry.keys[kFontsPath].stamp.reset();  // a registry that tells no stamp is always read
  registry.AddFont(u"Delta (TrueType)", u"DELTA.TTF");
  EXPECT_EQ(TRegFontData(registry, folding, kFontsFolder, &kept).Fonts.size(), 4u);
}

TEST_F(RegFontDataTest, LoadsFontsInEnumerationOrderAndTheThreeMappingLists) {
  registry.AddFont(u"Beta (TrueType)", u"BETA.TTF");
  registry.AddFont(u"Alpha (TrueType)", u"D:\\Fonts\\ALPHA.TTF");
  registry.Add(kMapperPath, u"Mapped Face", RegValueKind::String, u"ignored");
  registry.Add(kSubstitutesPath, u"MS Shell Dlg", RegValueKind::String, u"MS UI Gothic");
  registry.Add(kSystemLinkPath, u"Tahoma", RegValueKind::MultiString, u"MSGOTHIC.TTC,MS UI Gothic\0MINGLIU.TTC,PMingLiU"s);
  registry.Add(kSystemLinkPath, u"Old", RegValueKind::String, u"OLD.TTF,Old Face");
  registry.Add(kSystemLinkPath, u"Binary", RegValueKind::Other);

  const TRegFontData data = Load();
  ASSERT_EQ(data.Fonts.size(), 2u);
  EXPECT_EQ(data.Fonts[0].ValueName, u"Beta (TrueType)");
  EXPECT_EQ(data.Fonts[0].File, u"BETA.TTF");
  EXPECT_EQ(data.Fonts[1].File, u"D:\\Fonts\\ALPHA.TTF");
  EXPECT_FALSE(data.Fonts[1].LoadFailed);
  EXPECT_EQ(data.MapperNames, std::vector<std::u16string>{u"Mapped Face"});
  EXPECT_EQ(data.SubstituteTargets, std::vector<std::u16string>{u"MS UI Gothic"});
  EXPECT_EQ(data.SystemLinkFiles, (std::vector<std::u16string>{u"MSGOTHIC.TTC", u"MINGLIU.TTC", u"OLD.TTF"}));
  EXPECT_EQ(data.ValueNameWithoutSuffix(1), u"Alpha");
}

// Another program may leave a value of another type; reading goes on without it instead of failing the start.
TEST_F(RegFontDataTest, ValuesOfUnexpectedTypesAreSkipped) {
  registry.AddFont(u"Before (TrueType)", u"BEFORE.TTF");
  registry.Add(kFontsPath, u"Number", RegValueKind::Other);
  registry.Add(kFontsPath, u"Multi", RegValueKind::MultiString, u"A.TTF\0B.TTF"s);
  registry.Add(kFontsPath, u"Expand (TrueType)", RegValueKind::ExpandString, u"%WINDIR%\\Fonts\\X.TTF");
  registry.Add(kFontsPath, u"Vanished (TrueType)", RegValueKind::Missing);
  registry.Add(kSubstitutesPath, u"Binary", RegValueKind::Other);
  registry.Add(kSubstitutesPath, u"Helv", RegValueKind::String, u"MS Sans Serif");

  TRegFontData data = Load();
  ASSERT_EQ(data.Fonts.size(), 3u);
  EXPECT_EQ(data.Fonts[0].ValueName, u"Before (TrueType)");
  EXPECT_EQ(data.Fonts[1].File, u"%WINDIR%\\Fonts\\X.TTF");  // taken as written, not expanded
  EXPECT_EQ(data.Fonts[2].ValueName, u"Vanished (TrueType)");
  EXPECT_EQ(data.Fonts[2].File, u"");
  EXPECT_EQ(data.SubstituteTargets, std::vector<std::u16string>{u"MS Sans Serif"});
  EXPECT_FALSE(data.IsRegisteredName(u"Number"));
}

TEST_F(RegFontDataTest, ProtectionByFamilyInMappingTablesOrFileInSystemLink) {
  registry.Add(kMapperPath, u"Mapped Face", RegValueKind::String, u"");
  registry.Add(kSubstitutesPath, u"MS Shell Dlg", RegValueKind::String, u"MS UI Gothic");
  registry.Add(kSystemLinkPath, u"Tahoma", RegValueKind::MultiString, u"LINKED.TTC,Face A\0OTHER.TTF,Face B"s);
  const TRegFontData data = Load();

  EXPECT_TRUE(data.IsProtected(u"any.ttf", u"mapped face"));
  EXPECT_TRUE(data.IsProtected(u"any.ttf", u"ms ui gothic"));
  EXPECT_TRUE(data.IsProtected(u"linked.ttc", u"Unrelated"));
  EXPECT_TRUE(data.IsProtected(u"other.ttf", u""));
  EXPECT_FALSE(data.IsProtected(u"any.ttf", u"MS Shell Dlg"));  // a substitute's name is not protected, its target is
  EXPECT_FALSE(data.IsProtected(u"Mapped Face", u"Unrelated"));  // mapper names are families, not files
  EXPECT_FALSE(data.IsProtected(u"Face A", u"Face B"));
}

TEST_F(RegFontDataTest, RegisteredFileResolvesBareNamesInTheFontsFolder) {
  registry.AddFont(u"Bare (TrueType)", u"BARE.TTF");
  registry.AddFont(u"Full (TrueType)", u"D:\\Mine\\FULL.TTF");
  const TRegFontData data = Load();
  EXPECT_TRUE(data.IsRegisteredFile(u"c:\\windows\\fonts\\bare.ttf"));
  EXPECT_FALSE(data.IsRegisteredFile(u"D:\\Mine\\BARE.TTF"));
  EXPECT_TRUE(data.IsRegisteredFile(u"d:\\mine\\full.ttf"));
  EXPECT_FALSE(data.IsRegisteredFile(u"C:\\Windows\\Fonts\\FULL.TTF"));
}

TEST_F(RegFontDataTest, DeletingByFileNameTakesOnlyTheFirstOfTwoValuesSharingIt) {
  registry.AddFont(u"Other Font (TrueType)", u"E:\\Elsewhere\\SHARED.TTF");
  registry.AddFont(u"This Font (TrueType)", u"SHARED.TTF");
  TRegFontData data = Load();

  EXPECT_TRUE(data.DeleteFontValueByFile(u"shared.ttf"));
  EXPECT_FALSE(registry.HasValue(kFontsPath, u"Other Font (TrueType)"));
  EXPECT_TRUE(registry.HasValue(kFontsPath, u"This Font (TrueType)"));
  EXPECT_EQ(data.Fonts.size(), 2u);  // left for the caller to reload
  EXPECT_FALSE(data.DeleteFontValueByFile(u"missing.ttf"));
}

// The viewer's row removes its own value even when an earlier entry shares its file name.
TEST_F(RegFontDataTest, DeletingByValueNameTakesExactlyThatValue) {
  registry.AddFont(u"Other Font (TrueType)", u"E:\\Elsewhere\\SHARED.TTF");
  registry.AddFont(u"This Font (TrueType)", u"SHARED.TTF");
  TRegFontData data = Load();

  EXPECT_TRUE(data.DeleteFontValueNamed(u"This Font (TrueType)"));
  EXPECT_TRUE(registry.HasValue(kFontsPath, u"Other Font (TrueType)"));
  EXPECT_FALSE(registry.HasValue(kFontsPath, u"This Font (TrueType)"));
  EXPECT_FALSE(data.DeleteFontValueNamed(u"this font (truetype)"));  // not in Fonts: nothing touched
  EXPECT_TRUE(registry.HasValue(kFontsPath, u"Other Font (TrueType)"));
}

// Uninstalling C:\Windows\Fonts\SHARED.TTF must not take the value of the font in E:\Elsewhere.
TEST_F(RegFontDataTest, DeletingForAFileTakesTheValueThatNamesThatVeryFile) {
  registry.AddFont(u"Other Font (TrueType)", u"E:\\Elsewhere\\SHARED.TTF");
  registry.AddFont(u"This Font (TrueType)", u"SHARED.TTF");
  registry.AddFont(u"Third (TrueType)", u"D:\\Mine\\THIRD.TTF");
  TRegFontData data = Load();

  EXPECT_TRUE(data.DeleteFontValueForFile(u"c:\\windows\\fonts\\Shared.ttf"));
  EXPECT_TRUE(registry.HasValue(kFontsPath, u"Other Font (TrueType)"));
  EXPECT_FALSE(registry.HasValue(kFontsPath, u"This Font (TrueType)"));

  EXPECT_FALSE(data.DeleteFontValueForFile(u"D:\\Elsewhere\\THIRD.TTF"));  // same name, other folder
  EXPECT_TRUE(registry.HasValue(kFontsPath, u"Third (TrueType)"));
  EXPECT_TRUE(data.DeleteFontValueForFile(u"D:\\MINE\\third.ttf"));
  EXPECT_FALSE(registry.HasValue(kFontsPath, u"Third (TrueType)"));
}

TEST_F(RegFontDataTest, WritesAreStringsAndAReloadSeesThem) {
  TRegFontData data = Load();
  data.WriteFontValue(u"新しいフォント (TrueType)", u"NEW.TTF");
  data.WriteFontValue(u"新しいフォント (TrueType)", u"D:\\NEW.TTF");
  EXPECT_FALSE(data.IsRegisteredName(u"新しいフォント"));
  data.LoadFontsList();
  ASSERT_EQ(data.Fonts.size(), 1u);
  EXPECT_EQ(data.Fonts[0].File, u"D:\\NEW.TTF");
  EXPECT_TRUE(data.IsRegisteredName(u"新しいフォント"));
}

// Reading must work without administrator rights; only installing and uninstalling need more.
TEST_F(RegFontDataTest, EachOperationOpensItsOwnKeyWithTheAccessItNeeds) {
  TRegFontData data = Load();
  ASSERT_EQ(registry.opens.size(), 5u);  // the current user's Fonts key too
  for (const auto& open : registry.opens) EXPECT_EQ(open.access, RegAccess::Read);
  EXPECT_EQ(registry.opens[0].path, kFontsPath);
  EXPECT_EQ(registry.opens[0].root, RegRoot::LocalMachine);
  EXPECT_EQ(registry.opens[1].path, kFontsPath);
  EXPECT_EQ(registry.opens[1].root, RegRoot::CurrentUser);
  EXPECT_EQ(registry.opens[4].path, kSystemLinkPath);

  registry.opens.clear();
  data.WriteFontValue(u"X (TrueType)", u"X.TTF");
  data.DeleteFontValueByFile(u"nothing.ttf");
  data.DeleteFontValueForFile(u"C:\\nothing.ttf");
  ASSERT_EQ(registry.opens.size(), 3u);
  EXPECT_EQ(registry.opens[0].access, RegAccess::ReadWrite);
  EXPECT_EQ(registry.opens[1].access, RegAccess::Full);
  EXPECT_EQ(registry.opens[2].access, RegAccess::Full);
}

TEST_F(RegFontDataTest, FailuresCarryTheirMessages) {
  registry.platformId = 1;  // the Windows 95 family
  EXPECT_EQ(MessageOf([&] { Load(); }), u"レジストリのオープンに失敗しました\r\nWindowsのバージョンを取得できません");
  registry.platformId = 2;

  // A missing mapping table protects nothing; the others are still read and the program starts.
  registry.Add(kSubstitutesPath, u"Shell", RegValueKind::String, u"Kept Sans");
  registry.keys.erase(kSystemLinkPath);
  EXPECT_EQ(MessageOf([&] { Load(); }), u"(no error)");
  EXPECT_TRUE(Load().SystemLinkFiles.empty());
  EXPECT_EQ(Load().SubstituteTargets, std::vector<std::u16string>{u"Kept Sans"});
  registry.keys[kSystemLinkPath];

  registry.AddFont(u"Kept (TrueType)", u"KEPT.TTF");
  registry.keys[kFontsPath].undeletable.insert(u"Kept (TrueType)");
  TRegFontData data = Load();
  EXPECT_EQ(MessageOf([&] { data.DeleteFontValueByFile(u"kept.ttf"); }), u"レジストリ削除に失敗しました\r\nKept (TrueType)");
  EXPECT_EQ(MessageOf([&] { data.DeleteFontValueForFile(u"C:\\Windows\\Fonts\\KEPT.TTF"); }),
            u"レジストリ削除に失敗しました\r\nKept (TrueType)");

  registry.keys[kFontsPath].refuseWrites = true;
  EXPECT_EQ(MessageOf([&] { data.WriteFontValue(u"Y (TrueType)", u"Y.TTF"); }),
            u"レジストリ書き込みに失敗しました\r\nY (TrueType)");

  registry.keys.erase(kFontsPath);
  EXPECT_EQ(MessageOf([&] { data.WriteFontValue(u"Y (TrueType)", u"Y.TTF"); }), u"error! RegOpenKey");
  EXPECT_EQ(MessageOf([&] { data.DeleteFontValueByFile(u"nothing.ttf"); }), u"error! RegOpenKey");
  EXPECT_EQ(MessageOf([&] { data.LoadFontsList(); }), u"error! RegOpenKey");
  EXPECT_EQ(data.Fonts.size(), 1u);  // a failed reload keeps what was read before
}

TEST_F(RegFontDataTest, RegistryEditorIsPointedAtTheFontsKeyOnlyWhenItsKeyExists) {
  TRegFontData data = Load();
  data.OpenRegistryEditorAtFonts();
  EXPECT_EQ(registry.editorStarts, 1);
  EXPECT_EQ(registry.keys.count(u"HKCU" + kRegeditPath), 0u);  // never created

  registry.keys[u"HKCU" + kRegeditPath];
  data.OpenRegistryEditorAtFonts();
  EXPECT_EQ(registry.editorStarts, 2);
  const auto& values = registry.keys[u"HKCU" + kRegeditPath].values;
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].first, u"LastKey");
  EXPECT_EQ(values[0].second.Text, u"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts");
}

TEST_F(RegFontDataTest, FontFoldersStartWithTheFontsFolder) {
  registry.AddFont(u"A (TrueType)", u"A.TTF");
  registry.AddFont(u"B (TrueType)", u"D:\\Mine\\B.TTF");
  EXPECT_EQ(Load().FontFolders(), (std::vector<std::u16string>{kFontsFolder, u"D:\\Mine"}));
}

}  // namespace
}  // namespace velura::testing
