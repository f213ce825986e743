// The operations engine: language priority file, folder scans, registry registration, work folders.
#include <gtest/gtest.h>

#include "engine_world.h"
#include "record_world.h"
#include "records/folder_loading.h"
#include "records/procedure_class.h"

namespace velura::testing {
namespace {

class Engine : public ::testing::Test, public EngineWorld {};

TEST_F(Engine, DefaultLanguageOrderWithoutAFileAndSavedAs286Bytes) {
  auto& e = Make();
  EXPECT_EQ(e.PriorityFile, u"C:\\prog\\velura_c_rec.bin");
  EXPECT_EQ(e.LanguagePriority[0].LanguageId, 1041);
  ASSERT_TRUE(e.SaveLanguagePriority());
  const Bytes& saved = files.BytesOf(e.PriorityFile);
  ASSERT_EQ(saved.size(), 286u);
  EXPECT_EQ((Bytes{saved.begin(), saved.begin() + 4}), (Bytes{0x11, 0x04, 0x09, 0x04}));
}

TEST_F(Engine, ShortAndLongPriorityFiles) {
  files.Put(u"C:\\prog\\velura_c_rec.bin", Bytes{0x09, 0x04, 0x11, 0x04, 0x04, 0x08, 0x01, 0x00, 0x34, 0x12});
  auto& e = Make();
  EXPECT_EQ(e.LanguagePriority[0].LanguageId, 1033);
  EXPECT_EQ(e.LanguagePriority[2].Name, u"中国語 (中国)");
  EXPECT_EQ(e.LanguagePriority[3].Name, u"LanguageIDエラー");
  EXPECT_EQ(e.LanguagePriority[4].LanguageId, 0x1234);
  EXPECT_EQ(e.LanguagePriority[5].LanguageId, 0);
  EXPECT_TRUE(e.LanguagePriority[142].Name.empty());

  Bytes longFile(300, 0);
  longFile[284] = 0x11, longFile[285] = 0x04, longFile[286] = 0x09, longFile[287] = 0x04;
  files.Put(e.PriorityFile, longFile);
  e.LoadLanguagePriority();
  EXPECT_EQ(e.LanguagePriority[142].LanguageId, 1041);  // bytes past 286 are not read
}

TEST_F(Engine, ScanFolderSortsFontsFromArchivesByLowerCasedExtension) {
  files.MakeFolder(u"C:\\in");
  files.MakeFolder(u"C:\\in\\sub.ttf");
  for (auto name : {u"a.TTF", u"b.ttc", u"c.zip", u"d.txt", u"e.Otf", u"f.LZH"}) files.Put(std::u16string(u"C:\\in\\") + name, {});
  auto& e = Make();
  std::vector<std::u16string> fonts, archives;
  e.ScanFolder(u"C:\\in", fonts, &archives);
  EXPECT_EQ(fonts, (std::vector<std::u16string>{u"C:\\in\\a.TTF", u"C:\\in\\b.ttc", u"C:\\in\\e.Otf"}));
  EXPECT_EQ(archives, (std::vector<std::u16string>{u"c.zip", u"f.LZH"}));
  e.ScanFolder(u"C:\\nowhere", fonts, nullptr);
  EXPECT_TRUE(fonts.empty());
}

TEST_F(Engine, EmptyAndRemoveFolder) {
  files.MakeFolder(u"C:\\work");
  files.Put(u"C:\\work\\ro.ttf", {1}, 0x01);  // read-only
  auto& e = Make();
  EXPECT_TRUE(e.EmptyAndRemoveFolder(u"C:\\work"));
  EXPECT_FALSE(files.Has(u"C:\\work\\ro.ttf"));

  files.MakeFolder(u"C:\\work2");
  files.MakeFolder(u"C:\\work2\\inner");
  files.Put(u"C:\\work2\\x.ttf", {1});
  EXPECT_FALSE(e.EmptyAndRemoveFolder(u"C:\\work2"));
  EXPECT_FALSE(files.Has(u"C:\\work2\\x.ttf"));
}

TEST_F(Engine, RegisterAllRegistryFontsResolvesBareNames) {
  registry.AddFont(u"A (TrueType)", u"a.ttf");
  registry.AddFont(u"B (TrueType)", u"D:\\b.ttf");
  auto& e = Make();
  e.RegisterAllRegistryFonts();
  EXPECT_EQ(fonts.calls, (std::vector<std::u16string>{u"add C:\\Windows\\Fonts\\a.ttf", u"add D:\\b.ttf"}));
}

TEST_F(Engine, TreeStyleIsStoredThroughTheSettings) {
  auto& e = Make();
  TTreeStyle style;
  style.Font1Italic = true;
  style.DefColor = 0x123456;
  e.SaveTreeStyle(style);
  TTreeStyle read;
  settings->ReadTreeStyle(read);
  EXPECT_TRUE(read.Font1Italic);
  EXPECT_EQ(read.DefColor, 0x123456u);
}

TEST_F(Engine, FolderLoadingFillsTheListAndTheArchiveBox) {
  files.MakeFolder(u"C:\\in");
  files.Put(u"C:\\in\\a.ttf", FontBytes(u"A"));
  files.Put(u"C:\\in\\pack.zip", {});
  auto& e = Make();
  struct Box : ArchiveBox {
    void Clear() override { names.clear(); }
    void Add(const std::u16string& name) override { names.push_back(name); }
    void SetEnabled(bool on) override { enabled = on; }
    std::vector<std::u16string> names{u"stale.zip"};
    bool enabled = false;
  } box;
  FakeProgress progress;
  TFileData_local list(e.Records());
  LoadFolderFilesWithArchives(e, list, u"C:\\in", box, progress, true);
  EXPECT_EQ(list.FolderPath, u"C:\\in");
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(box.names, std::vector<std::u16string>{u"pack.zip"});
  EXPECT_TRUE(box.enabled);

  files.files.erase(u"c:\\in\\pack.zip");
  TFileData_local again(e.Records());
  LoadFolderFilesWithArchives(e, again, u"C:\\in", box, progress, true);
  EXPECT_TRUE(box.names.empty());
  EXPECT_FALSE(box.enabled);
}

}  // namespace
}  // namespace velura::testing
