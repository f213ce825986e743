#include "ui/framework/shortcut.h"

#include "platform/text.h"

namespace velura::ui {
namespace {

constexpr std::uint8_t kHotKeyShift = 0x01, kHotKeyCtrl = 0x02, kHotKeyAlt = 0x04;
constexpr std::uint8_t kAccelVirtKey = 0x01, kAccelShift = 0x04, kAccelCtrl = 0x08, kAccelAlt = 0x10;

struct KeyName {
  std::uint8_t key;
  const char16_t* name;
};

// Names of the keys that are not a letter, a digit or a function key (US key caps for the OEM keys).
constexpr KeyName kKeyNames[] = {
    {0x08, u"BkSp"},   {0x09, u"Tab"},    {0x0D, u"Enter"},  {0x1B, u"Esc"},    {0x20, u"Space"},
    {0x21, u"PgUp"},   {0x22, u"PgDn"},   {0x23, u"End"},    {0x24, u"Home"},   {0x25, u"Left"},
    {0x26, u"Up"},     {0x27, u"Right"},  {0x28, u"Down"},   {0x2D, u"Ins"},    {0x2E, u"Del"},
    {0x6A, u"Num *"},  {0x6B, u"Num +"},  {0x6D, u"Num -"},  {0x6E, u"Num ."},  {0x6F, u"Num /"},
    {0xBA, u";"},      {0xBB, u"="},      {0xBC, u","},      {0xBD, u"-"},      {0xBE, u"."},
    {0xBF, u"/"},      {0xC0, u"`"},      {0xDB, u"["},      {0xDC, u"\\"},     {0xDD, u"]"},
    {0xDE, u"'"},
};

std::u16string KeyText(std::uint8_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::u16string(1, char16_t(key));
  if (key >= 0x60 && key <= 0x69) return u"Num " + std::u16string(1, char16_t(u'0' + key - 0x60));
  if (key >= 0x70 && key <= 0x87) return u"F" + DecimalU16(key - 0x70 + 1);
  for (const KeyName& k : kKeyNames)
    if (k.key == key) return k.name;
  return {};
}

}  // namespace

std::uint16_t MakeShortcut(std::uint8_t virtualKey, bool shift, bool ctrl, bool alt) {
  if (virtualKey == 0) return 0;
  return static_cast<std::uint16_t>(virtualKey | (shift ? kShortcutShift : 0) | (ctrl ? kShortcutCtrl : 0) |
                                    (alt ? kShortcutAlt : 0));
}

std::uint16_t ShortcutToHotKey(std::uint16_t code) {
  if (ShortcutKey(code) == 0) return 0;
  std::uint8_t mods = 0;
  if (code & kShortcutShift) mods |= kHotKeyShift;
  if (code & kShortcutCtrl) mods |= kHotKeyCtrl;
  if (code & kShortcutAlt) mods |= kHotKeyAlt;
  return static_cast<std::uint16_t>(ShortcutKey(code) | (mods << 8));
}

std::uint16_t HotKeyToShortcut(std::uint16_t hotKey) {
  const std::uint8_t mods = static_cast<std::uint8_t>(hotKey >> 8);
  return MakeShortcut(static_cast<std::uint8_t>(hotKey & 0xFF), mods & kHotKeyShift, mods & kHotKeyCtrl,
                      mods & kHotKeyAlt);
}

AcceleratorKey ShortcutToAccelerator(std::uint16_t code, std::uint16_t command) {
  AcceleratorKey accel;
  accel.flags = kAccelVirtKey;
  if (code & kShortcutShift) accel.flags |= kAccelShift;
  if (code & kShortcutCtrl) accel.flags |= kAccelCtrl;
  if (code & kShortcutAlt) accel.flags |= kAccelAlt;
  accel.key = ShortcutKey(code);
  accel.command = command;
  return accel;
}

std::u16string ShortcutText(std::uint16_t code) {
  const std::u16string key = KeyText(ShortcutKey(code));
  if (key.empty()) return {};
  std::u16string text;
  if (code & kShortcutCtrl) text += u"Ctrl+";
  if (code & kShortcutShift) text += u"Shift+";
  if (code & kShortcutAlt) text += u"Alt+";
  return text + key;
}

}  // namespace velura::ui
