// Seeds for the archive readers: small generated ZIP, CAB and LZH archives covering every structure the
// readers parse (methods, header levels, extended headers, reserve areas, name encodings).
#include "host/archive/archive_builders.h"
#include "seed_registry.h"

namespace velura::fuzzing {
namespace {

using namespace velura::archive_testing;

const std::string kCp932Name = "\x83\x5C\x83\x74\x83\x67\x95\x5C\x8E\xA6\\\x94\x5C\x8F\x91\x91\xCC.ttf";

SeedFiles ZipSeeds() {
  SeedFiles seeds;
  const Bytes font = Payload(3000, 1);
  seeds.emplace_back("deflate.zip", BuildZip({{"a.ttf", font}, {"b.otf", Payload(200, 2), 0}}));
  ZipMember utf8{"\xE8\x83\xBD.ttf", font}, unicodeField{kCp932Name, {1, 2}, 0}, link{"l.ttf", {'x'}, 0};
  utf8.flags = 1 << 11;
  unicodeField.extra = UnicodePathExtra(kCp932Name, "\xE8\xA1\xA8.ttf");
  link.madeBy = 3 << 8;
  link.external = 0120777u << 16;
  ZipOptions stub;
  stub.prefix = "MZ stub";
  stub.comment = "comment";
  seeds.emplace_back("names.zip", BuildZip({utf8, unicodeField, link, {"dir/", {}, 0}}, stub));
  ZipMember zip64{"big.ttf", Payload(100, 3), 0};
  zip64.packedSize = zip64.size = 0xFFFFFFFF;
  Bytes extra;
  Put16(extra, 1), Put16(extra, 16), Put64(extra, 100), Put64(extra, 100);
  zip64.extra = extra;
  seeds.emplace_back("zip64.zip", BuildZip({zip64}));
  return seeds;
}

SeedFiles CabSeeds() {
  SeedFiles seeds;
  CabOptions none;
  none.compression = 0;
  seeds.emplace_back("none.cab", BuildCab({{"a.ttf", Payload(1000, 4)}, {kCp932Name, Payload(300, 5)}}, none));
  seeds.emplace_back("mszip.cab", BuildCab({{"a.ttf", Payload(40000, 6)}, {"\xE8\x83\xBD.ttf", {1}, 0xA0}}));
  CabOptions reserve;
  reserve.headerReserve = 20;
  reserve.folderReserve = 3;
  reserve.dataReserve = 5;
  seeds.emplace_back("reserve.cab", BuildCab({{"r.ttf", Payload(500, 7)}}, reserve));
  return seeds;
}

SeedFiles LzhSeeds() {
  SeedFiles seeds;
  const Bytes font = Payload(2000, 8);
  for (int level : {0, 1, 2}) {
    LzhMember stored{"a.ttf", font, level}, literal{kCp932Name, Payload(300, 9), level, "-lh5-"};
    literal.directory = "dir\xFF";
    seeds.emplace_back("level" + std::to_string(level) + ".lzh", BuildLzh({stored, literal}));
  }
  LzhMember utf16{"x.ttf", {1, 2, 3}, 2}, link{"l.ttf", {}, 2}, lh7{"c.ttf", Payload(400, 10), 2, "-lh7-"};
  utf16.utf16Name = Bytes{0xFD, 0x80, '.', 0, 't', 0, 't', 0, 'f', 0};
  utf16.codePage = 65001;
  link.unixMode = 0120777;
  lh7.stream = LiteralLh5(lh7.data, 5);
  seeds.emplace_back("extended.lzh", BuildLzh({utf16, link, lh7, {"d", {}, 2, "-lhd-"}}));
  return seeds;
}

const SeedRegistrar kZipSeeds("fuzz_zip", ZipSeeds);
const SeedRegistrar kCabSeeds("fuzz_cab", CabSeeds);
const SeedRegistrar kLzhSeeds("fuzz_lzh", LzhSeeds);

}  // namespace
}  // namespace velura::fuzzing
