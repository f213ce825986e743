#include "records/system_services_win.h"

#include "fontfile/file_time_win.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/kernel_handles_win.h"
#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"
#include "platform/windows_version_win.h"
#include "platform/work_aside_win.h"

namespace velura {

int GdiFontServices::AddResource(const std::u16string& path) { return AddFontResourceW(AsWide(path)); }

bool GdiFontServices::RemoveResource(const std::u16string& path) { return RemoveFontResourceW(AsWide(path)); }

void GdiFontServices::Enumerate(const std::function<void()>& work) const {
  if (whileEnumerating_) RunWhilePumping(work, whileEnumerating_);
  else work();
}

std::vector<TLogFontName> GdiFontServices::EnumerateLogFonts(const std::u16string& faceName) {
  TLogFontArrayW list;
  const auto enumerate = [&] { velura::EnumerateLogFonts(ToWide(faceName), list); };
  if (faceName.empty()) Enumerate(enumerate);
  else enumerate();  // one family: quick, and asked once per installed file of a folder
  std::vector<TLogFontName> names;
  names.reserve(list.size());
  for (const LOGFONTW& f : list) names.push_back({ToU16(f.lfFaceName), f.lfCharSet, f.lfPitchAndFamily});
  return names;
}

std::vector<std::u16string> GdiFontServices::EnumerateFamilyNames() {
  std::vector<std::wstring> list;
  Enumerate([&] { velura::EnumerateFamilyNames(list); });
  std::vector<std::u16string> names;
  names.reserve(list.size());
  for (const auto& name : list) names.push_back(ToU16(name));
  return names;
}

void GdiFontServices::BroadcastFontChange() { SendMessageW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0); }

bool WindowsFileServices::Exists(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(AsWide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<ByteSource> WindowsFileServices::OpenForReading(const std::u16string& path) {
  return FileSource::Open(path, LastWriteTimeOf);
}

// One call, where opening the file would take several: a font whose records are kept is not opened at all.
bool WindowsFileServices::SizeAndTime(const std::u16string& path, std::uint64_t& size, std::int64_t& time) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(AsWide(path), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  size = static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
  time = static_cast<std::int64_t>(static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                                   data.ftLastWriteTime.dwLowDateTime);
  return true;
}

bool WindowsFileServices::Copy(const std::u16string& source, const std::u16string& target, bool failIfExists) {
  return CopyFileW(AsWide(source), AsWide(target), failIfExists);
}

bool WindowsFileServices::Delete(const std::u16string& path) { return DeleteFileW(AsWide(path)); }

bool WindowsFileServices::CanDelete(const std::u16string& path) {
  const HANDLE file = CreateFileW(AsWide(path), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool WindowsFileServices::ClearAttributes(const std::u16string& path) {
  return SetFileAttributesW(AsWide(path), FILE_ATTRIBUTE_NORMAL);
}

std::vector<FolderEntry> WindowsFileServices::ListFolder(const std::u16string& folder) {
  std::vector<FolderEntry> entries;
  std::wstring pattern = ToWide(folder);
  if (pattern.empty() || pattern.back() != L'\\') pattern += L'\\';
  pattern += L"*.*";
  WIN32_FIND_DATAW found;
  const UniqueFind find(FindFirstFileW(pattern.c_str(), &found));
  if (!find) return entries;
  do {
    entries.push_back({ToU16(found.cFileName), found.dwFileAttributes});
  } while (FindNextFileW(find.Get(), &found) || GetLastError() == ERROR_MORE_DATA);
  return entries;
}

bool WindowsFileServices::RemoveFolder(const std::u16string& folder) { return RemoveDirectoryW(AsWide(folder)); }

bool WindowsFileServices::CreateFolder(const std::u16string& folder) {
  if (CreateDirectoryW(AsWide(folder), nullptr)) return true;
  const DWORD attributes = GetFileAttributesW(AsWide(folder));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsFileServices::MoveNoReplace(const std::u16string& source, const std::u16string& target) {
  return MoveFileExW(AsWide(source), AsWide(target), 0);
}

std::u16string WindowsFileServices::CurrentFolder() {
  const DWORD length = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(length, L'\0');
  folder.resize(GetCurrentDirectoryW(length, folder.data()));
  return ToU16(folder);
}

bool WindowsFileServices::ChangeCurrentFolder(const std::u16string& folder) {
  return SetCurrentDirectoryW(AsWide(folder));
}

bool WindowsFileServices::ReadWholeFile(const std::u16string& path, std::vector<std::uint8_t>& bytes) {
  auto source = FileSource::Open(path);
  if (!source) return false;
  bytes.resize(static_cast<std::size_t>(source->Size()));
  return source->ReadAt(0, bytes.data(), bytes.size());
}

bool WindowsFileServices::WriteReplacing(const std::u16string& path, const std::vector<std::uint8_t>& bytes) {
  const std::wstring target = ToWide(path);
  const std::wstring temporary = target + L".tmp";
  // A temporary left by a process killed before its rename may carry attributes that refuse CREATE_ALWAYS.
  SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  UniqueFile file(
      CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file.Get());
  file.Reset();  // closed before the rename
  if (ok && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(temporary.c_str());
  return false;
}

std::u16string SystemFontsFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, folder, CSIDL_FONTS, FALSE)) return {};
  std::wstring text = folder;
  while (text.size() > 3 && text.back() == L'\\') text.pop_back();
  return ToU16(text);
}

std::u16string LocalAppDataFolder() {
  PWSTR folder = nullptr;
  std::u16string result;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder)) && folder) {
    std::wstring text = folder;
    while (text.size() > 3 && text.back() == L'\\') text.pop_back();
    result = ToU16(text);
  }
  CoTaskMemFree(folder);
  return result;
}

bool UserIsAdmin() {
  const WindowsVersion version = RunningWindowsVersion();
  if (version.Major == 5 && version.Minor == 0) return true;  // Windows 2000
  return IsUserAnAdmin();
}

}  // namespace velura
