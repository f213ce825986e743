#include "ui/fontviews/char_filter.h"

#include "fontfile/char_sets.h"
#include "platform/text.h"
#include "records/coverage_loading.h"

namespace velura {

namespace {

// The sets a choice needs covered, whole.
std::vector<CharSetId> SetsOf(CharFilterChoice choice) {
  switch (choice) {
    case CharFilterChoice::All: return {};
    case CharFilterChoice::Kana: return {CharSetId::Kana};
    case CharFilterChoice::Jis0208Level1: return {CharSetId::Jis0208Level1};
    case CharFilterChoice::Jis0208Levels1And2: return {CharSetId::Jis0208Level1, CharSetId::Jis0208Level2};
    case CharFilterChoice::Jis0213:  // all of JIS X 0208 and what JIS X 0213 adds to it
      return {CharSetId::Jis0208Level1, CharSetId::Jis0208Level2, CharSetId::Jis0208NonKanji,
              CharSetId::Jis0213Beyond0208};
    case CharFilterChoice::Joyo: return {CharSetId::Joyo};
    case CharFilterChoice::Jinmeiyo: return {CharSetId::Jinmeiyo};
  }
  return {};
}

std::u16string Grouped(std::uint64_t value) {
  const std::u16string digits = DecimalU16(value);
  std::u16string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += u',';
    out += digits[i];
  }
  return out;
}

}  // namespace

CharFilterChoice CharFilterChoiceAt(int index) {
  if (index < 0 || index >= static_cast<int>(kCharFilterChoiceLabels.size())) return CharFilterChoice::All;
  return static_cast<CharFilterChoice>(index);
}

bool FacePasses(const FaceCoverage& coverage, const TCharMap& map, const CharFilter& filter) {
  for (CharSetId set : SetsOf(filter.choice))
    if (!coverage.Covers(set)) return false;
  return filter.text.empty() || MapsAllOf(map, filter.text);
}

bool FilePasses(const TFileDataItem& record, const CharFilter& filter) {
  if (!filter.Active()) return true;
  if (!record.CoverageRead || record.CannotDisplay) return false;
  for (std::size_t face = 0; face < record.CharMaps.size() && face < record.Coverage.size(); ++face)
    if (FacePasses(record.Coverage[face], record.CharMaps[face], filter)) return true;
  return false;
}

CharFilter ReadyFilter(const CharFilter& asked, const std::vector<TFileDataItem*>& records, LoopContext& loop,
                       Progress& progress, FileServices& files) {
  if (!asked.Active()) return asked;
  return ReadMissingCoverage(loop, progress, files, records) ? asked : CharFilter{};
}

std::u16string HiddenTicksLabel(int hidden) {
  return hidden > 0 ? u"非表示のチェック済み " + DecimalU16(hidden) : std::u16string();
}

std::u16string HiddenTicksText(int hidden) { return hidden > 0 ? u"　" + HiddenTicksLabel(hidden) : std::u16string(); }

std::u16string CharSetLabel(CharSetId id) {
  switch (id) {
    case CharSetId::Kana: return u"かな";
    case CharSetId::Jis0208Level1: return u"JIS第1水準";
    case CharSetId::Jis0208Level2: return u"JIS第2水準";
    case CharSetId::Jis0208NonKanji: return u"JIS非漢字";
    case CharSetId::Jis0213Beyond0208: return u"JIS X 0213追加文字";
    case CharSetId::Joyo: return u"常用漢字";
    case CharSetId::Jinmeiyo: return u"人名用漢字";
  }
  return {};
}

std::vector<std::u16string> CoverageLines(const FaceCoverage& coverage) {
  std::vector<std::u16string> lines{u"収録文字数　" + Grouped(coverage.CodePoints)};
  for (CharSetId set : kAllCharSets) {
    const std::uint64_t total = CharSetCodePoints(set).size(), mapped = coverage.CountOf(set);
    const std::uint64_t percent = total == 0 ? 0 : mapped * 100 / total;
    lines.push_back(CharSetLabel(set) + u"　" + DecimalU16(mapped) + u" / " + DecimalU16(total) + u" (" +
                    DecimalU16(percent) + u"%)");
  }
  return lines;
}

}  // namespace velura
