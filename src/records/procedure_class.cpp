#include "records/procedure_class.h"

#include "records/font_file_names.h"
#include "records/long_operations.h"
#include "records/reg_font_rules.h"

namespace velura {

namespace {
constexpr std::uint32_t kDirectoryAttribute = 16;
}

TProcedureClass::TProcedureClass(EngineServices services) : services_(std::move(services)) {
  FontsFolder = services_.FontsFolder;
  if (!services_.FaceCacheFolder.empty()) {
    faceCache_ =
        std::make_unique<FaceCacheStore>(services_.Files, services_.FaceCacheFolder, services_.FaceCacheContext);
    faceCache_->Load();
  }
  regData_ = std::make_unique<TRegFontData>(services_.Registry, services_.Folding, FontsFolder,
                                            faceCache_ ? &faceCache_->Cache() : nullptr);
  registrations_ = std::make_unique<FontRegistrations>(services_.Fonts, services_.Folding);
  records_ = std::make_unique<RecordServices>(RecordServices{services_.Reader, services_.Fonts, *registrations_,
                                                             services_.Files, *regData_, services_.Folding,
                                                             LanguagePriority, loop_, FontsFolder, nullptr});
  installed_ = std::make_unique<TFileData_installed>(*records_);
  records_->Installed = installed_.get();
  records_->SystemFacts = services_.SystemFacts;
  records_->FaceCache = faceCache_.get();
  IsAdmin = services_.IsAdmin;
  AdminWithoutElevation = services_.AdminWithoutElevation;
  WindowsBuild = services_.WindowsBuild;
  UserFontsFolder = services_.UserFontsFolder;
  PriorityFile = services_.ProgramFolder + u"velura_c_rec.bin";
  LoadLanguagePriority();
  LoadTreeStyle();
}

TProcedureClass::~TProcedureClass() {
  if (faceCache_) faceCache_->SaveIfChanged();
}

void TProcedureClass::LoadLanguagePriority() {
  std::vector<std::uint8_t> bytes;
  const bool exists = services_.Files.Exists(PriorityFile);
  LanguagePriorityUnread = exists && !services_.Files.ReadWholeFile(PriorityFile, bytes);
  if (!exists || LanguagePriorityUnread) {
    FillDefaultLanguageOrder(LanguagePriority);
    return;
  }
  const std::size_t count = std::min(bytes.size() / 2, kLanguageCount);
  for (std::size_t i = 0; i < count; ++i) {
    const auto id = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    LanguagePriority[i] = TTCountryRecord{id, LanguageName(id)};
  }
}

bool TProcedureClass::SaveLanguagePriority() {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(2 * kLanguageCount);
  for (const auto& entry : LanguagePriority) {
    bytes.push_back(static_cast<std::uint8_t>(entry.LanguageId & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(entry.LanguageId >> 8));
  }
  return services_.Files.WriteReplacing(PriorityFile, bytes);
}

void TProcedureClass::LoadTreeStyle() { services_.Settings.ReadTreeStyle(TreeStyle); }

void TProcedureClass::SaveTreeStyle(const TTreeStyle& style) {
  TreeStyle = style;
  services_.Settings.WriteTreeStyle(style);
}

void TProcedureClass::ScanFolder(const std::u16string& folder, std::vector<std::u16string>& fontFiles,
                                 std::vector<std::u16string>* archives) {
  fontFiles.clear();
  std::u16string prefix = folder;
  if (prefix.empty() || prefix.back() != u'\\') prefix += u'\\';
  for (const FolderEntry& entry : services_.Files.ListFolder(folder)) {
    if (entry.Attributes == kDirectoryAttribute) continue;
    if (IsFontFileName(entry.Name)) fontFiles.push_back(prefix + entry.Name);
    else if (archives && IsArchiveFileName(entry.Name)) archives->push_back(entry.Name);
  }
}

void TProcedureClass::RegisterAllRegistryFonts() {
  regData_->LoadFontsList();
  for (const TRegDataArrray* list : {&regData_->Fonts, &regData_->UserFonts})
    for (const TRegData& entry : *list) services_.Fonts.AddResource(ResolveFontFile(entry.File, FontsFolder));
}

bool TProcedureClass::EmptyAndRemoveFolder(const std::u16string& folder) {
  for (const FolderEntry& entry : services_.Files.ListFolder(folder)) {
    if (entry.Name == u"." || entry.Name == u"..") continue;
    const std::u16string path = folder + u"\\" + entry.Name;
    services_.Files.ClearAttributes(path);
    services_.Files.Delete(path);
  }
  return services_.Files.RemoveFolder(folder);
}

void TProcedureClass::InstallSelected(Progress& progress, TFileData_local& list,
                                      const std::u16string& destinationFolder, bool copyFiles) {
  RunInstall(loop_, progress, list, *installed_, destinationFolder, copyFiles, *regData_);
}

void TProcedureClass::UninstallSelected(Progress& progress) { RunUninstall(loop_, progress, *installed_); }

void TProcedureClass::InstallSelectedForUser(Progress& progress, TFileData_local& list) {
  RunInstallForUser(loop_, progress, list, *installed_, UserFontsFolder, *regData_);
}

void TProcedureClass::InstallSelected(Progress& progress, const std::vector<TFileData_local*>& lists,
                                      const std::u16string& destinationFolder, bool copyFiles) {
  RunInstall(loop_, progress, lists, *installed_, destinationFolder, copyFiles, *regData_);
}

void TProcedureClass::InstallSelectedForUser(Progress& progress, const std::vector<TFileData_local*>& lists) {
  RunInstallForUser(loop_, progress, lists, *installed_, UserFontsFolder, *regData_);
}

void TProcedureClass::UninstallSelectedForUser(Progress& progress) {
  RunUninstallForUser(loop_, progress, *installed_);
}

}  // namespace velura
