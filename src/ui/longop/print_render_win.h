// The sample catalogue drawn with GDI: a printer's page (or any DC given a page size) as the print loop's
// surface. Fonts are made from the LOGFONT Windows lists for the family, sized for the page's resolution.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "records/print_job.h"
#include "ui/framework/handles_win.h"

namespace velura {

// The page a printer DC offers: printable pixels, physical millimetres and vertical resolution.
PageGeometry PageGeometryOf(HDC printer);

class GdiPrintSurface : public PrintSurface {
 public:
  // A printer DC and its page; the document calls go to the printer.
  explicit GdiPrintSurface(HDC printer);
  // Any DC drawn as a page of the given size (a picture, a metafile).
  GdiPrintSurface(HDC dc, const PageGeometry& page);
  ~GdiPrintSurface() override;
  GdiPrintSurface(const GdiPrintSurface&) = delete;
  GdiPrintSurface& operator=(const GdiPrintSurface&) = delete;

  PageGeometry Page() override { return page_; }
  bool KnowsFamily(const std::u16string& family) override;
  std::u16string UiFontFamily() override;
  void SetCaptionFamily(const std::u16string& family) override { captionFamily_ = family; }
  int CaptionTextHeight(const std::u16string& text, int points) override;
  DocumentStart BeginDocument(const std::u16string& title) override;
  bool StartPage() override;
  bool EndPage() override;
  bool EndDocument() override;
  void AbortDocument() override;
  bool DrawCaption(const PlacedText& text) override;
  bool DrawSample(const PlacedText& text, const SampleFont& font) override;
  bool DrawRule(const PlacedRule& rule) override;
  void ReleaseSampleFonts() override;

 protected:
  HDC Dc() const { return dc_; }

 private:
  using FontKey = std::tuple<std::u16string, int, int, bool>;
  using FontCache = std::map<FontKey, ui::UniqueFont>;
  // The font of a listed family at a size in points, kept in cache; null when the family is not listed.
  HFONT Font(const SampleFont& font, FontCache& cache);
  HFONT CaptionFont(int points);
  bool PutText(const PlacedText& text, HFONT font);

  HDC dc_;
  PageGeometry page_;
  int savedState_ = 0;
  std::u16string captionFamily_{kCaptionFontName};
  std::map<std::u16string, bool> known_;
  FontCache captionFonts_;  // a few, kept for the whole document
  FontCache sampleFonts_;   // the current page's, released page by page
};

}  // namespace velura
