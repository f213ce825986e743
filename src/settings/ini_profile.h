// One profile (INI) file as the settings store sees it: one key per call, nothing cached.
// Windows binds it to the A profile functions; tests use an in-memory profile.
#pragma once
#include <string>
#include <string_view>

namespace velura {

class IniProfile {
 public:
  virtual ~IniProfile() = default;

  // The value's text; empty when the file, the section or the key is missing.
  virtual std::u16string Read(std::u16string_view section, std::u16string_view key) const = 0;

  // Creates the file and the section when needed. False when the write is refused.
  virtual bool Write(std::u16string_view section, std::u16string_view key, std::u16string_view value) = 0;

  // Whether the file's code page holds the text unchanged. Text it cannot hold is still written, garbled.
  virtual bool CanHold(std::u16string_view text) const = 0;

  // Deletes the file; a missing file is no error.
  virtual void Erase() = 0;

  // The file's full path, for messages.
  virtual const std::u16string& Location() const = 0;
};

}  // namespace velura
