// TArchiveFile over the built-in readers with the portable host: what the browser relies on (open, count
// the members, extract everything flat) and the exceptions of types and libraries.
#include <gtest/gtest.h>

#include "archive/archive_file.h"
#include "archive/archiver_errors.h"
#include "archive_test_support.h"

namespace velura::archive_testing {
namespace {

std::u16string U16(const std::filesystem::path& path) { return FromUtf8(path.string()); }

std::vector<std::string> ListMembers(TArchiveFile& archive, std::u16string_view mask = u"*.*") {
  std::vector<std::string> names;
  ArchiverMemberInfo info;
  for (int result = archive.FindFirst(mask, info); result == kArchiverOk; result = archive.FindNext(info))
    names.push_back(Utf8(info.fileName));
  return names;
}

template <typename Function>
std::u16string MessageOf(Function&& function) {
  try {
    function();
  } catch (const EArchiver& e) {
    return e.Message();
  }
  return u"(nothing raised)";
}

TEST(ArchiveFile, ListsEveryMemberOfEachBuiltInFormat) {
  ScratchDir dir;
  WriteFile(dir / "a.zip", BuildZip({{"fonts/A.TTF", Payload(300, 1)}, {"readme.txt", Payload(10, 2)}}));
  WriteFile(dir / "a.cab", BuildCab({{Cp932("ソフト表示.ttf"), Payload(300, 3)}}));
  WriteFile(dir / "a.LZH", BuildLzh({{"x.otf", Payload(50, 4), 1}}));
  TArchiveFile archive;
  archive.SetFileName(U16(dir / "a.zip"));
  ASSERT_FALSE(archive.Open(nullptr, 0));
  EXPECT_EQ(ListMembers(archive), (std::vector<std::string>{"fonts/A.TTF", "readme.txt"}));
  EXPECT_EQ(ListMembers(archive, u"*.ttf"), std::vector<std::string>{"fonts/A.TTF"});
  archive.Close();
  ArchiverMemberInfo info;
  EXPECT_EQ(archive.FindFirst(u"*.*", info), kArchiverNotOpen);

  // The same object, reused for other archives as the browser does for nested ones.
  archive.SetFileName(U16(dir / "a.cab"));
  EXPECT_EQ(archive.ArchiverType(), atCab);
  ASSERT_FALSE(archive.Open(nullptr, 0));
  EXPECT_EQ(ListMembers(archive), std::vector<std::string>{"ソフト表示.ttf"});
  archive.SetFileName(U16(dir / "a.LZH"));
  ASSERT_FALSE(archive.Open(nullptr, 0));
  EXPECT_EQ(ListMembers(archive), std::vector<std::string>{"x.otf"});
  EXPECT_EQ(archive.FindNext(info), kArchiverNoMoreMembers);
}

TEST(ArchiveFile, TypeFromNameOrContent) {
  ScratchDir dir;
  const Bytes zip = BuildZip({{"a.ttf", Payload(100, 1)}});
  WriteFile(dir / "self.exe", zip);
  WriteFile(dir / "noext", zip);
  WriteFile(dir / "lying.zip", BuildLzh({{"l.ttf", Payload(100, 2)}}));
  WriteFile(dir / "text.dat", Bytes{'h', 'e', 'l', 'l', 'o'});

  TArchiveFile archive;
  EXPECT_EQ(archive.ArchiverType(), atAutoDetect);
  archive.SetFileName(U16(dir / "self.exe"));  // .exe: decided by content at once
  EXPECT_EQ(archive.ArchiverType(), atZip);

  TArchiveFile unnamed;
  unnamed.SetFileName(U16(dir / "noext"));  // unknown: left to Open
  EXPECT_EQ(unnamed.ArchiverType(), atAutoDetect);
  ASSERT_FALSE(unnamed.Open(nullptr, 0));
  EXPECT_EQ(unnamed.ArchiverType(), atZip);
  EXPECT_EQ(ListMembers(unnamed), std::vector<std::string>{"a.ttf"});

  TArchiveFile lying;  // the bytes win over the name
  lying.SetFileName(U16(dir / "lying.zip"));
  ASSERT_FALSE(lying.Open(nullptr, 0));
  EXPECT_EQ(ListMembers(lying), std::vector<std::string>{"l.ttf"});

  TArchiveFile text;
  text.SetFileName(U16(dir / "text.dat"));
  EXPECT_EQ(MessageOf([&] { text.Open(nullptr, 0); }), u"書庫の形式を判別できません。");
  TArchiveFile missing;
  missing.SetFileName(U16(dir / "missing.exe"));
  EXPECT_EQ(MessageOf([&] { missing.Open(nullptr, 0); }), u"書庫の形式を判別できません。");
}

TEST(ArchiveFile, TypesWithoutAClassOrLibrary) {
  TArchiveFile archive;
  archive.SetFileName(u"old.zip");
  EXPECT_EQ(MessageOf([&] { archive.SetFileName(u"x.gca"); }), u"書庫の形式を特定できませんでした。");
  EXPECT_EQ(archive.FileName(), u"old.zip");  // the name is stored only after the type
  EXPECT_EQ(MessageOf([&] { archive.SetArchiverType(atBel); }), u"書庫の形式を特定できませんでした。");
  archive.SetArchiverType(atNone);
  EXPECT_EQ(archive.ArchiverType(), atZip);
  archive.SetFileName(u"notes.txt");  // unknown names keep the type
  EXPECT_EQ(archive.ArchiverType(), atZip);
  archive.SetArchiverType(atAutoDetect);  // keeps the archiver
  EXPECT_EQ(archive.Archiver()->type, atZip);

  TArchiveFile rar;
  rar.SetFileName(u"x.rar");
  EXPECT_EQ(MessageOf([&] { rar.Open(nullptr, 0); }), u"RAR 形式書庫 を扱うには UNRAR32.DLL が 必要です。");
  TArchiveFile tar;
  tar.SetFileName(u"x.tar");
  try {
    tar.Extract(nullptr, nullptr, {u""}, u"out");
    FAIL();
  } catch (const ENoArchiverDLL& e) {
    EXPECT_EQ(e.Message(), u"tar/tgz/taz/bz2 形式書庫 を扱うには TAR32.DLL が 必要です。");
  }
}

TEST(ArchiveFile, UnreadableArchivesFailToOpenWithoutRaising) {
  ScratchDir dir;
  WriteFile(dir / "broken.cab", Bytes{'M', 'S', 'C', 'F', 0, 0});
  TArchiveFile archive;
  archive.SetFileName(U16(dir / "broken.cab"));
  EXPECT_TRUE(archive.Open(nullptr, 0));
  ArchiverMemberInfo info;
  EXPECT_EQ(archive.FindFirst(u"*.*", info), kArchiverNotOpen);
  archive.SetFileName(U16(dir / "missing.zip"));
  EXPECT_TRUE(archive.Open(nullptr, 0));
  archive.Options().x = 0;
  EXPECT_EQ(archive.Extract(nullptr, nullptr, {u""}, U16(dir / "out")), kArchiverCannotRead);
}

TEST(ArchiveFile, ExtractsFontsAndArchivesFlatIntoTheDestination) {
  ScratchDir dir;
  const Bytes font = Payload(5000, 7), nested = BuildZip({{"n.ttf", Payload(10, 8)}});
  WriteFile(dir / "a.zip", BuildZip({{"d/x.ttf", font}, {"e/x.TTF", font}, {"inner.zip", nested, 0},
                                     {"readme.txt", Payload(10, 9)}}));
  TArchiveFile archive;
  archive.SetFileName(U16(dir / "a.zip"));
  TArchiverOptions& options = archive.Options();
  options.w = U16(dir / "work"), options.x = 0, options.jse = 0, options.jso = 1, options.jyo = 1, options.gyo = 1;
  // The destination and its parents are made as a library would.
  EXPECT_EQ(archive.Extract(nullptr, nullptr, {u""}, U16(dir / "work" / "temp")), kArchiverOk);
  EXPECT_EQ(FileNames(dir / "work" / "temp"), (std::vector<std::string>{"inner.zip", "x (2).TTF", "x.ttf"}));
  EXPECT_EQ(ReadFile(dir / "work" / "temp" / "x.ttf"), font);
  // Nothing is replaced: a second run reports the members it could not write.
  EXPECT_EQ(archive.Extract(nullptr, nullptr, {u""}, U16(dir / "work" / "temp")), kArchiverMembersFailed);
  EXPECT_EQ(archive.Extract(nullptr, nullptr, {u"*.ttf"}, U16(dir / "w2")), kArchiverUnsupportedPattern);
}

TEST(ArchiveFile, DamagedArchivesYieldWhatCouldBeRead) {
  ScratchDir dir;
  CabOptions stored;
  stored.compression = 0;
  Bytes cab = BuildCab({{"a.ttf", Payload(100, 1)}, {"b.ttf", Payload(100, 2)}}, stored);
  cab[cab.size() - 1] ^= 0xFF;  // the checksum of the only block no longer matches
  WriteFile(dir / "bad.cab", cab);
  TArchiveFile archive;
  archive.SetFileName(U16(dir / "bad.cab"));
  EXPECT_FALSE(archive.Open(nullptr, 0));
  EXPECT_EQ(ListMembers(archive).size(), 2u);
  archive.Options().x = 0;
  EXPECT_EQ(archive.Extract(nullptr, nullptr, {u""}, U16(dir / "out")), kArchiverMembersFailed);
  EXPECT_TRUE(FileNames(dir / "out").empty());  // failed members leave nothing, not even temporary files
}

}  // namespace
}  // namespace velura::archive_testing
