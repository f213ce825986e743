// velura.exe: for now one plain window that lists, through the font file reader, the faces of the
// font files in the Windows fonts folder (full name, family name, file).
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "fontfile/font_data_table.h"
#include "platform/ansi_codec_win.h"
#include "platform/wide_win.h"

namespace {

using namespace velura;

struct FaceRow {
  std::wstring fullName, familyName, file;
};

std::wstring FontsFolder() {
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_FONTS, FALSE)) return {};
  return path;
}

std::vector<FaceRow> ReadFontsFolder(const std::wstring& folder) {
  static const SystemAnsiCodec ansi;
  TFontDataTable reader(ansi);
  std::vector<FaceRow> rows;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return rows;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::wstring name = found.cFileName;
    const auto dot = name.rfind(L'.');
    if (dot == std::wstring::npos) continue;
    const std::wstring ext = name.substr(dot);
    if (_wcsicmp(ext.c_str(), L".ttf") && _wcsicmp(ext.c_str(), L".ttc") && _wcsicmp(ext.c_str(), L".otf")) continue;
    TFontFileData faces;
    if (!reader.LoadFontFile(ToU16(folder + L"\\" + name), faces)) continue;
    for (const auto& face : faces)
      rows.push_back(FaceRow{ToWide(face.FullName), ToWide(face.FamilyName), name});
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return rows;
}

HFONT UiFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

void FillList(HWND list) {
  const wchar_t* headers[] = {L"フルネーム", L"ファミリー名", L"ファイル"};
  const int widths[] = {300, 240, 180};
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(headers[i]);
    column.cx = MulDiv(widths[i], dpi, 96);
    ListView_InsertColumn(list, i, &column);
  }
  const auto rows = ReadFontsFolder(FontsFolder());
  int index = 0;
  for (const auto& row : rows) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(row.fullName.c_str());
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, index, 1, const_cast<wchar_t*>(row.familyName.c_str()));
    ListView_SetItemText(list, index, 2, const_cast<wchar_t*>(row.file.c_str()));
    ++index;
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static HFONT font;
  switch (message) {
    case WM_CREATE: {
      font = UiFont();
      HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                                  0, 0, 0, 0, window, reinterpret_cast<HMENU>(1), nullptr, nullptr);
      SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
      FillList(list);
      return 0;
    }
    case WM_SIZE:
      MoveWindow(GetDlgItem(window, 1), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_DESTROY:
      DeleteObject(font);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"VeluraFontList";
  RegisterClassExW(&windowClass);

  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"フォントインストーラーVELURA", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 800, 600, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
