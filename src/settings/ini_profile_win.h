// A private profile file read and written with GetPrivateProfileStringA / WritePrivateProfileStringA:
// the file holds ANSI code page bytes (932 on Japanese systems) with CRLF line ends.
#pragma once
#include <optional>
#include <string>

#include "settings/ini_profile.h"

namespace velura {

class PrivateProfileFile final : public IniProfile {
 public:
  explicit PrivateProfileFile(std::u16string path);

  std::u16string Read(std::u16string_view section, std::u16string_view key) const override;
  bool Write(std::u16string_view section, std::u16string_view key, std::u16string_view value) override;
  bool CanHold(std::u16string_view text) const override;
  void Erase() override;
  const std::u16string& Location() const override { return path_; }

 private:
  std::u16string path_;
  // The path as the A functions take it; none when the code page cannot name the file
  // (then reads give defaults and writes are refused).
  std::optional<std::string> ansiPath_;
};

}  // namespace velura
