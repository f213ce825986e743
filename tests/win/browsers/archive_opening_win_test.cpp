// Opening archives through the real archive layer: a .zip holding a .zip of two fonts shows both.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "host/archive/archive_builders.h"
#include "platform/wide_win.h"
#include "support/browser_fixture_win.h"
#include "support/file_bytes_win.h"
#include "ui/browsers/archive_file_extractor.h"

namespace velura::testing {
namespace {

TEST(ArchiveOpeningOnWindows, NestedZipOfTwoFontsYieldsBoth) {
  BrowserFixture browser(L"velura_archive_open");
  const std::wstring folder = browser.folder.Path();
  const auto one = ReadFileByteVector(L"Z:\\usr\\share\\wine\\fonts\\marlett.ttf");
  const auto two = ReadFileByteVector(L"Z:\\usr\\share\\wine\\fonts\\symbol.ttf");
  using archive_testing::BuildZip;
  const auto inner = BuildZip({{"one.ttf", one}, {"two.ttf", two}});
  ASSERT_TRUE(WriteFileBytes(folder + L"\\外側.zip", BuildZip({{"inner.zip", inner, 0}, {"readme.txt", {'h', 'i'}}})));
  ASSERT_TRUE(WriteFileBytes(folder + L"\\text.zip", BuildZip({{"a.txt", {'a'}}})));
  SystemEngine& fonts = browser.fonts;
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
}

}  // namespace
}  // namespace velura::testing
