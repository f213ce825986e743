// The registry font data's view of this system: the real registry (W APIs), the version and regedit.exe.
#pragma once
#include "records/reg_font_registry.h"

namespace velura {

class SystemFontRegistry final : public FontRegistry {
 public:
  std::uint32_t PlatformId() const override;
  std::unique_ptr<RegKey> OpenKey(RegRoot root, std::u16string_view path, RegAccess access) override;
  std::unique_ptr<RegKey> OpenOrCreateKey(RegRoot root, std::u16string_view path) override;
  void StartRegistryEditor() override;
};

}  // namespace velura
