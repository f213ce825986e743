#include "records/face_record_cache.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace velura {

namespace {

constexpr char kMagic[4] = {'V', 'L', 'F', 'C'};
constexpr std::uint32_t kFormat = 2;

class Writer {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v) { Raw(&v, sizeof v); }
  void U32(std::uint32_t v) { Raw(&v, sizeof v); }
  void U64(std::uint64_t v) { Raw(&v, sizeof v); }
  void Text(const std::u16string& s) {
    U32(static_cast<std::uint32_t>(s.size()));
    Raw(s.data(), s.size() * sizeof(char16_t));
  }
  void Bytes(const std::string& s) {
    U32(static_cast<std::uint32_t>(s.size()));
    Raw(s.data(), s.size());
  }
  std::vector<std::uint8_t>& Out() { return bytes_; }

 private:
  // The file never leaves the machine that wrote it: native byte order.
  void Raw(const void* p, std::size_t n) {
    const auto* b = static_cast<const std::uint8_t*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
  }
  std::vector<std::uint8_t> bytes_;
};

// Every read checks the bytes left; after the first failure every read fails, so a parse can check once.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Ok() const { return ok_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }
  std::size_t Left() const { return bytes_.size() - pos_; }
  std::uint8_t U8() { std::uint8_t v = 0; Raw(&v, sizeof v); return v; }
  std::uint16_t U16() { std::uint16_t v = 0; Raw(&v, sizeof v); return v; }
  std::uint32_t U32() { std::uint32_t v = 0; Raw(&v, sizeof v); return v; }
  std::uint64_t U64() { std::uint64_t v = 0; Raw(&v, sizeof v); return v; }
  std::u16string Text() {
    const std::uint32_t n = U32();
    if (!ok_ || n > Left() / sizeof(char16_t)) return Fail<std::u16string>();
    std::u16string s(n, u'\0');
    Raw(s.data(), n * sizeof(char16_t));
    return s;
  }
  std::string Bytes() {
    const std::uint32_t n = U32();
    if (!ok_ || n > Left()) return Fail<std::string>();
    std::string s(n, '\0');
    Raw(s.data(), n);
    return s;
  }
  // A count of items each at least minBytes long: larger than the bytes left can hold is damage.
  std::uint32_t Count(std::size_t minBytes) {
    const std::uint32_t n = U32();
    return ok_ && n <= Left() / minBytes ? n : Fail<std::uint32_t>();
  }

 private:
  template <typename T>
  T Fail() {
    ok_ = false;
    return T{};
  }
  void Raw(void* p, std::size_t n) {
    if (!ok_ || n > Left()) {
      ok_ = false;
      return;
    }
    if (n) std::memcpy(p, bytes_.data() + pos_, n);
    pos_ += n;
  }
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

void WriteFace(Writer& w, const TTFontFileData& f) {
  w.U32(static_cast<std::uint32_t>(f.Tags.size()));
  for (const auto& tag : f.Tags) w.Bytes(tag);
  w.U32(static_cast<std::uint32_t>(f.Languages.size()));
  for (const auto& l : f.Languages) {
    w.U16(l.LanguageId);
    w.Text(l.LanguageName);
    w.Text(l.FullName);
    w.Text(l.FamilyName);
  }
  for (const auto* s : {&f.LanguageList, &f.CmapFormatText, &f.FullName, &f.FamilyName, &f.LegalNotice,
                        &f.SubfamilyName, &f.UniqueId, &f.VersionString, &f.PostScriptName, &f.Trademark,
                        &f.VendorId})
    w.Text(*s);
  w.U16(static_cast<std::uint16_t>(f.WeightClass));
  w.U8(f.SlantPosition);
  w.U16(f.HeadFlags);
  w.U8(static_cast<std::uint8_t>(f.HasUnicodeRanges | f.IsOpenType << 1 | f.HasCff << 2));
  for (std::uint32_t v : {f.CodePageRange1, f.CodePageRange2, f.UnicodeRange1, f.UnicodeRange2, f.UnicodeRange3,
                          f.UnicodeRange4, f.PostVersionCode})
    w.U32(v);
  w.U16(f.CmapEncodingId);
}

bool ReadFace(Reader& r, TTFontFileData& f) {
  f.Tags.resize(r.Count(4));
  for (auto& tag : f.Tags) tag = r.Bytes();
  f.Languages.resize(r.Count(2 + 3 * 4));
  for (auto& l : f.Languages) {
    l.LanguageId = r.U16();
    l.LanguageName = r.Text();
    l.FullName = r.Text();
    l.FamilyName = r.Text();
  }
  for (auto* s : {&f.LanguageList, &f.CmapFormatText, &f.FullName, &f.FamilyName, &f.LegalNotice, &f.SubfamilyName,
                  &f.UniqueId, &f.VersionString, &f.PostScriptName, &f.Trademark, &f.VendorId})
    *s = r.Text();
  f.WeightClass = static_cast<std::int16_t>(r.U16());
  f.SlantPosition = r.U8();
  f.HeadFlags = r.U16();
  const std::uint8_t flags = r.U8();
  f.HasUnicodeRanges = flags & 1;
  f.IsOpenType = flags & 2;
  f.HasCff = flags & 4;
  for (auto* v : {&f.CodePageRange1, &f.CodePageRange2, &f.UnicodeRange1, &f.UnicodeRange2, &f.UnicodeRange3,
                  &f.UnicodeRange4, &f.PostVersionCode})
    *v = r.U32();
  f.CmapEncodingId = r.U16();
  return r.Ok();
}

// The smallest a face can be written in: two counts, eleven empty texts and the fixed fields.
constexpr std::size_t kMinFaceBytes = 4 + 4 + 11 * 4 + 2 + 1 + 2 + 1 + 7 * 4 + 2;
constexpr std::size_t kMinEntryBytes = 4 + 8 + 8 + 4 + 4;

void WriteValues(Writer& w, const RegValues& values) {
  w.U32(static_cast<std::uint32_t>(values.size()));
  for (const auto& [name, value] : values) {
    w.Text(name);
    w.U8(static_cast<std::uint8_t>(value.Kind));
    w.Text(value.Text);
  }
}

bool ReadValues(Reader& r, RegValues& values) {
  values.resize(r.Count(4 + 1 + 4));
  for (auto& [name, value] : values) {
    name = r.Text();
    const std::uint8_t kind = r.U8();
    if (kind > static_cast<std::uint8_t>(RegValueKind::Other)) return false;
    value.Kind = static_cast<RegValueKind>(kind);
    value.Text = r.Text();
  }
  return r.Ok();
}

}  // namespace

const RegValues* FaceRecordCache::FindValues(const std::u16string& key, const RegKeyStamp& stamp) const {
  const auto it = keys_.find(key);
  return stamp.LastWrite != 0 && it != keys_.end() && it->second.Stamp == stamp ? &it->second.Values : nullptr;
}

void FaceRecordCache::KeepValues(const std::u16string& key, const RegKeyStamp& stamp, const RegValues& values) {
  if (stamp.LastWrite == 0) return;
  keys_[key] = KeptKey{stamp, values};
  changed_ = true;
}

const TFontFileData* FaceRecordCache::Find(const std::u16string& path, const FaceCacheStamp& stamp) {
  if (stamp.Modified == 0) return nullptr;
  auto it = entries_.find(path);
  if (it == entries_.end() || it->second.Stamp != stamp) return nullptr;
  it->second.LastUsedRun = 0;
  return &it->second.Faces;
}

void FaceRecordCache::Put(const std::u16string& path, const FaceCacheStamp& stamp, const TFontFileData& faces) {
  if (stamp.Modified == 0) return;
  entries_[path] = Entry{stamp, 0, faces};
  changed_ = true;
}

std::vector<std::uint8_t> FaceRecordCache::Serialize() const {
  std::vector<const std::pair<const std::u16string, Entry>*> kept;
  kept.reserve(entries_.size());
  for (const auto& entry : entries_) kept.push_back(&entry);
  if (kept.size() > kMaxEntries) {
    std::nth_element(kept.begin(), kept.begin() + kMaxEntries, kept.end(),
                     [](auto* a, auto* b) { return a->second.LastUsedRun < b->second.LastUsedRun; });
    kept.resize(kMaxEntries);
  }
  Writer w;
  w.Out().insert(w.Out().end(), kMagic, kMagic + 4);
  w.U32(kFormat);
  w.U32(context_);
  w.U32(static_cast<std::uint32_t>(kept.size()));
  for (const auto* entry : kept) {
    w.Text(entry->first);
    w.U64(entry->second.Stamp.Size);
    w.U64(static_cast<std::uint64_t>(entry->second.Stamp.Modified));
    w.U32(entry->second.LastUsedRun + 1);  // one run older when read next
    w.U32(static_cast<std::uint32_t>(entry->second.Faces.size()));
    for (const auto& face : entry->second.Faces) WriteFace(w, face);
  }
  w.U32(static_cast<std::uint32_t>(keys_.size()));
  for (const auto& [key, kept] : keys_) {
    w.Text(key);
    w.U64(kept.Stamp.LastWrite);
    w.U32(kept.Stamp.Values);
    WriteValues(w, kept.Values);
  }
  auto& out = w.Out();
  w.U32(static_cast<std::uint32_t>(crc32(0, out.data(), static_cast<uInt>(out.size()))));
  return std::move(out);
}

bool FaceRecordCache::Parse(std::span<const std::uint8_t> bytes) {
  entries_.clear();
  keys_.clear();
  changed_ = false;
  if (bytes.size() < 20 || std::memcmp(bytes.data(), kMagic, 4) != 0) return false;
  const std::span<const std::uint8_t> body = bytes.first(bytes.size() - 4);
  std::uint32_t stored = 0;
  std::memcpy(&stored, bytes.data() + body.size(), 4);
  if (stored != static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size())))) return false;

  Reader r(body.subspan(4));
  if (r.U32() != kFormat || r.U32() != context_) return false;
  const std::uint32_t count = r.Count(kMinEntryBytes);
  for (std::uint32_t i = 0; i < count && r.Ok(); ++i) {
    std::u16string path = r.Text();
    Entry entry;
    entry.Stamp.Size = r.U64();
    entry.Stamp.Modified = static_cast<std::int64_t>(r.U64());
    entry.LastUsedRun = r.U32();
    const std::uint32_t faces = r.Count(kMinFaceBytes);
    if (faces == 0) break;  // the reader never makes a record without a face
    entry.Faces.resize(faces);
    for (auto& face : entry.Faces)
      if (!ReadFace(r, face)) break;
    if (r.Ok()) entries_.insert_or_assign(std::move(path), std::move(entry));
  }
  const std::uint32_t keys = r.Count(4 + 8 + 4 + 4);
  for (std::uint32_t i = 0; i < keys && r.Ok(); ++i) {
    std::u16string key = r.Text();
    KeptKey kept;
    kept.Stamp.LastWrite = r.U64();
    kept.Stamp.Values = r.U32();
    if (!ReadValues(r, kept.Values)) break;
    keys_.insert_or_assign(std::move(key), std::move(kept));
  }
  if (!r.Ok() || !r.AtEnd() || entries_.size() != count || keys_.size() != keys) {
    entries_.clear();
    keys_.clear();
    return false;
  }
  return true;
}

}  // namespace velura
