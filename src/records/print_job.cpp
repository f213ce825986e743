#include "records/print_job.h"

#include <algorithm>
#include <optional>

#include "platform/message_box.h"

namespace velura {

namespace {

// The family the system lists a face under: its own family name or, as the sample list draws it, its
// display name (Windows lists a family longer than 31 characters, or one named for another language, so).
std::optional<std::u16string> ListedFamily(PrintSurface& surface, const TFileDataItem& record, std::size_t face) {
  const std::u16string& family = record.Faces[face].FamilyName;
  if (surface.KnowsFamily(family)) return family;
  if (face < record.DisplayNames.size()) {
    const std::u16string& shown = record.DisplayNames[face].DisplayFamilyName;
    if (!shown.empty() && shown != family && surface.KnowsFamily(shown)) return shown;
  }
  return std::nullopt;
}

// One job's state: the surface, the measured layout and the cursor.
class PrintJob {
 public:
  PrintJob(PrintSurface& surface, const PrintRequest& request, const PrintOptions& options, const PageGeometry& page,
           const PrintQuantities& quantities)
      : surface_(surface), request_(request), options_(options), q_(quantities), cursor_(quantities, page, options) {}

  // Starts the page the cursor is on and prints its header at the top margin.
  bool StartPage() {
    return surface_.StartPage() &&
           surface_.DrawCaption(PlacedText{PageHeaderText(cursor_.Page(), request_.date), q_.leftX, q_.topY});
  }

  bool PrintEntry(const TFileDataItem& record) {
    for (std::size_t face = 0; face < record.Faces.size(); ++face) {
      const TTFontFileData& names = record.Faces[face];
      const std::optional<std::u16string> family = ListedFamily(surface_, record, face);
      if (!family) continue;
      const SampleFont font{*family, options_.sampleSize, names.WeightClass, names.SlantPosition != 0};
      if (cursor_.Reserve() == PrintCursor::Move::NextPage) {
        if (!surface_.EndPage()) return false;
        surface_.ReleaseSampleFonts();
        cursor_.NewPage();
        if (!StartPage()) return false;
      }
      const EntryPlacement entry = cursor_.Place(CaptionText(record, face), FolderLineText(record.Path),
                                                 SampleLineText(record, face, request_.sampleText));
      if (!surface_.DrawCaption(entry.caption)) return false;
      if (entry.hasFolder && !surface_.DrawCaption(entry.folder)) return false;
      if (!surface_.DrawSample(entry.sample, font)) return false;
      if (!surface_.DrawRule(entry.rule)) return false;
    }
    return true;
  }

 private:
  PrintSurface& surface_;
  const PrintRequest& request_;
  const PrintOptions& options_;
  PrintQuantities q_;
  PrintCursor cursor_;
};

}  // namespace

PrintOutcome PrintRecordsJob(LoopContext& loop, Progress& progress, PrintSurface& surface,
                             const std::vector<std::unique_ptr<TFileDataItem>>& records, const PrintRequest& request) {
  loop.StopRequested = false;
  const PrintOptions options = ClampedOptions(request.options);
  bool documentOpen = false;
  // Any failure of the device aborts the whole job: a half-printed page is worth less than the message.
  auto fail = [&] {
    if (documentOpen) surface.AbortDocument();
    ShowMessage(std::u16string(kPrintErrorMessage), u"VELURA", MessageIcon::Error);
    return PrintOutcome::Failed;
  };
  try {
    const bool anyPrinted = std::any_of(records.begin(), records.end(),
                                        [&](const auto& record) { return record && IsPrinted(*record, options); });
    if (!anyPrinted) {
      ShowMessage(std::u16string(kNothingToPrintText), u"VELURA", MessageIcon::Information);
      return PrintOutcome::NothingToPrint;
    }
    const PageGeometry page = surface.Page();
    switch (surface.BeginDocument(std::u16string(kPrintDocumentTitle))) {
      case DocumentStart::Started: break;
      case DocumentStart::Cancelled: return PrintOutcome::Cancelled;
      case DocumentStart::Failed: return fail();
    }
    documentOpen = true;
    // Windows without "MS UI Gothic" (optional outside Japan) still print, their captions in the UI font.
    if (!surface.KnowsFamily(std::u16string(kCaptionFontName))) {
      const std::u16string uiFont = surface.UiFontFamily();
      if (uiFont.empty() || !surface.KnowsFamily(uiFont)) {
        if (!surface.EndDocument()) return fail();
        return PrintOutcome::NoCaptionFont;
      }
      surface.SetCaptionFamily(uiFont);
    }
    const std::u16string measure(kMeasureText);
    const PrintQuantities quantities =
        ComputeQuantities(page, options, surface.CaptionTextHeight(measure, kCaptionPoints),
                          surface.CaptionTextHeight(measure, options.sampleSize),
                          surface.CaptionTextHeight(PageHeaderText(1, request.date), kCaptionPoints));
    const std::vector<const TFileDataItem*> order = PrintOrder(records, request.compare);
    progress.BeginProgress(static_cast<int>(order.size()));
    PrintJob job(surface, request, options, page, quantities);
    if (!job.StartPage()) return fail();
    PrintOutcome outcome = PrintOutcome::Printed;
    for (std::size_t i = 0; i < order.size(); ++i) {
      progress.ProcessMessages();
      if (loop.StopRequested) {
        outcome = PrintOutcome::Stopped;
        break;
      }
      progress.StepProgress(static_cast<int>(i + 1));
      if (!IsPrinted(*order[i], options)) continue;
      if (!job.PrintEntry(*order[i])) return fail();
    }
    if (!surface.EndPage()) return fail();
    documentOpen = false;
    if (!surface.EndDocument()) return fail();
    return outcome;
  } catch (const std::exception&) {
    return fail();
  }
}

}  // namespace velura
