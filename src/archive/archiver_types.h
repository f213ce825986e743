// The archive formats the archiver layer knows, the per-format archiver classes with their libraries,
// and how a type is told from a file name.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive_reader.h"

namespace velura {

// Ordinals are part of the interface (stored and compared as numbers).
enum TArchiverType : std::uint8_t {
  atLha = 0, atZip = 1, atCab = 2, atArj = 3, atTar = 4, atTgz = 5, atBZ2 = 6, atRar = 7, atBga = 8,
  atYz1 = 9, atGCA = 10, atBel = 11, at7z = 12, atNone = 13, atAutoDetect = 14,
};

// How the extraction command line of a class is put together.
enum class CommandStyle : std::uint8_t { Lha, Zip, Cab };

struct ArchiverInfo {
  TArchiverType type;
  std::u16string_view className;               // "TLha32"
  std::vector<std::u16string_view> libraries;  // file names, in the order they are tried; empty for YZ1
  std::u16string_view prefix;                  // of the library's entry points
  std::u16string_view description;             // empty for ZIP, whose messages name its libraries
  CommandStyle style;
};

// The class serving a type, or null for types without one (atGCA, atBel, atNone, atAutoDetect).
const ArchiverInfo* FindArchiverInfo(TArchiverType type);

// By extension, any case. atAutoDetect for ".exe" (the content decides), atNone for anything unknown.
TArchiverType ArchiverTypeFromName(std::u16string_view fileName);

// The types the built-in readers serve, and back.
bool BuiltInFormatOf(TArchiverType type, ArchiveFormat& format);
TArchiverType ArchiverTypeOf(ArchiveFormat format);

// From the bytes, asking in the order LHA, CAB, ZIP (the formats the built-in readers recognise);
// atNone when none says yes.
TArchiverType ArchiverTypeFromContent(std::span<const std::uint8_t> bytes);

}  // namespace velura
