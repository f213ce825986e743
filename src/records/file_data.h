// The lists of font file records: browsed folders, the installed fonts and one-time install groups.
// A list builds its records through the font file reader and settles their display names against the
// fonts Windows knows after every batch.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "fontfile/font_data_table.h"
#include "fontfile/language_names.h"
#include "records/file_data_item.h"
#include "records/face_cache_store.h"
#include "records/file_services.h"
#include "records/font_registrations.h"
#include "records/font_services.h"
#include "records/loop_context.h"
#include "records/reg_font_data.h"
#include "records/system_needed_fonts.h"

namespace velura {

class TFileData_installed;

// A name a face could be listed under, lower-cased, and the family (lower-cased) of the first face that
// could; Shared once faces of another family could be listed under it too.
struct ListedNameClaim {
  std::u16string Family;
  bool Shared = false;
};
using ListedNameClaims = std::unordered_map<std::u16string, ListedNameClaim>;

// The services every list works with; owned by the operations engine. Loop is the engine's loop context:
// settling names marks its phases and pumps the status window of the loop running now. Registrations is the
// engine's one counter of session registrations: every preview registration and its release go through it.
struct RecordServices {
  TFontDataTable& Reader;
  FontServices& Fonts;
  FontRegistrations& Registrations;
  FileServices& Files;
  TRegFontData& Registry;
  const RegTextFolding& Folding;
  const TLanguagePriorityTable& LanguagePriority;
  LoopContext& Loop;
  std::u16string FontsFolder;                      // without a trailing backslash
  const TFileData_installed* Installed = nullptr;  // for the installed-version lookup
  SystemFontFacts* SystemFacts = nullptr;          // the fonts Windows itself needs; none in most tests
  FaceCacheStore* FaceCache = nullptr;             // records kept from earlier runs; none in most tests
};

class TFileData_base {
 public:
  explicit TFileData_base(RecordServices& services) : services_(services) {}
  virtual ~TFileData_base();
  TFileData_base(const TFileData_base&) = delete;
  TFileData_base& operator=(const TFileData_base&) = delete;

  std::vector<std::unique_ptr<TFileDataItem>> Items;
  std::u16string LastFolder;  // folder part of the last path added

  int Count() const { return static_cast<int>(Items.size()); }
  TFileDataItem& operator[](std::size_t index) { return *Items[index]; }

  // A plain record (installed list, records made after an installation); null when the file is no font.
  // `stamp`: the file's size and time when the caller has just asked for them.
  TFileDataItem* AddFontFile(const std::u16string& path, const FaceCacheStamp* stamp = nullptr);
  // A record of a not-installed or one-time file, registered for preview unless it is installed already: the
  // record then holds the file's registration in the engine's counter (HoldsRegistration).
  bool AddBrowsedFontFile(const std::u16string& path);

  // Settles display names after a batch of additions.
  virtual void UpdateNames();

  // Both forget records without letting go of their registrations: ReleaseAll (long_operations.h) lets go
  // first. A list dropped without a release leaves its holds counted and its files registered until the
  // session ends (the Windows tests rely on it: this Wine hangs on fonts removed after they were drawn).
  void Clear();
  void Delete(std::size_t index);

  // The paths of the records holding a registration for preview (HoldsRegistration).
  std::vector<std::u16string> PreviewPaths() const;

  RecordServices& Services() const { return services_; }

 protected:
  RecordServices& services_;

 private:
  using KnownFaces = std::unordered_map<std::u16string, const TLogFontName*>;  // the first LOGFONT per face name
  const std::u16string* SoleListedCutName(const TFileDataItem& record, const KnownFaces& known,
                                          const ListedNameClaims& claims) const;
  void TakeSystemNames(TFileDataItem& record, const std::vector<std::u16string>& names, const KnownFaces& known);
  void LookUpInstalledVersion(TFileDataItem& record) const;
};

// The family names registering the file adds to the families Windows lists: the list of families without
// the file and with it again, the new names taken from its end for the last face backwards ('@' families
// skipped) into names, which holds one slot per face. False when registering the file adds no family. The
// lists go through FontRegistrations::FamilyNamesGained, which counts what this does to the registration.
bool FamilyNamesGainedByFile(FontServices& fonts, const RegTextFolding& folding, const std::u16string& path,
                             std::vector<std::u16string>& names);

class TFileData_local : public TFileData_base {
 public:
  using TFileData_base::TFileData_base;
  std::u16string FolderPath;  // the folder being browsed
};

class TFileData_OneTimeInst : public TFileData_local {
 public:
  using TFileData_local::TFileData_local;
};

class TFileData_installed : public TFileData_base {
 public:
  using TFileData_base::TFileData_base;
  // Reloads the registry's Fonts list, settles the names, then marks the protected fonts.
  void UpdateNames() override;
  // The same with the Fonts list as last read, for a load that has just walked it: reading it again
  // would cost a registry call per installed font and wipe the load's marks of values it could not read.
  void UpdateNamesWithListAsRead();
  void MarkProtected();
};

}  // namespace velura
