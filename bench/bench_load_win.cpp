// Loading big folders in the not-installed browser, against what the platform itself needs for the same
// files. For each N: the platform floor (AddFontResourceW on every file, one enumeration
// of every family in all character sets, RemoveFontResourceW on every file), then the real window loading
// the folder as a user does, phase by phase, up to its first complete paint; the peak working set; the
// longest time without message pumping. Run by `make bench-load`, which prepares the folders.
// Usage: bench_load.exe WORK_FOLDER floor|startup|load|clean N [--no-name-check]
//   WORK_FOLDER\nN\browse and WORK_FOLDER\nN\floor hold N distinct font files each. The three parts run
//   in three processes (floor first: load prints its ratios), because Wine cannot remove fonts after an
//   enumeration without corrupting the process (PlatformFloor).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/text.h"
#include "fontfile/listed_face_names.h"
#include "platform/wide_win.h"
#include "records/face_cache_store.h"
#include "records/file_data.h"
#include "records/font_file_names.h"
#include "records/load_probe.h"
#include "records/long_operations.h"
#include "records/record_rules.h"
#include "records/system_engine_win.h"
#include "records/system_services_win.h"
#include "settings/ini_keeper.h"
#include "settings/ini_profile_win.h"
#include "shell/main_velura_win.h"
#include "shell/tool_window_table_win.h"
#include "ui/browsers/form_installed_win.h"
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
    spanned_.assign(1, current_);
  }
  void Mark(const char* phase) override {
    const double now = Now();
    Add(current_, now - last_);
    current_ = phase;
    last_ = now;
    if (spanned_.empty() || spanned_.back() != current_) spanned_.push_back(current_);
  }
  void Pumped() override {
    const double now = Now();
    if (pumps_++ > 0) longestLoopGap_ = std::max(longestLoopGap_, now - lastPump_);
    longestGap_ = std::max(longestGap_, now - lastPump_);
    NoteGap(now - lastPump_);
    lastPump_ = now;
    spanned_.assign(1, current_);
  }
  double Stop() {
    Mark("stopped");
    longestGap_ = std::max(longestGap_, last_ - lastPump_);
    spanned_.pop_back();  // "stopped"
    NoteGap(last_ - lastPump_);
    return last_ - start_;
  }
  // The longest gaps between pumps, with the phases each spans: what keeps the window from responding.
  void PrintLongestGaps(const char* what) const {
    for (const auto& [seconds, phases] : gaps_) {
      if (seconds < 0.2) break;
      std::printf("    %s gap of %.0f ms over: %s\n", what, seconds * 1000.0, phases.c_str());
    }
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
  void NoteGap(double seconds) {
    std::string phases;
    for (const auto& phase : spanned_) phases += (phases.empty() ? "" : " > ") + phase;
    gaps_.emplace_back(seconds, phases);
    std::sort(gaps_.begin(), gaps_.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    if (gaps_.size() > 5) gaps_.pop_back();
  }
  double start_ = 0, last_ = 0, lastPump_ = 0;
  std::string current_;
  std::vector<std::string> spanned_;
  std::vector<std::pair<double, std::string>> gaps_;
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
  // What a folder load must do: add every file and enumerate once (it never removes a font).
  double Total() const { return add + enumerate; }
};

// Under Wine 8, removing public fonts after an enumeration corrupts the process's heap (the program's own
// release of preview registrations hangs on big folders for the same reason). So the removal is timed
// before any enumeration, and the enumeration runs over the same files added again privately: a process
// lists its private fonts like public ones. The process ends without removing them.
Floor PlatformFloor(const std::vector<std::wstring>& files) {
  Floor floor;
  double t = Now();
  for (const auto& file : files) AddFontResourceW(file.c_str());
  floor.add = Now() - t;
  t = Now();
  for (const auto& file : files) RemoveFontResourceW(file.c_str());
  floor.remove = Now() - t;
  for (const auto& file : files) AddFontResourceExW(file.c_str(), FR_PRIVATE, nullptr);
  t = Now();
  LOGFONTW filter{};
  filter.lfCharSet = DEFAULT_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &filter, CountFont, reinterpret_cast<LPARAM>(&floor.listed), 0);
  ReleaseDC(nullptr, dc);
  floor.enumerate = Now() - t;
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
// names were compared: the records Windows named must carry the same, except the style variants of one
// long family, which registering again cannot name (the other variants keep the family listed).
struct NameCheck {
  int systemNamed = 0, checked = 0, differ = 0, undisplayable = 0, variantsNamed = 0, variantsBefore = 0;
};

// The faces as the files have them (the records' families may have been renamed since).
std::vector<std::u16string> OriginalFamilies(const TFileData_base& list, RecordServices& services) {
  TFileData_local scratch(services);
  std::vector<std::u16string> families;
  for (const auto& record : list.Items) {
    if (!scratch.AddFontFile(record->Path)) continue;
    for (const auto& face : scratch.Items.back()->Faces) families.push_back(face.FamilyName);
    scratch.Clear();
  }
  return families;
}

NameCheck CheckNames(TFileData_local& list, RecordServices& services) {
  NameCheck check;
  // Who could be listed under each cut name: faces (the former rule) and distinct families (today's).
  std::vector<std::u16string> families = OriginalFamilies(list, services);
  if (services.Installed) {
    const auto installed = OriginalFamilies(*services.Installed, services);
    families.insert(families.end(), installed.begin(), installed.end());
  }
  std::map<std::u16string, int> faceClaims;
  std::map<std::u16string, std::set<std::u16string>> familyClaims;
  for (const auto& family : families)
    for (const auto& name : ListedFaceNameCandidates(family)) {
      ++faceClaims[services.Folding.Lower(name)];
      familyClaims[services.Folding.Lower(name)].insert(services.Folding.Lower(family));
    }
  std::set<std::u16string> listed;
  for (const auto& logFont : services.Fonts.EnumerateLogFonts(u"")) listed.insert(logFont.FaceName);
  int unlisted = 0;
  for (const auto& item : list.Items) {
    const TFileDataItem& record = *item;
    if (record.CannotDisplay || record.Has(Installed) || listed.count(record.Faces[0].FamilyName)) continue;
    if (++unlisted <= 30)
      std::fprintf(stderr, "family not listed: %s: %s (%zu faces, preview fonts %d)\n", ToUtf8(record.Path).c_str(),
                   ToUtf8(record.Faces[0].FamilyName).c_str(), record.Faces.size(), record.PreviewFontCount);
  }
  std::fprintf(stderr, "%d records whose family is not listed\n", unlisted);
  TFileData_local scratch(services);
  for (const auto& item : list.Items) {
    const TFileDataItem& record = *item;
    if (record.CannotDisplay && ++check.undisplayable <= 1000)
      std::fprintf(stderr, "undisplayable: %s: %s (%zu faces, preview fonts %d)\n", ToUtf8(record.Path).c_str(),
                   ToUtf8(record.Faces[0].FamilyName).c_str(), record.Faces.size(), record.PreviewFontCount);
    const bool named = std::any_of(record.DisplayNames.begin(), record.DisplayNames.end(),
                                   [](const TetcData& d) { return d.SystemNamed; });
    if (!named) continue;
    ++check.systemNamed;
    if (!record.SystemName.empty() || record.Has(Installed)) continue;
    // A variant the former rule refused (more than one face claims the cut) and today's takes.
    bool variant = false;
    if (record.Faces.size() == 1 && scratch.AddFontFile(record.Path)) {
      const std::u16string family = scratch.Items.back()->Faces[0].FamilyName;
      scratch.Clear();
      const auto cuts = ListedFaceNameCandidates(family);
      for (const auto& cut : cuts) {
        if (cut != record.Faces[0].FamilyName || family.size() <= kListedFaceNameUnits) continue;
        const std::u16string key = services.Folding.Lower(cut);
        variant = faceClaims[key] > 1 && familyClaims[key].size() == 1;
      }
    }
    std::vector<std::u16string> names(record.Faces.size());
    ++check.checked;
    const bool gained = FamilyNamesGainedByFile(services.Fonts, services.Folding, record.Path, names);
    if (variant) {
      ++check.variantsNamed;
      if (!gained) ++check.variantsBefore;  // registering again adds nothing: formerly undisplayable
      std::fprintf(stderr, "variant named by its cut name: %s: %s (re-registering %s)\n", ToUtf8(record.Path).c_str(),
                   ToUtf8(record.Faces[0].FamilyName).c_str(),
                   gained ? ("names it " + ToUtf8(names[0])).c_str() : "adds no family");
      continue;
    }
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

// Start-up to a shown launcher with the files installed: copied into the fonts folder, their registry
// values written and the fonts added, as Windows has them when the program starts. Undone afterwards.
struct Startup {
  double coldSeconds = 0;  // without the face-record cache: every installed file read
  // The fastest of the next starts, with the cache the first one wrote: building the launcher's windows
  // alone varies by a tenth of a second from start to start under Wine, more than thousands of fonts add.
  double seconds = 0;
  std::vector<double> warmSeconds;
  std::vector<double> engineSeconds;  // building the engine alone before each warm start
  int installed = 0;
  PhaseClock start;   // the launcher's start-up
  PhaseClock reload;  // the installed-font browser's full reload with the files installed
  double reloadSeconds = 0;
  int reloadRecords = 0;
};

// The installed-font browser opened as the launcher opens it: shown, then its full reload (names, tree,
// samples), up to its first complete paint.
void MeasureInstalledReload(TProcedureClass& engine, TIniKeeper& settings, Startup& result) {
  engine.RegData().LoadFontsList();
  engine.Installed().Clear();
  LoadInstalledFromRegistry(engine.Loop(), engine.Installed(), engine.RegData(), engine.FontsFolder, nullptr, nullptr);
  result.reloadRecords = engine.Installed().Count();
  auto form = std::make_unique<TForm_Installed>(engine, settings, [] {});
  Pump();
  engine.Loop().Probe = &result.reload;
  result.reload.Start();
  form->Open();
  result.reload.Mark("first complete paint");
  RedrawWindow(form->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  result.reloadSeconds = result.reload.Stop();
  engine.Loop().Probe = nullptr;
  Pump();
}

Startup MeasureStartup(TProcedureClass& engine, TIniKeeper& settings, const std::vector<std::wstring>& files) {
  Startup result;
  TFileData_local scratch(engine.Records());
  std::vector<std::pair<std::wstring, std::u16string>> installed;  // target, value name
  const std::wstring fonts = ToWide(engine.FontsFolder);
  for (const auto& file : files) {
    const std::wstring name = file.substr(file.rfind(L'\\') + 1);
    const std::wstring target = fonts + L"\\bench_" + name;
    TFileDataItem* record = scratch.AddFontFile(ToU16(file));
    if (!record || !CopyFileW(file.c_str(), target.c_str(), FALSE)) continue;
    const std::u16string valueName = RegistryValueName(*record);
    engine.RegData().WriteFontValue(valueName, ToU16(target.substr(fonts.size() + 1)));
    AddFontResourceW(target.c_str());
    installed.emplace_back(target, valueName);
  }
  scratch.Clear();
  result.installed = static_cast<int>(installed.size());
  Pump();
  DeleteFileW(ToWide(FaceCacheFolderIn(LocalAppDataFolder()) + u"\\" + kFaceCacheFileName).c_str());
  constexpr int kWarmStarts = 3;
  for (int start = 0; start <= kWarmStarts; ++start) {
    const bool warm = start > 0;
    if (warm) {
      // The engine alone (the registry's lists and the face-record cache), the part of building the launcher
      // that grows with the installed fonts.
      const double t = Now();
      { SystemEngine alone(settings); }
      result.engineSeconds.push_back(Now() - t);
    }
    PhaseClock clock;
    clock.Start();
    const double t = Now();
    auto launcher = std::make_unique<Tmain_velura>(settings, StandardToolWindows());
    // Building the launcher (its engine reads the registry's lists and the face-record cache) is one phase;
    // the engine takes the listener before the installed fonts load.
    clock.Mark("launcher built");
    launcher->Fonts().Engine().Loop().Probe = &clock;
    const bool shown = launcher->FormShow();
    if (shown) RedrawWindow(launcher->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double seconds = shown ? Now() - t : -1;
    clock.Stop();
    if (!warm) {
      result.coldSeconds = seconds;
    } else {
      result.warmSeconds.push_back(seconds);
      if (result.warmSeconds.size() == 1 || seconds < result.seconds) {
        result.seconds = seconds;
        result.start = clock;
      }
    }
    launcher->Fonts().Engine().Loop().Probe = nullptr;
    Pump();
    launcher.reset();  // its engine writes the cache as it ends
    // The launcher's end posts WM_QUIT: taken here, or the next start's splash would stop its load.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {}
  }
  Pump();
  MeasureInstalledReload(engine, settings, result);
  for (const auto& [target, valueName] : installed) {
    try {
      engine.RegData().DeleteFontValueNamed(valueName);  // the fonts stay added: see PlatformFloor
    } catch (const std::exception&) {
      // Two files of one name wrote one value, which the first of them removed.
    }
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(target.c_str());
  }
  engine.RegData().LoadFontsList();
  return result;
}

// A start-up part that ended early, or whose registry changes the server saved only in part, leaves the
// values of its copies behind: a later load would take those files for installed fonts and settle their
// names the slow way. Every part starts by removing them (and any copies left in the fonts folder).
void RemoveLeftoverInstalls(TProcedureClass& engine) {
  TRegFontData& registry = engine.RegData();
  registry.LoadFontsList();
  std::vector<std::u16string> names;
  for (const auto& entry : registry.Fonts)
    if (entry.File.rfind(u"bench_", 0) == 0) names.push_back(entry.ValueName);
  for (const auto& name : names) {
    try {
      registry.DeleteFontValueNamed(name);
    } catch (const std::exception&) {}
  }
  const std::wstring fonts = ToWide(engine.FontsFolder);
  WIN32_FIND_DATAW found;
  int files = 0;
  HANDLE find = FindFirstFileW((fonts + L"\\bench_*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring path = fonts + L"\\" + found.cFileName;
      RemoveFontResourceW(path.c_str());
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      files += DeleteFileW(path.c_str()) ? 1 : 0;
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  registry.LoadFontsList();
  if (!names.empty() || files > 0)
    std::printf("  (removed %zu registry values and %d files left by an earlier start-up part)\n", names.size(), files);
}

void Row(const char* name, double seconds, int files, double base) {
  std::printf("  %-34s %9.3f s %9.3f ms/file %7.2f x floor\n", name, seconds, seconds * 1000.0 / files,
              base > 0 ? seconds / base : 0.0);
}

std::wstring FolderOf(const std::wstring& work, int n) { return work + L"\\n" + std::to_wstring(n); }

void RunFloor(const std::wstring& work, int n) {
  double megabytes = 0;
  const auto files = FontFilesIn(FolderOf(work, n) + L"\\floor", megabytes);
  const Floor floor = PlatformFloor(files);
  std::printf("\nN = %d: %zu files, %.0f MB\n", n, files.size(), megabytes);
  std::printf("  %-38s %9s   %9s         %7s\n", "phase", "time", "per file", "ratio");
  Row("platform floor: AddFontResourceW", floor.add, static_cast<int>(files.size()), floor.Total());
  Row("platform floor: RemoveFontResourceW", floor.remove, static_cast<int>(files.size()), floor.Total());
  Row("platform floor: enumerate all", floor.enumerate, static_cast<int>(files.size()), floor.Total());
  Row("platform floor", floor.Total(), static_cast<int>(files.size()), floor.Total());
  std::printf("  (%d fonts listed by the enumeration)\n", floor.listed);
  if (FILE* out = _wfopen((FolderOf(work, n) + L"\\floor.txt").c_str(), L"w")) {
    std::fprintf(out, "%.6f\n", floor.Total());
    std::fclose(out);
  }
}

void RunStartup(TIniKeeper& settings, const std::wstring& work, int n) {
  double megabytes = 0;
  const auto files = FontFilesIn(FolderOf(work, n) + L"\\floor", megabytes);
  double floor = 0;
  if (FILE* in = _wfopen((FolderOf(work, n) + L"\\floor.txt").c_str(), L"r")) {
    if (std::fscanf(in, "%lf", &floor) != 1) floor = 0;
    std::fclose(in);
  }
  SystemEngine fonts(settings);
  RemoveLeftoverInstalls(fonts.Engine());
  const Startup startup = MeasureStartup(fonts.Engine(), settings, files);
  std::string warm, engine;
  for (const double seconds : startup.warmSeconds) warm += (warm.empty() ? "" : ", ") + std::to_string(seconds);
  for (const double seconds : startup.engineSeconds) engine += (engine.empty() ? "" : ", ") + std::to_string(seconds);
  std::printf("  start-up to a shown launcher with %d more fonts installed: %.3f s without the face-record cache, "
              "%.3f s with it (fastest of %s; peak working set %.0f MB)\n",
              startup.installed, startup.coldSeconds, startup.seconds, warm.c_str(), PeakWorkingSetMb());
  std::printf("  building the engine alone (registry lists, face-record cache): %s s\n", engine.c_str());
  if (FILE* out = _wfopen((FolderOf(work, n) + L"\\startup.txt").c_str(), L"w")) {
    std::fprintf(out, "%.6f %.6f\n", startup.coldSeconds, startup.seconds);
    std::fclose(out);
  }
  const int count = static_cast<int>(files.size());
  for (const auto& [phase, seconds] : startup.start.phases) Row(("start-up: " + phase).c_str(), seconds, count, floor);
  for (const auto& [phase, seconds] : startup.reload.phases)
    Row(("installed reload: " + phase).c_str(), seconds, count, floor);
  Row("installed reload (open to painted)", startup.reloadSeconds, count, floor);
  std::printf("  installed records %d; longest without pumping, open to painted: %.0f ms (%d pumps)\n",
              startup.reloadRecords, startup.reload.longestGap_ * 1000.0, startup.reload.pumps_);
  startup.reload.PrintLongestGaps("installed reload:");
}

void RunLoad(TIniKeeper& settings, const std::wstring& work, int n, bool checkNames) {
  double megabytes = 0, floor = 0;
  const std::wstring base = FolderOf(work, n);
  const auto files = FontFilesIn(base + L"\\browse", megabytes);
  const int count = static_cast<int>(files.size());
  if (FILE* in = _wfopen((base + L"\\floor.txt").c_str(), L"r")) {
    if (std::fscanf(in, "%lf", &floor) != 1) floor = 0;
    std::fclose(in);
  }
  // A folder seen for the first time: no records kept from an earlier run (the conservative figure).
  DeleteFileW(ToWide(FaceCacheFolderIn(LocalAppDataFolder()) + u"\\" + kFaceCacheFileName).c_str());
  SystemEngine fonts(settings);
  TProcedureClass& engine = fonts.Engine();
  RemoveLeftoverInstalls(engine);
  LoadInstalledFromRegistry(engine.Loop(), engine.Installed(), engine.RegData(), engine.FontsFolder, nullptr, nullptr);

  PhaseClock clock;
  engine.Loop().Probe = &clock;
  auto form = std::make_unique<Tform_local>(engine, settings, [] {});
  form->Open();
  Pump();
  clock.Start();
  const bool opened = form->OpenFolder(base + L"\\browse");
  clock.Mark("first complete paint");
  RedrawWindow(form->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const double load = clock.Stop();
  engine.Loop().Probe = nullptr;
  const int records = form->List().Count();
  const double peak = PeakWorkingSetMb();

  for (const auto& [phase, seconds] : clock.phases) Row(("load: " + phase).c_str(), seconds, count, floor);
  Row("folder load (click to painted)", load, count, floor);
  std::printf("  records %d%s of %d files\n", records, opened ? "" : " (the folder could not be opened)", count);
  std::printf(
      "  longest gap between pumps in the file loop: %.0f ms; longest without pumping, click to painted: "
      "%.0f ms\n",
      clock.longestLoopGap_ * 1000.0, clock.longestGap_ * 1000.0);
  clock.PrintLongestGaps("load:");
  std::printf("  peak working set: %.0f MB\n", peak);
  std::fflush(stdout);
  if (checkNames) {
    const NameCheck names = CheckNames(form->List(), engine.Records());
    std::printf(
        "  names: %d records named by Windows compared with re-registering the file: %d differ; %d undisplayable\n"
        "  names: %d style variants of a long family named by the cut name the others share (the former rule "
        "re-registered them: %d of them gained no family and were undisplayable)\n",
        names.checked - names.variantsNamed, names.differ, names.undisplayable, names.variantsNamed,
        names.variantsBefore);
  }
  if (floor > 0) {
    if (FILE* out = _wfopen((base + L"\\ratio.txt").c_str(), L"w")) {
      std::fprintf(out, "folder load / platform floor: %.2f x (%d files)\n", load / floor, count);
      std::fclose(out);
    }
  }
  std::fflush(stdout);
  // BENCH_LOAD_HOLD_SECONDS keeps the loaded window on the screen, for a picture of it.
  wchar_t hold[16] = {};
  if (GetEnvironmentVariableW(L"BENCH_LOAD_HOLD_SECONDS", hold, 16) > 0) {
    for (int tick = 0; tick < _wtoi(hold) * 10; ++tick) {
      Pump();
      Sleep(100);
    }
  }
  // The preview registrations are not released: see PlatformFloor. The process ends here.
  ExitProcess(0);
}

}  // namespace
}  // namespace velura

int wmain(int argc, wchar_t** argv) {
  using namespace velura;
  if (argc < 4) {
    std::fprintf(stderr, "usage: bench_load WORK_FOLDER floor|startup|load|clean N [--no-name-check]\n");
    return 2;
  }
  const std::wstring work = argv[1], mode = argv[2];
  const int n = _wtoi(argv[3]);
  const bool checkNames = !(argc > 4 && std::wstring(argv[4]) == L"--no-name-check");
  // Message boxes are answered at once and counted: the load reports the files it could not read.
  SetMessageSink([](const MessageRequest& request) {
    const auto lines = std::count(request.Text.begin(), request.Text.end(), u'\n');
    std::printf("  (message \"%s\", %d lines, answered)\n", ToUtf8(request.Caption).c_str(), static_cast<int>(lines));
    return MessageResult::Ok;
  });
  const std::wstring ini = work + L"\\velura_wd.ini";
  DeleteFileW(ini.c_str());
  TIniKeeper settings(std::make_unique<PrivateProfileFile>(ToU16(ini)));
  if (mode == L"floor") RunFloor(work, n);
  else if (mode == L"startup") RunStartup(settings, work, n);
  else if (mode == L"load") RunLoad(settings, work, n, checkNames);
  else if (mode == L"clean") {
    SystemEngine fonts(settings);
    RemoveLeftoverInstalls(fonts.Engine());
  }
  std::fflush(stdout);
  return 0;
}
