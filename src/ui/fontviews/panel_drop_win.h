// TPanel_Drop: a panel that accepts files dragged from the shell and hands their names over in one event.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/framework/panel_win.h"

namespace velura {

class TPanel_Drop : public ui::Panel {
 public:
  // Creates the panel and registers it as a drop target for shell files.
  ui::Control& Create(ui::Window& parent, const ui::dock::Item& dock, ui::Bevel bevel = ui::Bevel::None,
                      const std::wstring& caption = {});

  // The names of the last drop, in the shell's order, as the system gave them.
  const std::vector<std::u16string>& Files() const { return files_; }
  std::function<void(TPanel_Drop& sender)> OnDropFiles;

  // Reads every name of a drop, releases the handle and fires OnDropFiles.
  void FilesDropped(HDROP drop);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<std::u16string> files_;
};

}  // namespace velura
