// Opening an archive: fonts and nested archives extracted into the work folder, nothing lost or replaced.
#include <gtest/gtest.h>

#include <map>

#include "../records/engine_world.h"
#include "../records/record_world.h"
#include "records/font_file_names.h"
#include "ui/browsers/archive_opening.h"

namespace velura::testing {
namespace {

// Archives as lists of (member name, bytes); extraction puts them into the fake file system.
class FakeExtractor : public ArchiveExtractor {
 public:
  explicit FakeExtractor(FakeFiles& files) : files_(files) {}
  std::vector<std::u16string> MemberNames(const std::u16string& archive) override {
    std::vector<std::u16string> names;
    for (const auto& [name, bytes] : archives[archive]) names.push_back(name);
    return names;
  }
  void ExtractAll(const std::u16string& archive, const std::u16string& folder) override {
    extractions.push_back(archive + u" -> " + folder);
    for (const auto& [name, bytes] : archives[archive]) files_.Put(folder + u"\\" + name, bytes);
  }
  std::map<std::u16string, std::vector<std::pair<std::u16string, Bytes>>> archives;
  std::vector<std::u16string> extractions;

 private:
  FakeFiles& files_;
};

class ArchiveOpening : public ::testing::Test, public EngineWorld {
 protected:
  std::u16string Open(const std::u16string& archive) {
    return OpenArchive(archive, kWork, extractor, Make(), files, [this] { ++releases; });
  }
  const std::u16string kWork = u"C:\\temp\\VELURA__TEMP";
  FakeExtractor extractor{files};
  int releases = 0;
};

TEST_F(ArchiveOpening, FontsComeOutIntoAFreshWorkFolder) {
  files.MakeFolder(u"C:\\temp");
  files.MakeFolder(kWork);
  files.Put(kWork + u"\\old.ttf", FontBytes(u"Old"));
  extractor.archives[u"C:\\in\\a.zip"] = {{u"a.ttf", FontBytes(u"A")}, {u"readme.txt", {}}};
  EXPECT_EQ(Open(u"C:\\in\\a.zip"), kWork);
  EXPECT_EQ(releases, 1);
  EXPECT_FALSE(files.Has(kWork + u"\\old.ttf"));  // the previous archive's files are gone
  EXPECT_TRUE(files.Has(kWork + u"\\a.ttf"));
}

TEST_F(ArchiveOpening, AnArchiveWithoutFontsChangesNothing) {
  files.MakeFolder(u"C:\\temp");
  files.MakeFolder(kWork);
  files.Put(kWork + u"\\kept.ttf", FontBytes(u"Kept"));
  extractor.archives[u"C:\\in\\text.zip"] = {{u"a.txt", {}}, {u"b.doc", {}}};
  EXPECT_EQ(Open(u"C:\\in\\text.zip"), u"");
  EXPECT_EQ(Open(u""), u"");
  EXPECT_EQ(releases, 0);
  EXPECT_TRUE(files.Has(kWork + u"\\kept.ttf"));
  EXPECT_TRUE(extractor.extractions.empty());
}

TEST_F(ArchiveOpening, NestedArchivesOneLevelDeepNeverReplaceAFile) {
  files.MakeFolder(u"C:\\temp");
  const Bytes outerFont = FontBytes(u"Outer");
  extractor.archives[u"C:\\in\\outer.zip"] = {{u"inner.zip", {}}, {u"same.ttf", outerFont}};
  extractor.archives[kWork + u"\\inner.zip"] = {
      {u"one.ttf", FontBytes(u"One")}, {u"two.otf", FontBytes(u"Two")}, {u"same.ttf", FontBytes(u"Inner")},
      {u"deeper.lzh", {}}};
  ASSERT_EQ(Open(u"C:\\in\\outer.zip"), kWork);
  EXPECT_TRUE(files.Has(kWork + u"\\one.ttf"));
  EXPECT_TRUE(files.Has(kWork + u"\\two.otf"));
  EXPECT_EQ(files.BytesOf(kWork + u"\\same.ttf"), outerFont);  // the file already there stays
  EXPECT_FALSE(files.folders.count(LowerAscii(kWork + u"\\temp")));
  EXPECT_EQ(extractor.extractions.size(), 2u);  // the archive inside the inner one is not opened
}

TEST(ArchiveNames, FontAndArchiveExtensions) {
  EXPECT_TRUE(IsFontFileName(u"A.TTC"));
  EXPECT_TRUE(IsArchiveFileName(u"x.LzH"));
  EXPECT_FALSE(IsFontFileName(u"ttf"));
  EXPECT_FALSE(IsArchiveFileName(u"a.zip.txt"));
}

TEST(ArchiveNames, TheFolderTreeOpensArchiveFilesButBrowsesFoldersNamedLikeThem) {
  EXPECT_TRUE(OpensAsArchive(u"C:\\fonts\\pack.ZIP", false));
  EXPECT_TRUE(OpensAsArchive(u"C:\\fonts\\old.lzh", false));
  EXPECT_FALSE(OpensAsArchive(u"C:\\fonts\\収録.zip", true));
  EXPECT_FALSE(OpensAsArchive(u"C:\\pack.zip\\fonts", false));
  EXPECT_FALSE(OpensAsArchive(u"C:\\fonts\\zip", false));
}

}  // namespace
}  // namespace velura::testing
