#include "records/reg_font_data.h"

#include <utility>

#include "platform/user_error.h"
#include "records/face_record_cache.h"
#include "records/reg_font_rules.h"

namespace velura {
namespace {

constexpr std::u16string_view kCurrentVersionPath = u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\";
constexpr std::u16string_view kRegeditAppletPath = u"\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
constexpr std::uint32_t kPlatformWin32Nt = 2;  // VER_PLATFORM_WIN32_NT

bool HoldsText(RegValueKind kind) { return kind == RegValueKind::String || kind == RegValueKind::ExpandString; }

}  // namespace

// A value of any type but a string is skipped rather than failing: one odd value written by another
// program must not stop the program from starting. A value that cannot be queried counts as empty text.
TRegDataArrray TRegFontData::ReadFontValues(const RegKey& key, const std::u16string& keyName) {
  // The stamp is taken first: a change while the values are read leaves a newer stamp for the next read.
  const std::optional<RegKeyStamp> stamp = kept_ ? key.Stamp() : std::nullopt;
  const RegValues* keptValues = stamp ? kept_->FindValues(keyName, *stamp) : nullptr;
  RegValues values = keptValues ? *keptValues : key.Values();
  if (stamp && !keptValues) kept_->KeepValues(keyName, *stamp, values);
  TRegDataArrray fonts;
  for (auto& [name, value] : values) {
    if (value.Kind != RegValueKind::Missing && !HoldsText(value.Kind)) continue;
    fonts.push_back(TRegData{std::move(value.Text), std::move(name), false});
  }
  return fonts;
}

TRegFontData::TRegFontData(FontRegistry& registry, const RegTextFolding& folding, std::u16string fontsFolder,
                           FaceRecordCache* kept)
    : PlatformId(registry.PlatformId()),
      registry_(registry),
      folding_(folding),
      fontsFolder_(std::move(fontsFolder)),
      kept_(kept) {
  LoadFontsList();
  LoadProtectedLists();
}

std::u16string TRegFontData::FontsKeyPath() const {
  if (PlatformId != kPlatformWin32Nt)
    throw UserError(u"レジストリのオープンに失敗しました\r\nWindowsのバージョンを取得できません");
  return std::u16string(kCurrentVersionPath) + u"Fonts";
}

std::unique_ptr<RegKey> TRegFontData::OpenFontsKey(RegAccess access) const {
  auto key = registry_.OpenKey(RegRoot::LocalMachine, FontsKeyPath(), access);
  if (!key) throw UserError(u"error! RegOpenKey");
  return key;
}

// Reading needs no more than read access: a user without administrator rights must still be able to start.
// A table whose key is missing protects nothing; the program starts with the others.
std::unique_ptr<RegKey> TRegFontData::OpenMappingKey(std::u16string_view subKey) const {
  return registry_.OpenKey(RegRoot::LocalMachine, std::u16string(kCurrentVersionPath) + std::u16string(subKey),
                           RegAccess::Read);
}

void TRegFontData::LoadFontsList() {
  TRegDataArrray fonts = ReadFontValues(*OpenFontsKey(RegAccess::Read), u"HKLM" + FontsKeyPath());
  const auto userKey = registry_.OpenKey(RegRoot::CurrentUser, FontsKeyPath(), RegAccess::Read);
  TRegDataArrray userFonts = userKey ? ReadFontValues(*userKey, u"HKCU" + FontsKeyPath()) : TRegDataArrray{};
  Fonts = std::move(fonts);
  UserFonts = std::move(userFonts);
  registeredKeys_.clear();
  for (const TRegDataArrray* list : {&Fonts, &UserFonts})
    for (const TRegData& entry : *list) registeredKeys_.insert(RegisteredNameKey(entry.ValueName, folding_));
}

void TRegFontData::LoadProtectedLists() {
  MapperNames.clear();
  SubstituteTargets.clear();
  SystemLinkFiles.clear();

  if (const auto mapper = OpenMappingKey(u"FontMapper")) MapperNames = mapper->ValueNames();

  const auto substitutes = OpenMappingKey(u"FontSubstitutes");
  for (auto& [name, value] : substitutes ? substitutes->Values() : RegValues{}) {
    if (value.Kind == RegValueKind::Missing || HoldsText(value.Kind)) SubstituteTargets.push_back(std::move(value.Text));
  }

  const auto systemLink = OpenMappingKey(u"FontLink\\SystemLink");
  for (const auto& [name, value] : systemLink ? systemLink->Values() : RegValues{}) {
    if (value.Kind != RegValueKind::MultiString && value.Kind != RegValueKind::String) continue;
    for (auto& file : SystemLinkFileNames(value.Text)) SystemLinkFiles.push_back(std::move(file));
  }
  mapperFolded_ = FoldedNames(MapperNames, folding_);
  substitutesFolded_ = FoldedNames(SubstituteTargets, folding_);
  systemLinkFolded_ = FoldedNames(SystemLinkFiles, folding_);
}

bool TRegFontData::IsRegisteredName(std::u16string_view name) const {
  return registeredKeys_.count(RegisteredNameKey(name, folding_)) != 0;
}

bool TRegFontData::IsRegisteredFile(std::u16string_view path) const {
  return FindEntryForPath(Fonts, path, fontsFolder_, folding_).has_value() || IsUserFontFile(path);
}

bool TRegFontData::IsUserFontFile(std::u16string_view path) const {
  return FindEntryForPath(UserFonts, path, fontsFolder_, folding_).has_value();
}

bool TRegFontData::IsProtected(std::u16string_view fileName, std::u16string_view familyName) const {
  return mapperFolded_.Contains(familyName, folding_) || substitutesFolded_.Contains(familyName, folding_) ||
         systemLinkFolded_.Contains(fileName, folding_);
}

void TRegFontData::WriteFontValue(std::u16string_view valueName, std::u16string_view data) {
  const auto key = OpenFontsKey(RegAccess::ReadWrite);
  if (!key->WriteString(valueName, data))
    throw UserError(u"レジストリ書き込みに失敗しました\r\n" + std::u16string(valueName));
}

void TRegFontData::DeleteEntryValue(RegKey& key, const TRegData& entry) {
  if (!key.DeleteValue(entry.ValueName)) throw UserError(u"レジストリ削除に失敗しました\r\n" + entry.ValueName);
}

bool TRegFontData::DeleteFontValueByFile(std::u16string_view fileName) {
  const auto key = OpenFontsKey(RegAccess::Full);
  const auto index = FindEntryByFileName(Fonts, fileName, folding_);
  if (!index) return false;
  DeleteEntryValue(*key, Fonts[*index]);
  return true;
}

bool TRegFontData::DeleteFontValueForFile(std::u16string_view path) {
  const auto key = OpenFontsKey(RegAccess::Full);
  const auto index = FindEntryForPath(Fonts, path, fontsFolder_, folding_);
  if (!index) return false;
  DeleteEntryValue(*key, Fonts[*index]);
  return true;
}

bool TRegFontData::DeleteFontValueNamed(std::u16string_view valueName) {
  const auto key = OpenFontsKey(RegAccess::Full);
  for (const auto& entry : Fonts) {
    if (entry.ValueName != valueName) continue;
    DeleteEntryValue(*key, entry);
    return true;
  }
  return false;
}

bool TRegFontData::PrepareUserFontsKey() {
  return registry_.OpenOrCreateKey(RegRoot::CurrentUser, FontsKeyPath()) != nullptr;
}

void TRegFontData::WriteUserFontValue(std::u16string_view valueName, std::u16string_view fullPath) {
  const auto key = registry_.OpenOrCreateKey(RegRoot::CurrentUser, FontsKeyPath());
  if (!key) throw UserError(u"error! RegOpenKey");
  if (!key->WriteString(valueName, fullPath))
    throw UserError(u"レジストリ書き込みに失敗しました\r\n" + std::u16string(valueName));
}

bool TRegFontData::DeleteUserFontValueForFile(std::u16string_view path) {
  const auto index = FindEntryForPath(UserFonts, path, fontsFolder_, folding_);
  if (!index) return false;
  const auto key = registry_.OpenKey(RegRoot::CurrentUser, FontsKeyPath(), RegAccess::ReadWrite);
  if (!key) throw UserError(u"error! RegOpenKey");
  DeleteEntryValue(*key, UserFonts[*index]);
  return true;
}

std::vector<std::u16string> TRegFontData::FontFolders() const { return FontFoldersOf(Fonts, fontsFolder_, folding_); }

std::u16string TRegFontData::ValueNameWithoutSuffix(std::size_t index) const {
  return StripValueSuffix(Fonts.at(index).ValueName);
}

void TRegFontData::OpenRegistryEditorAtFonts() {
  const std::u16string lastKey = u"HKEY_LOCAL_MACHINE" + FontsKeyPath();
  if (auto applet = registry_.OpenKey(RegRoot::CurrentUser, kRegeditAppletPath, RegAccess::ReadWrite))
    applet->WriteString(u"LastKey", lastKey);
  registry_.StartRegistryEditor();
}

}  // namespace velura
