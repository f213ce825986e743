#include "records/face_record_cache.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fontfile/font_data_table.h"
#include "host/records/fake_services.h"
#include "platform/text.h"
#include "records/face_cache_store.h"

using namespace std::string_literals;

namespace velura {
namespace {

using testing::FakeFiles;

TFontFileData FacesOf(const std::u16string& family) {
  TTFontFileData face;
  face.FamilyName = family;
  face.Tags = {"cmap", "name"};
  face.Languages.push_back({0x411, u"日本語", u"全", family});
  return {face};
}

// Records from the cache equal the reader's, field by field, for every font Debian installs here.
TEST(FaceRecordCache, KeepsEveryFieldOfTheSystemsFonts) {
  IdentityAnsiCodec ansi;
  TFontDataTable reader(ansi);
  FaceRecordCache cache(7);
  std::vector<std::pair<std::u16string, TFontFileData>> read;
  for (const auto& entry : std::filesystem::recursive_directory_iterator("/usr/share/fonts")) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".ttf" && ext != ".otf" && ext != ".ttc") continue;
    TFontFileData faces;
    auto source = FileSource::Open(FromUtf8(entry.path().string()));
    if (!source || !reader.LoadFontData(*source, faces)) continue;
    const std::u16string path = FromUtf8(entry.path().string());
    cache.Put(path, {source->Size(), source->ModifiedTime()}, faces);
    read.emplace_back(path, std::move(faces));
  }
  ASSERT_GT(read.size(), 20u);
  FaceRecordCache again(7);
  ASSERT_TRUE(again.Parse(cache.Serialize()));
  for (const auto& [path, faces] : read) {
    auto source = FileSource::Open(path);
    const TFontFileData* kept = again.Find(path, {source->Size(), source->ModifiedTime()});
    ASSERT_NE(kept, nullptr) << ToUtf8(path);
    EXPECT_TRUE(*kept == faces) << ToUtf8(path);
  }
}

TEST(FaceRecordCache, FindsOnlyAnUnchangedKey) {
  FaceRecordCache cache(1);
  cache.Put(u"C:\\f.ttf", {100, 5}, FacesOf(u"A"));
  EXPECT_NE(cache.Find(u"C:\\f.ttf", {100, 5}), nullptr);
  EXPECT_EQ(cache.Find(u"C:\\f.ttf", {101, 5}), nullptr);
  EXPECT_EQ(cache.Find(u"C:\\f.ttf", {100, 6}), nullptr);
  EXPECT_EQ(cache.Find(u"C:\\g.ttf", {100, 5}), nullptr);
  cache.Put(u"C:\\m.ttf", {100, 0}, FacesOf(u"M"));  // no time known: never kept
  EXPECT_EQ(cache.Find(u"C:\\m.ttf", {100, 0}), nullptr);

  FaceRecordCache otherReader(2);  // another reader version or code page
  EXPECT_FALSE(otherReader.Parse(cache.Serialize()));
  EXPECT_EQ(otherReader.Size(), 0u);
}

TEST(FaceRecordCache, KeepsRegistryValuesWhileTheKeysStampHolds) {
  FaceRecordCache cache(1);
  const RegValues values = {{u"Alpha (TrueType)", {RegValueKind::String, u"ALPHA.TTF"}},
                            {u"Links", {RegValueKind::MultiString, u"A.TTC,A\0B.TTF,B"s}},
                            {u"Odd", {RegValueKind::Other, u""}}};
  cache.KeepValues(u"HKLM\\Fonts", {50, 3}, values);
  cache.KeepValues(u"HKCU\\Fonts", {0, 3}, values);  // no time known: never kept
  FaceRecordCache read(1);
  ASSERT_TRUE(read.Parse(cache.Serialize()));
  ASSERT_NE(read.FindValues(u"HKLM\\Fonts", {50, 3}), nullptr);
  EXPECT_EQ(*read.FindValues(u"HKLM\\Fonts", {50, 3}), values);
  EXPECT_EQ(read.FindValues(u"HKLM\\Fonts", {51, 3}), nullptr);
  EXPECT_EQ(read.FindValues(u"HKLM\\Fonts", {50, 4}), nullptr);
  EXPECT_EQ(read.FindValues(u"HKCU\\Fonts", {0, 3}), nullptr);
}

TEST(FaceRecordCache, DiscardsDamagedTruncatedAndForeignFiles) {
  FaceRecordCache cache(1);
  cache.Put(u"C:\\a.ttf", {1, 1}, FacesOf(u"A"));
  cache.Put(u"C:\\b.ttf", {2, 2}, FacesOf(u"B"));
  const std::vector<std::uint8_t> good = cache.Serialize();
  FaceRecordCache reread(1);
  ASSERT_TRUE(reread.Parse(good));
  EXPECT_EQ(reread.Size(), 2u);
  EXPECT_FALSE(reread.Changed());

  for (std::size_t cut : {std::size_t{0}, std::size_t{3}, good.size() / 2, good.size() - 1}) {
    EXPECT_FALSE(reread.Parse(std::span(good).first(cut))) << cut;
    EXPECT_EQ(reread.Size(), 0u);
  }
  std::vector<std::uint8_t> flipped = good;
  flipped[good.size() / 2] ^= 0x10;
  EXPECT_FALSE(reread.Parse(flipped));
  const std::vector<std::uint8_t> foreign(good.size(), 'x');
  EXPECT_FALSE(reread.Parse(foreign));
}

TEST(FaceRecordCache, DropsTheLongestUnusedBeyondItsSize) {
  FaceRecordCache cache(1);
  for (std::size_t i = 0; i < FaceRecordCache::kMaxEntries + 5; ++i)
    cache.Put(u"C:\\" + FromUtf8(std::to_string(i)), {1, 1}, FacesOf(u"F"));
  FaceRecordCache older(1);
  ASSERT_TRUE(older.Parse(cache.Serialize()));  // every entry one run old now
  older.Find(u"C:\\0", {1, 1});                 // used again in this run
  older.Put(u"C:\\new", {1, 1}, FacesOf(u"N"));
  FaceRecordCache next(1);
  ASSERT_TRUE(next.Parse(older.Serialize()));
  EXPECT_EQ(next.Size(), FaceRecordCache::kMaxEntries);
  EXPECT_NE(next.Find(u"C:\\0", {1, 1}), nullptr);
  EXPECT_NE(next.Find(u"C:\\new", {1, 1}), nullptr);
}

// The program works on when the cache's folder cannot be written, and writes only what changed.
TEST(FaceCacheStore, WritesOnlyChangesAndSurvivesAnUnwritableFolder) {
  FakeFiles files;
  files.MakeFolder(u"C:\\L");
  const std::u16string file = u"C:\\L\\VELURA\\face-records.cache";
  files.refusedTargets.insert(u"c:\\l\\velura\\face-records.cache");
  FaceCacheStore store(files, u"C:\\L\\VELURA", 1);
  store.Load();
  store.Cache().Put(u"C:\\a.ttf", {1, 1}, FacesOf(u"A"));
  store.SaveIfChanged();
  EXPECT_FALSE(files.Has(file));
  EXPECT_TRUE(store.Cache().Changed());  // tried again next time

  files.refusedTargets.clear();
  store.SaveIfChanged();
  ASSERT_TRUE(files.Has(file));
  files.Put(file, {1, 2, 3});  // replaced behind its back: an unchanged cache does not write again
  store.SaveIfChanged();
  EXPECT_EQ(files.BytesOf(file).size(), 3u);

  FaceCacheStore damaged(files, u"C:\\L\\VELURA", 1);
  damaged.Load();
  EXPECT_EQ(damaged.Cache().Size(), 0u);
}

}  // namespace
}  // namespace velura
