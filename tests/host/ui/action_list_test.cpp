#include "ui/framework/action_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velura::ui {
namespace {

// The kind of state a browser's predicates read: node count, something ticked, administrator mode.
struct BrowserState {
  int nodes = 0;
  bool ticked = false;
  bool admin = true;
};

enum : int { kInstall = 101, kSelectAll, kPrint, kSize12, kSize18 };

class ActionListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    actions.Add({kInstall, u"選択フォントをインストール", u"", 0,
                 [this] { return state.nodes >= 2 && state.ticked && state.admin; }, {}, false,
                 [this] { ++installs; }});
    actions.Add({kSelectAll, u"すべて選択", u"", MakeShortcut('A', false, true, false),
                 [this] { return state.nodes >= 2; }, {}, false, [this] { state.ticked = true; }});
    actions.Add({kPrint, u"印刷...", u"", 0, {}, {}, false, {}});
    actions.Add({kSize12, u"12", u"", 0, {}, [this] { return size == 12; }, true, [this] { size = 12; }});
    actions.Add({kSize18, u"18", u"", 0, {}, [this] { return size == 18; }, true, [this] { size = 18; }});
  }
  BrowserState state;
  ActionList actions;
  int installs = 0;
  int size = 18;
};

TEST_F(ActionListTest, PredicatesFollowTheState) {
  EXPECT_FALSE(actions.IsEnabled(kInstall));
  state.nodes = 2;
  EXPECT_FALSE(actions.IsEnabled(kInstall));
  EXPECT_TRUE(actions.Execute(kSelectAll));
  EXPECT_TRUE(actions.IsEnabled(kInstall));
  state.admin = false;
  EXPECT_FALSE(actions.IsEnabled(kInstall));
  EXPECT_TRUE(actions.IsEnabled(kPrint));  // no predicate: always
  EXPECT_FALSE(actions.IsEnabled(999));
}

TEST_F(ActionListTest, ExecuteRechecksThePredicateAndRefusesDuringALongOperation) {
  EXPECT_FALSE(actions.Execute(kInstall));  // a WM_COMMAND for a disabled command
  EXPECT_EQ(installs, 0);
  state = {5, true, true};
  ++LongOperationDepth;
  EXPECT_FALSE(actions.IsEnabled(kInstall));
  EXPECT_FALSE(actions.Execute(kInstall));
  --LongOperationDepth;
  EXPECT_TRUE(actions.Execute(kInstall));
  EXPECT_EQ(installs, 1);
  EXPECT_FALSE(actions.Execute(kPrint));  // enabled but without a handler: nothing runs
  EXPECT_FALSE(actions.Execute(999));
}

TEST_F(ActionListTest, RadioItemsReportTheirCheckState) {
  EXPECT_TRUE(actions.IsChecked(kSize18));
  EXPECT_FALSE(actions.IsChecked(kSize12));
  actions.Execute(kSize12);
  EXPECT_TRUE(actions.IsChecked(kSize12));
  EXPECT_FALSE(actions.IsChecked(kSize18));
  EXPECT_FALSE(actions.IsChecked(kInstall));  // no predicate: never checked
}

TEST_F(ActionListTest, MenuTextAndAcceleratorsComeFromTheSameShortcut) {
  EXPECT_EQ(actions.MenuText(kSelectAll), u"すべて選択\tCtrl+A");
  EXPECT_EQ(actions.MenuText(kInstall), u"選択フォントをインストール");
  ASSERT_EQ(actions.Accelerators().size(), 1u);
  EXPECT_EQ(actions.Accelerators()[0], (AcceleratorKey{0x01 | 0x08, 'A', kSelectAll}));

  const int before = actions.ShortcutGeneration();
  actions.SetShortcut(kInstall, MakeShortcut(0x70 + 4, true, false, true));
  EXPECT_NE(actions.ShortcutGeneration(), before);
  EXPECT_EQ(actions.MenuText(kInstall), u"選択フォントをインストール\tShift+Alt+F5");
  EXPECT_EQ(actions.Accelerators().size(), 2u);
  const int after = actions.ShortcutGeneration();
  actions.SetShortcut(kInstall, actions.Find(kInstall)->shortcut);  // unchanged: no rebuild needed
  EXPECT_EQ(actions.ShortcutGeneration(), after);
  actions.SetShortcut(kSelectAll, 0);
  EXPECT_EQ(actions.MenuText(kSelectAll), u"すべて選択");
}

TEST_F(ActionListTest, IdsMustBeUniqueAndNonZero) {
  Action twice;
  twice.id = kPrint;
  EXPECT_THROW(actions.Add(twice), std::invalid_argument);
  Action none;
  EXPECT_THROW(actions.Add(none), std::invalid_argument);
}

TEST(Shortcut, CodesConvertToHotKeysAndBack) {
  const std::uint16_t ctrlShiftF = MakeShortcut('F', true, true, false);
  EXPECT_EQ(ctrlShiftF, 0x6000 | 'F');
  EXPECT_EQ(ShortcutToHotKey(ctrlShiftF), (0x03 << 8) | 'F');
  EXPECT_EQ(HotKeyToShortcut(ShortcutToHotKey(ctrlShiftF)), ctrlShiftF);
  EXPECT_EQ(HotKeyToShortcut((0x0C << 8) | 0x2E), MakeShortcut(0x2E, false, false, true));  // extended flag dropped
  EXPECT_EQ(ShortcutToHotKey(kShortcutCtrl), 0);  // modifiers without a key are no shortcut
  EXPECT_EQ(MakeShortcut(0, true, true, true), 0);
}

TEST(Shortcut, TextNamesModifiersAndKeys) {
  EXPECT_EQ(ShortcutText(0), u"");
  EXPECT_EQ(ShortcutText(MakeShortcut('C', false, true, false)), u"Ctrl+C");
  EXPECT_EQ(ShortcutText(MakeShortcut(0x7B, false, false, false)), u"F12");
  EXPECT_EQ(ShortcutText(MakeShortcut(0x87, false, false, false)), u"F24");
  EXPECT_EQ(ShortcutText(MakeShortcut(0x2E, true, true, true)), u"Ctrl+Shift+Alt+Del");
  EXPECT_EQ(ShortcutText(MakeShortcut(0x65, false, false, false)), u"Num 5");
  EXPECT_EQ(ShortcutText(MakeShortcut(0xFF, false, true, false)), u"");  // a key without a name
}

}  // namespace
}  // namespace velura::ui
