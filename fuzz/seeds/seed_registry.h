// Each seed source registers a writer for the corpus of one fuzzer; make_fuzz_seeds runs them all.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace velura::fuzzing {

using SeedFiles = std::vector<std::pair<std::string, std::vector<std::uint8_t>>>;  // file name, bytes
using SeedWriter = SeedFiles (*)();

struct SeedTarget {
  std::string fuzzer;  // e.g. "fuzz_font"
  SeedWriter write;
};

std::vector<SeedTarget>& SeedTargets();

struct SeedRegistrar {
  SeedRegistrar(const char* fuzzer, SeedWriter write) { SeedTargets().push_back({fuzzer, write}); }
};

}  // namespace velura::fuzzing
