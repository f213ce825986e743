#include "shell/elevated_restart_win.h"

#include "platform/executable_folder_win.h"
#include "platform/wide_win.h"
#include "shell/single_instance_win.h"

namespace velura {

ElevatedStartOutcome ElevatedRestart::Start(HWND owner) {
  const std::wstring program = ToWide(ExecutablePath());
  handOver_.Reset(CreateEventW(nullptr, TRUE, FALSE, kHandOverEvent));
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;  // the failure is told by the caller, in Japanese
  info.hwnd = owner;
  info.lpVerb = L"runas";
  info.lpFile = program.c_str();
  info.nShow = SW_SHOWNORMAL;
  SetLastError(ERROR_SUCCESS);
  if (execute_(info)) return {ElevatedStart::Started, 0};
  const DWORD error = GetLastError();
  handOver_.Reset();
  return {error == ERROR_CANCELLED ? ElevatedStart::Cancelled : ElevatedStart::Failed, error};
}

std::u16string SystemErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return ToU16(text);
}

}  // namespace velura
