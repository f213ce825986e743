// The "name" table: its records and decoded strings, and the naming of a face from them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ansi_codec.h"
#include "fontfile/face_record.h"
#include "fontfile/sfnt_stream.h"

namespace velura {

struct TNameRecord {
  std::uint16_t platformID = 0;
  std::uint16_t encodingID = 0;
  std::uint16_t languageID = 0;
  std::uint16_t nameID = 0;
  std::uint16_t length = 0;  // bytes
  std::uint16_t offset = 0;  // from the string storage
};

struct TNameTable {
  std::uint16_t format = 0;
  std::uint16_t count = 0;
  std::uint16_t stringOffset = 0;
  std::vector<TNameRecord> records;
  std::vector<std::u16string> strings;  // one per record; empty unless decoded

  void Clear();
  // Reads the table at the stream's position. Only Microsoft-platform strings are decoded; a string that
  // lies outside the file or is longer than 2048 bytes stays empty. False when the records themselves
  // cannot be read.
  bool Read(SfntStream& stream);

 private:
  std::vector<std::uint8_t> buffer_;  // raw records, then raw strings; kept from table to table
};

// Fills Languages, LanguageList, the eight name fields and SlantPosition of a face.
void NameFace(const TNameTable& table, const AnsiCodec& ansi, TTFontFileData& face);

}  // namespace velura
