#include "platform/registry_key_win.h"

#include <algorithm>
#include <utility>

namespace velura {
namespace {

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

LSTATUS SetValue(HKEY key, std::wstring_view name, DWORD type, const std::wstring& data) {
  const std::wstring valueName(name);  // the API needs a terminated name
  return RegSetValueExW(key, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

// The text of a string value from the bytes read: REG_MULTI_SZ keeps the NULs between its strings, the
// others end at their first NUL.
std::wstring TextOf(DWORD type, const wchar_t* data, DWORD bytes) {
  std::wstring text(data, bytes / sizeof(wchar_t));
  if (type == REG_MULTI_SZ) {
    while (!text.empty() && text.back() == L'\0') text.pop_back();
  } else {
    text.resize(std::wstring_view(text.c_str()).size());
  }
  return text;
}

}  // namespace

std::optional<RegistryKey> RegistryKey::Open(HKEY root, std::wstring_view path, REGSAM access) {
  while (!path.empty() && path.front() == L'\\') path.remove_prefix(1);
  const std::wstring subKey(path);
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, subKey.c_str(), 0, access, &key) != ERROR_SUCCESS) return std::nullopt;
  return RegistryKey(key);
}

std::optional<RegistryKey> RegistryKey::OpenOrCreate(HKEY root, std::wstring_view path, REGSAM access) {
  while (!path.empty() && path.front() == L'\\') path.remove_prefix(1);
  const std::wstring subKey(path);
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return RegistryKey(key);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    key_ = std::exchange(other.key_, nullptr);
  }
  return *this;
}

RegistryKey::~RegistryKey() { Close(); }

void RegistryKey::Close() {
  if (key_) RegCloseKey(key_);
  key_ = nullptr;
}

std::vector<std::wstring> RegistryKey::ValueNames() const {
  std::vector<std::wstring> names;
  DWORD count = 0, longest = 0;
  if (RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longest, nullptr,
                       nullptr, nullptr) != ERROR_SUCCESS)
    return names;
  names.reserve(count);
  std::wstring buffer(longest + 1, L'\0');
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LSTATUS status = RegEnumValueW(key_, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) {  // a longer name was added meanwhile
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), length);
    ++index;
  }
  return names;
}

std::optional<RegistryValue> RegistryKey::Read(std::wstring_view name) const {
  const std::wstring valueName(name);
  RegistryValue value;
  DWORD size = 0;
  if (RegQueryValueExW(key_, valueName.c_str(), nullptr, &value.Type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (!IsStringType(value.Type)) return value;

  std::wstring data;
  for (;;) {
    data.assign(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    const LSTATUS status =
        RegQueryValueExW(key_, valueName.c_str(), nullptr, &value.Type, reinterpret_cast<BYTE*>(data.data()), &bytes);
    if (status == ERROR_MORE_DATA) {  // the value grew between the two calls
      size = bytes;
      continue;
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    value.Text = TextOf(value.Type, data.c_str(), bytes);
    return value;
  }
}

std::vector<std::pair<std::wstring, RegistryValue>> RegistryKey::Values() const {
  std::vector<std::pair<std::wstring, RegistryValue>> values;
  DWORD count = 0, longestName = 0, longestData = 0;
  if (RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName, &longestData,
                       nullptr, nullptr) != ERROR_SUCCESS)
    return values;
  values.reserve(count);
  std::wstring name(longestName + 1, L'\0');
  std::wstring data(longestData / sizeof(wchar_t) + 2, L'\0');  // room for a final NUL the data may lack
  for (DWORD index = 0;;) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD type = REG_NONE;
    DWORD bytes = static_cast<DWORD>((data.size() - 1) * sizeof(wchar_t));
    const LSTATUS status = RegEnumValueW(key_, index, name.data(), &nameLength, nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &bytes);
    if (status == ERROR_MORE_DATA) {  // a longer name or value was written meanwhile
      name.resize(name.size() * 2);
      data.resize(std::max<std::size_t>(data.size() * 2, bytes / sizeof(wchar_t) + 2));
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    RegistryValue value;
    value.Type = type;
    if (IsStringType(type)) {
      data[bytes / sizeof(wchar_t)] = L'\0';
      value.Text = TextOf(type, data.c_str(), bytes);
    }
    values.emplace_back(std::wstring(name.data(), nameLength), std::move(value));
    ++index;
  }
  return values;
}

LSTATUS RegistryKey::WriteString(std::wstring_view name, std::wstring_view text) {
  return SetValue(key_, name, REG_SZ, std::wstring(text));
}

LSTATUS RegistryKey::WriteMultiString(std::wstring_view name, const std::vector<std::wstring>& strings) {
  std::wstring data;
  for (const auto& s : strings) data.append(s).push_back(L'\0');
  if (strings.empty()) data.push_back(L'\0');
  return SetValue(key_, name, REG_MULTI_SZ, data);  // SetValue adds the final NUL of the list
}

LSTATUS RegistryKey::DeleteValue(std::wstring_view name) {
  const std::wstring valueName(name);
  return RegDeleteValueW(key_, valueName.c_str());
}

}  // namespace velura
