#include "dump_coverage.h"

#include <cstdio>
#include <string>

#include "fontfile/char_coverage.h"

namespace velura {

namespace {

// The key of each set in the order of kAllCharSets.
constexpr const char* kSetKeys[] = {
    "kana", "jis0208_level1", "jis0208_level2", "jis0208_nonkanji", "jis0213_beyond_0208", "joyo", "jinmeiyo"};
static_assert(std::size(kSetKeys) == kAllCharSets.size());

std::string CodePointText(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

}  // namespace

void WriteCharMapKeys(JsonWriter& json, const TCharMap& map, bool withCodePoints) {
  json.Key("charmap").BeginObject();
  json.Key("found").Bool(map.Found);
  json.Key("platform").Number(map.PlatformId);
  json.Key("encoding").Number(map.EncodingId);
  json.Key("format").Number(map.Format);
  json.Key("symbol").Bool(map.Symbol);
  json.Key("variation_sequences").Number(map.VariationSequences);
  json.EndObject();

  const FaceCoverage coverage = CoverageOf(map);
  json.Key("coverage").BeginObject();
  json.Key("codepoints").Number(coverage.CodePoints);
  for (std::size_t i = 0; i < kAllCharSets.size(); ++i) json.Key(kSetKeys[i]).Number(coverage.SetCounts[i]);
  json.EndObject();

  if (!withCodePoints) return;
  // "U+XXXX" for a single code point, "U+XXXX-U+YYYY" for a range of several.
  json.Key("codepoints").BeginArray();
  for (const CodePointRange& r : map.Ranges)
    json.String(r.first == r.last ? CodePointText(r.first) : CodePointText(r.first) + "-" + CodePointText(r.last));
  json.EndArray();
}

}  // namespace velura
