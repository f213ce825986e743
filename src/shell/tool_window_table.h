// The launcher's tool windows as data: one row per window, in the order of the launcher's buttons (left
// to right, which is also the order of the shortcut codes in the settings); the seventh button, the
// maintenance menu, follows the rows. The launcher builds its buttons, hints and shortcuts from the rows
// and asks the decisions below what to do with a row's window; the Windows half (tool_window_table_win.h)
// gives each row the factory that creates its window.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/ini_keeper.h"
#include "shell/launcher_actions.h"

namespace velura {

// A launcher button: the command it runs, its tip, its hint line, its picture and its designed Tag.
struct LauncherButton {
  int actionId = 0;
  std::u16string_view caption;  // the action's caption; the button's tip
  std::u16string_view hint;     // the hint line while the mouse is over the button
  int picture = 0;              // cell of the launcher's picture strip
  int tag = 0;
};

enum class ToolCreation : std::uint8_t {
  // Created hidden right after the launcher and kept until the launcher goes; closing only hides it.
  AtStartUp,
  // Created by its button, one at a time; closing destroys it and the next open creates a new one.
  OnFirstOpen,
};

struct ToolWindowRow {
  LauncherButton button;
  TWindowKind kind = TWindowKind::Main;  // where its place is stored
  ToolCreation creation = ToolCreation::OnFirstOpen;
  bool belowLauncher = false;  // a new window whose top lies within the launcher's height moves below it
};

inline constexpr std::array<ToolWindowRow, 6> kToolWindowRows = {{
    {{Action_ShowOneTimeInstForm, u"一時インストールの管理", u"一時インストールの管理", 6, 7}, TWindowKind::OneTimeInst,
     ToolCreation::OnFirstOpen, false},
    {{Action_ShowLocalForm, u"未インストールフォント閲覧", u"未インストールフォント閲覧 : インストール", 0, 1},
     TWindowKind::LocalView, ToolCreation::AtStartUp, false},
    {{Action_ShowInstalledForm, u"インストール済みフォント閲覧", u"インストール済みフォント閲覧 : 削除", 1, 2},
     TWindowKind::InstalledView, ToolCreation::AtStartUp, false},
    {{Action_ShowRegForm, u"レジストリデータ・フォントフォルダビューアー",
      u"レジストリデータ・フォントフォルダビューアー＋", 2, 3},
     TWindowKind::RegView, ToolCreation::OnFirstOpen, true},
    {{Action_ShowSymbolForm, u"シンボルフォントビューアー", u"シンボルフォントビューアー", 3, 4}, TWindowKind::SymbolView,
     ToolCreation::OnFirstOpen, true},
    {{Action_ShowUnicodeForm, u"ユニコードビューアー", u"ユニコードビューアー", 4, 6}, TWindowKind::UnicodeView,
     ToolCreation::OnFirstOpen, true},
}};

inline constexpr LauncherButton kOtherButton{Action_etcBtn, u"その他", u"その他", 5, 5};

// The hint line over the tool bar's background and the panel.
inline constexpr std::u16string_view kIdleHint = u"（表示の更新は各ウインドウを開き直してください）";

// The rows' buttons, then the maintenance menu's.
std::vector<LauncherButton> LauncherButtons(std::span<const ToolWindowRow> rows);

// The Tag of the button at a tool bar index (TB_HITTEST); 0 off the buttons.
int ButtonTagAt(std::span<const LauncherButton> buttons, int index);
// The hint line's text for the button with this Tag; the idle hint for 0 and unknown Tags.
std::u16string HintTextForTag(std::span<const LauncherButton> buttons, int tag);
// Over the standard rows.
std::u16string HintTextForTag(int tag);

// The stored shortcut codes belong to the buttons in order; a button past the codes gets none.
std::vector<std::pair<int, std::uint16_t>> ShortcutsByAction(std::span<const LauncherButton> buttons,
                                                             const ShortcutCodes& codes);

// What opening a row's window does, in this order: create it, move it below the launcher, show it, apply
// its stored place. `exists`: the launcher holds the row's window now.
struct ToolOpenPlan {
  bool create = false;
  bool moveBelowLauncher = false;
  bool restorePlace = false;
  bool operator==(const ToolOpenPlan&) const = default;
};
ToolOpenPlan PlanToolOpen(const ToolWindowRow& row, bool exists);

// What "すべての窓を閉じる" does to a row's window: close it (WM_CLOSE), and forget it (the launcher marks
// it as not open, destroying it should it have survived its close).
struct ToolCloseStep {
  bool close = false;
  bool forget = false;
  bool operator==(const ToolCloseStep&) const = default;
};
ToolCloseStep PlanCloseAll(const ToolWindowRow& row, bool exists, bool visible);

// When a row's window stores its place.
enum class ToolWindowEvent : std::uint8_t { Close, Destroy };
bool StoresPlaceOn(const ToolWindowRow& row, ToolWindowEvent event);

}  // namespace velura
