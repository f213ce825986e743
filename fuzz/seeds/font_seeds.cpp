// Seeds for the font reader: small generated faces and collections exercising every table reader.
#include "seed_registry.h"
#include "support/sfnt_writer.h"

namespace velura::fuzzing {
namespace {

using namespace velura::testing;

SeedFiles FontSeeds() {
  SeedFiles seeds;
  seeds.emplace_back("plain.ttf", SfntBuilder::Standard(BasicNames(u"Seed")).Build());

  auto names = BasicNames(u"Seed", u"Bold Italic");
  auto japanese = BasicNames(u"シード", u"標準", 0x0411);
  names.insert(names.end(), japanese.begin(), japanese.end());
  names.push_back(NameSpec{3, 2, 0x0411, 4, u"シード", {}, {}, {}});
  names.push_back(NameSpec{3, 3, 2052, 1, u"种子", {}, {}, {}});
  names.push_back(NameSpec{1, 0, 0, 1, u"Mac", {}, {}, {}});
  seeds.emplace_back("languages.ttf", SfntBuilder::Standard(names).Build());

  auto otf = SfntBuilder::Standard(BasicNames(u"Cff"));
  otf.Version(0x4F54544F).Table("CFF ", Bytes(16, 0)).Table("DSIG", Bytes(8, 0));
  seeds.emplace_back("cff.otf", otf.Build());

  auto symbol = SfntBuilder::Standard(BasicNames(u"Symbol"));
  symbol.Table("cmap", CmapTable({{3, 0, 4}, {1, 0, 0}, {3, 10, 12}}));
  seeds.emplace_back("symbol.ttf", symbol.Build());

  seeds.emplace_back("collection.ttc", Collection({SfntBuilder::Standard(BasicNames(u"One")),
                                                   SfntBuilder::Standard(BasicNames(u"Two", u"Italic"))}));
  return seeds;
}

const SeedRegistrar kFontSeeds("fuzz_font", FontSeeds);

}  // namespace
}  // namespace velura::fuzzing
