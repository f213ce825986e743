// What the registry font data needs from the registry and the system, as a small interface:
// the real registry on Windows, an in-memory one in tests.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velura {

enum class RegRoot { LocalMachine, CurrentUser };

// Read for reading only; ReadWrite adds KEY_WRITE; Full is KEY_ALL_ACCESS.
enum class RegAccess { Read, ReadWrite, Full };

// Missing: the value cannot be queried. Other: any type that holds no text.
enum class RegValueKind { Missing, String, ExpandString, MultiString, Other };

struct RegValue {
  RegValueKind Kind = RegValueKind::Missing;
  std::u16string Text;  // a MultiString keeps the zero characters between its strings
  bool operator==(const RegValue&) const = default;
};

// A key's last-write time (in the system's units) and value count: its values are unchanged while both are.
struct RegKeyStamp {
  std::uint64_t LastWrite = 0;  // 0: unknown, never kept
  std::uint32_t Values = 0;
  bool operator==(const RegKeyStamp&) const = default;
};

// Values by name, in the registry's enumeration order.
using RegValues = std::vector<std::pair<std::u16string, RegValue>>;

class RegKey {
 public:
  virtual ~RegKey() = default;
  virtual std::vector<std::u16string> ValueNames() const = 0;
  virtual RegValue Read(std::u16string_view name) const = 0;
  // Every value with what Read gives for it, in the enumeration order of ValueNames.
  virtual RegValues Values() const {
    RegValues values;
    for (auto& name : ValueNames()) {
      RegValue value = Read(name);
      values.emplace_back(std::move(name), std::move(value));
    }
    return values;
  }
  // The key's stamp, when the registry tells it.
  virtual std::optional<RegKeyStamp> Stamp() const { return std::nullopt; }
  virtual bool WriteString(std::u16string_view name, std::u16string_view data) = 0;
  virtual bool DeleteValue(std::u16string_view name) = 0;
};

class FontRegistry {
 public:
  virtual ~FontRegistry() = default;

  // dwPlatformId as GetVersionExA reports it (2 for the NT family).
  virtual std::uint32_t PlatformId() const = 0;

  // The existing key at path below root, or null when it cannot be opened with that access; never creates it.
  virtual std::unique_ptr<RegKey> OpenKey(RegRoot root, std::u16string_view path, RegAccess access) = 0;

  // The key at path below root for reading and writing, created when absent (a user who never installed
  // a font for themselves may have no Fonts key); null when that fails.
  virtual std::unique_ptr<RegKey> OpenOrCreateKey(RegRoot root, std::u16string_view path) = 0;

  // Starts the Windows registry editor; whether it started is not reported.
  virtual void StartRegistryEditor() = 0;
};

}  // namespace velura
