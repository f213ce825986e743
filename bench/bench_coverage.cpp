// What the character filter adds to a big folder: the time to read every face's character map and count the
// character sets, against the reader's own load of the same files (measured in the same run), and the memory
// the kept maps take. The files of FOLDER are taken over and over until N are read, as a folder of N files.
// Usage: bench_coverage [FOLDER] [N]   (defaults: /usr/share/fonts 3000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fontfile/byte_source.h"
#include "fontfile/char_coverage.h"
#include "fontfile/font_data_table.h"
#include "platform/text.h"

namespace {

double Seconds(const std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velura;
  const std::string folder = argc > 1 ? argv[1] : "/usr/share/fonts";
  const std::size_t n = argc > 2 ? std::stoul(argv[2]) : 3000;
  std::vector<std::u16string> distinct;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".ttf" || ext == ".otf" || ext == ".ttc") distinct.push_back(FromUtf8(entry.path().string()));
  }
  if (distinct.empty()) return 1;
  std::sort(distinct.begin(), distinct.end());
  std::vector<std::u16string> paths;
  for (std::size_t i = 0; i < n; ++i) paths.push_back(distinct[i % distinct.size()]);

  IdentityAnsiCodec ansi;
  TFontDataTable reader(ansi);
  auto start = std::chrono::steady_clock::now();
  std::size_t faces = 0;
  for (const auto& path : paths) {
    TFontFileData data;
    reader.LoadFontFile(path, data);
    faces += data.size();
  }
  const double load = Seconds(start);

  start = std::chrono::steady_clock::now();
  double counting = 0;
  std::size_t bytes = 0, ranges = 0, sharedBytes = 0;
  for (const auto& path : paths) {
    auto source = FileSource::Open(path);
    if (!source) continue;
    std::vector<TCharMap> maps = ReadFileCharMaps(*source);
    const auto counted = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < maps.size(); ++i) {
      const TCharMap& map = maps[i];
      const FaceCoverage coverage = CoverageOf(map);
      ranges += map.Ranges.size();
      const std::size_t size = sizeof(TCharMap) + sizeof(coverage) + map.Ranges.size() * sizeof(CodePointRange) +
                               map.Sequences.size() * sizeof(VariationSequence);
      bytes += size;
      // Faces of a collection often carry the same map: kept once, the others point at it.
      const bool repeated = std::any_of(maps.begin(), maps.begin() + static_cast<std::ptrdiff_t>(i), [&](const TCharMap& m) {
        return m.Ranges == map.Ranges && m.Sequences == map.Sequences;
      });
      sharedBytes += repeated ? sizeof(coverage) + sizeof(void*) : size;
    }
    counting += Seconds(counted);
  }
  const double coverage = Seconds(start);

  std::printf("%zu files (%zu distinct from %s), %zu faces\n", paths.size(), distinct.size(), folder.c_str(), faces);
  std::printf("reader load of the files:        %.3f s\n", load);
  std::printf("character maps and set counts:   %.3f s  (%.1f %% of the reader's load)\n", coverage,
              100.0 * coverage / load);
  std::printf("  of which counting the sets:    %.3f s\n", counting);
  std::printf("maps kept: %zu ranges, %.1f MB (%.1f KB per file); a map shared by the faces that repeat it: %.1f MB\n",
              ranges, bytes / 1048576.0, bytes / 1024.0 / static_cast<double>(paths.size()), sharedBytes / 1048576.0);
  return 0;
}
