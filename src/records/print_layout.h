// Sample printing as arithmetic over an abstract page: the options, the quantities measured once per
// job, the order of the records, the texts of the header and captions, and where each entry goes.
// Pixels are the printer's; text heights come from the renderer, so the whole layout is host-tested.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "records/file_data_item.h"

namespace velura {

inline constexpr int kMinSampleSize = 6;
inline constexpr int kMaxSampleSize = 99;
inline constexpr int kMaxPrintMargin = 50;  // mm; keeps both columns on an A4 page

struct PrintOptions {
  bool twoColumns = false;     // "２段組みにして用紙を節約"
  bool fullPath = false;       // "フォント名をフルパスで表示"
  bool hideStyleFonts = true;  // "スタイルフォントは表示しない"
  bool tickedOnly = false;     // "チェックしたフォントのみ印刷"
  int sampleSize = 18;         // points
  int topMargin = 1;           // mm
  int leftMargin = 1;          // mm
  bool operator==(const PrintOptions&) const = default;
};

// The options with the size and margins brought into their ranges.
PrintOptions ClampedOptions(PrintOptions options);

// A printer page: its printable pixels, its physical size (HORZSIZE, VERTSIZE) and vertical resolution.
struct PageGeometry {
  int width = 0, height = 0;
  int widthMm = 0, heightMm = 0;
  int dpiY = 0;
};

inline constexpr std::u16string_view kCaptionFontName = u"MS UI Gothic";
inline constexpr int kCaptionPoints = 8;
inline constexpr std::u16string_view kMeasureText = u"TESTあ";

// The logical font height (negative: character height) of a size in points on a device.
int FontHeightForPoints(int points, int dpiY);

// Halves to even, as the layout's roundings are defined.
int RoundHalfEven(double value);

struct PrintQuantities {
  int leftX = 0, topY = 0;
  int h8 = 0;            // "TESTあ" in the caption font at 8 points
  int hs = 0;            // the same at the sample size
  int headerHeight = 0;  // the page header's text
  int gap = 0, half = 0, third = 0;
  int entryHeight = 0;
  int columnWidth = 0;
  int secondColumnX = 0;
  // Where entries start below the header.
  int EntryTop() const { return topY + 3 * headerHeight; }
};

PrintQuantities ComputeQuantities(const PageGeometry& page, const PrintOptions& options, int h8, int hs,
                                  int headerHeight);

// Negative, zero or positive as a sorts before, with or after b (the window's locale comparison).
using TextCompare = std::function<int(std::u16string_view, std::u16string_view)>;

// The records in print order: not installed first, then other versions installed, then installed; within
// a group by the first face's family name, then its full name. Without a comparison, code-unit order.
std::vector<const TFileDataItem*> PrintOrder(const std::vector<std::unique_ptr<TFileDataItem>>& records,
                                             const TextCompare& compare = {});

// Whether a record gets an entry at all under the options.
bool IsPrinted(const TFileDataItem& record, const PrintOptions& options);

struct PrintDate {
  int year = 0, month = 0, day = 0;
};

// "1 Page    2026/12/7    フォントインストーラーVELURA サンプル印刷".
std::u16string PageHeaderText(int page, const PrintDate& date);
// "<full name>   [ <file name> ]  (<KB>KB)".
std::u16string CaptionText(const TFileDataItem& record, std::size_t face);
// "(<folder with its trailing delimiter>)".
std::u16string FolderLineText(const std::u16string& path);
// The chosen sample text, or the face's display family name when none is chosen.
std::u16string SampleLineText(const TFileDataItem& record, std::size_t face, const std::u16string& sampleText);

// A text placed on the page, clipped to the rectangle (x, y)-(clipRight, clipBottom) when `clipped`.
struct PlacedText {
  std::u16string text;
  int x = 0, y = 0;
  bool clipped = false;
  int clipRight = 0, clipBottom = 0;
};

struct PlacedRule {
  int x1 = 0, x2 = 0, y = 0;
};

// One face's entry drawn from the cursor: caption, the folder line when asked for, sample and rule.
struct EntryPlacement {
  PlacedText caption;
  bool hasFolder = false;
  PlacedText folder;
  PlacedText sample;
  PlacedRule rule;
  int nextY = 0;
};

// Where entries go page after page: down the first column, then (two columns) down the second, then on
// a new page. An entry that would run below the page goes to the next column or page; a column still
// empty takes any entry, even one taller than the page, so no page or column is left empty.
class PrintCursor {
 public:
  PrintCursor(const PrintQuantities& quantities, const PageGeometry& page, const PrintOptions& options);

  enum class Move { Stay, NextColumn, NextPage };
  // Before an entry: stays, moves to the second column itself, or asks for a new page (the caller ends
  // the page, starts the next, prints its header and calls NewPage).
  Move Reserve();
  void NewPage();
  // Lays out an entry at the cursor and moves the cursor below it.
  EntryPlacement Place(const std::u16string& caption, const std::u16string& folder, const std::u16string& sample);

  int X() const { return x_; }
  int Y() const { return y_; }
  int Page() const { return page_; }
  bool InSecondColumn() const { return secondColumn_; }

 private:
  // The height an entry reserves: the designed entry height and the folder line when it is printed.
  int ReservedHeight() const;

  PrintQuantities q_;
  PageGeometry pageSize_;
  PrintOptions options_;
  int x_ = 0, y_ = 0;
  int page_ = 1;
  bool secondColumn_ = false;
  bool columnEmpty_ = true;
};

}  // namespace velura
