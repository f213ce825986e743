// Reading generated font bytes through the real reader.
#pragma once
#include "fontfile/font_data_table.h"
#include "support/sfnt_writer.h"

namespace velura::testing {

struct LoadResult {
  bool ok = false;
  TFontFileData faces;
};

inline LoadResult LoadBytes(const Bytes& bytes, const AnsiCodec& ansi = IdentityAnsiCodec{}) {
  TFontDataTable reader(ansi);
  MemorySource source(bytes);
  LoadResult result;
  result.ok = reader.LoadFontData(source, result.faces);
  return result;
}

inline LoadResult LoadNames(const std::vector<NameSpec>& names, const AnsiCodec& ansi = IdentityAnsiCodec{}) {
  return LoadBytes(SfntBuilder::Standard(names).Build(), ansi);
}

}  // namespace velura::testing
