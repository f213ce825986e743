// What the launcher needs of a tool window, whatever its class: its HWND and a way to bring it up. The
// launcher watches the HWND itself (close, destroy), so a window class needs nothing of the launcher; a
// row of the table (tool_window_table_win.h) wraps its window in a FormToolWindow.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/file_data.h"
#include "records/group_data.h"
#include "records/system_engine_win.h"
#include "settings/ini_keeper.h"
#include "shell/tool_window_table.h"

namespace velura {

class ToolWindow {
 public:
  virtual ~ToolWindow() = default;
  virtual HWND Hwnd() const = 0;
  // Shows the window and brings it forward.
  virtual void Open() = 0;
};

// Any of our forms as a tool window. A form with an Open() of its own (one that runs its FormShow before
// showing) gets it called whenever it comes up from hidden.
template <class FormT>
class FormToolWindow final : public ToolWindow {
 public:
  explicit FormToolWindow(std::unique_ptr<FormT> form) : form_(std::move(form)) {}
  HWND Hwnd() const override { return form_->Hwnd(); }
  void Open() override {
    if constexpr (requires(FormT& f) { f.Open(); }) {
      if (!IsWindowVisible(form_->Hwnd())) {
        form_->Open();
        return;
      }
    }
    form_->Show(SW_SHOWNORMAL);
  }
  FormT& Form() const { return *form_; }

 private:
  std::unique_ptr<FormT> form_;
};

// What the launcher lends the windows it creates.
struct ToolWindowSite {
  SystemEngine& fonts;
  TIniKeeper& settings;
  std::function<void()> showLauncher;
  // The not-installed browser's list while that browser is showing; null otherwise (the character viewers'
  // "閲覧中のフォント").
  std::function<const TFileData_base*()> browsedFonts{};
  // The one-time install's groups (kept by the launcher for the whole run), and the launcher's hand-over of
  // files or a folder to a new one-time install window.
  TGroupRootClass* groups = nullptr;
  std::function<void(std::vector<std::u16string>)> openOneTimeWithFiles{};
  std::function<void(std::u16string)> openOneTimeWithFolder{};
  // "管理者として再起動" of the windows whose administrator commands are greyed for want of elevation.
  std::function<void()> restartElevated{};
};

// What a window is created from besides the site: empty for a plain open; the files or the folder the
// one-time install window is opened with (Tmain_velura::OpenOneTimeWithFiles / OpenOneTimeWithFolder).
struct ToolWindowArgs {
  std::vector<std::u16string> files{};
  std::u16string folder{};
};

using ToolWindowFactory = std::function<std::unique_ptr<ToolWindow>(const ToolWindowSite&, const ToolWindowArgs&)>;

// A row and the factory of its window; a row without a factory keeps its button disabled.
struct ToolWindowEntry {
  ToolWindowRow row;
  ToolWindowFactory factory;
};
using ToolWindowTable = std::vector<ToolWindowEntry>;

}  // namespace velura
