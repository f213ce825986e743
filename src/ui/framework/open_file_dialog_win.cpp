#include "ui/framework/open_file_dialog_win.h"

#include <cderr.h>

#include "platform/wide_win.h"
#include "ui/framework/open_file_buffer.h"

namespace velura::ui {

std::wstring GetOpenFileNames(OPENFILENAMEW dialog) {
  const std::u16string chosen = RunOpenFileDialog([&](std::u16string& buffer) {
    dialog.lpstrFile = reinterpret_cast<wchar_t*>(buffer.data());
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    if (GetOpenFileNameW(&dialog)) return OpenFileAttempt::Chosen;
    return CommDlgExtendedError() == FNERR_BUFFERTOOSMALL ? OpenFileAttempt::BufferTooSmall
                                                          : OpenFileAttempt::Cancelled;
  });
  return ToWide(chosen);
}

}  // namespace velura::ui
