#include "settings/ini_profile_win.h"

#include <windows.h>

#include <utility>

#include "platform/ansi_win.h"
#include "platform/wide_win.h"

namespace velura {
namespace {

// The folder's short (8.3) name usually fits the code page when its long name does not.
std::optional<std::string> AnsiPathThroughShortFolder(const std::u16string& path) {
  const auto slash = path.rfind(u'\\');
  if (slash == std::u16string::npos) return std::nullopt;
  const std::wstring folder = ToWide(std::u16string_view(path).substr(0, slash));
  std::wstring shortFolder(MAX_PATH, L'\0');
  DWORD length = GetShortPathNameW(folder.c_str(), shortFolder.data(), static_cast<DWORD>(shortFolder.size()));
  if (length >= shortFolder.size()) {
    shortFolder.resize(length);
    length = GetShortPathNameW(folder.c_str(), shortFolder.data(), static_cast<DWORD>(shortFolder.size()));
  }
  if (length == 0 || length >= shortFolder.size()) return std::nullopt;
  shortFolder.resize(length);
  return ToAnsiExact(ToU16(shortFolder) + path.substr(slash));
}

}  // namespace

PrivateProfileFile::PrivateProfileFile(std::u16string path) : path_(std::move(path)) {
  ansiPath_ = ToAnsiExact(path_);
  if (!ansiPath_) ansiPath_ = AnsiPathThroughShortFolder(path_);
}

std::u16string PrivateProfileFile::Read(std::u16string_view section, std::u16string_view key) const {
  if (!ansiPath_) return {};
  const std::string ansiSection = ToAnsi(section), ansiKey = ToAnsi(key);
  std::string buffer(1024, '\0');
  for (;;) {
    const DWORD length = GetPrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(), "", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), ansiPath_->c_str());
    if (length + 1 < buffer.size() || buffer.size() >= 0x10000) {  // it fit, or the value is absurdly long
      buffer.resize(length);
      return FromAnsi(buffer);
    }
    buffer.resize(buffer.size() * 4);
  }
}

bool PrivateProfileFile::Write(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  if (!ansiPath_) return false;
  return WritePrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), ToAnsi(value).c_str(),
                                    ansiPath_->c_str()) != 0;
}

bool PrivateProfileFile::CanHold(std::u16string_view text) const { return ToAnsiExact(text).has_value(); }

void PrivateProfileFile::Erase() {
  // The profile functions may cache the file; flush that cache so the next read sees the file gone.
  if (ansiPath_) WritePrivateProfileStringA(nullptr, nullptr, nullptr, ansiPath_->c_str());
  DeleteFileW(AsWide(path_));
}

}  // namespace velura
