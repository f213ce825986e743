// Families longer than a LOGFONT holds, on the real GDI: the record takes the name Windows lists, the
// same name that removing and registering the file again reveals.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/wide_win.h"
#include "records/long_operations.h"
#include "support/browser_fixture_win.h"
#include "support/test_fonts_win.h"

namespace velura::testing {
namespace {

class LongFamilyOnWindows : public BrowserTest {
 protected:
  // Loads one generated font and checks its name against the one re-registering the file gives.
  void LoadAndCompare(const std::u16string& family, const std::u16string& expected = {}) {
    const std::wstring path = folder / L"長い名前.ttf";
    ASSERT_TRUE(WriteFontWithFamily(path, family));
    TFileData_local list(Engine().Records());
    RunLoadFiles(Engine().Loop(), progress, {ToU16(path)}, list, true);
    ASSERT_EQ(list.Count(), 1);
    const TFileDataItem& record = list[0];
    EXPECT_FALSE(record.CannotDisplay);
    EXPECT_TRUE(record.DisplayNames[0].SystemNamed);
    if (!expected.empty()) {
      EXPECT_EQ(record.Faces[0].FamilyName, expected);
    }
    EXPECT_EQ(record.DisplayNames[0].DisplayFamilyName, record.Faces[0].FamilyName);
    EXPECT_EQ(record.Faces[0].FullName, u"");

    std::vector<std::u16string> byRegistration(1);
    ASSERT_TRUE(
        FamilyNamesGainedByFile(Engine().Records().Fonts, Engine().Records().Folding, ToU16(path), byRegistration));
    EXPECT_EQ(byRegistration[0], record.Faces[0].FamilyName);
    EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
    SilentBarProgress bar;
    ReleaseAll(list, bar);
  }
};

TEST_F(LongFamilyOnWindows, FortyCharactersAreListedAsTheFirst31) {
  const std::u16string family = u"Velura Generated Long Family Name 40 ch";
  ASSERT_EQ(family.size(), 39u);
  LoadAndCompare(family + u"s", (family + u"s").substr(0, 31));
}

TEST_F(LongFamilyOnWindows, JapaneseFamilyCutInsideTheBasicPlane) {
  const std::u16string family = u"ベルーラ生成フォントの長い長い名前はここで三十一文字を越えて切られます";
  ASSERT_GT(family.size(), 31u);
  LoadAndCompare(family, family.substr(0, 31));
}

TEST_F(LongFamilyOnWindows, ACutThroughASurrogatePairNamesTheFileAsRegisteringItDoes) {
  LoadAndCompare(u"Velura Generated Pair Family X\U00020B9F\U00020B9F and more");
}

}  // namespace
}  // namespace velura::testing
