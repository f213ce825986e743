// Loading big folders in the not-installed browser, against what the platform itself needs for the same
// files. For each N, in one process: the platform floor (AddFontResourceW on every file, one enumeration
// of every family in all character sets, RemoveFontResourceW on every file), then the real window loading
// the folder as a user does, phase by phase, up to its first complete paint; the peak working set; the
// longest time without message pumping. Run by `make bench-load`, which prepares the folders.
// Usage: bench_load.exe WORK_FOLDER N [N ...] [--no-name-check]
//   WORK_FOLDER\nN\browse and WORK_FOLDER\nN\floor hold N distinct font files each.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/text.h"
#include "platform/wide_win.h"
#include "records/file_data.h"
#include "records/font_file_names.h"
#include "records/load_probe.h"
#include "records/long_operations.h"
#include "records/system_engine_win.h"
#include "settings/ini_keeper.h"
#include "settings/ini_profile_win.h"
#include "ui/browsers/form_local_win.h"

namespace velura {
namespace {

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

// Sums the time of each phase the load marks, in the order phases first appear, and the pump gaps.
class PhaseClock final : public LoadProbe {
 public:
  void Start() {
    start_ = last_ = lastPump_ = Now();
    current_ = "click to first mark";
  }
  void Mark(const char* phase) override {
    const double now = Now();
    Add(current_, now - last_);
    current_ = phase;
    last_ = now;
  }
  void Pumped() override {
    const double now = Now();
    if (pumps_++ > 0) longestLoopGap_ = std::max(longestLoopGap_, now - lastPump_);
    longestGap_ = std::max(longestGap_, now - lastPump_);
    lastPump_ = now;
  }
  double Stop() {
    Mark("stopped");
    longestGap_ = std::max(longestGap_, last_ - lastPump_);
    return last_ - start_;
  }

  std::vector<std::pair<std::string, double>> phases;
  double longestLoopGap_ = 0, longestGap_ = 0;
  int pumps_ = 0;

 private:
  void Add(const std::string& phase, double seconds) {
    auto it = std::find_if(phases.begin(), phases.end(), [&](const auto& p) { return p.first == phase; });
    if (it == phases.end()) phases.emplace_back(phase, seconds);
    else it->second += seconds;
  }
  double start_ = 0, last_ = 0, lastPump_ = 0;
  std::string current_;
};

std::vector<std::wstring> FontFilesIn(const std::wstring& folder, double& megabytes) {
  std::vector<std::wstring> files;
  megabytes = 0;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (!IsFontFileName(ToU16(found.cFileName))) continue;
    files.push_back(folder + L"\\" + found.cFileName);
    megabytes += (static_cast<double>(found.nFileSizeHigh) * 4294967296.0 + found.nFileSizeLow) / 1048576.0;
  } while (FindNextFileW(find, &found));
  FindClose(find);
  std::sort(files.begin(), files.end());
  return files;
}

int CALLBACK CountFont(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return 1;
}

struct Floor {
  double add = 0, enumerate = 0, remove = 0;
  int listed = 0;
  double Total() const { return add + enumerate + remove; }
};

Floor PlatformFloor(const std::vector<std::wstring>& files) {
  Floor floor;
  double t = Now();
  for (const auto& file : files) AddFontResourceW(file.c_str());
  floor.add = Now() - t;
  t = Now();
  LOGFONTW filter{};
  filter.lfCharSet = DEFAULT_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &filter, CountFont, reinterpret_cast<LPARAM>(&floor.listed), 0);
  ReleaseDC(nullptr, dc);
  floor.enumerate = Now() - t;
  t = Now();
  for (const auto& file : files) RemoveFontResourceW(file.c_str());
  floor.remove = Now() - t;
  return floor;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

double PeakWorkingSetMb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PeakWorkingSetSize) / 1048576.0;
}

// The names a file would get by registering it again, the way every unmatched file was named before cut
// names were compared: the records Windows named must carry the same.
struct NameCheck {
  int systemNamed = 0, checked = 0, differ = 0, undisplayable = 0;
};

NameCheck CheckNames(TFileData_local& list, RecordServices& services) {
  NameCheck check;
  for (const auto& item : list.Items) {
    const TFileDataItem& record = *item;
    if (record.CannotDisplay) ++check.undisplayable;
    const bool named = std::any_of(record.DisplayNames.begin(), record.DisplayNames.end(),
                                   [](const TetcData& d) { return d.SystemNamed; });
    if (!named) continue;
    ++check.systemNamed;
    if (!record.SystemName.empty() || record.Has(Installed)) continue;
    std::vector<std::u16string> names(record.Faces.size());
    ++check.checked;
    const bool gained = FamilyNamesGainedByFile(services.Fonts, services.Folding, record.Path, names);
    bool same = gained;
    for (std::size_t i = 0; same && i < names.size(); ++i)
      if (record.DisplayNames[i].SystemNamed && names[i] != record.Faces[i].FamilyName) same = false;
    if (!same) {
      ++check.differ;
      std::fprintf(stderr, "name differs: %s: %s / %s\n", ToUtf8(record.Path).c_str(),
                   ToUtf8(record.Faces[0].FamilyName).c_str(), ToUtf8(names.empty() ? u"" : names[0]).c_str());
    }
  }
  return check;
}

void Row(const char* name, double seconds, int files, double base) {
  std::printf("  %-34s %9.3f s %9.3f ms/file %7.2f x floor\n", name, seconds, seconds * 1000.0 / files,
              base > 0 ? seconds / base : 0.0);
}

struct Result {
  int files = 0;
  double floor = 0, load = 0;
};

Result MeasureFolder(TProcedureClass& engine, TIniKeeper& settings, const std::wstring& work, int n, bool checkNames) {
  Result result;
  double browseMb = 0, floorMb = 0;
  const std::wstring base = work + L"\\n" + std::to_wstring(n);
  const auto floorFiles = FontFilesIn(base + L"\\floor", floorMb);
  const auto browseFiles = FontFilesIn(base + L"\\browse", browseMb);
  result.files = static_cast<int>(browseFiles.size());
  std::printf("\nN = %d: %zu files, %.0f MB (floor copy: %zu files)\n", n, browseFiles.size(), browseMb,
              floorFiles.size());
  if (browseFiles.empty()) return result;

  const Floor floor = PlatformFloor(floorFiles);
  result.floor = floor.Total();

  PhaseClock clock;
  ActiveLoadProbe = &clock;
  auto form = std::make_unique<Tform_local>(engine, settings, [] {});
  form->Open();
  Pump();
  clock.Start();
  const bool opened = form->OpenFolder(base + L"\\browse");
  clock.Mark("first complete paint");
  RedrawWindow(form->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  result.load = clock.Stop();
  ActiveLoadProbe = nullptr;
  const int records = form->List().Count();

  const NameCheck names = checkNames ? CheckNames(form->List(), engine.Records()) : NameCheck{};
  double t = Now();
  form->FormClose();
  const double release = Now() - t;
  form.reset();
  Pump();

  std::printf("  %-34s %9s   %9s         %7s\n", "phase", "time", "per file", "ratio");
  Row("platform floor: AddFontResourceW", floor.add, result.files, result.floor);
  Row("platform floor: enumerate all", floor.enumerate, result.files, result.floor);
  Row("platform floor: RemoveFontResourceW", floor.remove, result.files, result.floor);
  Row("platform floor", result.floor, result.files, result.floor);
  for (const auto& [phase, seconds] : clock.phases)
    Row(("load: " + phase).c_str(), seconds, result.files, result.floor);
  Row("folder load (click to painted)", result.load, result.files, result.floor);
  Row("release (window closed)", release, result.files, result.floor);
  std::printf("  records %d%s; families listed by the floor's enumeration %d\n", records,
              opened ? "" : " (the folder could not be opened)", floor.listed);
  std::printf(
      "  longest gap between pumps in the file loop: %.0f ms; longest without pumping, click to painted: "
      "%.0f ms\n",
      clock.longestLoopGap_ * 1000.0, clock.longestGap_ * 1000.0);
  if (checkNames)
    std::printf(
        "  names: %d records named by Windows, %d compared with re-registering the file, %d differ; "
        "%d undisplayable\n",
        names.systemNamed, names.checked, names.differ, names.undisplayable);
  std::printf("  peak working set so far: %.0f MB\n", PeakWorkingSetMb());
  std::fflush(stdout);
  return result;
}

}  // namespace
}  // namespace velura

int wmain(int argc, wchar_t** argv) {
  using namespace velura;
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_load WORK_FOLDER N [N ...] [--no-name-check]\n");
    return 2;
  }
  const std::wstring work = argv[1];
  std::vector<int> counts;
  bool checkNames = true;
  for (int i = 2; i < argc; ++i) {
    if (std::wstring(argv[i]) == L"--no-name-check") checkNames = false;
    else counts.push_back(_wtoi(argv[i]));
  }
  const std::wstring ini = work + L"\\velura_wd.ini";
  DeleteFileW(ini.c_str());
  TIniKeeper settings(std::make_unique<PrivateProfileFile>(ToU16(ini)));
  const double t = Now();
  SystemEngine fonts(settings);
  TProcedureClass& engine = fonts.Engine();
  LoadInstalledFromRegistry(engine.Installed(), engine.RegData(), engine.FontsFolder, nullptr, nullptr);
  std::printf("installed list: %d records in %.3f s\n", engine.Installed().Count(), Now() - t);

  Result last;
  for (int n : counts) last = MeasureFolder(engine, settings, work, n, checkNames);
  if (last.floor > 0)
    std::printf("folder load / platform floor: %.2f x (%d files)\n", last.load / last.floor, last.files);
  return 0;
}
