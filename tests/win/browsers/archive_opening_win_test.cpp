// Opening archives through the real archive layer: a .zip holding a .zip of two fonts shows both.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "host/archive/archive_builders.h"
#include "platform/wide_win.h"
#include "records/system_engine_win.h"
#include "settings/ini_profile_win.h"
#include "support/file_bytes_win.h"
#include "support/test_fonts_win.h"
#include "ui/browsers/archive_file_extractor.h"

namespace velura::testing {
namespace {

void WriteBytes(const std::wstring& path, const archive_testing::Bytes& bytes) {
  ASSERT_TRUE(WriteFileBytes(path, bytes));
}


TEST(ArchiveOpeningOnWindows, NestedZipOfTwoFontsYieldsBoth) {
  const std::wstring folder = NewTempFolder(L"velura_archive_open");
  const auto one = ReadFileByteVector(L"Z:\\usr\\share\\wine\\fonts\\marlett.ttf");
  const auto two = ReadFileByteVector(L"Z:\\usr\\share\\wine\\fonts\\symbol.ttf");
  using archive_testing::BuildZip;
  const auto inner = BuildZip({{"one.ttf", one}, {"two.ttf", two}});
  WriteBytes(folder + L"\\外側.zip", BuildZip({{"inner.zip", inner, 0}, {"readme.txt", {'h', 'i'}}}));
  WriteBytes(folder + L"\\text.zip", BuildZip({{"a.txt", {'a'}}}));

  TIniKeeper settings(std::make_unique<PrivateProfileFile>(ToU16(folder + L"\\velura_wd.ini")));
  SystemEngine fonts(settings);
  WindowsFileServices files;
  ArchiveFileExtractor extractor(nullptr, DefaultArchiverHost());
  const std::u16string work = ToU16(folder + L"\\VELURA__TEMP");
  int releases = 0;
  auto release = [&] { ++releases; };

  EXPECT_EQ(OpenArchive(ToU16(folder + L"\\text.zip"), work, extractor, fonts.Engine(), files, release), u"");
  EXPECT_EQ(releases, 0);
  ASSERT_EQ(OpenArchive(ToU16(folder + L"\\外側.zip"), work, extractor, fonts.Engine(), files, release), work);
  std::vector<std::u16string> found;
  fonts.Engine().ScanFolder(work, found, nullptr);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::u16string>{work + u"\\one.ttf", work + u"\\two.ttf"}));
  EXPECT_EQ(GetFileAttributesW(AsWide(work + u"\\temp")), INVALID_FILE_ATTRIBUTES);
  RemoveFolderTree(folder);
}

}  // namespace
}  // namespace velura::testing
