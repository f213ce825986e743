// Sample printing over a recording page: the layout arithmetic, the order of the records, the texts, the
// page and column breaks, and what a stop, a failure or a missing caption font leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "record_world.h"
#include "records/print_job.h"

namespace velura::testing {
namespace {

constexpr PageGeometry kA4{2479, 3508, 209, 297, 300};

// A page that records every call; text heights are the size in pixels plus one.
class RecordingSurface final : public PrintSurface {
 public:
  struct Op {
    std::string kind;  // "begin", "start", "end", "close", "abort", "caption", "sample", "rule"
    PlacedText text;
    PlacedRule rule;
    SampleFont font;
    int page = 0;
  };

  explicit RecordingSurface(PageGeometry page = kA4) : page_(page) {}

  PageGeometry Page() override { return page_; }
  bool KnowsFamily(const std::u16string& family) override { return !unknown.contains(family); }
  std::u16string UiFontFamily() override { return uiFont; }
  void SetCaptionFamily(const std::u16string& family) override { captionFamily = family; }
  int CaptionTextHeight(const std::u16string&, int points) override { return points * page_.dpiY / 72 + 1; }
  DocumentStart BeginDocument(const std::u16string& title) override {
    this->title = title;
    if (cancelBegin) return DocumentStart::Cancelled;
    return Record("begin") ? DocumentStart::Started : DocumentStart::Failed;
  }
  bool StartPage() override {
    ++pages;
    return Record("start");
  }
  bool EndPage() override { return Record("end"); }
  bool EndDocument() override { return Record("close"); }
  void AbortDocument() override { Record("abort"); }
  bool DrawCaption(const PlacedText& text) override { return Record("caption", text); }
  bool DrawSample(const PlacedText& text, const SampleFont& font) override {
    // Counts the fonts a device would make: one per family and size until released.
    liveFonts.insert(font.family + u"/" + std::u16string(1, static_cast<char16_t>(font.points)));
    mostLiveFonts = std::max(mostLiveFonts, liveFonts.size());
    return Record("sample", text, {}, font);
  }
  bool DrawRule(const PlacedRule& rule) override { return Record("rule", {}, rule); }
  void ReleaseSampleFonts() override { liveFonts.clear(); }

  std::vector<Op> Of(const std::string& kind) const {
    std::vector<Op> found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found), [&](const Op& op) { return op.kind == kind; });
    return found;
  }
  std::vector<std::string> Kinds() const {
    std::vector<std::string> kinds;
    for (const Op& op : ops) kinds.push_back(op.kind);
    return kinds;
  }

  std::set<std::u16string> unknown;
  std::u16string uiFont = u"Segoe UI";
  std::u16string captionFamily = u"MS UI Gothic";
  bool cancelBegin = false;
  std::set<std::u16string> liveFonts;
  std::size_t mostLiveFonts = 0;
  std::string failOn;  // the kind of call that fails, after `failAfter` successful ones
  int failAfter = 0;
  std::vector<Op> ops;
  std::u16string title;
  int pages = 0;

 private:
  bool Record(std::string kind, PlacedText text = {}, PlacedRule rule = {}, SampleFont font = {}) {
    Op op{std::move(kind), std::move(text), rule, std::move(font), pages};
    ops.push_back(op);
    if (op.kind == failOn && failAfter-- <= 0) return false;
    return true;
  }
  PageGeometry page_;
};

std::unique_ptr<TFileDataItem> Record(const std::u16string& family, const std::u16string& fullName,
                                      std::uint8_t flags = 0, std::int32_t size = 2048) {
  auto record = std::make_unique<TFileDataItem>();
  record->Path = u"C:\\fonts\\" + fullName + u".ttf";
  record->FileSize = size;
  record->Flags = flags;
  TTFontFileData face;
  face.FamilyName = family;
  face.FullName = fullName;
  face.WeightClass = 400;
  record->Faces.push_back(face);
  TetcData display;
  display.DisplayFamilyName = family + u" shown";
  record->DisplayNames.push_back(display);
  return record;
}

std::vector<std::unique_ptr<TFileDataItem>> Families(int count) {
  std::vector<std::unique_ptr<TFileDataItem>> records;
  for (int i = 0; i < count; ++i) {
    const std::u16string name = u"Family" + std::u16string(1, static_cast<char16_t>(u'A' + i / 26)) +
                                std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
    records.push_back(Record(name, name));
  }
  return records;
}

class Printing : public ::testing::Test {
 protected:
  Printing() {
    previous = SetMessageSink([this](const MessageRequest& m) {
      messages.push_back(m);
      return MessageResult::Ok;
    });
    request.date = {2026, 12, 7};
  }
  ~Printing() override { SetMessageSink(previous); }
  PrintOutcome Print() { return PrintRecordsJob(loop, progress, surface, records, request); }

  RecordingSurface surface;
  LoopContext loop;
  FakeProgress progress{&loop};
  std::vector<std::unique_ptr<TFileDataItem>> records;
  PrintRequest request;
  std::vector<MessageRequest> messages;
  MessageSink previous;
};

TEST(PrintLayout, QuantitiesOfAnA4PageRoundHalvesToEven) {
  const PrintQuantities q = ComputeQuantities(kA4, PrintOptions{}, 34, 76, 34);
  EXPECT_EQ(q.leftX, 11);  // 2479 / 209 x 1 mm = 11.86, cut off
  EXPECT_EQ(q.topY, 11);   // 3508 / 297 x 1 mm = 11.81
  EXPECT_EQ(q.gap, 40);    // 34 x 1.2 = 40.8
  EXPECT_EQ(q.half, 17);
  EXPECT_EQ(q.third, 25);
  EXPECT_EQ(q.entryHeight, 34 + 76 + 17 + 40 + 25);
  EXPECT_EQ(q.columnWidth, 1239 - 16);   // 16.5 goes to 16
  EXPECT_EQ(q.secondColumnX, 1239 + 6);  // 5.5 goes to 6
  EXPECT_EQ(q.EntryTop(), 11 + 3 * 34);
}

TEST(PrintLayout, AnEntryEndingExactlyAtTheBottomStaysOnThePage) {
  PageGeometry page = kA4;
  const PrintQuantities q = ComputeQuantities(page, PrintOptions{}, 34, 76, 34);
  page.height = q.EntryTop() + 2 * q.entryHeight;
  PrintCursor cursor(q, page, PrintOptions{});
  ASSERT_EQ(cursor.Reserve(), PrintCursor::Move::Stay);
  cursor.Place(u"a", u"", u"a");
  ASSERT_EQ(cursor.Reserve(), PrintCursor::Move::Stay);
  EXPECT_EQ(cursor.Place(u"b", u"", u"b").nextY, page.height);
  EXPECT_EQ(cursor.Reserve(), PrintCursor::Move::NextPage);
}

TEST(PrintLayout, DegeneratePagesAndHugeMarginsGiveNoNegativeSizes) {
  const PrintQuantities none = ComputeQuantities(PageGeometry{100, 100, 0, 0, 0}, PrintOptions{}, 0, 0, 0);
  EXPECT_EQ(none.leftX, 0);
  EXPECT_EQ(none.topY, 0);
  PrintOptions wide;
  wide.leftMargin = 100000;
  wide.sampleSize = 500;
  const PrintOptions clamped = ClampedOptions(wide);
  EXPECT_EQ(clamped.leftMargin, kMaxPrintMargin);
  EXPECT_EQ(clamped.sampleSize, kMaxSampleSize);
  EXPECT_EQ(ClampedOptions(PrintOptions{.sampleSize = 1, .topMargin = -4}).sampleSize, kMinSampleSize);
  EXPECT_EQ(ClampedOptions(PrintOptions{.sampleSize = 1, .topMargin = -4}).topMargin, 0);
  EXPECT_GE(ComputeQuantities(PageGeometry{300, 300, 25, 25, 300}, clamped, 34, 413, 34).columnWidth, 0);
  EXPECT_EQ(FontHeightForPoints(8, 300), -33);
  EXPECT_EQ(FontHeightForPoints(99, 300), -412);
}

TEST(PrintLayout, TextsOfHeaderCaptionFolderAndSample) {
  EXPECT_EQ(PageHeaderText(1, {2026, 12, 7}), u"1 Page    2026/12/7    フォントインストーラーVELURA サンプル印刷");
  EXPECT_EQ(PageHeaderText(12, {2027, 1, 23}), u"12 Page    2027/1/23    フォントインストーラーVELURA サンプル印刷");
  auto record = Record(u"Alpha", u"Alpha Bold", 0, 1536000);
  EXPECT_EQ(CaptionText(*record, 0), u"Alpha Bold   [ Alpha Bold.ttf ]  (1,500KB)");
  record->FileSize = 512;  // half a KB rounds up
  EXPECT_EQ(CaptionText(*record, 0), u"Alpha Bold   [ Alpha Bold.ttf ]  (1KB)");
  record->FileSize = 0;
  EXPECT_EQ(CaptionText(*record, 0), u"Alpha Bold   [ Alpha Bold.ttf ]  (0KB)");
  EXPECT_EQ(CaptionText(*record, 5), u"   [ Alpha Bold.ttf ]  (0KB)");  // a face that is not there
  EXPECT_EQ(FolderLineText(u"C:\\fonts\\sub\\a.ttf"), u"(C:\\fonts\\sub\\)");
  EXPECT_EQ(FolderLineText(u"a.ttf"), u"()");
  EXPECT_EQ(SampleLineText(*record, 0, u""), u"Alpha shown");
  EXPECT_EQ(SampleLineText(*record, 0, u"あいう"), u"あいう");
  record->DisplayNames.clear();
  EXPECT_EQ(SampleLineText(*record, 0, u""), u"Alpha");
}

TEST(PrintLayout, OrderIsNotInstalledThenOtherVersionThenInstalledByFamilyAndFullName) {
  std::vector<std::unique_ptr<TFileDataItem>> records;
  records.push_back(Record(u"Beta", u"Beta", Installed));
  records.push_back(Record(u"Alpha", u"Alpha Italic", OtherVersionInstalled | Installed));
  records.push_back(Record(u"Gamma", u"Gamma"));
  records.push_back(Record(u"Alpha", u"Alpha Bold"));
  records.push_back(Record(u"Alpha", u"Alpha"));
  records.push_back(std::make_unique<TFileDataItem>());  // no faces at all
  std::vector<std::u16string> names;
  for (const TFileDataItem* r : PrintOrder(records)) names.push_back(r->Faces.empty() ? u"-" : r->Faces[0].FullName);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"-", u"Alpha", u"Alpha Bold", u"Gamma", u"Alpha Italic", u"Beta"}));
  // The locale's comparison decides within a group.
  const TextCompare reversed = [](std::u16string_view a, std::u16string_view b) { return b.compare(a); };
  EXPECT_EQ(PrintOrder(records, reversed)[0]->Faces[0].FullName, u"Gamma");
}

TEST_F(Printing, JobRunsThroughHeaderEntriesAndEndInOrder) {
  records.push_back(Record(u"Beta", u"Beta"));
  records.push_back(Record(u"Alpha", u"Alpha", Selected));
  EXPECT_EQ(Print(), PrintOutcome::Printed);
  EXPECT_EQ(surface.title, u"フォントサンプル印刷");
  EXPECT_EQ(surface.Kinds(), (std::vector<std::string>{"begin", "start", "caption", "caption", "sample", "rule",
                                                       "caption", "sample", "rule", "end", "close"}));
  const auto captions = surface.Of("caption");
  EXPECT_EQ(captions[0].text.text, PageHeaderText(1, {2026, 12, 7}));
  EXPECT_EQ(captions[0].text.x, 11);
  EXPECT_EQ(captions[0].text.y, 11);
  EXPECT_EQ(captions[1].text.text, u"Alpha   [ Alpha.ttf ]  (2KB)");
  const auto samples = surface.Of("sample");
  EXPECT_EQ(samples[0].text.text, u"Alpha shown");
  EXPECT_EQ(samples[0].font.family, u"Alpha");
  EXPECT_EQ(samples[0].font.points, 18);
  EXPECT_EQ(samples[0].font.weight, 400);
  EXPECT_FALSE(samples[0].text.clipped);  // one column: drawn at the cursor
  EXPECT_EQ(surface.Of("rule")[0].rule.x2, 2479 - 2 * 11);
  EXPECT_EQ(progress.total, 2);
  EXPECT_EQ(progress.steps, (std::vector<int>{1, 2}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(Printing, ZeroRecordsOrNothingTickedSayNothingIsToBePrintedAndStartNoDocument) {
  EXPECT_EQ(Print(), PrintOutcome::NothingToPrint);
  EXPECT_TRUE(surface.ops.empty());
  records = Families(3);
  request.options.tickedOnly = true;
  EXPECT_EQ(Print(), PrintOutcome::NothingToPrint);
  EXPECT_TRUE(surface.ops.empty());
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].Text, u"印刷するフォントがありません。");
  records[1]->Flags = Selected;
  EXPECT_EQ(Print(), PrintOutcome::Printed);
  EXPECT_EQ(surface.Of("sample").size(), 1u);
}

TEST_F(Printing, StyleFontsUndisplayableFilesAndUnknownFamiliesAreLeftOut) {
  records.push_back(Record(u"Alpha", u"Alpha"));
  records.push_back(Record(u"Alpha", u"Alpha Bold"));
  records.back()->FamilyMember = true;
  records.push_back(Record(u"Broken", u"Broken"));
  records.back()->CannotDisplay = true;
  records.push_back(Record(u"Ghost", u"Ghost"));
  surface.unknown.insert(u"Ghost");
  surface.unknown.insert(u"Ghost shown");
  Print();
  ASSERT_EQ(surface.Of("sample").size(), 1u);
  EXPECT_EQ(surface.Of("sample")[0].font.family, u"Alpha");
  surface.ops.clear();
  request.options.hideStyleFonts = false;
  request.sampleText = u"永";
  Print();
  const auto samples = surface.Of("sample");
  ASSERT_EQ(samples.size(), 2u);
  EXPECT_EQ(samples[1].text.text, u"永");
  EXPECT_EQ(surface.Of("caption")[2].text.text, u"Alpha Bold   [ Alpha Bold.ttf ]  (2KB)");
}

TEST_F(Printing, AFamilyListedUnderItsDisplayNamePrintsInThatName) {
  const std::u16string longFamily = u"A Family Name Longer Than Thirty One Characters";
  records.push_back(Record(longFamily, u"Long"));
  surface.unknown.insert(longFamily);
  EXPECT_EQ(Print(), PrintOutcome::Printed);
  const auto samples = surface.Of("sample");
  ASSERT_EQ(samples.size(), 1u);
  EXPECT_EQ(samples[0].font.family, longFamily + u" shown");
  EXPECT_EQ(samples[0].text.text, longFamily + u" shown");
}

TEST_F(Printing, EveryFaceOfACollectionGetsAnEntry) {
  records.push_back(Record(u"Alpha", u"Alpha"));
  TTFontFileData second = records[0]->Faces[0];
  second.FamilyName = u"Alpha P";
  second.FullName = u"Alpha P Italic";
  second.SlantPosition = 6;
  records[0]->Faces.push_back(second);
  Print();
  const auto samples = surface.Of("sample");
  ASSERT_EQ(samples.size(), 2u);
  EXPECT_EQ(samples[1].font.family, u"Alpha P");
  EXPECT_TRUE(samples[1].font.italic);
  EXPECT_EQ(samples[1].text.text, u"Alpha P");  // no display name for that face: its family
  EXPECT_GT(samples[1].text.y, samples[0].text.y);
}

TEST_F(Printing, TwoColumnsFillTheFirstColumnThenTheSecondThenANewPage) {
  records = Families(60);
  request.options.twoColumns = true;
  Print();
  const auto samples = surface.Of("sample");
  ASSERT_EQ(samples.size(), 60u);
  const PrintQuantities q = ComputeQuantities(kA4, request.options, 34, 76, 34);
  // The order of the samples on paper: page, column, then down the column.
  int page = 1, column = 0, lastY = -1, columns = 0;
  for (const auto& sample : samples) {
    const int thisColumn = sample.text.x == q.leftX ? 0 : 1;
    if (thisColumn == 1) {
      EXPECT_EQ(sample.text.x, q.secondColumnX);
    }
    EXPECT_TRUE(sample.text.clipped);
    EXPECT_EQ(sample.text.clipRight, sample.text.x + q.columnWidth);
    if (sample.page != page) {
      EXPECT_EQ(sample.page, page + 1);
      EXPECT_EQ(thisColumn, 0);
      EXPECT_EQ(column, 1) << "a page ends only after its second column";
      page = sample.page, column = 0, lastY = -1, ++columns;
    } else if (thisColumn != column) {
      EXPECT_EQ(thisColumn, 1);
      column = 1, lastY = -1, ++columns;
    }
    EXPECT_GT(sample.text.y, lastY);
    EXPECT_LE(sample.text.clipBottom, kA4.height);
    lastY = sample.text.y;
  }
  EXPECT_GE(page, 2);
  EXPECT_GE(columns, 3);
  // Each page has its header at the top margin, and the entries of a new column start below it.
  const auto captions = surface.Of("caption");
  for (int p = 1; p <= page; ++p) {
    const auto header = std::find_if(captions.begin(), captions.end(), [&](const auto& op) { return op.page == p; });
    ASSERT_NE(header, captions.end());
    EXPECT_EQ(header->text.text, PageHeaderText(p, {2026, 12, 7}));
    EXPECT_EQ(header->text.y, q.topY);
  }
}

TEST_F(Printing, EntriesTallerThanThePageTakeAPageOrAColumnEachWithoutEmptyPages) {
  RecordingSurface small(PageGeometry{600, 400, 51, 34, 300});
  request.options.sampleSize = 99;
  records = Families(3);
  EXPECT_EQ(PrintRecordsJob(loop, progress, small, records, request), PrintOutcome::Printed);
  EXPECT_EQ(small.pages, 3);
  std::vector<int> pagesOfSamples;
  for (const auto& sample : small.Of("sample")) pagesOfSamples.push_back(sample.page);
  EXPECT_EQ(pagesOfSamples, (std::vector<int>{1, 2, 3}));

  RecordingSurface columns(PageGeometry{600, 400, 51, 34, 300});
  request.options.twoColumns = true;
  records = Families(5);
  PrintRecordsJob(loop, progress, columns, records, request);
  pagesOfSamples.clear();
  std::vector<bool> second;
  for (const auto& sample : columns.Of("sample")) {
    pagesOfSamples.push_back(sample.page);
    second.push_back(sample.text.x != columns.Of("sample")[0].text.x);
  }
  EXPECT_EQ(pagesOfSamples, (std::vector<int>{1, 1, 2, 2, 3}));
  EXPECT_EQ(second, (std::vector<bool>{false, true, false, true, false}));
}

TEST_F(Printing, PageBreaksAtTheLargestSizeLeaveEveryEntryOnItsPage) {
  request.options.sampleSize = 99;
  for (bool fullPath : {false, true}) {
    for (bool twoColumns : {false, true}) {
      surface.ops.clear();
      surface.pages = 0;
      records = Families(30);
      request.options.fullPath = fullPath;
      request.options.twoColumns = twoColumns;
      Print();
      const auto rules = surface.Of("rule");
      ASSERT_EQ(rules.size(), 30u);
      for (const auto& rule : rules) EXPECT_LE(rule.rule.y, kA4.height) << fullPath << twoColumns;
      EXPECT_GT(surface.pages, twoColumns ? 2 : 4);
      if (fullPath) {
        EXPECT_EQ(surface.Of("caption")[2].text.text, u"(C:\\fonts\\)");
      }
    }
  }
}

TEST_F(Printing, TheFolderLineIsReservedSoTheLastRuleStaysOnThePage) {
  // Entries of 192 pixels, 229 with the folder line, from y = 102: the second entry's rule would land at
  // 543 on a page 530 pixels high if only the designed entry height were reserved.
  RecordingSurface page(PageGeometry{600, 530, 51, 0, 300});
  request.options.fullPath = true;
  records = Families(3);
  PrintRecordsJob(loop, progress, page, records, request);
  for (const auto& rule : page.Of("rule")) EXPECT_LE(rule.rule.y, 530);
  EXPECT_EQ(page.pages, 3);
}

TEST_F(Printing, StopFinishesThePagesSoFarAndEndsTheDocument) {
  records = Families(5);
  progress.stopAtPump = 3;
  EXPECT_EQ(Print(), PrintOutcome::Stopped);
  EXPECT_EQ(surface.Of("sample").size(), 2u);
  EXPECT_EQ(surface.Kinds().back(), "close");
  EXPECT_TRUE(messages.empty());
  loop.StopRequested = false;
}

TEST_F(Printing, AFailingDeviceAbortsTheJobWithItsMessage) {
  records = Families(4);
  surface.failOn = "sample";
  surface.failAfter = 1;
  EXPECT_EQ(Print(), PrintOutcome::Failed);
  EXPECT_EQ(surface.Of("sample").size(), 2u);
  EXPECT_EQ(surface.Kinds().back(), "abort");
  EXPECT_TRUE(surface.Of("close").empty());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, u"印刷中にエラーが発生しました。処理を中断します");

  for (const char* failing : {"begin", "start", "end", "close"}) {
    RecordingSurface device;
    device.failOn = failing;
    messages.clear();
    EXPECT_EQ(PrintRecordsJob(loop, progress, device, records, request), PrintOutcome::Failed) << failing;
    EXPECT_EQ(messages.size(), 1u) << failing;
  }
}

TEST_F(Printing, WithoutTheCaptionFontCaptionsAreSetInTheUiFont) {
  records = Families(2);
  surface.unknown.insert(u"MS UI Gothic");
  EXPECT_EQ(Print(), PrintOutcome::Printed);
  EXPECT_EQ(surface.captionFamily, u"Segoe UI");
  EXPECT_EQ(surface.Of("sample").size(), 2u);
  EXPECT_TRUE(messages.empty());
  surface.ops.clear();
  surface.unknown.insert(u"Segoe UI");  // nothing to set captions in: the document ends empty
  EXPECT_EQ(Print(), PrintOutcome::NoCaptionFont);
  EXPECT_EQ(surface.Kinds(), (std::vector<std::string>{"begin", "close"}));
}

TEST_F(Printing, ACancelledDocumentStartIsNoError) {
  records = Families(2);
  surface.cancelBegin = true;
  EXPECT_EQ(Print(), PrintOutcome::Cancelled);
  EXPECT_TRUE(surface.ops.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(Printing, TenThousandFacesNeverHoldMoreThanAPageOfFonts) {
  for (int i = 0; i < 10000; ++i) {
    const std::u16string name = u"Family" + std::u16string(1, static_cast<char16_t>(0x4E00 + i));
    records.push_back(Record(name, name));
  }
  EXPECT_EQ(Print(), PrintOutcome::Printed);
  EXPECT_EQ(surface.Of("sample").size(), 10000u);
  EXPECT_GT(surface.pages, 100);
  EXPECT_LT(surface.mostLiveFonts, 100u);  // a page's entries, not the catalogue's
}

}  // namespace
}  // namespace velura::testing
