// Font file records: how they are built, named for the registry, shown, and settled against Windows.
#include <gtest/gtest.h>

#include <algorithm>

#include "record_world.h"
#include "records/record_rules.h"
#include "records/text_export.h"

namespace velura::testing {
namespace {

TEST(FileRecord, CollectionRecordAndRegistryValueName) {
  RecordWorld w;
  w.files.Put(u"C:\\fonts\\three.ttc", Collection({SfntBuilder::Standard(BasicNames(u"Alpha", u"Bold")),
                                                   SfntBuilder::Standard(BasicNames(u"Beta")),
                                                   SfntBuilder::Standard(BasicNames(u"Gamma", u"Italic"))}));
  TFileDataItem* r = w.local->AddFontFile(u"C:\\fonts\\three.ttc");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->FaceCount, 3);
  EXPECT_EQ(r->DisplayNames.size(), 3u);
  EXPECT_TRUE(r->UseFullName);
  EXPECT_EQ(RegistryValueName(*r), u"Alpha Bold & Beta & Gamma Italic (TrueType)");
  EXPECT_EQ(w.local->LastFolder, u"C:\\fonts");
  EXPECT_EQ(r->FileSize, static_cast<std::int32_t>(w.files.BytesOf(u"C:\\fonts\\three.ttc").size()));
}

TEST(FileRecord, UseFullNameRule) {
  TTFontFileData face;
  face.FamilyName = u"Alpha";
  face.FullName = u"Alpha Bold";
  face.SubfamilyName = u"Bold";
  EXPECT_TRUE(UseFullNameFor(face));
  face.SubfamilyName = u"REGULAR";
  EXPECT_FALSE(UseFullNameFor(face));
  face.SubfamilyName = u"Bold";
  face.FamilyName = u" Alpha\u3000";
  face.FullName = u"Alpha";
  EXPECT_FALSE(UseFullNameFor(face));  // equal once blanks are trimmed
}

TEST(FileRecord, UnreadableFileIsNotAdded) {
  RecordWorld w;
  w.files.Put(u"C:\\fonts\\junk.ttf", Bytes(100, 7));
  EXPECT_EQ(w.local->AddFontFile(u"C:\\fonts\\junk.ttf"), nullptr);
  EXPECT_FALSE(w.local->AddBrowsedFontFile(u"C:\\fonts\\missing.ttf"));
  EXPECT_EQ(w.local->Count(), 0);
}

TEST(FileRecord, BrowsedFileStates) {
  RecordWorld w;
  const auto fresh = w.AddFont(u"fresh.ttf", u"Fresh");
  const auto known = w.AddFont(u"known.ttf", u"Known");
  const auto ghost = w.AddFont(u"ghost.ttf", u"Ghost");
  w.fonts.systemFamilies.push_back({u"Known", 0, 2});
  w.registry.AddFont(u"Known (TrueType)", u"KNOWN.TTF");
  w.registry.AddFont(u"ghost (TrueType)", u"GHOST.TTF");  // registered name, no such family in Windows
  w.registryData->LoadFontsList();
  w.files.Put(kFontsFolder + u"\\marlett.ttf", FontBytes(u"Marlett"));

  ASSERT_TRUE(w.local->AddBrowsedFontFile(fresh));
  ASSERT_TRUE(w.local->AddBrowsedFontFile(known));
  ASSERT_TRUE(w.local->AddBrowsedFontFile(ghost));
  ASSERT_TRUE(w.local->AddBrowsedFontFile(kFontsFolder + u"\\marlett.ttf"));
  EXPECT_EQ((*w.local)[0].Flags, 0);
  EXPECT_EQ((*w.local)[1].Flags, Installed);
  EXPECT_EQ((*w.local)[2].Flags, RegisteredOnly);
  EXPECT_EQ((*w.local)[3].Flags, Installed | SystemFont);
  // Only the not-installed, unregistered file is registered for preview.
  EXPECT_EQ(w.fonts.calls, std::vector<std::u16string>{u"add " + fresh});
}

TEST(FileRecord, InstalledVersionLookup) {
  RecordWorld w;
  w.files.Put(kFontsFolder + u"\\v1.ttf", FontBytes(u"Versioned", u"Regular", u"Version 1.0"));
  ASSERT_NE(w.installed->AddFontFile(kFontsFolder + u"\\v1.ttf"), nullptr);
  w.files.Put(u"C:\\fonts\\v2.ttf", FontBytes(u"Versioned", u"Regular", u"Version 2.0"));
  w.fonts.systemFamilies.push_back({u"Versioned", 0, 2});
  w.registry.AddFont(u"Versioned (TrueType)", u"V1.TTF");
  w.registryData->LoadFontsList();
  ASSERT_TRUE(w.local->AddBrowsedFontFile(u"C:\\fonts\\v2.ttf"));
  EXPECT_EQ((*w.local)[0].InstalledVersion, u"Version 1.0");
  EXPECT_TRUE((*w.local)[0].Has(OtherVersionInstalled));
}

TEST(FileRecord, RegistryValueDataAndDisplayText) {
  RecordWorld w;
  TFileDataItem r;
  r.Path = u"C:\\fonts\\abc.ttf";
  EXPECT_EQ(RegistryValueData(r, u"c:\\windows\\FONTS", kFontsFolder, w.folding), u"ABC.TTF");
  EXPECT_EQ(RegistryValueData(r, u"D:\\My Fonts", kFontsFolder, w.folding), u"D:\\My Fonts\\ABC.TTF");
  EXPECT_EQ(RegistryValueData(r, u"D:\\", kFontsFolder, w.folding), u"D:\\ABC.TTF");

  r.DisplayNames.resize(1);
  r.DisplayNames[0].DisplayFamilyName = u"Alpha";
  r.DisplayNames[0].DisplayFullName = u"Alpha Bold";
  EXPECT_EQ(DisplayText(r, 0), u"Alpha (abc.ttf)");
  r.UseFullName = true;
  EXPECT_EQ(DisplayText(r, 0), u"Alpha -> Alpha Bold (abc.ttf)");
}

TEST(FileRecord, StateImages) {
  TFileDataItem r;
  r.DisplayNames.resize(1);
  EXPECT_EQ(StateImageIndex(r), 3);
  r.DisplayNames[0].Charset = 128;
  EXPECT_EQ(StateImageIndex(r), 5);
  r.DisplayNames[0].Charset = 2;
  r.Set(Selected);
  EXPECT_EQ(StateImageIndex(r), 8);
  r.Flags = Installed | SystemFont | Protected;
  EXPECT_EQ(StateImageIndex(r), 1);
  r.Flags = Installed | OtherVersionInstalled;
  EXPECT_EQ(StateImageIndex(r), 9);
  r.Flags = RegisteredOnly | Installed | Selected;
  EXPECT_EQ(StateImageIndex(r), 16);
  r.Flags = InstalledNow;
  EXPECT_EQ(StateImageIndex(r), -1);
}

TEST(FileRecord, CsvLinesRoundSizesAndQuoteOnlyWhatNeedsIt) {
  std::vector<std::unique_ptr<TFileDataItem>> records;
  for (auto [size, name] : {std::pair{1536, u"a.ttf"}, {2560, u"b,c.ttf"}, {3584, u"d.ttf"}}) {
    auto r = std::make_unique<TFileDataItem>();
    r->Path = std::u16string(u"C:\\f\\") + name;
    r->FileSize = size;
    r->DisplayNames.resize(1);
    r->DisplayNames[0].DisplayFullName = u"Full";
    r->DisplayNames[0].DisplayFamilyName = size == 3584 ? u"Say \"Hi\"" : u"Fam";
    records.push_back(std::move(r));
  }
  const auto lines = CsvLines(records);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], u"FullFontName,FontFamilyName,FileName,FileSize");
  EXPECT_EQ(lines[1], u"Full,Fam,a.ttf,2KB");
  EXPECT_EQ(lines[2], u"Full,Fam,\"b,c.ttf\",2KB");
  EXPECT_EQ(lines[3], u"Full,\"Say \"\"Hi\"\"\",d.ttf,4KB");
}

TEST(FileRecord, UpdateNamesMatchesFamiliesAndChoosesDisplayNames) {
  RecordWorld w;
  const auto path = w.AddFont(u"jp.ttf", u"Gothic", u"Regular", 128);
  ASSERT_TRUE(w.local->AddBrowsedFontFile(path));
  w.local->UpdateNames();
  const auto& r = (*w.local)[0];
  EXPECT_FALSE(r.CannotDisplay);
  EXPECT_EQ(r.DisplayNames[0].Charset, 128);
  EXPECT_EQ(r.DisplayNames[0].DisplayFamilyName, u"Gothic");
  EXPECT_FALSE(r.DisplayNames[0].SystemNamed);
}

TEST(FileRecord, UpdateNamesTakesTheNamesWindowsGivesTheFile) {
  RecordWorld w;
  const std::u16string path = u"C:\\fonts\\odd.ttc";
  w.files.Put(
      path, Collection({SfntBuilder::Standard(BasicNames(u"Inner A")), SfntBuilder::Standard(BasicNames(u"Inner B"))}));
  w.fonts.familiesOfFile[LowerAscii(path)] = {{u"Outer A", 0, 2}, {u"@Outer A", 0, 2}, {u"Outer B", 0, 2}};
  w.registry.AddFont(u"Outer B (TrueType)", u"ELSEWHERE.TTF");
  w.registryData->LoadFontsList();
  ASSERT_TRUE(w.local->AddBrowsedFontFile(path));
  w.local->UpdateNames();
  const auto& r = (*w.local)[0];
  EXPECT_FALSE(r.CannotDisplay);
  EXPECT_EQ(r.Faces[0].FamilyName, u"Outer A");  // filled from the end, '@' names skipped
  EXPECT_EQ(r.Faces[1].FamilyName, u"Outer B");
  EXPECT_TRUE(r.DisplayNames[1].SystemNamed);
  EXPECT_EQ(r.DisplayNames[1].DisplayFamilyName, u"Outer B");
  EXPECT_TRUE(r.Has(Installed));  // one of the names is registered
}

TEST(FileRecord, UpdateNamesMarksUndisplayableFiles) {
  RecordWorld w;
  const std::u16string path = u"C:\\fonts\\blank.ttf";
  w.files.Put(path, FontBytes(u"Nobody"));  // registering it adds no family
  ASSERT_TRUE(w.local->AddBrowsedFontFile(path));
  w.local->UpdateNames();
  EXPECT_TRUE((*w.local)[0].CannotDisplay);
}

// A family longer than a LOGFONT holds is listed cut to 31 UTF-16 units; the file's record takes the cut
// name without the two walks over every family, and the answer is the one those walks give.
class LongFamilyNames : public ::testing::Test {
 protected:
  static constexpr char16_t kLong[] = u"Junicode Two Beta Condensed Light Italic";  // 40 units

  std::u16string AddLong(const std::u16string& fileName, const std::u16string& family, const std::u16string& listed) {
    const std::u16string path = u"C:\\fonts\\" + fileName;
    w.files.Put(path, FontBytes(family));
    w.fonts.familiesOfFile[LowerAscii(path)] = {{listed, 0, 2}, {u"@" + listed, 0, 2}};
    return path;
  }
  int Removals() const {
    return static_cast<int>(std::count_if(w.fonts.calls.begin(), w.fonts.calls.end(),
                                          [](const auto& c) { return c.rfind(u"remove ", 0) == 0; }));
  }
  // What registering the file again shows, the way every unmatched file was named before.
  std::u16string NameByRegistration(const std::u16string& path) {
    std::vector<std::u16string> names(1);
    EXPECT_TRUE(FamilyNamesGainedByFile(w.fonts, w.folding, path, names));
    return names[0];
  }

  RecordWorld w;
};

TEST_F(LongFamilyNames, TakesTheCutNameWithoutReRegisteringTheFile) {
  const std::u16string cut = std::u16string(kLong).substr(0, 31);
  const auto path = AddLong(u"long.otf", kLong, cut);
  w.AddFont(u"short.ttf", u"Short");
  ASSERT_TRUE(w.local->AddBrowsedFontFile(path));
  ASSERT_TRUE(w.local->AddBrowsedFontFile(u"C:\\fonts\\short.ttf"));
  w.local->UpdateNames();
  const auto& r = (*w.local)[0];
  EXPECT_FALSE(r.CannotDisplay);
  EXPECT_EQ(r.Faces[0].FamilyName, cut);
  EXPECT_EQ(r.Faces[0].FullName, u"");  // as when the name came from re-registering the file
  EXPECT_TRUE(r.DisplayNames[0].SystemNamed);
  EXPECT_EQ(r.DisplayNames[0].DisplayFamilyName, cut);
  EXPECT_EQ(r.DisplayNames[0].PitchAndFamily, 2);
  EXPECT_EQ(Removals(), 0);
  EXPECT_EQ(NameByRegistration(path), cut);
}

TEST_F(LongFamilyNames, ARegisteredCutNameMarksTheFileInstalled) {
  const std::u16string cut = std::u16string(kLong).substr(0, 31);
  const auto path = AddLong(u"long.otf", kLong, cut);
  w.registry.AddFont(cut + u" (TrueType)", u"LONG.OTF");
  w.registryData->LoadFontsList();
  ASSERT_TRUE(w.local->AddBrowsedFontFile(path));
  w.local->UpdateNames();
  EXPECT_TRUE((*w.local)[0].Has(Installed));
}

TEST_F(LongFamilyNames, ACutThatSplitsASurrogatePairIsAlsoTriedWithoutThePair) {
  // 30 units, then U+20B9F (two units) across the cut, then more.
  const std::u16string family = std::u16string(30, u'A') + u"\U00020B9F" + u" Extra Long";
  const std::u16string before = family.substr(0, 30);
  const auto path = AddLong(u"pair.ttf", family, before);
  ASSERT_TRUE(w.local->AddBrowsedFontFile(path));
  w.local->UpdateNames();
  EXPECT_EQ((*w.local)[0].Faces[0].FamilyName, before);
  EXPECT_EQ(Removals(), 0);
}

TEST_F(LongFamilyNames, NamesOtherFacesCouldShareAreFoundByRegisteringAgain) {
  const std::u16string cut = std::u16string(kLong).substr(0, 31);
  const auto light = AddLong(u"light.otf", kLong, cut);
  const auto other = AddLong(u"other.otf", cut, cut);  // a family of exactly the cut name
  ASSERT_TRUE(w.local->AddBrowsedFontFile(light));
  ASSERT_TRUE(w.local->AddBrowsedFontFile(other));
  w.local->UpdateNames();
  EXPECT_EQ(Removals(), 1);                                 // the long one only; the short one matched
  EXPECT_FALSE((*w.local)[0].DisplayNames[0].SystemNamed);  // the other file still lists the name
  EXPECT_FALSE((*w.local)[0].CannotDisplay);
}

TEST_F(LongFamilyNames, StyleVariantsOfOneFamilyShareTheCutName) {
  // Registering one variant again adds no family while the others keep it listed: each takes the cut name.
  const std::u16string cut = std::u16string(kLong).substr(0, 31);
  for (const std::u16string style : {u"Regular", u"Bold", u"Italic", u"Bold Italic"}) {
    const std::u16string path = u"C:\\fonts\\v " + style + u".otf";
    w.files.Put(path, FontBytes(kLong, style));
    w.fonts.familiesOfFile[LowerAscii(path)] = {{cut, 0, 2}, {u"@" + cut, 0, 2}};
    ASSERT_TRUE(w.local->AddBrowsedFontFile(path));
  }
  w.local->UpdateNames();
  EXPECT_EQ(Removals(), 0);
  for (const auto& record : w.local->Items) {
    EXPECT_FALSE(record->CannotDisplay);
    EXPECT_TRUE(record->DisplayNames[0].SystemNamed);
    EXPECT_EQ(record->Faces[0].FamilyName, cut);
  }
}

TEST_F(LongFamilyNames, TwoLongFamiliesOfOneCutAreFoundByRegisteringAgain) {
  const std::u16string cut = std::u16string(kLong).substr(0, 31);
  const auto italic = AddLong(u"italic.otf", kLong, cut);
  const auto bold = AddLong(u"bold.otf", cut + u"t Bold", cut);  // another family, the same first 31 units
  ASSERT_TRUE(w.local->AddBrowsedFontFile(italic));
  ASSERT_TRUE(w.local->AddBrowsedFontFile(bold));
  FakeProgress progress{&w.loop};
  {
    ProgressScope window(w.loop, progress, u"t");
    w.local->UpdateNames();
  }
  EXPECT_EQ(Removals(), 2);
  EXPECT_EQ(progress.pumps, 2);  // the status window stays responsive between the files' walks
  EXPECT_FALSE(w.loop.InLoop());
}

TEST_F(LongFamilyNames, AFileWindowsRefusedIsUndisplayableWithoutRegisteringItAgain) {
  const std::u16string path = u"C:\\fonts\\refused.ttf";
  w.files.Put(path, FontBytes(kLong));  // registering it adds nothing: AddFontResourceW answers 0
  ASSERT_TRUE(w.local->AddBrowsedFontFile(path));
  w.local->UpdateNames();
  EXPECT_TRUE((*w.local)[0].CannotDisplay);
  EXPECT_EQ(Removals(), 0);
  std::vector<std::u16string> names(1);
  EXPECT_FALSE(FamilyNamesGainedByFile(w.fonts, w.folding, path, names));  // what re-registering would say
}

TEST_F(LongFamilyNames, FilesNotRegisteredForPreviewAreFoundTheOldWay) {
  const std::u16string cut = std::u16string(kLong).substr(0, 31);
  const auto path = AddLong(u"long.otf", kLong, cut);
  w.fonts.AddResource(path);  // known to Windows, though the list did not register it
  w.registry.AddFont(std::u16string(kLong) + u" (TrueType)", u"LONG.OTF");
  w.registryData->LoadFontsList();
  ASSERT_TRUE(w.local->AddBrowsedFontFile(path));  // registered name, family unknown: RegisteredOnly
  w.local->UpdateNames();
  EXPECT_EQ(Removals(), 1);
  EXPECT_EQ((*w.local)[0].Faces[0].FamilyName, cut);
}

TEST(FileRecord, FamilyMembersAndProtection) {
  RecordWorld w;
  w.AddFont(u"sans.ttf", u"Sans");
  w.AddFont(u"sansb.ttf", u"Sans", u"Bold");
  w.AddFont(u"serifb.ttf", u"Serif", u"Bold");
  for (auto name : {u"sans.ttf", u"sansb.ttf", u"serifb.ttf"})
    ASSERT_NE(w.installed->AddFontFile(std::u16string(u"C:\\fonts\\") + name), nullptr);
  MarkFamilyMembers(w.installed->Items, w.folding);
  EXPECT_FALSE((*w.installed)[0].FamilyMember);
  EXPECT_TRUE((*w.installed)[1].FamilyMember);
  EXPECT_FALSE((*w.installed)[2].FamilyMember);

  w.registry.Add(kSystemLinkPath, u"Tahoma", RegValueKind::MultiString, std::u16string(u"SANSB.TTF,Sans\0", 15));
  w.registryData->LoadProtectedLists();
  w.installed->UpdateNames();
  EXPECT_FALSE((*w.installed)[0].Has(Protected));
  EXPECT_TRUE((*w.installed)[1].Has(Protected));
}

}  // namespace
}  // namespace velura::testing

namespace velura::testing {
namespace {

TEST(TextExport, Utf16LittleEndianWithBomAndCrLf) {
  const auto bytes = Utf16LeLines({u"A,字", u""});
  EXPECT_EQ(bytes, (Bytes{0xFF, 0xFE, 'A', 0, ',', 0, 0x57, 0x5B, '\r', 0, '\n', 0, '\r', 0, '\n', 0}));
}

}  // namespace
}  // namespace velura::testing
