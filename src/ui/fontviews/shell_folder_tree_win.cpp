#include "ui/fontviews/shell_folder_tree_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "platform/kernel_handles_win.h"
#include "ui/framework/controls_win.h"
#include "ui/framework/tree_view_win.h"

namespace velura {

namespace {

constexpr COLORREF kSelectedFolder = RGB(32, 160, 255);

std::wstring SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

std::wstring WithoutTrailingDelimiter(std::wstring path) {
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// Whether `path` is `root` or lies under it.
bool IsUnder(const std::wstring& path, const std::wstring& root) {
  if (path.size() < root.size() || !SamePath(path.substr(0, root.size()), root)) return false;
  return path.size() == root.size() || root.back() == L'\\' || path[root.size()] == L'\\';
}

std::vector<std::wstring> SubfolderNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  const std::wstring pattern = folder + (folder.back() == L'\\' ? L"*" : L"\\*");
  const UniqueFind find(
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchLimitToDirectories, nullptr, 0));
  if (!find) return names;
  do {
    const std::wstring name = found.cFileName;
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
    names.push_back(name);
  } while (FindNextFileW(find.Get(), &found));
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
  });
  return names;
}

}  // namespace

ui::Control& ShellFolderTree::Create(ui::Window& window, const ui::dock::Item& dock) {
  ui::Control& tree = ui::AddTreeView(window, dock, nullptr,
                                      TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS);
  hwnd_ = tree.hwnd;
  tree.onNotify = [this](NMHDR& header) { return Notify(header); };

  const std::pair<int, const wchar_t*> specials[] = {{CSIDL_DESKTOPDIRECTORY, L"デスクトップ"},
                                                     {CSIDL_PERSONAL, L"ドキュメント"}};
  for (const auto& [csidl, caption] : specials) {
    const std::wstring path = SpecialFolder(csidl);
    if (!path.empty()) Insert(TVI_ROOT, caption, path);
  }
  wchar_t drives[512] = {};
  GetLogicalDriveStringsW(511, drives);
  for (const wchar_t* drive = drives; *drive; drive += wcslen(drive) + 1) {
    SHFILEINFOW info{};
    std::wstring caption = drive;
    if (SHGetFileInfoW(drive, 0, &info, sizeof info, SHGFI_DISPLAYNAME) && info.szDisplayName[0])
      caption = info.szDisplayName;
    Insert(TVI_ROOT, caption, drive);
  }
  return tree;
}

HTREEITEM ShellFolderTree::Insert(HTREEITEM parent, const std::wstring& text, const std::wstring& path) {
  folders_.push_back({path, false});
  // A button until the folder is listed.
  return ui::InsertTreeItem(
      hwnd_, text.c_str(), {.parent = parent, .data = reinterpret_cast<LPARAM>(&folders_.back()), .childButton = true});
}

ShellFolderTree::Folder* ShellFolderTree::FolderOf(HTREEITEM item) const {
  return reinterpret_cast<Folder*>(ui::TreeItemData(hwnd_, item));
}

void ShellFolderTree::ListChildren(HTREEITEM item) {
  Folder* folder = FolderOf(item);
  if (!folder) return;
  const std::wstring base = folder->path;
  std::vector<std::wstring> known;  // children listed before, by path
  if (folder->listed) {
    for (HTREEITEM child = ui::TreeFirstChild(hwnd_, item); child; child = ui::TreeNextSibling(hwnd_, child))
      if (const Folder* listed = FolderOf(child)) known.push_back(listed->path);
  }
  folder->listed = true;
  const std::vector<std::wstring> names = SubfolderNames(base);
  for (const std::wstring& name : names) {
    const std::wstring path = base + (base.back() == L'\\' ? L"" : L"\\") + name;
    if (std::none_of(known.begin(), known.end(), [&](const std::wstring& k) { return SamePath(k, path); }))
      Insert(item, name, path);
  }
  ui::SetTreeItemChildButton(hwnd_, item, !names.empty() || !known.empty());  // shown while it has subfolders
}

std::wstring ShellFolderTree::Path() const {
  const Folder* folder = FolderOf(ui::TreeSelection(hwnd_));
  return folder ? WithoutTrailingDelimiter(folder->path) : L"";
}

HTREEITEM ShellFolderTree::ChildHolding(HTREEITEM item, const std::wstring& path) const {
  for (HTREEITEM child = ui::TreeFirstChild(hwnd_, item); child; child = ui::TreeNextSibling(hwnd_, child))
    if (const Folder* folder = FolderOf(child); folder && IsUnder(path, folder->path)) return child;
  return nullptr;
}

bool ShellFolderTree::SelectPath(const std::wstring& wanted) {
  const std::wstring path = WithoutTrailingDelimiter(wanted);
  // The deepest root holding the folder, so that a desktop folder opens under the desktop.
  HTREEITEM best = nullptr;
  std::size_t bestLength = 0;
  for (HTREEITEM item = ui::TreeRoot(hwnd_); item; item = ui::TreeNextSibling(hwnd_, item)) {
    const Folder* folder = FolderOf(item);
    if (folder && IsUnder(path, folder->path) && folder->path.size() > bestLength) {
      best = item;
      bestLength = folder->path.size();
    }
  }
  HTREEITEM item = best;
  while (item && !SamePath(WithoutTrailingDelimiter(FolderOf(item)->path), path)) {
    ListChildren(item);
    ui::ExpandTreeItem(hwnd_, item);
    HTREEITEM next = ChildHolding(item, path);
    if (!next) {  // made since the folder was listed
      ListChildren(item);
      next = ChildHolding(item, path);
    }
    item = next;
  }
  if (!item) return false;
  ui::SelectTreeItem(hwnd_, item);
  ui::EnsureTreeItemVisible(hwnd_, item);
  return true;
}

void ShellFolderTree::ClearSelection() { ui::SelectTreeItem(hwnd_, nullptr); }

LRESULT ShellFolderTree::Notify(NMHDR& header) {
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: {
      auto& expanding = reinterpret_cast<NMTREEVIEWW&>(header);
      if (expanding.action & TVE_EXPAND) ListChildren(expanding.itemNew.hItem);
      return FALSE;
    }
    case TVN_SELCHANGEDW:
      if (OnChange) OnChange();
      return 0;
    case NM_CUSTOMDRAW:
      return ui::PaintTreeItem(header, [](const ui::TreeItemPaint& paint) {
        if (!paint.selected) return ui::TreeItemLook{};
        return ui::TreeItemLook{
            .text = GetSysColor(COLOR_HIGHLIGHTTEXT), .background = kSelectedFolder, .overSelection = true};
      });
  }
  return 0;
}

}  // namespace velura
