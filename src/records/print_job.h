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

// A sample face's font: its family found among the system's fonts, at the sample size.
struct SampleFont {
  std::u16string family;
  int points = 0;
  int weight = 0;
  bool italic = false;
};

// A page device. Drawing calls return false when the device fails; the job then aborts.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  virtual PageGeometry Page() = 0;
  // Whether the system lists a font family of exactly this name.
  virtual bool KnowsFamily(const std::u16string& family) = 0;
  // Height in pixels of the text in the caption font at the given size.
  virtual int CaptionTextHeight(const std::u16string& text, int points) = 0;
  virtual bool BeginDocument(const std::u16string& title) = 0;
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDocument() = 0;
  virtual void AbortDocument() = 0;
  virtual bool DrawCaption(const PlacedText& text) = 0;  // caption font, 8 points
  virtual bool DrawSample(const PlacedText& text, const SampleFont& font) = 0;
  virtual bool DrawRule(const PlacedRule& rule) = 0;
};

struct PrintRequest {
  std::u16string sampleText;  // empty: each face prints its own family name
  PrintOptions options;
  PrintDate date;
  TextCompare compare;  // the locale's order of names; code units when empty
};

enum class PrintOutcome {
  Printed,        // every page finished and the document ended
  Stopped,        // "中止": the pages so far finished and the document ended
  NoCaptionFont,  // the caption font is unknown: the document was ended empty
  Failed,         // the device failed: the job was aborted and the error shown
};

// Runs one print job on the surface; the status window must be open. Clears the context's stop flag first.
PrintOutcome PrintRecordsJob(LoopContext& loop, Progress& progress, PrintSurface& surface,
                             const std::vector<std::unique_ptr<TFileDataItem>>& records, const PrintRequest& request);

}  // namespace velura
