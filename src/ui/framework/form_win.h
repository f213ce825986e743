// A top-level window: caption, frame sized from a 96-DPI client size, its action list, menu and
// accelerators, modeless or modal. Forms register with the message loop so that their accelerators and
// dialog keys (Tab, Enter, Esc) work; panels are plain Windows inside them.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/framework/handles_win.h"
#include "ui/framework/window_win.h"

namespace velura::ui {

enum class Placement { Default, CentreScreen };

class Form : public Window {
 public:
  ~Form() override;

  // The form's commands; the menu bar, pop-ups, tool buttons and accelerators are built from them.
  ActionList& FormActions() { return actions_; }
  // The accelerator table of the actions, rebuilt only after a shortcut changed; null when none.
  HACCEL Accelerators();
  void SetMenuBar(UniqueMenu menu);
  bool UsesDialogKeys() const { return usesDialogKeys_; }
  // The pop-up of the form's actions that opens over `control`, wherever it is nested: on a right click, or
  // from the keyboard (Shift+F10, the menu key) under its selected item or at its top-left corner. Enable
  // and check states are pulled when it opens. A second call for the same control replaces the pop-up.
  void SetContextMenu(const Control& control, const std::vector<MenuEntry>& entries);
  HMENU ContextMenu(const Control& control) const;  // null when none was set
  // The same for a window the toolkit did not create (a tree or list wrapped by the form itself).
  void SetContextMenu(HWND target, const std::vector<MenuEntry>& entries);
  HMENU ContextMenu(HWND target) const;

  void Show(int command = SW_SHOW);
  void Hide();
  // Runs the form modally: its owner and the main window are disabled until EndModal (or the form's closing)
  // ends the nested loop, and those it disabled are enabled again before the form hides, so the owner is the
  // window activated next.
  int ShowModal();
  void EndModal(int result);
  bool IsModal() const { return modal_; }

  // Called when the queue goes idle, after the action controls were updated.
  virtual void OnIdle() {}

 protected:
  Form();
  // Creates the frame with a client area of the given 96-DPI size (scaled to the screen's DPI).
  HWND CreateForm(const std::wstring& caption, DWORD style, DWORD exStyle, int clientWidth96, int clientHeight96,
                  HWND owner, Placement placement);
  // Moves the frame to the middle of the monitor it is on (of the primary one when hidden).
  void CentreOnScreen();
  // WM_CLOSE: ends a modal form with IDCANCEL, destroys a modeless one. Forms override it (FormClose).
  virtual void OnClose();
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  bool usesDialogKeys_ = true;

 private:
  ActionList actions_;
  UniqueAccelerators accelerators_;
  int acceleratorGeneration_ = -1;
  UniqueMenu menuBar_;
  std::vector<std::pair<HWND, UniqueMenu>> contextMenus_;
  bool modal_ = false;
  int modalResult_ = 0;
};

// The window activated after a long operation and owning the status windows: the launcher.
void SetMainWindow(HWND hwnd);
HWND MainWindow();

}  // namespace velura::ui
