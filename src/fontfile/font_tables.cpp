#include "fontfile/font_tables.h"

#include "fontfile/vocabulary.h"
#include "platform/text.h"

namespace velura {

bool TcmapTable::Read(SfntStream& stream) {
  const std::uint64_t tableStart = stream.Position();
  version = stream.U16();
  numTables = stream.U16();
  subtables.clear();
  if (stream.Failed()) return false;
  // Each encoding record takes 8 bytes; a count the file cannot hold fails without allocating for it.
  if (std::uint64_t{numTables} * 8 > stream.Size() - stream.Position()) return false;
  subtables.resize(numTables);
  for (auto& s : subtables) {
    s.platformID = stream.U16();
    s.encodingID = stream.U16();
    s.offset = stream.U32();
  }
  for (auto& s : subtables) {
    if (tableStart + s.offset > 2147483647u) return false;
    stream.Seek(tableStart + s.offset);
    s.format = stream.U16();
  }
  return !stream.Failed();
}

bool TOS2Table::Read(SfntStream& stream) {
  version = stream.U16();
  stream.Skip(2);
  usWeightClass = stream.U16();
  stream.Skip(36);
  for (auto& range : ulUnicodeRange) range = stream.U32();
  achVendID = stream.Tag();
  stream.Skip(16);
  ulCodePageRange1 = stream.U32();
  ulCodePageRange2 = stream.U32();
  return !stream.Failed();
}

bool TFontHeaderTable::Read(SfntStream& stream) {
  stream.Skip(16);
  flags = stream.U16();
  return !stream.Failed();
}

std::uint32_t PostVersionCode(std::uint32_t version) {
  switch (version) {
    case 0x00010000: return 1;
    case 0x00020000: return 2;
    case 0x00025000: return 25;
    case 0x00030000: return 3;
    default: return 111;
  }
}

bool TPostTable::Read(SfntStream& stream) {
  versionCode = PostVersionCode(stream.U32());
  return !stream.Failed();
}

void FillTableFacts(const TcmapTable& cmap, const TOS2Table& os2, const TFontHeaderTable& head,
                    const TPostTable& post, TTFontFileData& face) {
  for (const auto& s : cmap.subtables) {  // the last Microsoft-platform subtable decides
    if (s.platformID != 3) continue;
    face.CmapEncodingId = s.encodingID;
    face.CmapFormatText = CmapFormatName(s.format);
  }
  face.UnicodeRange1 = os2.ulUnicodeRange[0];
  face.UnicodeRange2 = os2.ulUnicodeRange[1];
  face.UnicodeRange3 = os2.ulUnicodeRange[2];
  face.UnicodeRange4 = os2.ulUnicodeRange[3];
  face.HasUnicodeRanges = face.UnicodeRange1 || face.UnicodeRange2 || face.UnicodeRange3 || face.UnicodeRange4;
  face.VendorId = Widen(os2.achVendID);
  face.CodePageRange1 = os2.ulCodePageRange1;
  face.CodePageRange2 = os2.ulCodePageRange2;
  face.WeightClass = static_cast<std::int16_t>(os2.usWeightClass);
  face.HeadFlags = head.flags;
  face.PostVersionCode = post.versionCode;
}

}  // namespace velura
