// The registry font data's view of this system: the real registry (W APIs), the version and regedit.exe.
#pragma once
#include <functional>

#include "records/reg_font_registry.h"

namespace velura {

class SystemFontRegistry final : public FontRegistry {
 public:
  // Reading every value of a key takes a wine server round trip a value: thousands of installed fonts'
  // values are read aside while this is called every 30 ms (the windows standing over the work).
  void SetWhileReading(std::function<void()> pump) { whileReading_ = std::move(pump); }
  std::uint32_t PlatformId() const override;
  std::unique_ptr<RegKey> OpenKey(RegRoot root, std::u16string_view path, RegAccess access) override;
  std::unique_ptr<RegKey> OpenOrCreateKey(RegRoot root, std::u16string_view path) override;
  void StartRegistryEditor() override;

 private:
  std::function<void()> whileReading_;
};

}  // namespace velura
