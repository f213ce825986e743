// An open registry key that closes itself. Keys are opened with the access the caller asks for; only
// OpenOrCreate creates one.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velura {

// A value as read: its registry type and, for REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ, its text.
// REG_SZ text ends at its first NUL; REG_MULTI_SZ text keeps the NULs between its strings but not the final ones.
struct RegistryValue {
  DWORD Type = REG_NONE;
  std::wstring Text;
};

class RegistryKey {
 public:
  // The existing key at path below root, or none. Paths are written from the root, so a leading
  // backslash ("\Software\...") is accepted and ignored.
  static std::optional<RegistryKey> Open(HKEY root, std::wstring_view path, REGSAM access);
  // The key at path, created with its missing parents when absent; none when that fails.
  static std::optional<RegistryKey> OpenOrCreate(HKEY root, std::wstring_view path, REGSAM access);

  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  HKEY Handle() const { return key_; }

  // Names of all values, in the registry's enumeration order.
  std::vector<std::wstring> ValueNames() const;

  // Every value with its text, in the registry's enumeration order: one call a value, where names and then
  // Read take three.
  std::vector<std::pair<std::wstring, RegistryValue>> Values() const;

  // None when the value does not exist or cannot be queried.
  std::optional<RegistryValue> Read(std::wstring_view name) const;

  LSTATUS WriteString(std::wstring_view name, std::wstring_view text);
  LSTATUS WriteMultiString(std::wstring_view name, const std::vector<std::wstring>& strings);
  LSTATUS DeleteValue(std::wstring_view name);

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  void Close();

  HKEY key_ = nullptr;
};

}  // namespace velura
