#include "records/system_needed_fonts.h"

#include <gtest/gtest.h>

#include "record_world.h"
#include "records/long_operations.h"
#include "records/reg_font_rules.h"

namespace velura::testing {
namespace {

using namespace std::string_literals;

class FakeSystemFontFacts final : public SystemFontFacts {
 public:
  SystemUiFontSources sources;
  std::vector<std::u16string> protectedFiles;  // lower-cased
  SystemUiFontSources UiFontSources() override { return sources; }
  bool IsWindowsProtectedFile(const std::u16string& path) override {
    return std::find(protectedFiles.begin(), protectedFiles.end(), LowerAscii(path)) != protectedFiles.end();
  }
};

TEST(SystemNeededFonts, TakesTheFirstFileOfEachSystemLinkListOnly) {
  SystemUiFontSources sources;
  sources.ShellDialogSubstitutes = {u"MS UI Gothic", u"Tahoma"};
  sources.MetricsFaces = {u"Yu Gothic UI", u""};
  sources.SystemLinkLists = {u"MSGOTHIC.TTC,MS UI Gothic\0MINGLIU.TTC,PMingLiU"s, u""};
  const SystemNeededNames needed = NeededNamesOf(sources);
  EXPECT_EQ(needed.Families, (std::vector<std::u16string>{u"MS UI Gothic", u"Tahoma", u"Yu Gothic UI"}));
  EXPECT_EQ(needed.Files, std::vector<std::u16string>{u"MSGOTHIC.TTC"});
  FakeFolding folding;
  const SystemNeededLookup lookup(needed, folding);
  EXPECT_TRUE(lookup.IsNeeded(u"msgothic.ttc", {}));
  EXPECT_FALSE(lookup.IsNeeded(u"mingliu.ttc", {u"PMingLiU"}));
  EXPECT_TRUE(lookup.IsNeeded(u"x.ttf", {u"", u"tahoma"}));
}

// The fonts the system's interface names and the files Windows guards are marked like Marlett, so that the
// uninstall guard refuses them; another font is left as it was.
TEST(SystemNeededFonts, InstalledListMarksWhatWindowsNeedsAsSystemFonts) {
  RecordWorld w;
  FakeSystemFontFacts facts;
  w.services->SystemFacts = &facts;
  for (const auto& family : {u"Dialog", u"Caption", u"Linked", u"Guarded", u"Plain"}) {
    const std::u16string name(family);
    w.AddFont(name + u".ttf", name, u"Regular", 0, kFontsFolder);
    w.registry.AddFont(name + u" (TrueType)", name + u".ttf");
  }
  facts.sources.ShellDialogSubstitutes = {u"dialog"};
  facts.sources.MetricsFaces = {u"Caption"};
  facts.sources.SystemLinkLists = {u"LINKED.TTF,Linked\0PLAIN.TTF,Plain"s};
  facts.protectedFiles = {LowerAscii(kFontsFolder + u"\\Guarded.ttf")};
  FakeProgress progress(&w.loop);
  w.registryData->LoadFontsList();
  LoadInstalledFromRegistry(w.loop, *w.installed, *w.registryData, kFontsFolder, nullptr, &progress);
  ASSERT_EQ(w.installed->Count(), 5);
  for (const auto& record : w.installed->Items)
    EXPECT_EQ(record->Has(SystemFont), FileNamePart(record->Path) != u"Plain.ttf") << ToUtf8(record->Path);
}

}  // namespace
}  // namespace velura::testing
