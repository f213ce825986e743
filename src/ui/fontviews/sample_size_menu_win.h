// The "フォントサイズ" submenu every sample list offers: one radio action per size of kSampleSizes, with
// the ids firstId, firstId + 1, ... in menu order.
#pragma once
#include <functional>

#include "ui/framework/action_list.h"
#include "ui/framework/menu_win.h"

namespace velura {

// The radio actions; the one of currentSize() is checked, choosing one calls choose with its size.
void AddSampleSizeActions(ui::ActionList& actions, int firstId, std::function<int()> currentSize,
                          std::function<void(int)> choose);
// The submenu over those actions.
ui::MenuEntry SampleSizeMenu(int firstId);

}  // namespace velura
