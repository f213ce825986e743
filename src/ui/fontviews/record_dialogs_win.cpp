#include "ui/fontviews/record_dialogs_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"
#include "records/text_export.h"
#include "ui/fontviews/folder_picker_win.h"

namespace velura {

void SaveLinesAs(HWND owner, const wchar_t* filter, const wchar_t* extension, const std::wstring& defaultFileName,
                 const std::vector<std::u16string>& lines, FileServices& files) {
  wchar_t fileName[MAX_PATH] = {};
  defaultFileName.copy(fileName, MAX_PATH - 1);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = fileName;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = extension;
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) return;
  if (!files.WriteReplacing(ToU16(fileName), Utf16LeLines(lines)))
    ShowMessage(u"ファイルを書き込めませんでした\r\n" + ToU16(fileName), u"エラー通知", MessageIcon::Error);
}

void ExportCsv(const TFileData_base& list, HWND owner, const std::wstring& defaultFileName) {
  SaveLinesAs(owner, L"csvファイル\0*.csv\0", L"csv", defaultFileName, CsvLines(list.Items), list.Services().Files);
}

namespace {

// A small tool window in the middle of the screen with the system's file-copy animation.
class CopyAnimationWindow {
 public:
  explicit CopyAnimationWindow(HWND owner) {
    const int width = 320, height = 110;
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, WC_STATICW, L"コピー中...", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                              width, height, owner, nullptr, nullptr, nullptr);
    HWND animation = CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_CHILD | WS_VISIBLE | ACS_CENTER | ACS_TRANSPARENT |
                                     ACS_AUTOPLAY, 0, 0, width, 70, window_, nullptr, nullptr, nullptr);
    constexpr int kFileCopyAnimation = 161;  // shell32's animation of flying paper
    SendMessageW(animation, ACM_OPENW, reinterpret_cast<WPARAM>(GetModuleHandleW(L"shell32.dll")),
                 kFileCopyAnimation);
    UpdateWindow(window_);
  }
  ~CopyAnimationWindow() { DestroyWindow(window_); }
  CopyAnimationWindow(const CopyAnimationWindow&) = delete;
  CopyAnimationWindow& operator=(const CopyAnimationWindow&) = delete;

 private:
  HWND window_;
};

}  // namespace

void CopySelectedFiles(const TFileData_base& list, HWND owner) {
  const std::wstring folder = BrowseForFolder(owner, L"フォントコピー先の指定");
  if (folder.empty()) return;
  bool anyFailed = false;
  {
    CopyAnimationWindow animation(owner);
    for (const auto& record : list.Items) {
      if (!record->Has(Selected)) continue;
      std::u16string target = ToU16(folder);
      if (target.back() != u'\\') target += u'\\';
      target += FileNamePart(record->Path);
      if (!list.Services().Files.Copy(record->Path, target, false)) anyFailed = true;
    }
  }
  if (anyFailed) ShowMessage(u"コピーに失敗したファイルがありました", u"エラー通知", MessageIcon::Error);
  ShowMessage(u"コピー処理終了", u"");
}

}  // namespace velura
