// Switching groups off under Wine: only the font lists of the group switched off and of its descendants are
// released, the others keep theirs, and the store releases what is left at the end. This Wine's font code
// corrupts its state once a font that was enumerated is removed (the next text drawn or font enumerated in
// the process can hang), so the release here records and empties the lists without RemoveFontResourceW;
// the real loop (ReleaseAll) is the one the browsers use.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "fontfile/font_enum_win.h"
#include "platform/ansi_win.h"
#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/pump_win.h"
#include "support/test_fonts_win.h"
#include "ui/onetime/form_onetime_inst_win.h"

namespace velura::testing {
namespace {

constexpr char16_t kParent[] = u"OneTimeReleaseP";
constexpr char16_t kChild[] = u"OneTimeReleaseC";

class OneTimeRelease : public BrowserTest {
 protected:
  void Command(int action) { SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0); }

  std::vector<std::u16string> released;  // the file of each list released
  TGroupRootClass groups{[this](TFileData_OneTimeInst& list) {
    for (const auto& record : list.Items) released.push_back(record->Path);
    list.Clear();
  }};
  std::unique_ptr<TForm_OneTimeInst> form;
};

TEST_F(OneTimeRelease, AChildSwitchedOffReleasesOnlyItsOwnFonts) {
  ASSERT_TRUE(WriteRenamedFont(folder / L"p.ttf", kParent));
  ASSERT_TRUE(WriteRenamedFont(folder / L"c.ttf", kChild));
  LoadInstalled();
  TGroupItem& parent = groups.AddGroup(nullptr);
  parent.AddPath(ToAnsi(folder.U16(L"p.ttf")), false);
  TGroupItem& child = parent.AddChild();
  child.AddPath(ToAnsi(folder.U16(L"c.ttf")), false);

  form = std::make_unique<TForm_OneTimeInst>(Engine(), settings, groups, [] {});  // never shown
  form->SelectGroup(&parent);
  Command(Action_ShowSample);
  ASSERT_TRUE(child.Registered());
  EXPECT_TRUE(IsFontFamilyKnown(ToWide(kParent)));
  EXPECT_TRUE(IsFontFamilyKnown(ToWide(kChild)));

  form->SelectGroup(&child);
  Command(Action_ShowSample);
  EXPECT_FALSE(child.Registered());
  EXPECT_TRUE(parent.Registered());
  ASSERT_EQ(released.size(), 1u);
  EXPECT_TRUE(released[0].ends_with(u"\\c.ttf"));
  EXPECT_EQ(child.PathCollection[0]->FontList->Count(), 0);
  EXPECT_EQ(parent.PathCollection[0]->FontList->Count(), 1);
  EXPECT_EQ(form->FontTree().Count(), 0);  // the child is selected: not registered, nothing shown

  // Switching the child on again loads it again; closing the window releases nothing; the store's end
  // releases every list that holds fonts.
  Command(Action_ShowSample);
  EXPECT_EQ(child.PathCollection[0]->FontList->Count(), 1);
  form.reset();
  EXPECT_EQ(released.size(), 1u);
  groups.ReleaseEverything();
  EXPECT_EQ(released.size(), 3u);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
}

}  // namespace
}  // namespace velura::testing
