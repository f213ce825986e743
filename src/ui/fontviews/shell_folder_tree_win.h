// ShellTreeView1's control: a read-only folder tree on a tree view. The user's desktop and documents
// folders and every drive are roots; folders are listed when first expanded. The selected folder is drawn on
// RGB(32, 160, 255).
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

#include "ui/framework/window_win.h"

namespace velura {

class ShellFolderTree {
 public:
  ui::Control& Create(ui::Window& window, const ui::dock::Item& dock);
  HWND Hwnd() const { return hwnd_; }

  // The selected folder's full path; empty when nothing is selected.
  std::wstring Path() const;
  // Expands the roots down to the folder and selects it (OnChange runs); false when it is not reachable.
  bool SelectPath(const std::wstring& path);
  void ClearSelection();

  std::function<void()> OnChange;

 private:
  struct Folder {
    std::wstring path;
    bool listed = false;
  };
  HTREEITEM Insert(HTREEITEM parent, const std::wstring& text, const std::wstring& path);
  // Lists a folder's subfolders the first time; later calls add the ones created since.
  void ListChildren(HTREEITEM item);
  Folder* FolderOf(HTREEITEM item) const;
  // The child of item whose folder holds path, or null.
  HTREEITEM ChildHolding(HTREEITEM item, const std::wstring& path) const;
  LRESULT Notify(NMHDR& header);

  HWND hwnd_ = nullptr;
  std::deque<Folder> folders_;  // item data points here; a deque keeps the pointers valid
};

}  // namespace velura
