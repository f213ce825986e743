// The record kept for every font file a list shows, and its per-face display entry.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "fontfile/char_coverage.h"
#include "fontfile/display_names.h"
#include "fontfile/face_record.h"

namespace velura {

// State bits of a record's Flags.
enum TFileFlag : std::uint8_t {
  Selected = 1,               // ticked for the next operation
  Installed = 2,              // registry entry and known to Windows
  OtherVersionInstalled = 4,  // an installed font has the same full name and another version
  PerUser = 8,                // installed records: installed for the current user only (HKEY_CURRENT_USER)
  InstalledNow = 16,          // installed during this run
  SystemFont = 32,            // the fonts folder's Marlett.ttf, or a font Windows itself needs
  RegisteredOnly = 64,        // the registry lists the name, Windows knows no such family
  Protected = 128,            // referenced by the system's font mapping tables
};

// Display entry of one face: the names shown and the matching Windows font's LOGFONT facts.
struct TetcData : TDisplayNames {
  std::int32_t ListIndex = -1;  // position of the face in the sample list it was last added to
  std::uint16_t Charset = 0;
  std::uint16_t PitchAndFamily = 0;
  bool Found = false;  // marked by the search dialog
};

struct TFileDataItem {
  std::u16string Path;
  std::u16string SystemName;  // installed fonts: the registry value name without " (TrueType)"
  std::int32_t FileSize = 0;
  std::int32_t FaceCount = 0;
  bool UseFullName = false;   // the registry value name starts with the full name
  bool FamilyMember = false;  // a style variant whose plain family file is in the same list
  std::uint8_t Flags = 0;
  std::u16string InstalledVersion;
  bool CannotDisplay = false;
  // What AddFontResourceW answered to the list's preview registration; -1 when the list did not register it.
  std::int32_t PreviewFontCount = -1;
  // The record holds one count of the file's registration in the engine's counter (FontRegistrations): taken
  // by its list's preview registration, given back by the list's release or when the file is installed.
  bool HoldsRegistration = false;
  TFontFileData Faces;
  std::vector<TetcData> DisplayNames;
  // Read on the first use of a character filter (records/coverage_loading.h), never at load: the map of
  // each face, kept so that every typed text is checked without reading the file again, and its counts.
  bool CoverageRead = false;
  std::vector<TCharMap> CharMaps;
  std::vector<FaceCoverage> Coverage;

  bool Has(TFileFlag flag) const { return (Flags & flag) != 0; }
  void Set(TFileFlag flag, bool on = true) { Flags = static_cast<std::uint8_t>(on ? (Flags | flag) : (Flags & ~flag)); }
};

}  // namespace velura
