#include "ui/fontviews/sample_size_menu_win.h"

#include <utility>
#include <vector>

#include "platform/text.h"
#include "ui/fontviews/sample_sizes.h"

namespace velura {

void AddSampleSizeActions(ui::ActionList& actions, int firstId, std::function<int()> currentSize,
                          std::function<void(int)> choose) {
  for (std::size_t i = 0; i < kSampleSizes.size(); ++i) {
    const int size = kSampleSizes[i];
    actions.Add({.id = firstId + static_cast<int>(i),
                 .caption = DecimalU16(size),
                 .checked = [currentSize, i] { return SampleSizeMenuIndex(currentSize()) == static_cast<int>(i); },
                 .radio = true,
                 .execute = [choose, size] { choose(size); }});
  }
}

ui::MenuEntry SampleSizeMenu(int firstId) {
  std::vector<ui::MenuEntry> sizes;
  for (std::size_t i = 0; i < kSampleSizes.size(); ++i) sizes.push_back(ui::MenuEntry::Item(firstId + static_cast<int>(i)));
  return ui::MenuEntry::Submenu(u"フォントサイズ", std::move(sizes));
}

}  // namespace velura
