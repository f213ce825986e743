// The settings store: the only reader and writer of the settings file "velura_wd.ini". Every read and
// write goes to the file at once, one key at a time; only the window "Enable" flags are kept in memory.
// Reads never fail (missing keys give their defaults); a refused write throws UserError. Paths follow two
// rules: a path the user types (a start folder, a work folder) is refused when the file's code page cannot
// hold it; a place merely remembered (the last folder) is then simply not stored.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "settings/ini_profile.h"
#include "platform/remembered_window.h"

namespace velura {

// The windows whose place is remembered; the values index the window flags and the section names.
enum class TWindowKind : std::uint8_t { Main, LocalView, InstalledView, RegView, SymbolView, UnicodeView, OneTimeInst };
constexpr int kWindowKindCount = 7;

// Bit k set: window kind k reopens at its remembered place.
using TWindowFlags = std::uint8_t;

// Colours (0x00BBGGRR) and italic flags of the font file trees; the defaults are those of a missing file.
struct TTreeStyle {
  std::uint32_t DefColor = 0x000000;      // black
  std::uint32_t RegFontColor = 0x800080;  // purple
  std::uint32_t Font1Color = 0x800000;    // navy
  std::uint32_t Font2Color = 0x008080;    // olive
  bool RegFontItalic = false;
  bool Font1Italic = false;
  bool Font2Italic = false;
};

struct FolderSetting {
  bool Use = false;
  std::u16string Path;
};

struct SearchOptions {
  bool FileName = false;
  bool FontName = true;
  bool Other = false;
  bool FullFont = false;
  bool AndMode = false;
  std::uint8_t PitchIndex = 0;
  std::array<std::u16string, 9> History;  // "Str1" ... "Str9"
};

// One-time install, not-installed browser, installed browser, registry viewer, symbol viewer,
// Unicode viewer, other: virtual-key code + 0x2000 Shift + 0x4000 Ctrl + 0x8000 Alt; 0 = none.
using ShortcutCodes = std::array<std::uint16_t, 7>;

struct SampleSizes {
  int DefSize = 24;
  int OpSize = 18;
  bool Remember = false;  // start samples at OpSize instead of DefSize
};

// The remembered sample size when it is to be remembered, else the default size.
inline int SampleFontSizeSetting(const SampleSizes& sizes) { return sizes.Remember ? sizes.OpSize : sizes.DefSize; }

// A favourite block: by its number in the viewer's own table, or, for a block beyond that table, by its
// first code point, stored as "U+1F300" in the index key (a text older readers take as no number, so for
// them the slot is empty).
struct UserBlockItem {
  int BlockIndex = -1;  // -1: empty entry (or a block named by its first code point)
  std::u16string Text;
  char32_t BlockStart = 0;  // not 0: the block starting at this code point
};

class TIniKeeper {
 public:
  // Reads the seven "Enable" flags at once.
  explicit TIniKeeper(std::unique_ptr<IniProfile> profile);

  const std::u16string& FileName() const { return profile_->Location(); }
  // Whether the file's code page holds the text unchanged (a path typed by the user, before it is saved).
  bool CanHold(std::u16string_view text) const { return profile_->CanHold(text); }

  bool ReadBoolValue(std::u16string_view section, std::u16string_view key, bool fallback) const;
  std::int32_t ReadIntValue(std::u16string_view section, std::u16string_view key, std::int32_t fallback) const;
  std::u16string ReadStrValue(std::u16string_view section, std::u16string_view key) const;  // at most 2047 units
  void WriteBoolValue(std::u16string_view section, std::u16string_view key, bool value);
  void WriteIntValue(std::u16string_view section, std::u16string_view key, std::int32_t value);
  void WriteStrValue(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  static std::u16string_view SectionOfWindow(TWindowKind kind);
  TWindowFlags WindowFlags() const { return windowFlags_; }
  void SetWindowFlags(TWindowFlags flags);
  void RestoreWindow(RememberedWindow& form, TWindowKind kind) const;
  void StoreWindow(const RememberedWindow& form, TWindowKind kind);
  void ClearAll();

  std::u16string ReadStartFolder() const;
  FolderSetting ReadDefaultFolder() const;
  void WriteDefaultFolder(bool useDefault, std::u16string_view path);
  std::u16string ReadPreviousFolder() const;
  // The last folder browsed is merely remembered: one the file's code page cannot hold, or a file that
  // refuses the write, leaves it unstored (false) and the folder stored before stays.
  bool RememberPreviousFolder(std::u16string_view path);

  SearchOptions ReadSearchOptions() const;
  void WriteSearchOptions(const SearchOptions& options);

  // Fills every code; one stored outside 0 ... 65535 reads as 0 (none) and, once all are filled, the first
  // such one throws.
  void ReadShortcuts(ShortcutCodes& codes) const;
  void WriteShortcuts(const ShortcutCodes& codes);

  bool ReadStayOnTop() const;
  void WriteStayOnTop(bool stayOnTop);

  // The italic flags already in style serve as their defaults.
  void ReadTreeStyle(TTreeStyle& style) const;
  void WriteTreeStyle(const TTreeStyle& style);

  FolderSetting ReadTempFolder() const;
  void WriteTempFolder(bool use, std::u16string_view path);

  SampleSizes ReadSampleSizes() const;
  void WriteSampleDefaults(int defSize, bool remember);
  void WriteSampleSize(int opSize);

  // n = 0 ... 9.
  UserBlockItem ReadUserItem(int n) const;
  void WriteUserItem(int n, int blockIndex, std::u16string_view text);
  void WriteUserItem(int n, const UserBlockItem& item);

 private:
  void WriteValue(std::u16string_view section, std::u16string_view key, std::u16string_view text);
  void WritePathValue(std::u16string_view section, std::u16string_view key, std::u16string_view path);
  bool RememberPathValue(std::u16string_view section, std::u16string_view key, std::u16string_view path);

  std::unique_ptr<IniProfile> profile_;
  TWindowFlags windowFlags_ = 0;
};

}  // namespace velura
