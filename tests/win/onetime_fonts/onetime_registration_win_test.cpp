// Registering groups for the session under Wine: a parent switched on registers its descendants, whose
// fonts this same process can then draw. This Wine's font code hangs or crashes when fonts are released
// after they were drawn in the process, so nothing is released here: the registrations end with the
// process (tests/win/onetime_release switches groups off without drawing).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "fontfile/font_enum_win.h"
#include "platform/ansi_win.h"
#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/dialog_answer_win.h"
#include "support/dpi_change_win.h"
#include "support/picture_regions_win.h"
#include "support/pump_win.h"
#include "support/screenshot_win.h"
#include "support/test_fonts_win.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/sample_texts.h"
#include "ui/onetime/form_onetime_inst_win.h"

namespace velura::testing {
namespace {

constexpr char16_t kParentA[] = u"OneTimeParentAA";
constexpr char16_t kParentB[] = u"OneTimeParentBB";
constexpr char16_t kChild[] = u"OneTimeChildCCC";

std::wstring StatusText(HWND bar, int part) {
  wchar_t text[512] = {};
  SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
  return text;
}

int StateImageOf(HWND tree, HTREEITEM item) {
  return static_cast<int>(TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) >> 12);
}

// Pixels of a line drawn in the family against the same line in the interface font: a registered family
// draws its own shapes.
int DrawnDifference(const std::u16string& family) {
  LOGFONTW face{};
  if (!FindLogFont(ToWide(family), face)) return 0;
  face.lfHeight = -40;
  face.lfWidth = 0;
  ui::UniqueFont own(CreateFontIndirectW(&face));
  ui::UniqueFont fallback(CreateFontW(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  const wchar_t text[] = L"Ag Hamburgefonstiv";
  return DifferingPixels(RenderText(500, 60, RGB(255, 255, 255), 0, own.Get(), 4, 4, text),
                         RenderText(500, 60, RGB(255, 255, 255), 0, fallback.Get(), 4, 4, text));
}

class OneTimeRegistration : public BrowserTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateDirectoryW((folder / L"parent").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((folder / L"child").c_str(), nullptr));
    ASSERT_TRUE(WriteRenamedFont(folder / L"parent\\pa.ttf", kParentA));
    ASSERT_TRUE(WriteRenamedFontFrom(u"Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationSans-Bold.ttf",
                                     folder / L"parent\\pb.ttf", kParentB));
    ASSERT_TRUE(WriteRenamedFont(folder / L"child\\ch.ttf", kChild));
    LoadInstalled();
  }
  void Command(int action) {
    SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(action, 0), 0);
    PumpUntilIdle();
  }

  // The fonts stay registered until the process ends (see above).
  TGroupRootClass groups{[](TFileData_OneTimeInst&) {}};
  std::unique_ptr<TForm_OneTimeInst> form;
};

TEST_F(OneTimeRegistration, AParentRegistersItsDescendantsWhoseFontsAreDrawnAndDetailed) {
  TGroupItem& parent = groups.AddGroup(nullptr);
  parent.GroupName = "parent";
  parent.AddPath(ToAnsi(folder.U16(L"parent")), true);
  TGroupItem& child = parent.AddChild();
  child.GroupName = "child";
  child.AddPath(ToAnsi(folder.U16(L"child\\ch.ttf")), false);
  TGroupItem& empty = groups.AddGroup(nullptr);
  empty.GroupName = "empty";

  form = std::make_unique<TForm_OneTimeInst>(Engine(), settings, groups, [] {});
  form->Open();
  form->SelectGroup(&parent);
  PumpUntilIdle();
  EXPECT_EQ(DrawnDifference(kChild), 0);  // not known before

  Command(Action_ShowSample);
  EXPECT_TRUE(parent.Registered());
  EXPECT_TRUE(child.Registered());
  EXPECT_TRUE(child.PathCollection[0]->Loaded);
  const HWND groupTree = form->GroupTree();
  const HTREEITEM parentItem = TreeView_GetRoot(groupTree);
  EXPECT_EQ(StateImageOf(groupTree, parentItem), 2);
  EXPECT_EQ(StateImageOf(groupTree, TreeView_GetChild(groupTree, parentItem)), 2);
  EXPECT_EQ(form->FontTree().Count(), 3);
  EXPECT_GT(DrawnDifference(kParentA), 200);
  EXPECT_GT(DrawnDifference(kParentB), 200);
  EXPECT_GT(DrawnDifference(kChild), 200);
  EXPECT_EQ(SendMessageW(form->Samples().TntListBox_zel_Sample.Hwnd(), LB_GETCOUNT, 0, 0), 3);

  // Status bar after a press in the font view; the exports.
  form->UpdateStatus();
  EXPECT_EQ(StatusText(form->StatusBar1->hwnd, 0), L" ファイル数： 3");
  EXPECT_EQ(StatusText(form->StatusBar1->hwnd, 1), L" 選択数： 0 （0KB）");
  EXPECT_EQ(form->TreeTextLines().size(), 3u);
  EXPECT_EQ(form->CsvLinesOfFontView().size(), 4u);
  EXPECT_TRUE(form->FormActions().IsEnabled(Action_ExportTreeTxtOneTime));
  EXPECT_FALSE(form->FormActions().IsEnabled(Action_installOneTime));  // nothing ticked

  // A font node selects its entry in the content view and fills the details window.
  TreeViewFileTree& fonts = form->FontTree();
  FileTree::Node childNode = nullptr;
  for (FileTree::Node n = fonts.First(); n; n = fonts.NextSibling(n))
    if (fonts.Record(n) && fonts.Record(n)->Path.ends_with(u"ch.ttf")) childNode = n;
  ASSERT_NE(childNode, nullptr);
  fonts.Select(childNode);
  PumpUntilIdle();
  EXPECT_EQ(form->SelectedEntry(), child.PathCollection[0].get());
  EXPECT_EQ(ui::WindowText(form->SubForm().Details().TntMemo_FontName->hwnd), ToWide(kChild));
  EXPECT_EQ(StatusText(form->SubForm().StatusBar1->hwnd, 0), L"未インストール");
  Command(Action_ShowSubForm);
  EXPECT_TRUE(IsWindowVisible(form->SubForm().Hwnd()));
  EXPECT_TRUE(form->FormActions().IsChecked(Action_ShowSubForm));
  PumpUntilIdle();
  const Picture window = CaptureWindow(form->Hwnd());
  const Picture details = CaptureWindow(form->SubForm().Hwnd());
  EXPECT_TRUE(SavePng(window, ScreenshotPath(L"onetime_registered.png")));
  EXPECT_TRUE(SavePng(details, ScreenshotPath(L"onetime_details.png")));
  EXPECT_GT(window.width, 0);

  // A ticked font enables the install wherever it is in the view; the install asks for the destination.
  ToggleNodeTick(fonts, childNode);
  form->UpdateStatus();
  EXPECT_EQ(StatusText(form->StatusBar1->hwnd, 1), L" 選択数： 1 （401KB）");
  EXPECT_TRUE(form->FormActions().IsEnabled(Action_installOneTime));
  {
    DialogAnswer cancel = AnswerNextDialog(L"インストール先", IDCANCEL);
    Command(Action_installOneTime);
    EXPECT_TRUE(cancel.Came());
  }
  EXPECT_FALSE(fonts.Record(childNode)->Has(Installed));
  ToggleNodeTick(fonts, childNode);

  // The child alone off: the parent's view leaves its fonts out.
  form->SelectGroup(&child);
  Command(Action_ShowSample);
  EXPECT_FALSE(child.Registered());
  EXPECT_TRUE(parent.Registered());
  EXPECT_EQ(StateImageOf(groupTree, TreeView_GetChild(groupTree, parentItem)), 1);
  EXPECT_EQ(StateImageOf(groupTree, parentItem), 2);
  form->SelectGroup(&parent);
  PumpUntilIdle();
  EXPECT_EQ(form->FontTree().Count(), 2);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
}

int StateCellSize(HWND tree) {
  int width = 0, height = 0;
  ImageList_GetIconSize(TreeView_GetImageList(tree, TVSIL_STATE), &width, &height);
  return width;
}

TEST_F(OneTimeRegistration, At144DpiSampleLinesAndTickPicturesFollowTheWindow) {
  TGroupItem& parent = groups.AddGroup(nullptr);
  parent.GroupName = "parent";
  parent.AddPath(ToAnsi(folder.U16(L"parent")), true);
  form = std::make_unique<TForm_OneTimeInst>(Engine(), settings, groups, [] {});
  form->Open();
  form->SelectGroup(&parent);
  Command(Action_ShowSample);
  const HWND samples = form->Samples().ListHwnd();
  ASSERT_EQ(SendMessageW(samples, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(StateCellSize(form->FontTree().Hwnd()), 12);

  ChangeDpi(form->Hwnd(), 144);
  ASSERT_EQ(form->Dpi(), 144);
  for (int line = 0; line < 2; ++line)
    EXPECT_EQ(SendMessageW(samples, LB_GETITEMHEIGHT, line, 0), SampleItemHeight(form->SampleSize(), 144)) << line;
  for (HWND tree : {form->FontTree().Hwnd(), form->GroupTree()}) {
    EXPECT_EQ(StateCellSize(tree), 24);
    // The nodes already there moved their text past the bigger pictures.
    RECT text{};
    const HTREEITEM root = TreeView_GetRoot(tree);
    std::memcpy(&text, &root, sizeof root);  // TVM_GETITEMRECT takes the item in the rectangle
    ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text)));
    EXPECT_GE(text.left, static_cast<LONG>(TreeView_GetIndent(tree)) + 24);
  }
  form->SetSampleSize(48);
  EXPECT_EQ(SendMessageW(samples, LB_GETITEMHEIGHT, 0, 0), SampleItemHeight(48, 144));

  form->FontTree().Select(form->FontTree().First());
  PumpUntilIdle();
  // Kept to be looked at: the heights and cells above are what the test checks.
  SavePng(CaptureWindow(form->Hwnd()), ScreenshotPath(L"onetime_144dpi.png"));
  EXPECT_TRUE(recorder.messages.empty()) << recorder.Describe();
}

}  // namespace
}  // namespace velura::testing
