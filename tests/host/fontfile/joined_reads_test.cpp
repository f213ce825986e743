#include "fontfile/joined_reads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "fontfile/font_data_table.h"
#include "platform/text.h"

namespace velura {
namespace {

using Reads = std::vector<std::pair<std::uint64_t, std::uint64_t>>;

Reads Joined(std::vector<ByteRegion> regions, JoinLimits limits = {.fileSize = 1u << 30}) {
  Reads reads;
  for (const ByteRegion& r : JoinedReads(regions, limits)) reads.emplace_back(r.offset, r.length);
  return reads;
}

TEST(JoinedReads, JoinsCloseRegionsInFileOrderWithinTheCaps) {
  EXPECT_EQ(Joined({{4106, 10}, {0, 10}}), (Reads{{0, 10}, {4106, 10}}));  // a gap of 4 KiB: two reads
  EXPECT_EQ(Joined({{4105, 10}, {0, 10}}), (Reads{{0, 4115}}));
  EXPECT_EQ(Joined({{100, 50}, {120, 10}, {140, 100}, {100, 5}}), (Reads{{100, 140}}));  // overlapping
  EXPECT_EQ(Joined({{0, 200000}}), (Reads{{0, 131072}}));
  EXPECT_EQ(Joined({{0, 100000}, {100000, 50000}}), (Reads{{0, 100000}, {100000, 50000}}));
  EXPECT_EQ(Joined({{90, 20}, {100, 0}, {200, 5}, {~0ull - 1, ~0ull}}, {.fileSize = 100}), (Reads{{90, 10}}));
  EXPECT_EQ(Joined({{0, 10}, {10000, 10}, {20000, 10}}, {.fileSize = 1u << 20, .maxReads = 2}),
            (Reads{{0, 10}, {10000, 10}}));
  EXPECT_EQ(Joined({{0, 10}, {10000, 10}}, {.fileSize = 1u << 20, .maxBytes = 15}), (Reads{{0, 10}, {10000, 5}}));
}

std::vector<std::uint8_t> BytesOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FileSourcePrefetch, KeepsWithinItsBudgetWhateverItIsAskedAndReadsAsMemoryDoes) {
  const char* path = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
  const auto bytes = BytesOf(path);
  MemorySource memory(bytes);
  std::mt19937_64 random(11);
  for (int file = 0; file < 30; ++file) {
    auto source = FileSource::Open(FromUtf8(path));
    ASSERT_TRUE(source) << path << " (run scripts/setup.sh)";
    const bool small = file % 2 == 0;  // the read cap binds on these files, the byte cap on the others
    std::vector<ByteRegion> asked(2000);
    for (auto& r : asked)
      r = {random() % (bytes.size() + 1000), small ? random() % 200 : random() % 3 ? random() % 200000 : random()};
    for (std::size_t at = 0, n = 0; at < asked.size();
         at += n) {  // calls of varied size: some find the budget part spent
      n = std::min<std::size_t>(1 + random() % 20, asked.size() - at);
      source->Prefetch(std::span(asked).subspan(at, n));
    }
    EXPECT_LE(source->FileReads(), 64u);
    EXPECT_LE(source->KeptBytes(), 1u << 20);
    for (int round = 0; round < 300; ++round) {  // in, across and past the kept spans
      const std::size_t n = random() % 3000;
      const std::uint64_t at = asked[random() % asked.size()].offset + random() % 5000 - 2500;
      std::vector<std::uint8_t> fromFile(n), fromMemory(n);
      ASSERT_EQ(source->ReadAt(at, fromFile.data(), n), memory.ReadAt(at, fromMemory.data(), n));
      ASSERT_EQ(fromFile, fromMemory) << at << "+" << n;
    }
  }
}

// Reads through a file but drops the prefetch hints: the file is read as it was before them.
struct WithoutPrefetch final : ByteSource {
  explicit WithoutPrefetch(ByteSource& s) : source(s) {}
  std::uint64_t Size() const override { return source.Size(); }
  bool ReadAt(std::uint64_t offset, void* dst, std::size_t n) override { return source.ReadAt(offset, dst, n); }
  ByteSource& source;
};

TEST(FileSourcePrefetch, SystemsFontsGiveTheRecordsOfTheirBytesInMemoryWithFewerReads) {
  IdentityAnsiCodec ansi;
  TFontDataTable reader(ansi);
  std::size_t fonts = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator("/usr/share/fonts")) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".ttf" && ext != ".otf" && ext != ".ttc") continue;
    const auto bytes = BytesOf(entry.path());
    MemorySource memory(bytes);
    auto hinted = FileSource::Open(FromUtf8(entry.path().string()));
    auto plain = FileSource::Open(FromUtf8(entry.path().string()));
    WithoutPrefetch unhinted(*plain);
    TFontFileData fromMemory, fromFile, ignored;
    const bool ok = reader.LoadFontData(memory, fromMemory);
    EXPECT_EQ(reader.LoadFontData(*hinted, fromFile), ok) << entry.path();
    EXPECT_TRUE(fromFile == fromMemory) << entry.path();
    reader.LoadFontData(unhinted, ignored);
    EXPECT_LT(hinted->FileReads(), plain->FileReads()) << entry.path();
    fonts += ok;
  }
  EXPECT_GT(fonts, 20u);
}

}  // namespace
}  // namespace velura
