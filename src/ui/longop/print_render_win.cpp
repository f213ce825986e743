#include "ui/longop/print_render_win.h"

#include "fontfile/font_enum_win.h"
#include "platform/wide_win.h"

namespace velura {

PageGeometry PageGeometryOf(HDC printer) {
  return PageGeometry{GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES),
                      GetDeviceCaps(printer, HORZSIZE), GetDeviceCaps(printer, VERTSIZE),
                      GetDeviceCaps(printer, LOGPIXELSY)};
}

GdiPrintSurface::GdiPrintSurface(HDC printer) : GdiPrintSurface(printer, PageGeometryOf(printer)) {}

GdiPrintSurface::GdiPrintSurface(HDC dc, const PageGeometry& page) : dc_(dc), page_(page) {
  savedState_ = SaveDC(dc_);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, RGB(0, 0, 0));
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SelectObject(dc_, GetStockObject(BLACK_PEN));
}

// The DC lets go of our fonts before they are deleted with the map.
GdiPrintSurface::~GdiPrintSurface() {
  if (savedState_) RestoreDC(dc_, savedState_);
}

bool GdiPrintSurface::KnowsFamily(const std::u16string& family) {
  const auto found = known_.find(family);
  if (found != known_.end()) return found->second;
  const bool known = IsFontFamilyKnown(ToWide(family));
  known_.emplace(family, known);
  return known;
}

std::u16string GdiPrintSurface::UiFontFamily() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
  return ToU16(metrics.lfMessageFont.lfFaceName);
}

HFONT GdiPrintSurface::CaptionFont(int points) {
  return Font(SampleFont{captionFamily_, points, 0, false}, captionFonts_);
}

HFONT GdiPrintSurface::Font(const SampleFont& font, FontCache& cache) {
  const auto key = std::make_tuple(font.family, font.points, font.weight, font.italic);
  const auto found = cache.find(key);
  if (found != cache.end()) return found->second.Get();
  LOGFONTW description{};
  if (!FindLogFont(ToWide(font.family), description)) return nullptr;
  description.lfHeight = FontHeightForPoints(font.points, page_.dpiY);
  description.lfWidth = 0;
  if (font.weight > 0) description.lfWeight = font.weight;
  description.lfItalic = font.italic ? TRUE : FALSE;
  HFONT handle = CreateFontIndirectW(&description);
  cache.emplace(key, ui::UniqueFont(handle));
  return handle;
}

int GdiPrintSurface::CaptionTextHeight(const std::u16string& text, int points) {
  HFONT font = CaptionFont(points);
  if (!font) return 0;
  SelectObject(dc_, font);
  SIZE size{};
  if (!GetTextExtentPoint32W(dc_, AsWide(text), static_cast<int>(text.size()), &size)) return 0;
  return size.cy;
}

DocumentStart GdiPrintSurface::BeginDocument(const std::u16string& title) {
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = AsWide(title);
  SetLastError(ERROR_SUCCESS);
  if (StartDocW(dc_, &document) > 0) return DocumentStart::Started;
  // A print-to-file or PDF printer asks for the output file; cancelling that prompt is no error.
  return GetLastError() == ERROR_CANCELLED ? DocumentStart::Cancelled : DocumentStart::Failed;
}

bool GdiPrintSurface::StartPage() { return ::StartPage(dc_) > 0; }
bool GdiPrintSurface::EndPage() { return ::EndPage(dc_) > 0; }
bool GdiPrintSurface::EndDocument() { return EndDoc(dc_) > 0; }
void GdiPrintSurface::AbortDocument() { AbortDoc(dc_); }

bool GdiPrintSurface::PutText(const PlacedText& text, HFONT font) {
  if (!font) return false;
  SelectObject(dc_, font);
  const int length = static_cast<int>(text.text.size());
  if (!text.clipped) return TextOutW(dc_, text.x, text.y, AsWide(text.text), length) != FALSE;
  const RECT clip{text.x, text.y, text.clipRight, text.clipBottom};
  return ExtTextOutW(dc_, text.x, text.y, ETO_CLIPPED, &clip, AsWide(text.text), length, nullptr) != FALSE;
}

bool GdiPrintSurface::DrawCaption(const PlacedText& text) { return PutText(text, CaptionFont(kCaptionPoints)); }

bool GdiPrintSurface::DrawSample(const PlacedText& text, const SampleFont& font) {
  return PutText(text, Font(font, sampleFonts_));
}

void GdiPrintSurface::ReleaseSampleFonts() {
  SelectObject(dc_, GetStockObject(SYSTEM_FONT));  // the DC must not hold a font being deleted
  sampleFonts_.clear();
}

bool GdiPrintSurface::DrawRule(const PlacedRule& rule) {
  return MoveToEx(dc_, rule.x1, rule.y, nullptr) && LineTo(dc_, rule.x2, rule.y);
}

}  // namespace velura
