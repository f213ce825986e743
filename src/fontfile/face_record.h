// The face record: what the font file reader keeps of one face of a .ttf, .otf or .ttc file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace velura {

// One language's family and full name of a face.
struct TNameCountryRecord {
  std::uint16_t LanguageId = 0;
  std::u16string LanguageName;
  std::u16string FullName;    // name ID 4 in this language
  std::u16string FamilyName;  // name ID 1 in this language
  bool operator==(const TNameCountryRecord&) const = default;
};

struct TTFontFileData {
  std::vector<std::string> Tags;  // the face's table tags in directory order
  std::vector<TNameCountryRecord> Languages;
  std::u16string LanguageList;  // language display names joined by " , "
  std::u16string CmapFormatText;
  std::int16_t WeightClass = 0;
  std::u16string FullName;        // name ID 4
  std::u16string FamilyName;      // name ID 1
  std::u16string LegalNotice;     // name ID 0
  std::u16string SubfamilyName;   // name ID 2
  std::u16string UniqueId;        // name ID 3
  std::u16string VersionString;   // name ID 5
  std::u16string PostScriptName;  // name ID 6
  std::u16string Trademark;       // name ID 7
  std::uint8_t SlantPosition = 0;  // 0 upright, else where "italic"/"oblique" stands in the subfamily
  std::uint16_t HeadFlags = 0;
  bool HasUnicodeRanges = false;
  std::u16string VendorId;
  std::uint32_t CodePageRange1 = 0;
  std::uint32_t CodePageRange2 = 0;
  std::uint32_t UnicodeRange1 = 0;
  std::uint32_t UnicodeRange2 = 0;
  std::uint32_t UnicodeRange3 = 0;
  std::uint32_t UnicodeRange4 = 0;
  bool IsOpenType = false;  // a "DSIG" or "CFF " table
  bool HasCff = false;      // a "CFF " table
  std::uint32_t PostVersionCode = 0;  // 1, 2, 25, 3 or 111
  std::uint16_t CmapEncodingId = 0;
  bool operator==(const TTFontFileData&) const = default;
};

// One record per face of a file.
using TFontFileData = std::vector<TTFontFileData>;

}  // namespace velura
