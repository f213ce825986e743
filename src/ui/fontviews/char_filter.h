// "文字で絞り込む": which files every font list shows when the user asks for fonts that can set a
// character set or a typed text, the count of ticked files the filter hides, and the texts of the details
// panel's "文字セット" section.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "fontfile/char_coverage.h"
#include "records/file_data_item.h"
#include "records/file_services.h"
#include "records/loop_context.h"

namespace velura {

enum class CharFilterChoice { All, Kana, Jis0208Level1, Jis0208Levels1And2, Jis0213, Joyo, Jinmeiyo };

// The choices in the order the filter's box lists them.
inline constexpr std::array<std::u16string_view, 7> kCharFilterChoiceLabels = {
    u"すべて表示", u"かな", u"JIS第1水準", u"JIS第1・第2水準", u"JIS X 0213", u"常用漢字", u"人名用漢字"};

struct CharFilter {
  CharFilterChoice choice = CharFilterChoice::All;
  std::u16string text;  // every character of it must be mapped; empty: no text asked for
  // Something is asked for: the lists show only the files that pass.
  bool Active() const { return choice != CharFilterChoice::All || !text.empty(); }
  bool operator==(const CharFilter&) const = default;
};

// The choice at a position of the box; All for a position out of range.
CharFilterChoice CharFilterChoiceAt(int index);

// A face passes when it covers every set of the choice and maps the whole text.
bool FacePasses(const FaceCoverage& coverage, const TCharMap& map, const CharFilter& filter);
// A file is shown when the filter asks for nothing, or when one of its faces passes. A file not read yet
// (CoverageRead false) or without a readable map passes nothing.
bool FilePasses(const TFileDataItem& record, const CharFilter& filter);

// The filter the lists can apply now: what was asked for, once the records it tests have been read (in the
// status window for many); a stopped reading gives a filter that asks for nothing.
CharFilter ReadyFilter(const CharFilter& asked, const std::vector<TFileDataItem*>& records, LoopContext& loop,
                       Progress& progress, FileServices& files);

// The ticked files of records that the filter hides.
template <typename Records>
int HiddenTickedCount(const Records& records, const CharFilter& filter) {
  int hidden = 0;
  if (!filter.Active()) return 0;
  for (const auto& record : records)
    if (record->Has(Selected) && !FilePasses(*record, filter)) ++hidden;
  return hidden;
}

// "非表示のチェック済み N"; HiddenTicksText puts a full-width space before it, to follow another text of a
// status panel. Both empty when nothing ticked is hidden.
std::u16string HiddenTicksLabel(int hidden);
std::u16string HiddenTicksText(int hidden);

// The details panel's "文字セット" lines for a face: its mapped characters, then one line per set
// ("常用漢字　2136 / 2136 (100%)"). Percentages are cut off, so 100% means the whole set.
std::u16string CharSetLabel(CharSetId id);
std::vector<std::u16string> CoverageLines(const FaceCoverage& coverage);

}  // namespace velura
