// The face records the reader made for font files, kept from run to run so that a file whose path, size
// and last-write time are unchanged is not read again; and the values of the registry's Fonts keys with
// the keys' stamps. Serialized as one versioned file with a checksum;
// a damaged, truncated or foreign file is discarded as a whole (the records are then read again).
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "fontfile/face_record.h"
#include "records/reg_font_registry.h"

namespace velura {

struct FaceCacheStamp {
  std::uint64_t Size = 0;
  std::int64_t Modified = 0;  // 0: unknown, never cached
  bool operator==(const FaceCacheStamp&) const = default;
};

class FaceRecordCache {
 public:
  // Context: what else the records depend on (the reader's version, the ANSI code page that names were
  // converted through); a file made under another context is discarded.
  explicit FaceRecordCache(std::uint32_t context) : context_(context) {}

  // The records of the file when its stamp is unchanged, else null. Marks the entry as used in this run.
  const TFontFileData* Find(const std::u16string& path, const FaceCacheStamp& stamp);
  void Put(const std::u16string& path, const FaceCacheStamp& stamp, const TFontFileData& faces);

  // The values of a registry key as last read, while the key's stamp is unchanged: an unchanged Fonts key of
  // thousands of values is then not read value by value (a round trip to the server each under Wine).
  const RegValues* FindValues(const std::u16string& key, const RegKeyStamp& stamp) const;
  void KeepValues(const std::u16string& key, const RegKeyStamp& stamp, const RegValues& values);
  std::size_t KeptKeys() const { return keys_.size(); }

  bool Changed() const { return changed_; }
  void MarkSaved() { changed_ = false; }
  std::size_t Size() const { return entries_.size(); }

  // At most kMaxEntries, the ones used longest ago dropped first.
  std::vector<std::uint8_t> Serialize() const;
  // Replaces the entries with the file's; false (and no entries) when the bytes are not a whole cache
  // file of this format and context.
  bool Parse(std::span<const std::uint8_t> bytes);

  static constexpr std::size_t kMaxEntries = 20000;

 private:
  struct Entry {
    FaceCacheStamp Stamp;
    std::uint32_t LastUsedRun = 0;  // runs since the entry was last found or put; 0 in this run
    TFontFileData Faces;
  };
  std::uint32_t context_;
  std::unordered_map<std::u16string, Entry> entries_;
  struct KeptKey {
    RegKeyStamp Stamp;
    RegValues Values;
  };
  std::unordered_map<std::u16string, KeptKey> keys_;
  bool changed_ = false;
};

}  // namespace velura
