// Seeds for the face-record cache reader: a cache of two generated fonts' records and a kept Fonts list
// (without its checksum, which the fuzzer adds).
#include "fontfile/font_data_table.h"
#include "records/face_record_cache.h"
#include "seed_registry.h"
#include "support/sfnt_writer.h"

using velura::testing::Collection;
using velura::testing::NameSpec;
using velura::testing::SfntBuilder;

namespace velura::fuzzing {
namespace {

NameSpec Name(std::uint16_t language, std::uint16_t nameId, std::u16string text) {
  NameSpec name;
  name.language = language;
  name.nameId = nameId;
  name.text = std::move(text);
  return name;
}

SeedFiles FaceCacheSeeds() {
  IdentityAnsiCodec ansi;
  TFontDataTable reader(ansi);
  FaceRecordCache cache(1);
  const std::vector<std::vector<std::uint8_t>> fonts = {
      SfntBuilder::Standard({Name(0x411, 1, u"ゴシック"), Name(0x409, 4, u"Gothic Bold")}).Build(),
      Collection({SfntBuilder::Standard({Name(0x409, 1, u"A")}), SfntBuilder::Standard({Name(0x409, 1, u"B")})})};
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    MemorySource source(fonts[i]);
    TFontFileData faces;
    if (reader.LoadFontData(source, faces))
      cache.Put(u"C:\\Fonts\\f" + std::u16string(1, u'0' + static_cast<char16_t>(i)) + u".ttf",
                {fonts[i].size(), 1000 + static_cast<std::int64_t>(i)}, faces);
  }
  cache.KeepValues(u"HKLM\\Fonts", {77, 2},
                   {{u"ゴシック (TrueType)", {RegValueKind::String, u"f0.ttf"}}, {u"Odd", {RegValueKind::Other, u""}}});
  std::vector<std::uint8_t> bytes = cache.Serialize();
  bytes.resize(bytes.size() - 4);
  return {{"two.bin", bytes}};
}

const SeedRegistrar registrar("fuzz_face_cache", FaceCacheSeeds);

}  // namespace
}  // namespace velura::fuzzing
