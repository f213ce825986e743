#include "ui/fontviews/shell_folder_tree_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "platform/kernel_handles_win.h"
#include "ui/framework/controls_win.h"

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
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.lParam = reinterpret_cast<LPARAM>(&folders_.back());
  insert.item.cChildren = 1;  // a button until the folder is listed
  return reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

ShellFolderTree::Folder* ShellFolderTree::FolderOf(HTREEITEM item) const {
  if (!item) return nullptr;
  TVITEMW data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  if (!SendMessageW(hwnd_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) return nullptr;
  return reinterpret_cast<Folder*>(data.lParam);
}

void ShellFolderTree::ListChildren(HTREEITEM item) {
  Folder* folder = FolderOf(item);
  if (!folder) return;
  const std::wstring base = folder->path;
  std::vector<std::wstring> known;  // children listed before, by path
  if (folder->listed) {
    for (auto child = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
         child; child = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child))))
      if (const Folder* listed = FolderOf(child)) known.push_back(listed->path);
  }
  folder->listed = true;
  const std::vector<std::wstring> names = SubfolderNames(base);
  for (const std::wstring& name : names) {
    const std::wstring path = base + (base.back() == L'\\' ? L"" : L"\\") + name;
    if (std::none_of(known.begin(), known.end(), [&](const std::wstring& k) { return SamePath(k, path); }))
      Insert(item, name, path);
  }
  TVITEMW data{};  // the button: shown while the folder has subfolders
  data.mask = TVIF_CHILDREN;
  data.hItem = item;
  data.cChildren = names.empty() && known.empty() ? 0 : 1;
  SendMessageW(hwnd_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data));
}

std::wstring ShellFolderTree::Path() const {
  const Folder* folder =
      FolderOf(reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_CARET, 0)));
  return folder ? WithoutTrailingDelimiter(folder->path) : L"";
}

HTREEITEM ShellFolderTree::ChildHolding(HTREEITEM item, const std::wstring& path) const {
  for (auto child = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
       child; child = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child))))
    if (const Folder* folder = FolderOf(child); folder && IsUnder(path, folder->path)) return child;
  return nullptr;
}

bool ShellFolderTree::SelectPath(const std::wstring& wanted) {
  const std::wstring path = WithoutTrailingDelimiter(wanted);
  // The deepest root holding the folder, so that a desktop folder opens under the desktop.
  HTREEITEM best = nullptr;
  std::size_t bestLength = 0;
  for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_ROOT, 0)); item;
       item = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    const Folder* folder = FolderOf(item);
    if (folder && IsUnder(path, folder->path) && folder->path.size() > bestLength) {
      best = item;
      bestLength = folder->path.size();
    }
  }
  HTREEITEM item = best;
  while (item && !SamePath(WithoutTrailingDelimiter(FolderOf(item)->path), path)) {
    ListChildren(item);
    SendMessageW(hwnd_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    HTREEITEM next = ChildHolding(item, path);
    if (!next) {  // made since the folder was listed
      ListChildren(item);
      next = ChildHolding(item, path);
    }
    item = next;
  }
  if (!item) return false;
  SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  SendMessageW(hwnd_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  return true;
}

void ShellFolderTree::ClearSelection() { SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_CARET, 0); }

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
    case NM_CUSTOMDRAW: {
      auto& draw = reinterpret_cast<NMTVCUSTOMDRAW&>(header);
      if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
      if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (draw.nmcd.uItemState & CDIS_SELECTED)) {
        draw.clrTextBk = kSelectedFolder;
        draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        draw.nmcd.uItemState &= ~CDIS_SELECTED;  // otherwise the system colour would paint over ours
      }
      return CDRF_DODEFAULT;
    }
  }
  return 0;
}

}  // namespace velura
