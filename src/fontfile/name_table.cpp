#include "fontfile/name_table.h"

#include <algorithm>

#include "fontfile/language_names.h"
#include "fontfile/vocabulary.h"
#include "platform/text.h"

namespace velura {

namespace {

constexpr std::uint16_t kMicrosoftPlatform = 3;
constexpr std::uint16_t kJapanese = 0x0411;
constexpr std::uint16_t kUsEnglish = 0x0409;
constexpr std::uint16_t kMaxStringBytes = 2048;

std::u16string DecodeUtf16Be(const std::uint8_t* bytes, std::size_t length) {
  std::size_t units = 0;
  while (units < length / 2 && (bytes[2 * units] | bytes[2 * units + 1]) != 0) ++units;  // cut at a zero unit
  std::u16string text(units, u'\0');
  for (std::size_t i = 0; i < units; ++i) text[i] = static_cast<char16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
  return text;
}

}  // namespace

void TNameTable::Clear() {
  format = count = stringOffset = 0;
  records.clear();
  strings.clear();
}

bool TNameTable::Read(SfntStream& stream) {
  Clear();
  const std::uint64_t tableStart = stream.Position();
  const std::uint64_t fileSize = stream.Size();
  format = stream.U16();
  count = stream.U16();
  stringOffset = stream.U16();
  if (stream.Failed()) return false;

  buffer_.resize(std::size_t{count} * 12);
  if (!stream.Read(buffer_.data(), buffer_.size())) return false;
  records.resize(count);
  strings.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* p = buffer_.data() + i * 12;
    auto field = [p](int k) { return static_cast<std::uint16_t>(p[2 * k] << 8 | p[2 * k + 1]); };
    records[i] = TNameRecord{field(0), field(1), field(2), field(3), field(4), field(5)};
  }

  const std::uint64_t storage = tableStart + stringOffset;
  if (storage > fileSize) return true;
  auto decoded = [&](const TNameRecord& r) {
    const std::uint64_t start = storage + r.offset;
    return r.platformID == kMicrosoftPlatform && r.length <= kMaxStringBytes && start <= fileSize &&
           start + r.length <= fileSize;
  };
  // One read for the whole span of strings to decode (at most 64 KiB + 2 KiB past the storage start).
  std::uint64_t end = 0;
  for (const TNameRecord& r : records)
    if (decoded(r)) end = std::max<std::uint64_t>(end, std::uint64_t{r.offset} + r.length);
  if (end == 0) return true;
  buffer_.resize(static_cast<std::size_t>(end));
  stream.Seek(storage);
  if (!stream.Read(buffer_.data(), buffer_.size())) {  // cannot happen inside the file; stay defensive
    stream.ClearFailure();
    return true;
  }
  for (std::size_t i = 0; i < count; ++i)
    if (decoded(records[i])) strings[i] = DecodeUtf16Be(buffer_.data() + records[i].offset, records[i].length);
  return true;
}

namespace {

void SetFaceField(TTFontFileData& face, std::uint16_t nameId, const std::u16string& text, bool unsupported) {
  switch (nameId) {
    case 0: face.LegalNotice = text; break;
    case 1: if (!unsupported) face.FamilyName = text; break;
    case 2: face.SubfamilyName = text; break;
    case 3: face.UniqueId = text; break;
    case 4: if (!unsupported) face.FullName = text; break;
    case 5: face.VersionString = text; break;
    case 6: face.PostScriptName = text; break;
    case 7: face.Trademark = text; break;
    default: break;
  }
}

// Japanese if present, else US English, else the first other language of a family or full name.
std::uint16_t PreferredLanguage(const TNameTable& table) {
  std::uint16_t preferred = 0;
  for (std::size_t i = 0; i < table.records.size(); ++i) {
    const TNameRecord& r = table.records[i];
    if (r.platformID != kMicrosoftPlatform || table.strings[i].empty()) continue;
    if ((r.nameID != 1 && r.nameID != 4) || r.languageID == 0) continue;
    if (r.languageID == kJapanese) return kJapanese;
    if (r.languageID == kUsEnglish) preferred = kUsEnglish;
    else if (preferred == 0) preferred = r.languageID;
  }
  return preferred;
}

std::size_t LanguageEntryFor(std::vector<TNameCountryRecord>& languages, std::uint16_t languageId) {
  auto it = std::find_if(languages.begin(), languages.end(),
                         [languageId](const TNameCountryRecord& e) { return e.LanguageId == languageId; });
  if (it != languages.end()) return static_cast<std::size_t>(it - languages.begin());
  languages.push_back(TNameCountryRecord{languageId, LanguageName(languageId), {}, {}});
  return languages.size() - 1;
}

std::uint8_t SlantPositionOf(const std::u16string& subfamily) {
  const std::u16string lower = AsciiLower(subfamily);
  auto position = [&lower](std::u16string_view word) -> std::size_t {
    const auto at = lower.find(word);
    return at == std::u16string::npos ? 0 : at + 1;
  };
  const std::size_t slant = std::max(position(u"italic"), position(u"oblique"));
  // Saturate: a far-off position must still read as slanted.
  return static_cast<std::uint8_t>(std::min<std::size_t>(slant, 255));
}

}  // namespace

void NameFace(const TNameTable& table, const AnsiCodec& ansi, TTFontFileData& face) {
  const std::uint16_t preferred = PreferredLanguage(table);
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t lastFamilyEntry = kNone;
  std::size_t lastFullEntry = kNone;
  std::uint16_t previousListedLanguage = 0;

  for (std::size_t i = 0; i < table.records.size(); ++i) {
    const TNameRecord& r = table.records[i];
    const std::u16string& text = table.strings[i];
    if (r.platformID != kMicrosoftPlatform || text.empty()) continue;

    bool unsupported = false;
    if (r.nameID == 1 || r.nameID == 4) {
      const std::size_t entry = LanguageEntryFor(face.Languages, r.languageID);
      std::size_t& lastEntry = r.nameID == 1 ? lastFamilyEntry : lastFullEntry;
      if (entry == lastEntry) continue;  // a second record for the same language and name
      lastEntry = entry;

      std::u16string value;
      switch (r.encodingID) {
        case 0:
        case 1:
        case 10: value = text; break;
        case 2: value = ansi.RoundTrip(text); break;
        default:
          value = u"未対応のエンコード " + EncodingName(r.encodingID);
          unsupported = true;
          break;
      }
      TNameCountryRecord& e = face.Languages[entry];
      (r.nameID == 1 ? e.FamilyName : e.FullName) = std::move(value);
    }

    if (r.languageID == kUsEnglish) SetFaceField(face, r.nameID, text, unsupported);
    if (preferred != kUsEnglish && r.languageID == preferred) SetFaceField(face, r.nameID, text, unsupported);

    if (r.languageID != previousListedLanguage) {
      if (!face.LanguageList.empty()) face.LanguageList += u" , ";
      face.LanguageList += LanguageName(r.languageID);
      previousListedLanguage = r.languageID;
    }
  }
  face.SlantPosition = SlantPositionOf(face.SubfamilyName);
}

}  // namespace velura
