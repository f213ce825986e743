#include "settings/ini_keeper.h"

#include <utility>

#include "platform/text.h"
#include "platform/user_error.h"
#include "settings/ini_values.h"

namespace velura {
namespace {

constexpr std::array<std::u16string_view, kWindowKindCount> kWindowSections = {
    u"Main", u"LocalView", u"InstalledView", u"RegView", u"SymbolView", u"UnicodeView", u"OneTimeInst"};

constexpr std::array<std::u16string_view, 7> kShortcutKeys = {
    u"OneTimeInst_btn", u"LocalView_btn", u"InstalledView_btn", u"RegView_btn",
    u"SymbolView_btn",  u"UnicodeView_btn", u"Etc_btn"};

constexpr std::int32_t kNoPlace = -100;  // "Top" or "Left" of a window whose place was never stored
constexpr std::size_t kMaxStringRead = 2047;

std::u16string SearchHistoryKey(std::size_t index) { return u"Str" + DecimalU16(static_cast<std::int64_t>(index) + 1); }

std::u16string Concat(std::u16string_view a, std::u16string_view b) {
  std::u16string text(a);
  text.append(b);
  return text;
}

}  // namespace

TIniKeeper::TIniKeeper(std::unique_ptr<IniProfile> profile) : profile_(std::move(profile)) {
  for (int kind = 0; kind < kWindowKindCount; ++kind)
    if (ReadBoolValue(kWindowSections[kind], u"Enable", false)) windowFlags_ |= static_cast<TWindowFlags>(1u << kind);
}

bool TIniKeeper::ReadBoolValue(std::u16string_view section, std::u16string_view key, bool fallback) const {
  return ParseProfileBool(profile_->Read(section, key), fallback);
}

std::int32_t TIniKeeper::ReadIntValue(std::u16string_view section, std::u16string_view key,
                                      std::int32_t fallback) const {
  return ParseProfileInt(profile_->Read(section, key), fallback);
}

std::u16string TIniKeeper::ReadStrValue(std::u16string_view section, std::u16string_view key) const {
  std::u16string value = profile_->Read(section, key);
  if (value.size() > kMaxStringRead) value.resize(kMaxStringRead);
  return value;
}

void TIniKeeper::WriteValue(std::u16string_view section, std::u16string_view key, std::u16string_view text) {
  if (!profile_->Write(section, key, text)) throw UserError(FileName() + u" に書き込めません");
}

void TIniKeeper::WriteBoolValue(std::u16string_view section, std::u16string_view key, bool value) {
  WriteValue(section, key, FormatProfileBool(value));
}

void TIniKeeper::WriteIntValue(std::u16string_view section, std::u16string_view key, std::int32_t value) {
  WriteValue(section, key, FormatProfileInt(value));
}

void TIniKeeper::WriteStrValue(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  WriteValue(section, key, value);
}

// A path the file's code page cannot hold would come back as another path; refuse it instead.
void TIniKeeper::WritePathValue(std::u16string_view section, std::u16string_view key, std::u16string_view path) {
  if (!profile_->CanHold(path))
    throw UserError(Concat(path, u"\r\nこのパスには設定ファイルに保存できない文字が含まれています"));
  WriteValue(section, key, path);
}

// A place merely remembered: neither a path the file cannot spell nor a file that refuses the write (read
// only, a full disk) may stop the work that was to be remembered.
bool TIniKeeper::RememberPathValue(std::u16string_view section, std::u16string_view key, std::u16string_view path) {
  return profile_->CanHold(path) && profile_->Write(section, key, path);
}

std::u16string_view TIniKeeper::SectionOfWindow(TWindowKind kind) {
  return kWindowSections.at(static_cast<std::size_t>(kind));
}

void TIniKeeper::SetWindowFlags(TWindowFlags flags) {
  windowFlags_ = flags;
  for (int kind = 0; kind < kWindowKindCount; ++kind)
    WriteBoolValue(kWindowSections[kind], u"Enable", (flags >> kind) & 1u);
}

void TIniKeeper::RestoreWindow(RememberedWindow& form, TWindowKind kind) const {
  const auto index = static_cast<unsigned>(kind);
  if (index > 7 || !((windowFlags_ >> index) & 1u)) return;
  const std::u16string_view section = SectionOfWindow(kind);
  if (ReadBoolValue(section, u"Maximized", false)) {
    form.SetState(WindowState::Maximized);
    return;
  }
  const std::int32_t top = ReadIntValue(section, u"Top", kNoPlace);
  const std::int32_t left = ReadIntValue(section, u"Left", kNoPlace);
  if (top == kNoPlace || left == kNoPlace) return;
  form.SetTop(top);
  form.SetLeft(left);
  if (kind != TWindowKind::Main) {  // the launcher keeps its designed size
    form.SetWidth(ReadIntValue(section, u"Width", 800));
    form.SetHeight(ReadIntValue(section, u"Height", 540));
  }
  form.KeepOnScreen();
}

void TIniKeeper::StoreWindow(const RememberedWindow& form, TWindowKind kind) {
  const std::u16string_view section = SectionOfWindow(kind);
  const WindowState state = form.State();
  WriteBoolValue(section, u"Maximized", state == WindowState::Maximized);
  if (state != WindowState::Normal) return;  // keep the last normal place
  const WindowBounds bounds = form.Bounds();
  WriteIntValue(section, u"Top", bounds.Top);
  WriteIntValue(section, u"Left", bounds.Left);
  WriteIntValue(section, u"Width", bounds.Width);
  WriteIntValue(section, u"Height", bounds.Height);
}

void TIniKeeper::ClearAll() {
  profile_->Erase();
  windowFlags_ = 0;
}

std::u16string TIniKeeper::ReadStartFolder() const {
  return ReadBoolValue(u"LocalView", u"DefBool", false) ? ReadStrValue(u"LocalView", u"DefPath")
                                                        : ReadStrValue(u"LocalView", u"PreviousPath");
}

FolderSetting TIniKeeper::ReadDefaultFolder() const {
  FolderSetting setting;
  setting.Use = ReadBoolValue(u"LocalView", u"DefBool", false);
  setting.Path = ReadStrValue(u"LocalView", u"DefPath");
  return setting;
}

void TIniKeeper::WriteDefaultFolder(bool useDefault, std::u16string_view path) {
  WritePathValue(u"LocalView", u"DefPath", path);
  WriteBoolValue(u"LocalView", u"DefBool", useDefault);
}

std::u16string TIniKeeper::ReadPreviousFolder() const { return ReadStrValue(u"LocalView", u"PreviousPath"); }

bool TIniKeeper::RememberPreviousFolder(std::u16string_view path) {
  return RememberPathValue(u"LocalView", u"PreviousPath", path);
}

SearchOptions TIniKeeper::ReadSearchOptions() const {
  SearchOptions options;
  options.FileName = ReadBoolValue(u"SearchWnd", u"Ident_bFileName", false);
  options.FontName = ReadBoolValue(u"SearchWnd", u"bFontName", true);
  options.Other = ReadBoolValue(u"SearchWnd", u"bOther", false);
  options.FullFont = ReadBoolValue(u"SearchWnd", u"bFullFont", false);
  options.AndMode = ReadBoolValue(u"SearchWnd", u"bAnd", false);
  options.PitchIndex = static_cast<std::uint8_t>(ReadIntValue(u"SearchWnd", u"PichType", 0));
  for (std::size_t i = 0; i < options.History.size(); ++i)
    options.History[i] = ReadStrValue(u"SearchWnd", SearchHistoryKey(i));
  return options;
}

void TIniKeeper::WriteSearchOptions(const SearchOptions& options) {
  WriteBoolValue(u"SearchWnd", u"Ident_bFileName", options.FileName);
  WriteBoolValue(u"SearchWnd", u"bFontName", options.FontName);
  WriteBoolValue(u"SearchWnd", u"bOther", options.Other);
  WriteBoolValue(u"SearchWnd", u"bFullFont", options.FullFont);
  WriteBoolValue(u"SearchWnd", u"bAnd", options.AndMode);
  WriteIntValue(u"SearchWnd", u"PichType", options.PitchIndex);
  for (std::size_t i = 0; i < options.History.size(); ++i)
    WriteStrValue(u"SearchWnd", SearchHistoryKey(i), options.History[i]);
}

// Each key is read on its own: one bad value must not hide the good ones after it, or a save of what was
// read would overwrite them with none.
void TIniKeeper::ReadShortcuts(ShortcutCodes& codes) const {
  std::u16string problem;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const std::int32_t code = ReadIntValue(u"TShortCut", kShortcutKeys[i], 0);
    const bool inRange = code >= 0 && code <= 0xFFFF;
    codes[i] = inRange ? static_cast<std::uint16_t>(code) : 0;
    if (!inRange && problem.empty())
      problem = u"ショートカットキーの設定値が範囲外です\r\n" + Concat(kShortcutKeys[i], u"=") + DecimalU16(code);
  }
  if (!problem.empty()) throw UserError(problem);
}

void TIniKeeper::WriteShortcuts(const ShortcutCodes& codes) {
  for (std::size_t i = 0; i < codes.size(); ++i) WriteIntValue(u"TShortCut", kShortcutKeys[i], codes[i]);
}

bool TIniKeeper::ReadStayOnTop() const { return ReadBoolValue(u"Main", u"fsStayOnTop", false); }

void TIniKeeper::WriteStayOnTop(bool stayOnTop) { WriteBoolValue(u"Main", u"fsStayOnTop", stayOnTop); }

void TIniKeeper::ReadTreeStyle(TTreeStyle& style) const {
  const TTreeStyle defaults;
  auto colour = [this](std::u16string_view key, std::uint32_t fallback) {
    return static_cast<std::uint32_t>(ReadIntValue(u"TreeView_FontName", key, static_cast<std::int32_t>(fallback)));
  };
  style.DefColor = colour(u"tvDefFontColor", defaults.DefColor);
  style.RegFontColor = colour(u"tvRegFont_Color", defaults.RegFontColor);
  style.Font1Color = colour(u"tvFont1_Color_Navy", defaults.Font1Color);
  style.Font2Color = colour(u"tvFont2_Color_Olive", defaults.Font2Color);
  style.RegFontItalic = ReadBoolValue(u"TreeView_FontName", u"tvRegFont_Style_italic", style.RegFontItalic);
  style.Font1Italic = ReadBoolValue(u"TreeView_FontName", u"tvFont1_Style_itali", style.Font1Italic);
  style.Font2Italic = ReadBoolValue(u"TreeView_FontName", u"tvFont2_Style_itali", style.Font2Italic);
}

void TIniKeeper::WriteTreeStyle(const TTreeStyle& style) {
  auto colour = [this](std::u16string_view key, std::uint32_t value) {
    WriteIntValue(u"TreeView_FontName", key, static_cast<std::int32_t>(value));
  };
  colour(u"tvDefFontColor", style.DefColor);
  colour(u"tvRegFont_Color", style.RegFontColor);
  colour(u"tvFont1_Color_Navy", style.Font1Color);
  colour(u"tvFont2_Color_Olive", style.Font2Color);
  WriteBoolValue(u"TreeView_FontName", u"tvRegFont_Style_italic", style.RegFontItalic);
  WriteBoolValue(u"TreeView_FontName", u"tvFont1_Style_itali", style.Font1Italic);
  WriteBoolValue(u"TreeView_FontName", u"tvFont2_Style_itali", style.Font2Italic);
}

FolderSetting TIniKeeper::ReadTempFolder() const {
  FolderSetting setting;
  setting.Use = ReadBoolValue(u"Original_TEMP_Dir", u"UseBool", false);
  setting.Path = ReadStrValue(u"Original_TEMP_Dir", u"TempDirPath");
  return setting;
}

void TIniKeeper::WriteTempFolder(bool use, std::u16string_view path) {
  WritePathValue(u"Original_TEMP_Dir", u"TempDirPath", path);
  WriteBoolValue(u"Original_TEMP_Dir", u"UseBool", use);
}

SampleSizes TIniKeeper::ReadSampleSizes() const {
  SampleSizes sizes;
  sizes.DefSize = ReadIntValue(u"SampleFont", u"DefFontSize", 24);
  sizes.OpSize = ReadIntValue(u"SampleFont", u"opFontSize", 18);
  sizes.Remember = ReadBoolValue(u"SampleFont", u"opMemory", false);
  return sizes;
}

void TIniKeeper::WriteSampleDefaults(int defSize, bool remember) {
  WriteBoolValue(u"SampleFont", u"opMemory", remember);
  WriteIntValue(u"SampleFont", u"DefFontSize", defSize);
}

void TIniKeeper::WriteSampleSize(int opSize) { WriteIntValue(u"SampleFont", u"opFontSize", opSize); }

UserBlockItem TIniKeeper::ReadUserItem(int n) const {
  const std::u16string number = DecimalU16(n);
  UserBlockItem item;
  const std::u16string index = profile_->Read(u"MyUniBlock", number + u"index");
  item.BlockStart = ParseProfileCodePoint(index);
  item.BlockIndex = item.BlockStart ? -1 : ParseProfileInt(index, -1);
  item.Text = ReadStrValue(u"MyUniBlock", number + u"UserStr");
  return item;
}

void TIniKeeper::WriteUserItem(int n, int blockIndex, std::u16string_view text) {
  const std::u16string number = DecimalU16(n);
  WriteIntValue(u"MyUniBlock", number + u"index", blockIndex);
  WriteStrValue(u"MyUniBlock", number + u"UserStr", text);
}

void TIniKeeper::WriteUserItem(int n, const UserBlockItem& item) {
  if (!item.BlockStart) return WriteUserItem(n, item.BlockIndex, item.Text);
  const std::u16string number = DecimalU16(n);
  WriteValue(u"MyUniBlock", number + u"index", FormatProfileCodePoint(item.BlockStart));
  WriteStrValue(u"MyUniBlock", number + u"UserStr", item.Text);
}

}  // namespace velura
