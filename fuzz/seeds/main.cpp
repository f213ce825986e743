// make_fuzz_seeds CORPUS_ROOT: writes CORPUS_ROOT/<fuzzer>/<seed> for every registered fuzzer.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "seed_registry.h"

namespace velura::fuzzing {
std::vector<SeedTarget>& SeedTargets() {
  static std::vector<SeedTarget> targets;
  return targets;
}
}  // namespace velura::fuzzing

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds CORPUS_ROOT\n");
    return 2;
  }
  namespace fs = std::filesystem;
  for (const auto& target : velura::fuzzing::SeedTargets()) {
    const fs::path folder = fs::path(argv[1]) / target.fuzzer;
    fs::create_directories(folder);
    for (const auto& [name, bytes] : target.write()) {
      std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
  }
  return 0;
}
