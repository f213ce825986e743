// The reader on Windows: wide paths the ANSI code page cannot hold, and Shift-JIS names under code page 932.
#include <windows.h>

#include <gtest/gtest.h>

#include "fontfile/font_data_table.h"
#include "platform/ansi_codec_win.h"
#include "platform/wide_win.h"
#include "support/file_bytes_win.h"
#include "support/sfnt_writer.h"
#include "support/temp_folder_win.h"

namespace velura::testing {
namespace {

TEST(ReaderOnWindows, SystemCodePageIsJapanese) { EXPECT_EQ(GetACP(), 932u); }

TEST(ReaderOnWindows, ReadsFilesWhoseNamesTheAnsiCodePageCannotHold) {
  const TempFolder folder(L"velura_reader_test");
  const std::wstring path = folder / L"表ソ能_café_丂.ttf";  // 0x5C trail bytes, Latin-1, outside CP932
  ASSERT_TRUE(WriteFileBytes(path, SfntBuilder::Standard(BasicNames(u"Wide Path")).Build()));

  SystemAnsiCodec ansi;
  TFontDataTable reader(ansi);
  TFontFileData faces;
  ASSERT_TRUE(reader.LoadFontFile(ToU16(path), faces));
  EXPECT_EQ(faces.at(0).FamilyName, u"Wide Path");

  // Share-deny-none: a file another program holds open for writing is still read.
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  TFontFileData again;
  EXPECT_TRUE(reader.LoadFontFile(ToU16(path), again));
  CloseHandle(held);
}

TEST(ReaderOnWindows, ShiftJisNamesRoundTripThroughCodePage932) {
  std::vector<NameSpec> names = BasicNames(u"Latin");
  names.push_back(NameSpec{3, 2, 0x0411, 1, u"ゴシック丂é", {}, {}, {}});
  SystemAnsiCodec ansi;
  TFontDataTable reader(ansi);
  const Bytes bytes = SfntBuilder::Standard(names).Build();
  MemorySource source(bytes);
  TFontFileData faces;
  ASSERT_TRUE(reader.LoadFontData(source, faces));
  ASSERT_EQ(faces[0].Languages.size(), 2u);
  const std::u16string japanese = faces[0].Languages[1].FamilyName;
  // Characters of code page 932 survive; the others do not come back as themselves.
  EXPECT_EQ(japanese.substr(0, 4), u"ゴシック");
  EXPECT_EQ(japanese.size(), 6u);
  EXPECT_NE(japanese, u"ゴシック丂é");
}

TEST(ReaderOnWindows, ReadsInstalledJapaneseFontThroughAWindowsPath) {
  SystemAnsiCodec ansi;
  TFontDataTable reader(ansi);
  TFontFileData faces;
  ASSERT_TRUE(reader.LoadFontFile(u"Z:\\usr\\share\\fonts\\opentype\\ipafont-gothic\\ipag.ttf", faces));
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0].FamilyName, u"IPAゴシック");
  EXPECT_NE(faces[0].LanguageList.find(u"日本語"), std::u16string::npos);
}

}  // namespace
}  // namespace velura::testing
