#include "ui/charview/unicode_names.h"

#include <algorithm>
#include <vector>

#include "ui/charview/unicode_blocks.h"

namespace velura {

namespace {

using namespace unicode_data;

// Where every word of the dictionary starts in kWordText; built once from the word lengths.
const std::vector<std::uint32_t>& WordStarts() {
  static const std::vector<std::uint32_t> starts = [] {
    std::vector<std::uint32_t> result(kWordCount + 1);
    for (std::size_t i = 0; i < kWordCount; ++i) result[i + 1] = result[i] + kWordLengths[i];
    return result;
  }();
  return starts;
}

std::u16string Word(std::size_t number) {
  const std::size_t i = number - 2;
  if (number < 2 || i >= kWordCount) return {};
  const std::vector<std::uint32_t>& starts = WordStarts();
  return std::u16string(kWordText + starts[i], kWordText + starts[i + 1]);
}

// One name of the stream at pos: its leading word numbers shared with the name before, then its own; pos
// moves past it. The numbers of the previous name come in and the full list of this one goes out.
void ReadName(std::size_t& pos, std::vector<std::uint16_t>& words) {
  if (pos >= kNameStreamSize) return words.clear();
  const std::size_t shared = kNameStream[pos++];
  words.resize(std::min(shared, words.size()));
  while (pos < kNameStreamSize) {
    std::uint16_t number = kNameStream[pos++];
    if (number >= 0xC0 && pos < kNameStreamSize) number = static_cast<std::uint16_t>(0xC0 + ((number - 0xC0) << 8) + kNameStream[pos++]);
    if (number == 0) break;
    words.push_back(number);
  }
}

std::u16string NameOfOrdinal(std::size_t ordinal, char32_t codePoint) {
  std::size_t pos = kNameOffsets[ordinal / kNamesPerOffset];
  std::vector<std::uint16_t> words;
  for (std::size_t skip = ordinal % kNamesPerOffset; skip > 0; --skip) ReadName(pos, words);
  ReadName(pos, words);
  std::u16string name;
  for (std::uint16_t number : words) name += number == 1 ? Hex4(codePoint) : Word(number);
  return name;
}

std::u16string HangulSyllableName(char32_t codePoint) {
  const char32_t index = codePoint - 0xAC00;
  const char32_t lead = index / (21 * 28), vowel = index % (21 * 28) / 28, trail = index % 28;
  std::u16string name;
  for (const char* part : {kJamoLead[lead], kJamoVowel[vowel], kJamoTrail[trail]})
    for (; *part; ++part) name += static_cast<char16_t>(*part);
  return name;
}

std::u16string Ascii(const char* text) {
  std::u16string result;
  for (; *text; ++text) result += static_cast<char16_t>(*text);
  return result;
}

}  // namespace

std::u16string CharacterName(char32_t codePoint) {
  const NamedRun* runEnd = kNamedRuns + kNamedRunCount;
  const NamedRun* run =
      std::upper_bound(kNamedRuns, runEnd, codePoint, [](char32_t c, const NamedRun& r) { return c < r.first; });
  if (run != kNamedRuns) {
    --run;
    if (codePoint - run->first < run->count) return NameOfOrdinal(run->ordinal + (codePoint - run->first), codePoint);
  }
  for (std::size_t i = 0; i < kRuleRangeCount; ++i) {
    const RuleRange& range = kRuleRanges[i];
    if (codePoint < range.first || codePoint > range.last) continue;
    switch (range.kind) {
      case kPrefixAndCodePoint: return Ascii(range.text) + Hex4(codePoint);
      case kHangulSyllable: return Ascii(range.text) + HangulSyllableName(codePoint);
      default: return Ascii(range.text);
    }
  }
  return {};
}

bool IsAssigned(char32_t codePoint) { return AssignedCountIn(codePoint, codePoint) == 1; }

std::size_t AssignedCountIn(char32_t first, char32_t last) {
  std::size_t count = 0;
  ForEachAssignedRun(first, last, [&](char32_t a, char32_t b) { count += b - a + 1; });
  return count;
}

}  // namespace velura
