// The font file reader: turns a .ttf, .otf or .ttc file into one face record per face.
// One instance serves the whole run; it reuses its table objects from load to load and is not re-entrant.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ansi_codec.h"
#include "fontfile/byte_source.h"
#include "fontfile/face_record.h"
#include "fontfile/font_tables.h"
#include "fontfile/name_table.h"

namespace velura {

// The collection header at offset 0 of a .ttc file.
struct TTTCHederTable {
  std::string tag;
  std::uint32_t version = 0;
  std::uint32_t numFonts = 0;
  std::vector<std::uint32_t> offsets;  // absolute offset of each face's offset table
};

// The offset table of one face.
struct TSubTableDirectory {
  std::u16string version;  // "0x" + the 32-bit version in upper-case hex, e.g. "0x00010000"
  std::uint16_t numTables = 0;
  std::uint16_t searchRange = 0;
  std::uint16_t entrySelector = 0;
  std::uint16_t rangeShift = 0;
};

// One table directory entry.
struct TTableDirectory {
  std::string tag;
  std::uint32_t checkSum = 0;
  std::uint32_t offset = 0;
  std::uint32_t length = 0;
};

// Raised whenever the reader makes different records from the same bytes: records kept from an older
// reader are then read again.
inline constexpr std::uint32_t kFontReaderVersion = 1;

class TFontDataTable {
 public:
  // The codec converts Shift-JIS-encoded names through the system's ANSI code page; it must outlive the reader.
  explicit TFontDataTable(const AnsiCodec& ansi) : ansi_(ansi) {}

  // True when at least one face was read. A missing or unreadable file leaves faces as they were;
  // a collection whose face fails keeps an empty record at that face's place.
  bool LoadFontFile(const std::u16string& path, TFontFileData& faces);
  bool LoadFontData(ByteSource& source, TFontFileData& faces);

  // Releases the tag lists of every face record.
  static void FreeFaceData(TFontFileData& faces);

  // The tables of the last face read, for diagnosis.
  const TSubTableDirectory& OffsetTable() const { return offsetTable_; }
  const std::vector<TTableDirectory>& Directory() const { return directory_; }
  const TTTCHederTable& CollectionHeader() const { return ttcHeader_; }
  const TNameTable& NameTable() const { return name_; }
  const TcmapTable& CmapTable() const { return cmap_; }

 private:
  bool ReadFace(SfntStream& stream);
  bool ReadTables(SfntStream& stream);
  void BuildFaceRecord(TTFontFileData& face) const;

  const AnsiCodec& ansi_;
  std::vector<TTableDirectory> directory_;
  std::vector<std::string> tags_;
  TTTCHederTable ttcHeader_;
  TSubTableDirectory offsetTable_;
  TNameTable name_;
  TcmapTable cmap_;
  TOS2Table os2_;
  TFontHeaderTable head_;
  TPostTable post_;
};

}  // namespace velura
