// Reading every font under a folder (default /usr/share/fonts): our reader against a general-purpose
// font engine reading the same facts, and against merely reading the bytes our reader needs; and our
// character maps against the font engine walking the same subtable code point by code point.
// Usage: bench_reader [FOLDER] [benchmark flags]. Prints the ratios and the time per file at the end.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <ft2build.h>
#include <unistd.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "fontfile/char_map.h"
#include "fontfile/font_data_table.h"
#include "platform/text.h"

namespace {

std::vector<std::string> g_files;

std::vector<std::string> FindFonts(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".ttf" || ext == ".otf" || ext == ".ttc") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void OurReader(benchmark::State& state) {
  velura::IdentityAnsiCodec ansi;
  velura::TFontDataTable reader(ansi);
  std::vector<std::u16string> paths;
  for (const auto& f : g_files) paths.push_back(velura::FromUtf8(f));
  for (auto _ : state) {
    for (const auto& path : paths) {
      velura::TFontFileData faces;
      benchmark::DoNotOptimize(reader.LoadFontFile(path, faces));
      benchmark::DoNotOptimize(faces.data());
    }
  }
  state.counters["files"] = static_cast<double>(paths.size());
}

void FontEngine(benchmark::State& state) {
  FT_Library library;
  FT_Init_FreeType(&library);
  for (auto _ : state) {
    for (const auto& file : g_files) {
      FT_Long faceCount = 1;
      for (FT_Long index = 0; index < faceCount; ++index) {
        FT_Face face;
        if (FT_New_Face(library, file.c_str(), index, &face)) break;
        faceCount = face->num_faces;
        const FT_UInt names = FT_Get_Sfnt_Name_Count(face);
        for (FT_UInt i = 0; i < names; ++i) {
          FT_SfntName name;
          if (FT_Get_Sfnt_Name(face, i, &name) == 0) benchmark::DoNotOptimize(name.string);
        }
        benchmark::DoNotOptimize(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        benchmark::DoNotOptimize(FT_Get_Sfnt_Table(face, FT_SFNT_HEAD));
        benchmark::DoNotOptimize(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
        for (FT_Int c = 0; c < face->num_charmaps; ++c) benchmark::DoNotOptimize(FT_Get_CMap_Format(face->charmaps[c]));
        FT_Done_Face(face);
      }
    }
  }
  FT_Done_FreeType(library);
}

// Every face's mapped code points through our reader (one pass over the file's directories and cmaps).
void OurCharMaps(benchmark::State& state) {
  std::vector<std::u16string> paths;
  for (const auto& f : g_files) paths.push_back(velura::FromUtf8(f));
  for (auto _ : state) {
    for (const auto& path : paths) {
      auto source = velura::FileSource::Open(path);
      if (!source) continue;
      for (const auto& map : velura::ReadFileCharMaps(*source)) benchmark::DoNotOptimize(map.Count());
    }
  }
}

// Selects the subtable our reader takes ((3,10), then (3,1), then (3,0)); false when the face has none.
bool SelectWindowsCharMap(FT_Face face) {
  for (FT_UShort encoding : {10, 1, 0})
    for (FT_Int c = 0; c < face->num_charmaps; ++c)
      if (face->charmaps[c]->platform_id == 3 && face->charmaps[c]->encoding_id == encoding)
        return FT_Set_Charmap(face, face->charmaps[c]) == 0;
  return false;
}

// How many code points the engine maps in the selected subtable, walked in order.
std::size_t WalkCharMap(FT_Face face) {
  std::size_t count = 0;
  FT_UInt glyph = 0;
  for (FT_ULong code = FT_Get_First_Char(face, &glyph); glyph != 0; code = FT_Get_Next_Char(face, code, &glyph)) ++count;
  return count;
}

template <typename PerFace>
void ForEachEngineFace(FT_Library library, const std::string& file, PerFace perFace) {
  FT_Long faceCount = 1;
  for (FT_Long index = 0; index < faceCount; ++index) {
    FT_Face face;
    if (FT_New_Face(library, file.c_str(), index, &face)) break;
    faceCount = face->num_faces;
    perFace(face);
    FT_Done_Face(face);
  }
}

void EngineCharMaps(benchmark::State& state) {
  FT_Library library;
  FT_Init_FreeType(&library);
  for (auto _ : state) {
    for (const auto& file : g_files)
      ForEachEngineFace(library, file, [](FT_Face face) {
        if (SelectWindowsCharMap(face)) benchmark::DoNotOptimize(WalkCharMap(face));
      });
  }
  FT_Done_FreeType(library);
}

// Outside the timing: the faces where both count the same code points, so the race is over equal work.
void CompareCharMapCounts() {
  FT_Library library;
  FT_Init_FreeType(&library);
  std::size_t faces = 0, equal = 0;
  for (const auto& file : g_files) {
    auto source = velura::FileSource::Open(velura::FromUtf8(file));
    if (!source) continue;
    const auto maps = velura::ReadFileCharMaps(*source);
    std::size_t index = 0;
    ForEachEngineFace(library, file, [&](FT_Face face) {
      const std::size_t theirs = SelectWindowsCharMap(face) ? WalkCharMap(face) : 0;
      const std::size_t ours = index < maps.size() ? maps[index].Count() : 0;
      ++faces;
      if (ours == theirs) ++equal;
      else std::printf("char map count differs: %s#%zu ours %zu, engine %zu\n", file.c_str(), index, ours, theirs);
      ++index;
    });
  }
  std::printf("char maps: %zu of %zu faces map as many code points as the font engine's walk\n", equal, faces);
  FT_Done_FreeType(library);
}

std::uint32_t Be32(const unsigned char* p) { return std::uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }
std::uint16_t Be16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }

// The bytes the reader needs, read with one call per region and no interpretation beyond finding them.
void ReadNeededBytes(int fd, std::uint32_t faceOffset, std::vector<unsigned char>& buffer) {
  unsigned char header[12];
  if (pread(fd, header, 12, faceOffset) != 12) return;
  const std::uint16_t count = Be16(header + 4);
  std::vector<unsigned char> directory(16u * count);
  if (pread(fd, directory.data(), directory.size(), faceOffset + 12) != static_cast<ssize_t>(directory.size())) return;
  for (std::uint16_t i = 0; i < count; ++i) {
    const unsigned char* e = directory.data() + 16 * i;
    const std::string tag(reinterpret_cast<const char*>(e), 4);
    std::uint32_t length = 0;
    if (tag == "name") length = Be32(e + 12);
    else if (tag == "OS/2") length = 96;
    else if (tag == "head") length = 18;
    else if (tag == "post") length = 4;
    else if (tag == "cmap") {  // the encoding records, then the format word of each subtable
      unsigned char head[4];
      if (pread(fd, head, 4, Be32(e + 8)) != 4) continue;
      std::vector<unsigned char> records(8u * Be16(head + 2));
      if (pread(fd, records.data(), records.size(), Be32(e + 8) + 4) != static_cast<ssize_t>(records.size())) continue;
      for (std::size_t r = 0; r + 8 <= records.size(); r += 8) {
        unsigned char format[2];
        benchmark::DoNotOptimize(pread(fd, format, 2, Be32(e + 8) + Be32(records.data() + r + 4)));
      }
    }
    if (length == 0) continue;
    buffer.resize(length);
    benchmark::DoNotOptimize(pread(fd, buffer.data(), length, Be32(e + 8)));
  }
}

void BytesOnly(benchmark::State& state) {
  std::vector<unsigned char> buffer;
  for (auto _ : state) {
    for (const auto& file : g_files) {
      const int fd = open(file.c_str(), O_RDONLY);
      if (fd < 0) continue;
      unsigned char head[12];
      if (pread(fd, head, 12, 0) == 12 && std::string(reinterpret_cast<char*>(head), 4) == "ttcf") {
        const std::uint32_t faces = std::min<std::uint32_t>(Be32(head + 8), 256);
        std::vector<unsigned char> offsets(4u * faces);
        if (pread(fd, offsets.data(), offsets.size(), 12) == static_cast<ssize_t>(offsets.size()))
          for (std::uint32_t i = 0; i < faces; ++i) ReadNeededBytes(fd, Be32(offsets.data() + 4 * i), buffer);
      } else {
        ReadNeededBytes(fd, 0, buffer);
      }
      close(fd);
    }
  }
}

// Collects each benchmark's time so the ratios can be printed after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs)
      if (run.run_type == Run::RT_Iteration) seconds_[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (g_files.empty()) return;
    std::printf("\n%zu font files\n", g_files.size());
    const double ours = seconds_["OurReader"], engine = seconds_["FontEngine"], bytes = seconds_["BytesOnly"];
    if (ours > 0) {
      std::printf("time per file: our reader %.1f us, font engine %.1f us, bytes only %.1f us\n",
                  1e6 * ours / g_files.size(), 1e6 * engine / g_files.size(), 1e6 * bytes / g_files.size());
      std::printf("font engine / our reader: %.1fx faster (target: at least 5x)\n", engine / ours);
      std::printf("our reader / bytes only:  %.2fx (target: within 2x)\n", ours / bytes);
    }
    const double maps = seconds_["OurCharMaps"], walk = seconds_["EngineCharMaps"];
    if (maps > 0)
      std::printf("char maps: font engine walk / our reader: %.1fx faster (target: at least 3x); %.1f us per file\n",
                  walk / maps, 1e6 * maps / g_files.size());
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  std::string folder = "/usr/share/fonts";
  if (argc > 1 && argv[1][0] != '-') {
    folder = argv[1];
    --argc;
    ++argv;
    argv[0] = argv[-1];
  }
  g_files = FindFonts(folder);
  benchmark::RegisterBenchmark("OurReader", OurReader)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("FontEngine", FontEngine)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BytesOnly", BytesOnly)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("OurCharMaps", OurCharMaps)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("EngineCharMaps", EngineCharMaps)->Unit(benchmark::kMillisecond);
  CompareCharMapCounts();
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
