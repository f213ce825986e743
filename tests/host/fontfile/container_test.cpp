// The sfnt container: offset table, table directory, collections and the limits on hostile input.
#include <gtest/gtest.h>

#include "support/font_loading.h"

namespace velura::testing {
namespace {

SfntBuilder WithTables(int count) {
  SfntBuilder b;
  b.Table("name", NameTable(BasicNames(u"Count")));
  for (int i = 1; i < count; ++i) b.Table("zz" + std::to_string(10 + i), Bytes(4, 0));
  return b;
}

TEST(SfntContainer, NeedsNineToSixtyFourTables) {
  EXPECT_FALSE(LoadBytes(WithTables(8).Build()).ok);
  EXPECT_TRUE(LoadBytes(WithTables(9).Build()).ok);
  EXPECT_TRUE(LoadBytes(WithTables(64).Build()).ok);
  EXPECT_FALSE(LoadBytes(WithTables(65).Build()).ok);
}

TEST(SfntContainer, PlainFontYieldsOneRecordWithTagsInDirectoryOrder) {
  auto r = LoadNames(BasicNames(u"Plain"));
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.faces.size(), 1u);
  EXPECT_EQ(r.faces[0].FamilyName, u"Plain");
  const std::vector<std::string> tags{"OS/2", "cmap", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "name", "post"};
  EXPECT_EQ(r.faces[0].Tags, tags);
}

TEST(SfntContainer, TagsMatchWithoutRegardToCase) {
  SfntBuilder b;
  b.Table("NAME", NameTable(BasicNames(u"Upper")))
      .Table("Cmap", CmapTable({{3, 10, 12}}))
      .Table("HEAD", HeadTable(0x1234))
      .Table("POST", PostTable(0x00030000))
      .Table("os/2", Os2Table(Os2Spec{}))
      .Table("dsig", Bytes(8, 0));
  for (int i = 0; i < 4; ++i) b.Table("fil" + std::to_string(i), Bytes(4, 0));
  auto r = LoadBytes(b.Build());
  ASSERT_TRUE(r.ok);
  const auto& f = r.faces[0];
  EXPECT_EQ(f.FamilyName, u"Upper");
  EXPECT_EQ(f.CmapEncodingId, 10);
  EXPECT_EQ(f.HeadFlags, 0x1234);
  EXPECT_EQ(f.PostVersionCode, 3u);
  EXPECT_EQ(f.VendorId, u"TEST");
  EXPECT_TRUE(f.IsOpenType);  // "dsig" counts as "DSIG"
  EXPECT_FALSE(f.HasCff);
}

TEST(SfntContainer, CffTableMarksOpenTypeAndCff) {
  auto b = SfntBuilder::Standard(BasicNames(u"Cff"));
  b.Table("CFF ", Bytes(8, 0));
  auto r = LoadBytes(b.Build());
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.faces[0].HasCff);
  EXPECT_TRUE(r.faces[0].IsOpenType);
}

TEST(SfntContainer, LaterDuplicateTableWins) {
  auto b = SfntBuilder::Standard(BasicNames(u"First"));
  b.Table("name", NameTable(BasicNames(u"Second")));
  auto r = LoadBytes(b.Build());
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.faces[0].FamilyName, u"Second");
  EXPECT_EQ(r.faces[0].Languages.size(), 1u);
}

TEST(SfntContainer, MissingTablesLeaveFieldsEmpty) {
  SfntBuilder b;
  for (int i = 0; i < 9; ++i) b.Table("fil" + std::to_string(i), Bytes(4, 0));
  auto r = LoadBytes(b.Build());
  ASSERT_TRUE(r.ok);
  const auto& f = r.faces[0];
  EXPECT_TRUE(f.FamilyName.empty());
  EXPECT_TRUE(f.Languages.empty());
  EXPECT_TRUE(f.CmapFormatText.empty());
  EXPECT_EQ(f.PostVersionCode, 0u);
  EXPECT_TRUE(f.VendorId.empty());
}

TEST(SfntCollection, FacesInHeaderOrder) {
  auto r = LoadBytes(Collection({SfntBuilder::Standard(BasicNames(u"One")), SfntBuilder::Standard(BasicNames(u"Two")),
                                 SfntBuilder::Standard(BasicNames(u"Three"))}));
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.faces.size(), 3u);
  EXPECT_EQ(r.faces[0].FamilyName, u"One");
  EXPECT_EQ(r.faces[1].FamilyName, u"Two");
  EXPECT_EQ(r.faces[2].FamilyName, u"Three");
}

TEST(SfntCollection, MalformedFaceKeepsAnEmptyRecordAndOthersLoad) {
  auto broken = SfntBuilder::Standard(BasicNames(u"Two"));
  broken.NumTablesOverride(3);
  auto r = LoadBytes(Collection({SfntBuilder::Standard(BasicNames(u"One")), broken,
                                 SfntBuilder::Standard(BasicNames(u"Three"))}));
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.faces.size(), 3u);
  EXPECT_EQ(r.faces[0].FamilyName, u"One");
  EXPECT_TRUE(r.faces[1].Tags.empty());
  EXPECT_TRUE(r.faces[1].FamilyName.empty());
  EXPECT_EQ(r.faces[2].FamilyName, u"Three");
}

TEST(SfntCollection, HeaderLimits) {
  Bytes zero{'t', 't', 'c', 'f', 0, 1, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(LoadBytes(zero).ok);

  // numFonts far beyond what the file can hold fails without trying to allocate for it.
  Bytes huge{'t', 't', 'c', 'f', 0, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 12};
  TFontFileData untouched(2);
  untouched[0].FamilyName = u"kept";
  TFontDataTable reader{IdentityAnsiCodec{}};
  MemorySource source(huge);
  EXPECT_FALSE(reader.LoadFontData(source, untouched));
  EXPECT_EQ(untouched.size(), 2u);
  EXPECT_EQ(untouched[0].FamilyName, u"kept");
}

TEST(SfntCollection, UpperCaseTagIsNotACollection) {
  Bytes b = SfntBuilder::Standard(BasicNames(u"Single")).Version(0x54544346).Build();  // "TTCF"
  auto r = LoadBytes(b);
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.faces.size(), 1u);
  EXPECT_EQ(r.faces[0].FamilyName, u"Single");
}

TEST(SfntReader, ReadsPastTheEndFailTheFace) {
  const Bytes good = SfntBuilder::Standard(BasicNames(u"Cut")).Build();
  // Every truncation either fails cleanly or reads a face; none may crash (ASan checks the rest).
  for (std::size_t n = 0; n < good.size(); ++n) {
    Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    auto r = LoadBytes(cut);
    if (n < 12 + 16 * 10) {
      EXPECT_FALSE(r.ok) << n;
    }
  }
  auto b = SfntBuilder::Standard(BasicNames(u"Far"));
  b.TableOffset("head", 0x7FFFFFF0);
  EXPECT_FALSE(LoadBytes(b.Build()).ok);
}

TEST(SfntReader, MissingFileLeavesFacesUntouched) {
  TFontDataTable reader{IdentityAnsiCodec{}};
  TFontFileData faces(1);
  faces[0].FullName = u"kept";
  EXPECT_FALSE(reader.LoadFontFile(u"/nonexistent/velura/none.ttf", faces));
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0].FullName, u"kept");
}

TEST(SfntReader, OffsetTableVersionText) {
  TFontDataTable reader{IdentityAnsiCodec{}};
  const Bytes otto = SfntBuilder::Standard(BasicNames(u"V")).Version(0x4F54544F).Build();
  MemorySource source(otto);
  TFontFileData faces;
  ASSERT_TRUE(reader.LoadFontData(source, faces));
  EXPECT_EQ(reader.OffsetTable().version, u"0x4F54544F");
}

TEST(SfntReader, FreeFaceDataReleasesTagLists) {
  auto r = LoadNames(BasicNames(u"Free"));
  ASSERT_TRUE(r.ok);
  TFontDataTable::FreeFaceData(r.faces);
  EXPECT_TRUE(r.faces[0].Tags.empty());
}

}  // namespace
}  // namespace velura::testing
