#include "ui/framework/action_list.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace velura::ui {

Action& ActionList::Add(Action action) {
  if (action.id == 0 || Find(action.id))
    throw std::invalid_argument("action id 0 or used twice: " + std::to_string(action.id));
  if (action.shortcut) ++shortcutGeneration_;
  actions_.push_back(std::move(action));
  return actions_.back();
}

const Action* ActionList::Find(int id) const {
  for (const Action& action : actions_)
    if (action.id == id) return &action;
  return nullptr;
}

Action* ActionList::Find(int id) { return const_cast<Action*>(std::as_const(*this).Find(id)); }

bool ActionList::IsEnabled(int id) const {
  const Action* action = Find(id);
  if (!action || LongOperationRunning()) return false;
  return !action->enabled || action->enabled();
}

bool ActionList::IsChecked(int id) const {
  const Action* action = Find(id);
  return action && action->checked && action->checked();
}

bool ActionList::Execute(int id) {
  if (!IsEnabled(id)) return false;
  Action* action = Find(id);
  if (!action->execute) return false;
  action->execute();
  return true;
}

std::u16string ActionList::MenuText(int id) const {
  const Action* action = Find(id);
  if (!action) return {};
  const std::u16string keys = ShortcutText(action->shortcut);
  return keys.empty() ? action->caption : action->caption + u"\t" + keys;
}

void ActionList::SetShortcut(int id, std::uint16_t code) {
  Action* action = Find(id);
  if (!action || action->shortcut == code) return;
  action->shortcut = code;
  ++shortcutGeneration_;
}

std::vector<AcceleratorKey> ActionList::Accelerators() const {
  std::vector<AcceleratorKey> keys;
  for (const Action& action : actions_)
    if (ShortcutKey(action.shortcut) != 0)
      keys.push_back(ShortcutToAccelerator(action.shortcut, static_cast<std::uint16_t>(action.id)));
  return keys;
}

}  // namespace velura::ui
