#include "ui/fontviews/folder_picker_win.h"

#include <shlobj.h>

#include "ui/fontviews/folder_picker_placement.h"
#include "ui/framework/long_operation_win.h"

namespace velura {

namespace {

struct PickerStart {
  const std::wstring* initialFolder;
  int x, y;
};

int CALLBACK PickerCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data) {
  const auto& start = *reinterpret_cast<const PickerStart*>(data);
  if (message == BFFM_INITIALIZED) {
    if (start.initialFolder->size() > 1)
      SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start.initialFolder->c_str()));
    RECT frame{};
    GetWindowRect(dialog, &frame);
    const PickerPlace place = FolderPickerPlace(start.x, start.y, frame.right - frame.left, frame.bottom - frame.top,
                                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(dialog, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  } else if (message == BFFM_SELCHANGED) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
      SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
  }
  return 0;
}

}  // namespace

std::wstring BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& initialFolder, int x, int y) {
  PickerStart start{&initialFolder, x, y};
  wchar_t display[MAX_PATH] = {};
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.pszDisplayName = display;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
  browse.lpfn = PickerCallback;
  browse.lParam = reinterpret_cast<LPARAM>(&start);
  PIDLIST_ABSOLUTE chosen;
  {
    ui::LongOperation othersDisabled(nullptr);
    chosen = SHBrowseForFolderW(&browse);
  }
  if (!chosen) return {};
  wchar_t folder[MAX_PATH] = {};
  const bool ok = SHGetPathFromIDListW(chosen, folder);
  CoTaskMemFree(chosen);
  return ok ? folder : L"";
}

}  // namespace velura
