// The Unicode Character Database as the viewer needs it, generated at build time from Debian's
// unicode-data package by scripts/gen_unicode_data.py (the definitions live in the build tree).
#pragma once
#include <cstddef>
#include <cstdint>

namespace velura::unicode_data {

struct BlockRow {
  char32_t first, last;
  const char16_t* name;  // as Blocks.txt spells it
};
// Every block of Blocks.txt, in its order.
extern const BlockRow kBlocks[];
extern const std::size_t kBlockCount;

struct CodeRange {
  char32_t first, last;  // inclusive
};
// The assigned code points (named in UnicodeData.txt, its ranges included), sorted and merged.
extern const CodeRange kAssigned[];
extern const std::size_t kAssignedCount;

// The ranges UnicodeData.txt gives as <..., First> and <..., Last>, named by rule.
enum RuleKind : std::uint8_t { kPrefixAndCodePoint = 0, kHangulSyllable = 1, kLabel = 2 };
struct RuleRange {
  char32_t first, last;
  std::uint8_t kind;
  const char* text;  // the prefix, or the label ("<Private Use>")
};
extern const RuleRange kRuleRanges[];
extern const std::size_t kRuleRangeCount;

// Runs of consecutive code points named one by one; ordinal numbers the names in code point order.
struct NamedRun {
  char32_t first;
  std::uint32_t count;
  std::uint32_t ordinal;
};
extern const NamedRun kNamedRuns[];
extern const std::size_t kNamedRunCount;
extern const std::size_t kNamedCount;

// The compressed names (see the generator): the stream, where every kNamesPerOffset-th name starts, and the
// word dictionary as one text with the length of every word.
extern const std::uint8_t kNameStream[];
extern const std::size_t kNameStreamSize;
extern const std::uint32_t kNameOffsets[];
extern const std::size_t kNamesPerOffset;
extern const char kWordText[];
extern const std::uint8_t kWordLengths[];
extern const std::size_t kWordCount;

// Jamo short names for the Hangul syllable rule: 19 leading consonants, 21 vowels, 28 trailing (the first
// empty).
extern const char* const kJamoLead[];
extern const char* const kJamoVowel[];
extern const char* const kJamoTrail[];

}  // namespace velura::unicode_data
