#include "records/reg_font_registry_win.h"

#include <windows.h>

#include <utility>

#include "platform/kernel_handles_win.h"
#include "platform/registry_key_win.h"
#include "platform/wide_win.h"
#include "platform/work_aside_win.h"

namespace velura {
namespace {

RegValueKind KindOf(DWORD type) {
  switch (type) {
    case REG_SZ: return RegValueKind::String;
    case REG_EXPAND_SZ: return RegValueKind::ExpandString;
    case REG_MULTI_SZ: return RegValueKind::MultiString;
    default: return RegValueKind::Other;
  }
}

REGSAM SamOf(RegAccess access) {
  switch (access) {
    case RegAccess::Read: return KEY_READ;
    case RegAccess::ReadWrite: return KEY_READ | KEY_WRITE;
    case RegAccess::Full: break;
  }
  return KEY_ALL_ACCESS;
}

class SystemRegKey final : public RegKey {
 public:
  SystemRegKey(RegistryKey key, const std::function<void()>& whileReading)
      : key_(std::move(key)), whileReading_(whileReading) {}

  std::vector<std::u16string> ValueNames() const override {
    std::vector<std::u16string> names;
    for (const auto& name : key_.ValueNames()) names.push_back(ToU16(name));
    return names;
  }

  RegValue Read(std::u16string_view name) const override {
    const auto value = key_.Read(AsWide(name));
    if (!value) return {};
    return RegValue{KindOf(value->Type), ToU16(value->Text)};
  }

  RegValues Values() const override {
    std::vector<std::pair<std::wstring, RegistryValue>> read;
    if (whileReading_) RunWhilePumping([&] { read = key_.Values(); }, whileReading_);
    else read = key_.Values();
    RegValues values;
    for (auto& [name, value] : read)
      values.emplace_back(ToU16(name), RegValue{KindOf(value.Type), ToU16(value.Text)});
    return values;
  }

  std::optional<RegKeyStamp> Stamp() const override {
    DWORD values = 0;
    FILETIME lastWrite{};
    if (RegQueryInfoKeyW(key_.Handle(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, &lastWrite) != ERROR_SUCCESS)
      return std::nullopt;
    return RegKeyStamp{static_cast<std::uint64_t>(lastWrite.dwHighDateTime) << 32 | lastWrite.dwLowDateTime, values};
  }

  bool WriteString(std::u16string_view name, std::u16string_view data) override {
    return key_.WriteString(AsWide(name), AsWide(data)) == ERROR_SUCCESS;
  }

  bool DeleteValue(std::u16string_view name) override { return key_.DeleteValue(AsWide(name)) == ERROR_SUCCESS; }

 private:
  RegistryKey key_;
  const std::function<void()>& whileReading_;
};

}  // namespace

std::uint32_t SystemFontRegistry::PlatformId() const {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!GetVersionExA(&version)) return 0;
  return version.dwPlatformId;
}

std::unique_ptr<RegKey> SystemFontRegistry::OpenKey(RegRoot root, std::u16string_view path, RegAccess access) {
  auto key = RegistryKey::Open(root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, AsWide(path),
                               SamOf(access));
  if (!key) return nullptr;
  return std::make_unique<SystemRegKey>(std::move(*key), whileReading_);
}

std::unique_ptr<RegKey> SystemFontRegistry::OpenOrCreateKey(RegRoot root, std::u16string_view path) {
  auto key = RegistryKey::OpenOrCreate(root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                                       AsWide(path), KEY_READ | KEY_WRITE);
  if (!key) return nullptr;
  return std::make_unique<SystemRegKey>(std::move(*key), whileReading_);
}

void SystemFontRegistry::StartRegistryEditor() {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"regedit.exe";  // CreateProcessW may write into its command line
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                     &startup, &process)) {
    UniqueKernelHandle thread(process.hThread), child(process.hProcess);  // not waited for
  }
}

}  // namespace velura
