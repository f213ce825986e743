#include "shell/tool_window_table.h"

#include <algorithm>

namespace velura {

std::vector<LauncherButton> LauncherButtons(std::span<const ToolWindowRow> rows) {
  std::vector<LauncherButton> buttons;
  for (const ToolWindowRow& row : rows) buttons.push_back(row.button);
  buttons.push_back(kOtherButton);
  return buttons;
}

int ButtonTagAt(std::span<const LauncherButton> buttons, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < buttons.size() ? buttons[index].tag : 0;
}

std::u16string HintTextForTag(std::span<const LauncherButton> buttons, int tag) {
  const auto button = std::find_if(buttons.begin(), buttons.end(), [tag](const LauncherButton& b) { return b.tag == tag; });
  return std::u16string(tag != 0 && button != buttons.end() ? button->hint : kIdleHint);
}

std::u16string HintTextForTag(int tag) { return HintTextForTag(LauncherButtons(kToolWindowRows), tag); }

std::vector<std::pair<int, std::uint16_t>> ShortcutsByAction(std::span<const LauncherButton> buttons,
                                                             const ShortcutCodes& codes) {
  std::vector<std::pair<int, std::uint16_t>> shortcuts;
  for (std::size_t i = 0; i < buttons.size(); ++i)
    shortcuts.emplace_back(buttons[i].actionId, i < codes.size() ? codes[i] : 0);
  return shortcuts;
}

ToolOpenPlan PlanToolOpen(const ToolWindowRow& row, bool exists) {
  // A start-up window is only ever hidden: each open shows it at its stored place again. A window made
  // on demand gets its place once, when it is made; opening it again just brings it up.
  if (exists) return {.restorePlace = row.creation == ToolCreation::AtStartUp};
  return {.create = true, .moveBelowLauncher = row.belowLauncher, .restorePlace = true};
}

ToolCloseStep PlanCloseAll(const ToolWindowRow& row, bool exists, bool visible) {
  // Closing a hidden start-up window would store the place it was created at over the remembered one.
  if (row.creation == ToolCreation::AtStartUp) return {.close = exists && visible};
  return {.close = exists, .forget = true};
}

bool StoresPlaceOn(const ToolWindowRow& row, ToolWindowEvent event) {
  // A start-up window goes with the launcher, perhaps never shown: only its closes tell a real place.
  return event == ToolWindowEvent::Close || row.creation == ToolCreation::OnFirstOpen;
}

}  // namespace velura
