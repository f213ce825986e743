// The tool windows the launcher owns, driven by its table: creates the start-up windows, opens a row's
// window by the row's rules (one instance each, stored place, below the launcher), watches each window's
// close and destroy to store its place and to forget a destroyed one, and closes them all.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "shell/tool_window_win.h"

namespace velura {

// Posted to the launcher after a tool window was destroyed; the launcher answers it with FreeDestroyed.
inline constexpr UINT kFreeDestroyedToolWindows = WM_APP + 2;

class ToolWindowSet {
 public:
  // launcher: the window the viewers are placed below, and the one kFreeDestroyedToolWindows goes to.
  ToolWindowSet(ToolWindowTable table, ToolWindowSite site, HWND launcher);
  ~ToolWindowSet();
  ToolWindowSet(const ToolWindowSet&) = delete;
  ToolWindowSet& operator=(const ToolWindowSet&) = delete;

  // Creates the start-up rows' windows hidden, in table order.
  void CreateStartUpWindows();

  std::vector<ToolWindowRow> Rows() const;
  // The row has a factory: its button works.
  bool CanOpen(int actionId) const;
  // The row's window, while it exists; null otherwise.
  ToolWindow* Find(int actionId) const;

  void Open(int actionId);
  // Closes the row's window if it exists, then creates a new one from args and shows it at its stored place.
  void Reopen(int actionId, const ToolWindowArgs& args);
  // "すべての窓を閉じる" without showing the launcher.
  void CloseAll();
  // The launcher goes to the notification area: its visible tool windows go with it (off screen and off the
  // taskbar), and come back with it; a window hidden before stays hidden.
  void HideWithLauncher();
  void ShowWithLauncher();
  // Frees the objects of the windows destroyed since; from the launcher's own message, so never while one
  // of them is still inside its window procedure.
  void FreeDestroyed();

 private:
  struct Slot {
    ToolWindowEntry entry;
    std::unique_ptr<ToolWindow> window;  // null while the row's window does not exist
  };

  Slot* SlotOf(int actionId);
  const Slot* SlotOf(int actionId) const;
  void Create(Slot& slot, const ToolWindowArgs& args);
  void Show(Slot& slot, const ToolWindowArgs& args);
  void MoveBelowLauncher(HWND hwnd) const;
  // Marks the row's window as gone; a window still alive is destroyed.
  void Forget(Slot& slot);
  void OnWindowEvent(Slot& slot, HWND hwnd, ToolWindowEvent event);
  void KeepUntilFreed(std::unique_ptr<ToolWindow> window);

  std::vector<Slot> slots_;  // fixed at construction: the windows' handlers point into it
  ToolWindowSite site_;
  HWND launcher_;
  // Windows already destroyed whose objects may still be on the stack of their own window procedure.
  std::vector<std::unique_ptr<ToolWindow>> destroyed_;
  std::vector<HWND> hiddenWithLauncher_;
};

}  // namespace velura
