// Commands as data: each action has an id (its WM_COMMAND id), a caption, a hint, a shortcut and
// enabled/checked predicates over the form's own small state struct. Menus, pop-ups, tool buttons and
// accelerator tables are built from the list; their enable states are pulled from the predicates when
// they are shown, so "what is enabled when" is decided in one place and testable without windows.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/framework/shortcut.h"

namespace velura::ui {

// Raised by the long-operation guard: while it is above zero no action runs, whatever its predicate says.
inline int LongOperationDepth = 0;
inline bool LongOperationRunning() { return LongOperationDepth > 0; }

// An aggregate meant for designated initializers, in member order and naming only what differs:
//   actions.Add({.id = kClose, .caption = u"閉じる", .execute = [this] { Close(); }});
// Every member has a default initializer, so leaving members out draws no -Wmissing-field-initializers.
struct Action {
  int id = 0;
  std::u16string caption{};          // with its "&" mnemonic, as the menus show it
  std::u16string hint{};
  std::uint16_t shortcut = 0;        // settings-store code (shortcut.h); 0 for none
  std::function<bool()> enabled{};   // empty: always enabled
  std::function<bool()> checked{};   // empty: never checked
  bool radio = false;                // a checked item shows a bullet instead of a tick
  std::function<void()> execute{};
};

class ActionList {
 public:
  // Adds an action; an id of 0 or one already in the list throws std::invalid_argument.
  Action& Add(Action action);
  const Action* Find(int id) const;
  Action* Find(int id);

  bool IsEnabled(int id) const;  // false for an unknown id and while a long operation runs
  bool IsChecked(int id) const;
  // Runs the action when it exists and is enabled now; accelerators and stray WM_COMMANDs for a
  // disabled command come through here too. Returns whether it ran.
  bool Execute(int id);

  // The caption, and a tab and the shortcut's text when the action has one.
  std::u16string MenuText(int id) const;
  void SetShortcut(int id, std::uint16_t code);
  // One entry per action with a shortcut, in list order.
  std::vector<AcceleratorKey> Accelerators() const;
  // Changes whenever a shortcut changes, so a window rebuilds its accelerator table only then.
  int ShortcutGeneration() const { return shortcutGeneration_; }

  const std::deque<Action>& Actions() const { return actions_; }

 private:
  std::deque<Action> actions_;  // a deque keeps references from Add valid
  int shortcutGeneration_ = 0;
};

// A menu bar, a drop-down or a pop-up as data: items are actions, separators and submenus.
struct MenuEntry {
  enum class Kind { Action, Separator, Submenu };
  Kind kind = Kind::Separator;
  int actionId = 0;
  std::u16string caption;  // submenus only
  std::vector<MenuEntry> children;

  static MenuEntry Item(int actionId) { return {Kind::Action, actionId, {}, {}}; }
  static MenuEntry Separator() { return {}; }
  static MenuEntry Submenu(std::u16string caption, std::vector<MenuEntry> children) {
    return {Kind::Submenu, 0, std::move(caption), std::move(children)};
  }
};

}  // namespace velura::ui
