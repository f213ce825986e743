#include "records/print_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/text.h"

namespace velura {

namespace {

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

std::size_t LastDelimiter(const std::u16string& path) { return path.find_last_of(u"\\/"); }

// "%.0n": rounded to whole units (halves away from zero) with thousands separators.
std::u16string GroupedDecimal(std::int64_t value) {
  const std::u16string digits = DecimalU16(value < 0 ? -value : value);
  std::u16string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += u',';
    grouped += digits[i];
  }
  return value < 0 ? u"-" + grouped : grouped;
}

int StateGroup(const TFileDataItem& record) {
  if (record.Has(OtherVersionInstalled)) return 20;
  if (record.Has(Installed)) return 30;
  return 0;
}

int CodeUnitCompare(std::u16string_view a, std::u16string_view b) { return a.compare(b); }

}  // namespace

PrintOptions ClampedOptions(PrintOptions options) {
  options.sampleSize = Clamp(options.sampleSize, kMinSampleSize, kMaxSampleSize);
  options.topMargin = Clamp(options.topMargin, 0, kMaxPrintMargin);
  options.leftMargin = Clamp(options.leftMargin, 0, kMaxPrintMargin);
  return options;
}

int FontHeightForPoints(int points, int dpiY) {
  return -static_cast<int>(static_cast<std::int64_t>(points) * dpiY / 72);
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

PrintQuantities ComputeQuantities(const PageGeometry& page, const PrintOptions& options, int h8, int hs,
                                  int headerHeight) {
  PrintQuantities q;
  // A device that reports no physical size gets no margin rather than a division by zero.
  if (page.widthMm > 0) q.leftX = static_cast<int>(static_cast<double>(page.width) / page.widthMm * options.leftMargin);
  if (page.heightMm > 0)
    q.topY = static_cast<int>(static_cast<double>(page.height) / page.heightMm * options.topMargin);
  q.h8 = std::max(h8, 0);
  q.hs = std::max(hs, 0);
  q.headerHeight = std::max(headerHeight, 0);
  q.gap = static_cast<int>(q.h8 * 1.2);
  q.half = q.h8 / 2;
  q.third = q.hs / 3;
  q.entryHeight = q.h8 + q.hs + q.half + q.gap + q.third;
  q.columnWidth = std::max(page.width / 2 - RoundHalfEven(q.leftX * 1.5), 0);
  q.secondColumnX = page.width / 2 + RoundHalfEven(q.leftX / 2.0);
  return q;
}

std::vector<const TFileDataItem*> PrintOrder(const std::vector<std::unique_ptr<TFileDataItem>>& records,
                                             const TextCompare& compare) {
  const TextCompare& texts = compare ? compare : TextCompare(CodeUnitCompare);
  static const TTFontFileData kNoFace;
  auto firstFace = [](const TFileDataItem* record) -> const TTFontFileData& {
    return record->Faces.empty() ? kNoFace : record->Faces.front();
  };
  std::vector<const TFileDataItem*> order;
  order.reserve(records.size());
  for (const auto& record : records) order.push_back(record.get());
  std::stable_sort(order.begin(), order.end(), [&](const TFileDataItem* a, const TFileDataItem* b) {
    if (StateGroup(*a) != StateGroup(*b)) return StateGroup(*a) < StateGroup(*b);
    const int family = texts(firstFace(a).FamilyName, firstFace(b).FamilyName);
    if (family != 0) return family < 0;
    return texts(firstFace(a).FullName, firstFace(b).FullName) < 0;
  });
  return order;
}

bool IsPrinted(const TFileDataItem& record, const PrintOptions& options) {
  if (record.CannotDisplay) return false;
  if (options.hideStyleFonts && record.FamilyMember) return false;
  if (options.tickedOnly && !record.Has(Selected)) return false;
  return true;
}

std::u16string PageHeaderText(int page, const PrintDate& date) {
  return DecimalU16(page) + u" Page    " + DecimalU16(date.year) + u"/" + DecimalU16(date.month) + u"/" +
         DecimalU16(date.day) + u"    フォントインストーラーVELURA サンプル印刷";
}

std::u16string CaptionText(const TFileDataItem& record, std::size_t face) {
  const std::u16string fullName = face < record.Faces.size() ? record.Faces[face].FullName : u"";
  const std::size_t slash = LastDelimiter(record.Path);
  const std::u16string fileName = slash == std::u16string::npos ? record.Path : record.Path.substr(slash + 1);
  const auto kb = static_cast<std::int64_t>(std::floor(record.FileSize / 1024.0 + 0.5));
  return fullName + u"   [ " + fileName + u" ]" + u"  (" + GroupedDecimal(kb) + u"KB)";
}

std::u16string FolderLineText(const std::u16string& path) {
  const std::size_t slash = LastDelimiter(path);
  return u"(" + (slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1)) + u")";
}

std::u16string SampleLineText(const TFileDataItem& record, std::size_t face, const std::u16string& sampleText) {
  if (!sampleText.empty()) return sampleText;
  if (face < record.DisplayNames.size() && !record.DisplayNames[face].DisplayFamilyName.empty())
    return record.DisplayNames[face].DisplayFamilyName;
  return face < record.Faces.size() ? record.Faces[face].FamilyName : u"";
}

PrintCursor::PrintCursor(const PrintQuantities& quantities, const PageGeometry& page, const PrintOptions& options)
    : q_(quantities), pageSize_(page), options_(options), x_(quantities.leftX), y_(quantities.EntryTop()) {}

int PrintCursor::ReservedHeight() const {
  if (!options_.fullPath) return q_.entryHeight;
  return q_.entryHeight + (options_.twoColumns ? q_.h8 : static_cast<int>(q_.h8 * 1.1));
}

PrintCursor::Move PrintCursor::Reserve() {
  if (columnEmpty_ || y_ + ReservedHeight() <= pageSize_.height) return Move::Stay;
  if (options_.twoColumns && !secondColumn_) {
    secondColumn_ = true;
    columnEmpty_ = true;
    x_ = q_.secondColumnX;
    y_ = q_.EntryTop();
    return Move::NextColumn;
  }
  return Move::NextPage;
}

void PrintCursor::NewPage() {
  ++page_;
  secondColumn_ = false;
  columnEmpty_ = true;
  x_ = q_.leftX;
  y_ = q_.EntryTop();
}

EntryPlacement PrintCursor::Place(const std::u16string& caption, const std::u16string& folder,
                                  const std::u16string& sample) {
  EntryPlacement entry;
  const bool columns = options_.twoColumns;
  int y = y_;
  auto clippedTo = [&](std::u16string text, int top, int height) {
    return PlacedText{std::move(text), x_, top, true, x_ + q_.columnWidth, top + height};
  };
  entry.caption = columns ? clippedTo(caption, y, q_.h8) : PlacedText{caption, x_, y};
  if (options_.fullPath) {
    y += columns ? q_.h8 : static_cast<int>(q_.h8 * 1.1);
    entry.hasFolder = true;
    entry.folder = columns ? clippedTo(folder, y, q_.h8) : PlacedText{folder, x_, y};
  }
  y += q_.h8 + q_.gap;
  entry.sample = columns ? clippedTo(sample, y, q_.hs + q_.third) : PlacedText{sample, x_, y};
  y += q_.hs + q_.third;
  entry.rule = {x_, columns ? x_ + q_.columnWidth : pageSize_.width - 2 * q_.leftX, y};
  y += q_.half;
  entry.nextY = y;
  y_ = y;
  columnEmpty_ = false;
  return entry;
}

}  // namespace velura
