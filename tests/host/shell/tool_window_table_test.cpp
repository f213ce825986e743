// The launcher's table of tool windows: the designed rows and what each decision does with a row.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "shell/tool_window_table.h"

namespace velura {
namespace {

const ToolWindowRow& RowOf(int actionId) {
  for (const ToolWindowRow& row : kToolWindowRows)
    if (row.button.actionId == actionId) return row;
  throw std::out_of_range("no row");
}

TEST(ToolWindowTable, ButtonsInTheDesignedOrder) {
  const std::vector<LauncherButton> buttons = LauncherButtons(kToolWindowRows);
  ASSERT_EQ(buttons.size(), 7u);
  // The ends and the first browser; the shortcut codes follow this order.
  EXPECT_EQ(buttons[0].actionId, Action_ShowOneTimeInstForm);
  EXPECT_EQ(buttons[0].tag, 7);
  EXPECT_EQ(buttons[0].picture, 6);
  EXPECT_EQ(buttons[1].actionId, Action_ShowLocalForm);
  EXPECT_EQ(buttons[1].tag, 1);
  EXPECT_EQ(buttons[5].actionId, Action_ShowUnicodeForm);
  EXPECT_EQ(buttons[5].tag, 6);
  EXPECT_EQ(buttons[6].actionId, Action_etcBtn);
  EXPECT_EQ(LauncherButtons({}).size(), 1u);  // the maintenance menu stays

  // Hints are found by tag and places stored by kind: each must name one button, one window, one picture.
  std::set<int> actions, tags, pictures, kinds;
  for (const LauncherButton& button : buttons) {
    EXPECT_NE(button.tag, 0) << button.actionId;  // 0 means "off the buttons"
    EXPECT_TRUE(actions.insert(button.actionId).second) << button.actionId;
    EXPECT_TRUE(tags.insert(button.tag).second) << button.actionId;
    EXPECT_TRUE(pictures.insert(button.picture).second) << button.actionId;
  }
  for (const ToolWindowRow& row : kToolWindowRows)
    EXPECT_TRUE(kinds.insert(static_cast<int>(row.kind)).second) << row.button.actionId;
}

TEST(ToolWindowTable, RowsKeepTheirWindowsRules) {
  // Stored place kinds keep the settings file's numbering.
  EXPECT_EQ(static_cast<int>(RowOf(Action_ShowLocalForm).kind), 1);
  EXPECT_EQ(static_cast<int>(RowOf(Action_ShowOneTimeInstForm).kind), 6);
  EXPECT_EQ(RowOf(Action_ShowUnicodeForm).kind, TWindowKind::UnicodeView);

  // The browsers live from start-up; the viewers are made on demand below the launcher.
  for (const ToolWindowRow& row : kToolWindowRows) {
    const bool browser = row.button.actionId == Action_ShowLocalForm || row.button.actionId == Action_ShowInstalledForm;
    const bool viewer = row.button.actionId == Action_ShowRegForm || row.button.actionId == Action_ShowSymbolForm ||
                        row.button.actionId == Action_ShowUnicodeForm;
    EXPECT_EQ(row.creation == ToolCreation::AtStartUp, browser) << row.button.actionId;
    EXPECT_EQ(row.belowLauncher, viewer) << row.button.actionId;
  }
}

TEST(ToolWindowTable, HintsFollowTheTagUnderTheMouse) {
  const std::vector<LauncherButton> buttons = LauncherButtons(kToolWindowRows);
  EXPECT_EQ(ButtonTagAt(buttons, 0), 7);
  EXPECT_EQ(ButtonTagAt(buttons, 6), 5);
  EXPECT_EQ(ButtonTagAt(buttons, 7), 0);   // past the last button
  EXPECT_EQ(ButtonTagAt(buttons, -1), 0);  // TB_HITTEST off the buttons
  EXPECT_EQ(ButtonTagAt(buttons, -8), 0);

  EXPECT_EQ(HintTextForTag(buttons, 1), u"未インストールフォント閲覧 : インストール");
  EXPECT_EQ(HintTextForTag(buttons, 2), u"インストール済みフォント閲覧 : 削除");
  EXPECT_EQ(HintTextForTag(buttons, 5), u"その他");
  EXPECT_EQ(HintTextForTag(buttons, 6), u"ユニコードビューアー");
  EXPECT_EQ(HintTextForTag(buttons, 9), kIdleHint);
  // A table without a row falls back to the idle hint for its tag.
  EXPECT_EQ(HintTextForTag(LauncherButtons({}), 1), kIdleHint);
}

TEST(ToolWindowTable, ShortcutCodesGoToTheButtonsInOrder) {
  const ShortcutCodes codes = {1, 2, 3, 4, 5, 6, 7};
  const auto shortcuts = ShortcutsByAction(LauncherButtons(kToolWindowRows), codes);
  ASSERT_EQ(shortcuts.size(), 7u);
  EXPECT_EQ(shortcuts[0], (std::pair<int, std::uint16_t>{Action_ShowOneTimeInstForm, 1}));
  EXPECT_EQ(shortcuts[5], (std::pair<int, std::uint16_t>{Action_ShowUnicodeForm, 6}));
  EXPECT_EQ(shortcuts[6], (std::pair<int, std::uint16_t>{Action_etcBtn, 7}));

  // More buttons than codes: the extra ones get none.
  std::vector<LauncherButton> many = LauncherButtons(kToolWindowRows);
  many.push_back({999, u"x", u"x", 0, 9});
  const auto extra = ShortcutsByAction(many, codes);
  ASSERT_EQ(extra.size(), 8u);
  EXPECT_EQ(extra[7], (std::pair<int, std::uint16_t>{999, 0}));
}

TEST(ToolWindowTable, OpeningCreatesOnceAndPlacesByCreation) {
  const ToolWindowRow& local = RowOf(Action_ShowLocalForm);
  const ToolWindowRow& reg = RowOf(Action_ShowRegForm);
  const ToolWindowRow& oneTime = RowOf(Action_ShowOneTimeInstForm);
  // A start-up window is shown at its stored place on every open.
  EXPECT_EQ(PlanToolOpen(local, true), (ToolOpenPlan{.restorePlace = true}));
  // Should it be gone, it comes back like a new one.
  EXPECT_EQ(PlanToolOpen(local, false), (ToolOpenPlan{.create = true, .restorePlace = true}));
  // One made on demand gets its place (and the viewers their top) only when made.
  EXPECT_EQ(PlanToolOpen(reg, false), (ToolOpenPlan{.create = true, .moveBelowLauncher = true, .restorePlace = true}));
  EXPECT_EQ(PlanToolOpen(reg, true), ToolOpenPlan{});
  EXPECT_EQ(PlanToolOpen(oneTime, false), (ToolOpenPlan{.create = true, .restorePlace = true}));
  EXPECT_EQ(PlanToolOpen(oneTime, true), ToolOpenPlan{});
}

TEST(ToolWindowTable, CloseAllAndStoredPlaces) {
  const ToolWindowRow& installed = RowOf(Action_ShowInstalledForm);
  const ToolWindowRow& symbol = RowOf(Action_ShowSymbolForm);
  EXPECT_EQ(PlanCloseAll(installed, true, true), (ToolCloseStep{.close = true}));
  // Hidden (perhaps never shown): closing it would store its created place over the remembered one.
  EXPECT_EQ(PlanCloseAll(installed, true, false), ToolCloseStep{});
  EXPECT_EQ(PlanCloseAll(installed, false, false), ToolCloseStep{});
  EXPECT_EQ(PlanCloseAll(symbol, true, false), (ToolCloseStep{.close = true, .forget = true}));
  EXPECT_EQ(PlanCloseAll(symbol, false, false), (ToolCloseStep{.forget = true}));

  EXPECT_TRUE(StoresPlaceOn(installed, ToolWindowEvent::Close));
  EXPECT_FALSE(StoresPlaceOn(installed, ToolWindowEvent::Destroy));  // it goes with the launcher
  EXPECT_TRUE(StoresPlaceOn(symbol, ToolWindowEvent::Close));
  EXPECT_TRUE(StoresPlaceOn(symbol, ToolWindowEvent::Destroy));
}

}  // namespace
}  // namespace velura
