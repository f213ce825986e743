#include "records/file_data.h"

#include <algorithm>
#include <unordered_map>

#include "fontfile/listed_face_names.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"

namespace velura {

TFileData_base::~TFileData_base() { Clear(); }

TFileDataItem* TFileData_base::AddFontFile(const std::u16string& path, const FaceCacheStamp* known) {
  auto record = std::make_unique<TFileDataItem>();
  FaceRecordCache* cache = services_.FaceCache ? &services_.FaceCache->Cache() : nullptr;
  FaceCacheStamp stamp;
  if (known) stamp = *known;
  const bool stamped = known || (cache && services_.Files.SizeAndTime(path, stamp.Size, stamp.Modified));
  const TFontFileData* kept = cache && stamped ? cache->Find(path, stamp) : nullptr;
  if (kept) {
    record->Faces = *kept;
  } else {
    auto source = services_.Files.OpenForReading(path);
    if (!source || !services_.Reader.LoadFontData(*source, record->Faces)) return nullptr;
    stamp = {source->Size(), source->ModifiedTime()};
    if (cache) cache->Put(path, stamp, record->Faces);
  }

  LastFolder = FolderPart(path);
  record->Path = path;
  record->FileSize = static_cast<std::int32_t>(std::min<std::uint64_t>(stamp.Size, INT32_MAX));
  record->FaceCount = static_cast<std::int32_t>(record->Faces.size());
  record->DisplayNames.resize(record->Faces.size());
  record->UseFullName = UseFullNameFor(record->Faces[0]);
  Items.push_back(std::move(record));
  return Items.back().get();
}

bool TFileData_base::AddBrowsedFontFile(const std::u16string& path) {
  services_.Loop.MarkPhase("read");
  TFileDataItem* record = AddFontFile(path);
  if (!record) return false;
  services_.Loop.MarkPhase("registry check");
  const RegTextFolding& folding = services_.Folding;
  if (services_.Registry.IsRegisteredName(RegistryValueName(*record))) {
    const std::u16string& family = record->Faces[0].FamilyName;
    const auto known = services_.Fonts.EnumerateLogFonts(family);
    const bool familyKnown =
        std::any_of(known.begin(), known.end(), [&](const auto& f) { return f.FaceName == family; });
    if (familyKnown) {
      record->Set(Installed);
      LookUpInstalledVersion(*record);
    } else {
      record->Set(RegisteredOnly);
    }
  } else if (folding.Lower(path) == folding.Lower(services_.FontsFolder + u"\\Marlett.ttf")) {
    record->Set(Installed);
    record->Set(SystemFont);
    LookUpInstalledVersion(*record);
  } else {
    services_.Loop.MarkPhase("register");
    // For the samples, shared with any other holder of the file; broadcast after the batch.
    record->PreviewFontCount = services_.Registrations.Hold(path);
    record->HoldsRegistration = record->PreviewFontCount > 0;
  }
  return true;
}

void TFileData_base::LookUpInstalledVersion(TFileDataItem& record) const {
  if (!services_.Installed) return;
  const TTFontFileData& mine = record.Faces[0];
  for (const auto& installed : services_.Installed->Items) {
    if (installed->Faces.empty() || installed->Faces[0].FullName != mine.FullName) continue;
    record.InstalledVersion = installed->Faces[0].VersionString;
    record.Set(OtherVersionInstalled, record.InstalledVersion != mine.VersionString);
    return;
  }
}

namespace {

// The families (lower-cased) of the lists that could be listed under each name (lower-cased), for the
// names cut to 31 units. Variants of one family (Regular, Bold, Italic files) share their listed name, so
// a name is claimed once per family, not once per face.
void ClaimListedNames(const TFileData_base& list, const RegTextFolding& folding, ListedNameClaims& claims) {
  for (const auto& record : list.Items)
    for (const auto& face : record->Faces) {
      const std::u16string family = folding.Lower(face.FamilyName);
      for (const auto& name : ListedFaceNameCandidates(face.FamilyName)) {
        auto [claim, first] = claims.try_emplace(folding.Lower(name), ListedNameClaim{family, false});
        if (!first && claim->second.Family != family) claim->second.Shared = true;
      }
    }
}

}  // namespace

void TFileData_base::UpdateNames() {
  services_.Loop.MarkPhase("UpdateNames: enumerate");
  const std::vector<TLogFontName> known = services_.Fonts.EnumerateLogFonts(u"");
  services_.Loop.MarkPhase("UpdateNames: match");
  KnownFaces firstByName;
  for (const auto& logFont : known) firstByName.emplace(logFont.FaceName, &logFont);

  std::vector<TFileDataItem*> unmatched;
  for (auto& item : Items) {
    TFileDataItem& record = *item;
    bool matched = false;
    for (std::size_t i = 0; i < record.Faces.size(); ++i) {
      TetcData& display = record.DisplayNames[i];
      display.SystemNamed = false;
      const auto found = firstByName.find(record.Faces[i].FamilyName);
      if (found == firstByName.end()) continue;
      display.Charset = found->second->CharSet;
      display.PitchAndFamily = found->second->PitchAndFamily;
      matched = true;
    }
    if (!matched) unmatched.push_back(&record);
  }
  if (!unmatched.empty()) {
    // Taken before any record is renamed: a name another face could be listed under is no proof.
    ListedNameClaims claims;
    ClaimListedNames(*this, services_.Folding, claims);
    if (services_.Installed && services_.Installed != this)
      ClaimListedNames(*services_.Installed, services_.Folding, claims);
    for (TFileDataItem* record : unmatched) {
      std::vector<std::u16string> names(record->Faces.size());
      if (!record->SystemName.empty()) {
        names[0] = record->SystemName;
      } else if (const std::u16string* cut = SoleListedCutName(*record, firstByName, claims)) {
        names[0] = *cut;
      } else if (record->PreviewFontCount == 0) {
        // Windows refused the file a moment ago; registering it again adds no family either.
        record->CannotDisplay = true;
        continue;
      } else {
        services_.Loop.MarkPhase("UpdateNames: re-register");
        services_.Loop.PumpRunningWindow();  // two walks over every family per file
        const bool gained = services_.Registrations.FamilyNamesGained(record->Path, names);
        services_.Loop.MarkPhase("UpdateNames: match");
        if (!gained) {
          record->CannotDisplay = true;
          continue;
        }
      }
      TakeSystemNames(*record, names, firstByName);
    }
  }
  services_.Loop.MarkPhase("UpdateNames: display names");
  for (auto& item : Items) ChooseDisplayNames(item->Faces, item->DisplayNames, services_.LanguagePriority);
}

// A one-face file registered for preview whose family is longer than a LOGFONT holds: Windows lists it
// under the cut name, which is what registering the file again would show, provided no other family of
// the lists could be listed under that name (its own style variants are listed under it too). Saves two
// walks over every installed family per file.
const std::u16string* TFileData_base::SoleListedCutName(const TFileDataItem& record, const KnownFaces& known,
                                                        const ListedNameClaims& claims) const {
  if (record.Faces.size() != 1 || record.PreviewFontCount <= 0) return nullptr;
  const std::u16string& family = record.Faces[0].FamilyName;
  if (family.size() <= kListedFaceNameUnits) return nullptr;
  for (const auto& name : ListedFaceNameCandidates(family)) {
    const auto listed = known.find(name);
    if (listed == known.end()) continue;
    const auto claim = claims.find(services_.Folding.Lower(name));
    if (claim == claims.end() || claim->second.Shared) return nullptr;
    return &listed->first;
  }
  return nullptr;
}

// Replaces the names of the faces Windows knows under the names found for them.
void TFileData_base::TakeSystemNames(TFileDataItem& record, const std::vector<std::u16string>& names,
                                     const KnownFaces& known) {
  if (std::any_of(names.begin(), names.end(),
                  [&](const std::u16string& n) { return !n.empty() && services_.Registry.IsRegisteredName(n); }))
    record.Set(Installed);

  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].empty()) continue;
    const auto logFont = known.find(names[i]);
    if (logFont == known.end()) continue;
    TetcData& display = record.DisplayNames[i];
    display.Charset = logFont->second->CharSet;
    display.PitchAndFamily = logFont->second->PitchAndFamily;
    record.Faces[i].FullName = record.SystemName;
    record.Faces[i].FamilyName = names[i];
    display.SystemNamed = true;
  }
}

bool FamilyNamesGainedByFile(FontServices& fonts, const RegTextFolding& folding, const std::u16string& path,
                             std::vector<std::u16string>& names) {
  fonts.RemoveResource(path);
  const std::vector<std::u16string> before = fonts.EnumerateFamilyNames();
  fonts.AddResource(path);
  return FamilyNamesAdded(before, fonts.EnumerateFamilyNames(), folding, names);
}

void TFileData_base::Clear() {
  for (auto& record : Items) TFontDataTable::FreeFaceData(record->Faces);
  Items.clear();
}

void TFileData_base::Delete(std::size_t index) {
  TFontDataTable::FreeFaceData(Items[index]->Faces);
  Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(index));
}

std::vector<std::u16string> TFileData_base::PreviewPaths() const {
  std::vector<std::u16string> paths;
  for (const auto& record : Items)
    if (record->HoldsRegistration) paths.push_back(record->Path);
  return paths;
}

void TFileData_installed::UpdateNames() {
  services_.Loop.MarkPhase("UpdateNames: registry list");
  services_.Registry.LoadFontsList();
  UpdateNamesWithListAsRead();
}

void TFileData_installed::UpdateNamesWithListAsRead() {
  TFileData_base::UpdateNames();
  services_.Loop.MarkPhase("UpdateNames: protected marks");
  MarkProtected();
}

void TFileData_installed::MarkProtected() {
  SystemFontFacts* facts = services_.SystemFacts;
  const SystemNeededLookup needed(facts ? NeededNamesOf(facts->UiFontSources()) : SystemNeededNames{},
                                  services_.Folding);
  for (auto& record : Items) {
    const std::u16string fileName = FileNamePart(record->Path);
    // What Windows itself needs is refused like Marlett, not merely asked about.
    std::vector<std::u16string> families;
    for (const TetcData& display : record->DisplayNames) families.push_back(display.DisplayFamilyName);
    for (const auto& face : record->Faces) families.push_back(face.FamilyName);  // the system names them so too
    if (needed.IsNeeded(fileName, families) || (facts && facts->IsWindowsProtectedFile(record->Path)))
      record->Set(SystemFont);
    for (const TetcData& display : record->DisplayNames) {
      if (services_.Registry.IsProtected(fileName, display.DisplayFamilyName)) {
        record->Set(Protected);
        break;
      }
    }
  }
}

}  // namespace velura
