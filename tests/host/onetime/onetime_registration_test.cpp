// The one-time registration switch on plain records: what loading and releasing a group register and undo.
#include "ui/onetime/onetime_registration.h"

#include <gtest/gtest.h>

#include "../records/engine_world.h"
#include "../records/record_world.h"
#include "records/long_operations.h"

namespace velura::testing {
namespace {

class RecordingBar final : public BarProgress {
 public:
  void SetMaximum(int) override {}
  void SetPosition(int) override {}
};

class OneTimeRegistration : public ::testing::Test {
 protected:
  OneTimeRegistration() {
    engine = &world.Make();
    world.files.MakeFolder(u"C:\\g");
    world.files.MakeFolder(u"C:\\g\\sub");
    groups.SetRelease([this](TFileData_OneTimeInst& list) { ReleaseAll(list, bar); });
  }
  std::u16string Font(const std::u16string& path, const std::u16string& family) {
    world.files.Put(path, FontBytes(family));
    world.fonts.familiesOfFile[LowerAscii(path)] = {TLogFontName{family, 0, 2}};
    return path;
  }
  std::size_t Registered(const std::u16string& path) const { return world.fonts.registered.count(LowerAscii(path)); }
  bool Switch(TGroupItem& group) {
    return SwitchGroupRegistration(groups, group, [this](TGroupItem& owner, TNameItem& entry) {
      LoadGroupEntry(*engine, owner, entry, FromUtf8(entry.Path), progress);
    });
  }

  EngineWorld world;
  TProcedureClass* engine = nullptr;
  FakeProgress progress;
  RecordingBar bar;
  TGroupRootClass groups;
};

TEST_F(OneTimeRegistration, AParentRegistersItsDescendantsAndAChildReleasesOnlyItself) {
  const auto a = Font(u"C:\\g\\a.ttf", u"A"), b = Font(u"C:\\g\\sub\\b.ttf", u"B");
  TGroupItem& parent = groups.AddGroup(nullptr);
  parent.AddPath("C:\\g\\a.ttf", false);
  TGroupItem& child = groups.AddGroup(&parent);
  TNameItem& folder = child.AddPath("C:\\g\\sub", true);

  EXPECT_TRUE(Switch(parent));
  EXPECT_TRUE(parent.Registered() && child.Registered() && folder.Loaded);
  EXPECT_EQ(Registered(a), 1u);
  EXPECT_EQ(Registered(b), 1u);
  ASSERT_TRUE(folder.FontList);
  EXPECT_EQ(folder.FontList->Count(), 1);

  EXPECT_FALSE(Switch(child));
  EXPECT_FALSE(child.Registered() || folder.Loaded);
  EXPECT_TRUE(parent.Registered());
  EXPECT_EQ(Registered(a), 1u);
  EXPECT_EQ(Registered(b), 0u);
  EXPECT_EQ(folder.FontList->Count(), 0);
}

TEST_F(OneTimeRegistration, AParentSwitchedOnLoadsOnlyWhatItsDescendantsHaveNotLoaded) {
  const auto a = Font(u"C:\\g\\a.ttf", u"A"), b = Font(u"C:\\g\\sub\\b.ttf", u"B");
  TGroupItem& parent = groups.AddGroup(nullptr);
  TNameItem& file = parent.AddPath("C:\\g\\a.ttf", false);
  TGroupItem& child = groups.AddGroup(&parent);
  TNameItem& folder = child.AddPath("C:\\g\\sub", true);

  EXPECT_TRUE(Switch(child));
  EXPECT_TRUE(Switch(parent));
  EXPECT_EQ(file.FontList->Count(), 1);
  EXPECT_EQ(folder.FontList->Count(), 1);
  EXPECT_EQ(Registered(a), 1u);
  EXPECT_EQ(Registered(b), 1u);
  EXPECT_EQ(engine->Registrations().Holders(b), 1);
}

TEST_F(OneTimeRegistration, AFileInsideAFolderOfTheSameGroupIsLoadedOnce) {
  const auto b = Font(u"C:\\g\\sub\\b.ttf", u"B");
  TGroupItem& group = groups.AddGroup(nullptr);
  TNameItem& folder = group.AddPath("C:\\g\\sub", true);
  TNameItem& file = group.AddPath("C:\\G\\SUB\\B.TTF", false);
  Switch(group);
  EXPECT_EQ(folder.FontList->Count() + file.FontList->Count(), 1);
  EXPECT_EQ(engine->Registrations().Holders(b), 1);
  // Another group of its own loads it all the same.
  TGroupItem& other = groups.AddGroup(nullptr);
  TNameItem& again = other.AddPath("C:\\g\\sub\\b.ttf", false);
  Switch(other);
  EXPECT_EQ(again.FontList->Count(), 1);
}

TEST_F(OneTimeRegistration, TheSamePathTwiceInAGroupIsFoundWhateverItsCaseAndSeparators) {
  TGroupItem& group = groups.AddGroup(nullptr);
  group.AddPath("C:\\Fonts\\", true);
  group.AddPath("C:\\Fonts\\a.ttf", false);
  const auto asText = [](const std::string& path) { return FromUtf8(path); };
  const FontRegistrations& keys = engine->Registrations();
  EXPECT_TRUE(HasSameEntry(group, u"c:/fonts", keys, asText));
  EXPECT_TRUE(HasSameEntry(group, u"c:\\FONTS\\A.TTF", keys, asText));
  EXPECT_FALSE(HasSameEntry(group, u"C:\\Fonts\\b.ttf", keys, asText));
  EXPECT_FALSE(HasSameEntry(groups.AddGroup(&group), u"C:\\Fonts", keys, asText));  // a child's own entries
  EXPECT_EQ(EntryPathKey(keys, u"C:\\"), u"c:\\");
  EXPECT_EQ(SameEntryNote({u"C:\\a.ttf", u"C:\\b.ttf"}), u"登録済みのため追加しませんでした： C:\\a.ttf ほか 1 件");
}

TEST_F(OneTimeRegistration, AnEmptyGroupIsMarkedAndUnreadableFilesAreLeftOutSilently) {
  TGroupItem& empty = groups.AddGroup(nullptr);
  EXPECT_TRUE(Switch(empty));
  EXPECT_TRUE(empty.Registered());

  world.files.Put(u"C:\\g\\bad.ttf", Bytes(32, 7));
  TGroupItem& bad = groups.AddGroup(nullptr);
  TNameItem& entry = bad.AddPath("C:\\g\\bad.ttf", false);
  EXPECT_TRUE(Switch(bad));
  EXPECT_TRUE(entry.Loaded);
  EXPECT_EQ(entry.FontList->Count(), 0);
  EXPECT_TRUE(world.fonts.registered.empty());
}

TEST_F(OneTimeRegistration, AnInstalledFontIsNotRegisteredAgainNorReleased) {
  const auto a = Font(u"C:\\g\\a.ttf", u"A");
  world.registry.AddFont(u"A (TrueType)", u"a.ttf");
  world.fonts.systemFamilies.push_back({u"A", 0, 2});
  engine->RegData().LoadFontsList();
  TGroupItem& group = groups.AddGroup(nullptr);
  group.AddPath("C:\\g\\a.ttf", false);
  Switch(group);
  Switch(group);
  EXPECT_EQ(world.fonts.calls, std::vector<std::u16string>{});
  EXPECT_EQ(Registered(a), 0u);
}

}  // namespace
}  // namespace velura::testing
