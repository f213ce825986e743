#include "fontfile/font_data_table.h"

#include <algorithm>

#include "platform/text.h"

namespace velura {

namespace {

constexpr std::uint16_t kMinTables = 9;  // fewer tables than this is not a font
constexpr std::uint16_t kMaxTables = 64;

std::u16string HexVersion(std::uint16_t major, std::uint16_t minor) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  const std::uint32_t version = std::uint32_t{major} << 16 | minor;
  std::u16string text = u"0x";
  for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[version >> shift & 15];
  return text;
}

bool SameTag(std::string_view tag, std::string_view lowerCase) {
  if (tag.size() != lowerCase.size()) return false;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    const char c = tag[i] >= 'A' && tag[i] <= 'Z' ? static_cast<char>(tag[i] + 32) : tag[i];
    if (c != lowerCase[i]) return false;
  }
  return true;
}

bool HasTag(const std::vector<std::string>& tags, std::string_view lowerCase) {
  return std::any_of(tags.begin(), tags.end(), [lowerCase](const std::string& t) { return SameTag(t, lowerCase); });
}

// How much of each table ReadTables reads from its start: the fields it takes, the name table whole (records
// and strings), a small cmap whole. A larger cmap gives its head here and its subtables' format fields once
// its encoding records are known. Reads outside these regions still work, at the cost of a call of their own.
constexpr std::uint64_t kNameBytes = 64 * 1024;
constexpr std::uint64_t kWholeCmapBytes = 16 * 1024;
constexpr std::uint64_t kCmapHeadBytes = 1024;
constexpr std::uint64_t kOs2Bytes = 86;   // up to ulCodePageRange2
constexpr std::uint64_t kHeadBytes = 18;  // up to flags
constexpr std::uint64_t kPostBytes = 4;   // the version
// Real fonts have far fewer; past these the reads go unannounced.
constexpr std::uint16_t kMaxPrefetchedSubtables = 32;
constexpr std::size_t kMaxPrefetchedFaces = 64;

std::uint64_t BytesRead(const TTableDirectory& entry) {
  if (SameTag(entry.tag, "name")) return std::min<std::uint64_t>(entry.length, kNameBytes);
  if (SameTag(entry.tag, "cmap")) return entry.length <= kWholeCmapBytes ? entry.length : kCmapHeadBytes;
  if (SameTag(entry.tag, "os/2")) return kOs2Bytes;
  if (SameTag(entry.tag, "head")) return kHeadBytes;
  if (SameTag(entry.tag, "post")) return kPostBytes;
  return 0;
}

// The format field of each subtable the encoding records of a large cmap point to, read from the head the
// stream was told of. Leaves the stream failed when the records run past the end.
void AddSubtableFormats(SfntStream& stream, std::uint64_t cmapOffset, std::vector<ByteRegion>& regions) {
  stream.Seek(cmapOffset + 2);
  const std::uint16_t count = std::min(stream.U16(), kMaxPrefetchedSubtables);
  for (std::uint16_t i = 0; i < count && !stream.Failed(); ++i) {
    stream.Skip(4);
    const std::uint32_t subtable = stream.U32();
    if (!stream.Failed()) regions.push_back({cmapOffset + subtable, 2});
  }
}

void PrefetchTables(SfntStream& stream, const std::vector<TTableDirectory>& directory) {
  std::vector<ByteRegion> regions;
  for (const TTableDirectory& entry : directory)
    if (const std::uint64_t bytes = BytesRead(entry)) regions.push_back({entry.offset, bytes});
  stream.Prefetch(regions);

  regions.clear();
  for (const TTableDirectory& entry : directory)
    if (SameTag(entry.tag, "cmap") && entry.length > kWholeCmapBytes) AddSubtableFormats(stream, entry.offset, regions);
  stream.ClearFailure();
  if (!regions.empty()) stream.Prefetch(regions);
}

}  // namespace

bool TFontDataTable::LoadFontFile(const std::u16string& path, TFontFileData& faces) {
  auto source = FileSource::Open(path);
  if (!source) return false;
  return LoadFontData(*source, faces);
}

bool TFontDataTable::LoadFontData(ByteSource& source, TFontFileData& faces) {
  SfntStream stream(source);
  ttcHeader_ = TTTCHederTable{};
  ttcHeader_.tag = std::string(4, '\0');
  if (!stream.Read(ttcHeader_.tag.data(), 4)) return false;

  if (ttcHeader_.tag != "ttcf") {
    stream.Seek(0);
    if (!ReadFace(stream)) return false;
    faces.assign(1, TTFontFileData{});
    BuildFaceRecord(faces[0]);
    return true;
  }

  ttcHeader_.version = stream.U32();
  ttcHeader_.numFonts = stream.U32();
  if (stream.Failed() || ttcHeader_.numFonts == 0) return false;
  // Four bytes per offset: a count the file cannot hold fails before anything is allocated for it.
  if (std::uint64_t{ttcHeader_.numFonts} * 4 > stream.Size() - stream.Position()) return false;
  ttcHeader_.offsets.resize(ttcHeader_.numFonts);
  for (auto& offset : ttcHeader_.offsets) offset = stream.U32();
  if (stream.Failed()) return false;

  // The faces' offset tables and directories usually lie together after the header: one read for them all.
  std::vector<ByteRegion> directories;
  for (std::size_t i = 0; i < std::min(ttcHeader_.offsets.size(), kMaxPrefetchedFaces); ++i)
    directories.push_back({ttcHeader_.offsets[i], 12 + 16 * kMaxTables});
  stream.Prefetch(directories);

  faces.assign(ttcHeader_.numFonts, TTFontFileData{});
  bool anyFace = false;
  for (std::size_t i = 0; i < ttcHeader_.offsets.size(); ++i) {
    stream.ClearFailure();
    stream.Seek(ttcHeader_.offsets[i]);
    if (!ReadFace(stream)) continue;
    BuildFaceRecord(faces[i]);
    anyFace = true;
  }
  return anyFace;
}

void TFontDataTable::FreeFaceData(TFontFileData& faces) {
  for (auto& face : faces) {
    face.Tags.clear();
    face.Tags.shrink_to_fit();
  }
}

bool TFontDataTable::ReadFace(SfntStream& stream) {
  const std::uint16_t major = stream.U16();
  const std::uint16_t minor = stream.U16();
  offsetTable_.version = HexVersion(major, minor);
  offsetTable_.numTables = stream.U16();
  offsetTable_.searchRange = stream.U16();
  offsetTable_.entrySelector = stream.U16();
  offsetTable_.rangeShift = stream.U16();
  if (stream.Failed()) return false;
  if (offsetTable_.numTables < kMinTables || offsetTable_.numTables > kMaxTables) return false;

  directory_.clear();
  tags_.clear();
  for (std::uint16_t i = 0; i < offsetTable_.numTables; ++i) {
    TTableDirectory entry;
    entry.tag = stream.Tag();
    entry.checkSum = stream.U32();
    entry.offset = stream.U32();
    entry.length = stream.U32();
    tags_.push_back(entry.tag);
    directory_.push_back(std::move(entry));
  }
  if (stream.Failed()) return false;
  PrefetchTables(stream, directory_);
  return ReadTables(stream);
}

bool TFontDataTable::ReadTables(SfntStream& stream) {
  // Each face starts from empty tables, so a table a face lacks leaves its fields zero or empty.
  name_.Clear();
  cmap_ = TcmapTable{};
  os2_ = TOS2Table{};
  head_ = TFontHeaderTable{};
  post_ = TPostTable{};

  for (const TTableDirectory& entry : directory_) {
    const std::string& tag = entry.tag;
    stream.Seek(entry.offset);
    bool ok = true;
    if (SameTag(tag, "name")) ok = name_.Read(stream);
    else if (SameTag(tag, "head")) ok = head_.Read(stream);
    else if (SameTag(tag, "cmap")) ok = cmap_.Read(stream);
    else if (SameTag(tag, "os/2")) ok = os2_.Read(stream);
    else if (SameTag(tag, "post")) ok = post_.Read(stream);
    if (!ok || stream.Failed()) return false;
  }
  return true;
}

void TFontDataTable::BuildFaceRecord(TTFontFileData& face) const {
  face.HasCff = HasTag(tags_, "cff ");
  face.IsOpenType = face.HasCff || HasTag(tags_, "dsig");
  face.Tags = tags_;
  NameFace(name_, ansi_, face);
  FillTableFacts(cmap_, os2_, head_, post_, face);
}

}  // namespace velura
