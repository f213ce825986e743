// A complete set of record services over in-memory models: files, fonts, registry.
#pragma once
#include <memory>

#include "fake_font_registry.h"
#include "fake_services.h"
#include "platform/message_box.h"
#include "records/file_data.h"
#include "records/progress.h"

namespace velura::testing {

inline const std::u16string kFontsFolder = u"C:\\Windows\\Fonts";

// A font file whose family Windows lists under the family name once the file is registered.
inline Bytes FontBytes(const std::u16string& family, const std::u16string& subfamily = u"Regular",
                       const std::u16string& version = u"Version 1.0") {
  auto names = BasicNames(family, subfamily);
  names.push_back(NameSpec{3, 1, 0x0409, 5, version, {}, {}, {}});
  return SfntBuilder::Standard(names).Build();
}

class RecordWorld {
 public:
  RecordWorld() {
    FillDefaultLanguageOrder(priority);
    files.MakeFolder(kFontsFolder);
    files.MakeFolder(u"C:\\fonts");
    files.MakeFolder(files.currentDirectory);
    registryData = std::make_unique<TRegFontData>(registry, folding, kFontsFolder);
    services = std::make_unique<RecordServices>(RecordServices{reader, fonts, registrations, files, *registryData,
                                                               folding, priority, loop, kFontsFolder, nullptr});
    installed = std::make_unique<TFileData_installed>(*services);
    services->Installed = installed.get();
    local = std::make_unique<TFileData_local>(*services);
    previousSink = SetMessageSink([this](const MessageRequest& m) {
      messages.push_back(m);
      return answer;
    });
  }
  ~RecordWorld() { SetMessageSink(previousSink); }
  // Makes the files, fonts and registry count their calls in the plan and fail the one it names.
  void AttachFaults(FaultPlan& plan) {
    files.faults = &plan;
    fonts.faults = &plan;
    registry.faults = &plan;
  }

  // A font file in C:\fonts that registers the family under its own name.
  std::u16string AddFont(const std::u16string& fileName, const std::u16string& family,
                         const std::u16string& subfamily = u"Regular", std::uint8_t charset = 0,
                         const std::u16string& folder = u"C:\\fonts") {
    const std::u16string path = folder + u"\\" + fileName;
    files.Put(path, FontBytes(family, subfamily));
    fonts.familiesOfFile[LowerAscii(path)] = {TLogFontName{family, charset, 2}};
    return path;
  }

  FakeFiles files;
  FakeFonts fonts;
  FakeFontRegistry registry;
  FakeFolding folding;
  FontRegistrations registrations{fonts, folding};
  IdentityAnsiCodec ansi;
  TFontDataTable reader{ansi};
  TLanguagePriorityTable priority;
  LoopContext loop;
  std::unique_ptr<TRegFontData> registryData;
  std::unique_ptr<RecordServices> services;
  std::unique_ptr<TFileData_installed> installed;
  std::unique_ptr<TFileData_local> local;
  std::vector<MessageRequest> messages;
  MessageResult answer = MessageResult::Ok;
  MessageSink previousSink;
};

// A status window that records what it shows and presses "中止" before the chosen step, setting the stop flag
// of the loop context it was made for.
class FakeProgress final : public Progress {
 public:
  explicit FakeProgress(LoopContext* loop = nullptr) : loop_(loop) {}
  void Open(const std::u16string& title) override { titles.push_back(title), ++opened; }
  void Close() override { ++closed; }
  void ResetDisplay() override {}
  void BeginProgress(int total) override { this->total = total; }
  void StepProgress(int done) override { steps.push_back(done); }
  void ProcessMessages() override {
    if (++pumps == stopAtPump && loop_) loop_->StopRequested = true;
  }

  std::vector<std::u16string> titles;
  int opened = 0, closed = 0, total = -1, pumps = 0, stopAtPump = -1;
  std::vector<int> steps;

 private:
  LoopContext* loop_;
};

}  // namespace velura::testing
