// The print loop of the sample catalogue over an abstract drawing surface: the records in print order,
// page headers, entries and page breaks, the stop button and the abort on a failure. The printer (or a
// picture in the tests) implements PrintSurface.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "records/print_layout.h"
#include "records/loop_context.h"

namespace velura {

inline constexpr std::u16string_view kPrintDocumentTitle = u"フォントサンプル印刷";
// Printing asked for where the system has no printer (catalogue and symbol sample alike).
inline constexpr std::u16string_view kNoPrinterText =
    u"プリンタが見つかりません。プリンタを設定してから印刷してください。";
inline constexpr std::u16string_view kPrintErrorMessage = u"印刷中にエラーが発生しました。処理を中断します";
// No record of the list passes the options (nothing ticked for "ticked only"): no sheet is spent.
inline constexpr std::u16string_view kNothingToPrintText = u"印刷するフォントがありません。";

// A sample face's font: its family found among the system's fonts, at the sample size.
struct SampleFont {
  std::u16string family;
  int points = 0;
  int weight = 0;
  bool italic = false;
};

// How starting the document went: the user may cancel a prompt for an output file.
enum class DocumentStart { Started, Cancelled, Failed };

// A page device. Drawing calls return false when the device fails; the job then aborts.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  virtual PageGeometry Page() = 0;
  // Whether the system lists a font family of exactly this name.
  virtual bool KnowsFamily(const std::u16string& family) = 0;
  // The family of the program's own UI font, for captions where the caption font is missing.
  virtual std::u16string UiFontFamily() = 0;
  // The caption font's family from now on (kCaptionFontName until set).
  virtual void SetCaptionFamily(const std::u16string& family) = 0;
  // Height in pixels of the text in the caption font at the given size.
  virtual int CaptionTextHeight(const std::u16string& text, int points) = 0;
  virtual DocumentStart BeginDocument(const std::u16string& title) = 0;
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDocument() = 0;
  virtual void AbortDocument() = 0;
  virtual bool DrawCaption(const PlacedText& text) = 0;  // caption font, 8 points
  virtual bool DrawSample(const PlacedText& text, const SampleFont& font) = 0;
  virtual bool DrawRule(const PlacedRule& rule) = 0;
  // Lets go of the sample fonts made so far; the job calls it after every page, so that a long catalogue
  // never holds a font per face.
  virtual void ReleaseSampleFonts() = 0;
};

struct PrintRequest {
  std::u16string sampleText;  // empty: each face prints its own family name
  PrintOptions options;
  PrintDate date;
  TextCompare compare;  // the locale's order of names; code units when empty
};

enum class PrintOutcome {
  Printed,         // every page finished and the document ended
  Stopped,         // "中止": the pages so far finished and the document ended
  NoCaptionFont,   // neither the caption font nor the UI font is known: the document was ended empty
  NothingToPrint,  // no record passes the options: said so, no document started
  Cancelled,       // the user cancelled the document's start (an output file prompt): nothing shown
  Failed,          // the device failed: the job was aborted and the error shown
};

// Runs one print job on the surface; the status window must be open. Clears the context's stop flag first.
PrintOutcome PrintRecordsJob(LoopContext& loop, Progress& progress, PrintSurface& surface,
                             const std::vector<std::unique_ptr<TFileDataItem>>& records, const PrintRequest& request);

}  // namespace velura
