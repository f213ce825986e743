// Keyboard shortcuts as the settings store keeps them: one 16-bit code with the virtual key in the low
// byte plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt; 0 is no shortcut. Conversions to the
// hot-key field's value and to accelerator-table entries, and the text a menu shows after a tab.
#pragma once
#include <cstdint>
#include <string>

namespace velura::ui {

inline constexpr std::uint16_t kShortcutShift = 0x2000;
inline constexpr std::uint16_t kShortcutCtrl = 0x4000;
inline constexpr std::uint16_t kShortcutAlt = 0x8000;

inline std::uint8_t ShortcutKey(std::uint16_t code) { return static_cast<std::uint8_t>(code & 0xFF); }
std::uint16_t MakeShortcut(std::uint8_t virtualKey, bool shift, bool ctrl, bool alt);

// The hot-key control's value (HKM_GETHOTKEY / HKM_SETHOTKEY): the key in the low byte, modifier flags
// (1 Shift, 2 Ctrl, 4 Alt, 8 extended key) in the high byte. The extended flag has no place in a code.
std::uint16_t ShortcutToHotKey(std::uint16_t code);
std::uint16_t HotKeyToShortcut(std::uint16_t hotKey);

// One entry of an accelerator table (the fields of ACCEL).
struct AcceleratorKey {
  std::uint8_t flags = 0;  // FVIRTKEY 1 | FSHIFT 4 | FCONTROL 8 | FALT 0x10
  std::uint16_t key = 0;
  std::uint16_t command = 0;
  bool operator==(const AcceleratorKey&) const = default;
};
AcceleratorKey ShortcutToAccelerator(std::uint16_t code, std::uint16_t command);

// "Ctrl+Shift+Alt+F5"; empty for 0 and for a key without a name.
std::u16string ShortcutText(std::uint16_t code);

}  // namespace velura::ui
