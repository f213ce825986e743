// The open dialog with more files chosen than 64 K characters hold: the buffer grows and they all come back.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <string>

#include "support/common_dialog_visit_win.h"
#include "support/temp_folder_win.h"
#include "ui/framework/open_file_dialog_win.h"

namespace velura::testing {
namespace {

TEST(OpenFileDialog, MoreFilesThanSixtyFourKCharactersHoldAllComeBack) {
  const std::wstring folder = NewTempFolder(L"velura_many_files");
  std::wstring typed;
  const int count = 1100;  // 1,100 names of 64 characters: more than 65,536 characters with their quotes
  for (int i = 0; i < count; ++i) {
    std::wstring name = L"many_files_" + std::wstring(45, L'x') + std::to_wstring(10000 + i) + L".ttf";
    CloseHandle(CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    typed += L"\"" + name + L"\" ";
  }
  int shown = 0;
  auto choose = [&](HWND open) {
    ++shown;
    if (!SetDlgItemTextW(open, 1152, typed.c_str())) SetDlgItemTextW(open, 1148, typed.c_str());  // edt1, cmb13
    PostMessageW(open, WM_COMMAND, IDOK, 0);
  };
  CommonDialogVisit first(choose);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrInitialDir = folder.c_str();
  dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST;
  const std::wstring chosen = ui::GetOpenFileNames(dialog);
  EXPECT_TRUE(first.Came());
  int names = -1;  // the folder first, then the names
  for (const wchar_t* next = chosen.c_str(); *next; next += wcslen(next) + 1) ++names;
  EXPECT_EQ(names, count);
  EXPECT_GE(chosen.size(), 65536u);
  RemoveFolderTree(folder);
}

}  // namespace
}  // namespace velura::testing
