// The archiver layer on Windows: TArchiveFile end to end with the Windows host, the wide member writer,
// cabinet.dll's FDI, the command lines and texts, and the safe loading of archiver libraries.
#include <windows.h>

#include <gtest/gtest.h>

#include "archive/archive_file.h"
#include "archive/archiver_errors.h"
#include "archive/archiver_host_win.h"
#include "archive/cab_fdi_win.h"
#include "archive/folder_writer_win.h"
#include "host/archive/archive_builders.h"
#include "platform/wide_win.h"
#include "support/file_bytes_win.h"
#include "support/temp_folder_win.h"

namespace velura::testing {
namespace {

using archive_testing::Bytes;
using archive_testing::Payload;

// ソフト表示\能書体.ttf in CP932: 83 5C, 95 5C and 94 5C carry 0x5C trail bytes.
const std::string kTrapName = "\x83\x5C\x83\x74\x83\x67\x95\x5C\x8E\xA6\\\x94\x5C\x8F\x91\x91\xCC.ttf";

std::vector<std::wstring> FileNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

int CountFontMembers(TArchiveFile& archive) {
  int fonts = 0;
  ArchiverMemberInfo info;
  for (int r = archive.FindFirst(u"*.*", info); r == kArchiverOk; r = archive.FindNext(info)) {
    const std::u16string& name = info.fileName;
    if (name.size() > 4 && (name.ends_with(u".ttf") || name.ends_with(u".ttc") || name.ends_with(u".otf"))) ++fonts;
  }
  return fonts;
}

void SetBrowserOptions(TArchiveFile& archive, const std::u16string& work) {
  TArchiverOptions& options = archive.Options();
  options.w = work, options.x = 0, options.jse = 0, options.jso = 1, options.jyo = 1, options.gyo = 1;
}

// The browser's sequence on each format, in a folder whose name the ANSI code page cannot hold, with a
// member name whose CP932 bytes hold 0x5C trail bytes.
TEST(ArchiveFileWin, OpensCountsAndExtractsEachFormatThroughTheWideWriter) {
  ASSERT_EQ(GetACP(), 932u);
  TempFolder folder(L"作業_丂_café");
  const Bytes font = Payload(40000, 5);  // crosses a 32 KiB cabinet block
  const std::vector<std::pair<std::wstring, Bytes>> archives = {
      {L"フォント.zip", archive_testing::BuildZip({{kTrapName, font}, {"readme.txt", Payload(9, 1)}})},
      {L"フォント.cab", archive_testing::BuildCab({{kTrapName, font}, {"readme.txt", Payload(9, 1)}})},
      {L"フォント.lzh", archive_testing::BuildLzh({{kTrapName, font, 0, "-lh5-"}, {"readme.txt", Payload(9, 1)}})},
  };
  for (const auto& [name, bytes] : archives) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    ASSERT_TRUE(WriteFileBytes(folder / name, bytes));
    const std::wstring work = folder / L"VELURA__TEMP";
    TArchiveFile archive;
    archive.SetFileName(folder.U16(name));
    ASSERT_FALSE(archive.Open(nullptr, 0));
    EXPECT_EQ(CountFontMembers(archive), 1);
    archive.Close();
    CreateDirectoryW(work.c_str(), nullptr);
    SetBrowserOptions(archive, ToU16(work));
    EXPECT_EQ(archive.Extract(nullptr, nullptr, {u""}, ToU16(work)), kArchiverOk);
    EXPECT_EQ(FileNames(work), std::vector<std::wstring>{L"能書体.ttf"});
    EXPECT_EQ(ReadFileByteVector(work + L"\\能書体.ttf"), font);
    DeleteFileW((work + L"\\能書体.ttf").c_str());
  }
}

TEST(ArchiveFileWin, CommandLinesNamesAndTexts) {
  TempFolder folder(L"velura-arc-cmd");
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(folder.Path().c_str());
  TArchiveFile cab;
  cab.SetFileName(u"x.cab");  // the CAB command names the archive by its full path
  SetBrowserOptions(cab, u"C:\\W");
  const std::u16string cabLine = cab.ExtractCommand(nullptr, {u""}, u"C:\\W").line;
  SetCurrentDirectoryW(previous);
  EXPECT_EQ(cabLine, u"-x \"-hC:\\W\\\" -j \"" + folder.U16(L"x.cab") + u"\" \"C:\\W\\\" \"\"");

  TArchiveFile lzh, zip;
  lzh.SetFileName(u"C:\\a.LZH");
  zip.SetFileName(u"C:\\a.ZIP");
  SetBrowserOptions(lzh, u"C:\\作 業");
  SetBrowserOptions(zip, u"C:\\作 業\\");
  EXPECT_EQ(lzh.ExtractCommand(nullptr, {u""}, u"C:\\作 業").line,
            u"x -+ -x0 -jse0 -jso1 -jyo1 -gyo1 \"-wC:\\作 業\" \"C:\\a.LZH\" \"C:\\作 業\\\" \"\"");
  EXPECT_EQ(zip.ExtractCommand(nullptr, {u""}, u"C:\\作 業\\").line, u"-x -j \"C:\\a.ZIP\" \"C:\\作 業\\\" \"\"");

  EXPECT_EQ(ArchiverTypeFromName(u"C:\\フォント\\表.Cab"), atCab);
  EXPECT_EQ(ArchiverTypeFromName(u"a.tgz"), atTgz);
  EXPECT_EQ(ArchiverTypeFromName(u"a.exe"), atAutoDetect);
  TArchiveFile gca;
  try {
    gca.SetFileName(u"a.gca");
    FAIL();
  } catch (const EArchiver& e) {
    EXPECT_EQ(e.Message(), u"書庫の形式を特定できませんでした。");
  }
  TArchiveFile rar;  // no archiver library beside the program: the normal case
  rar.SetFileName(u"C:\\a.rar");
  try {
    rar.Open(nullptr, 0);
    FAIL();
  } catch (const ENoArchiverDLL& e) {
    EXPECT_EQ(e.Message(), u"RAR 形式書庫 を扱うには UNRAR32.DLL が 必要です。");
  }
}

// A reader that hands over another reader's listing with every member marked as an LZX member, so the
// extraction runs through the fallback decoder (no tool here writes LZX cabinets).
class AsLzx final : public ArchiveReader {
 public:
  explicit AsLzx(ArchiveReader& inner) : inner_(inner) {
    entries_ = inner.Entries();
    for (ArchiveEntry& entry : entries_) entry.issue = MemberIssue::UnsupportedMethod, entry.method = "LZX";
  }
  ArchiveFormat Format() const override { return ArchiveFormat::Cab; }
  MemberIssue Extract(std::size_t index, OutputSink& sink) override { return inner_.Extract(index, sink); }

 private:
  ArchiveReader& inner_;
};

TEST(CabFdiWin, MszipCabinetForcedThroughFdiMatchesTheBuiltInReader) {
  ASSERT_TRUE(CabFdiDecoder::Available());
  const Bytes first = Payload(70000, 1), second = Payload(3000, 2);
  const Bytes cab = archive_testing::BuildCab({{kTrapName, first}, {"b.otf", second}, {"c.ttf", Bytes{}}});
  auto reader = OpenCabArchive(cab);
  ASSERT_EQ(reader->Entries().size(), 3u);
  CabFdiDecoder fdi(cab, reader->Entries(), CabFdiDecoder::Scope::EveryMember);
  for (std::size_t i : {1, 0, 2}) {  // out of order too
    MemorySink viaFdi, builtIn;
    EXPECT_EQ(fdi.Extract(i, viaFdi), MemberIssue::None) << i;
    EXPECT_EQ(reader->Extract(i, builtIn), MemberIssue::None) << i;
    EXPECT_EQ(viaFdi.Bytes(), builtIn.Bytes()) << i;
  }

  // Through the extraction policy and the wide writer, as an LZX cabinet would go.
  TempFolder folder(L"velura-arc-fdi");
  AsLzx lzx(*reader);
  CabFdiDecoder lzxFdi(cab, lzx.Entries());
  EXPECT_TRUE(lzxFdi.Handles(lzx.Entries()[0]));
  FolderWriterWin writer(folder.U16());
  const ExtractionReport report = ExtractArchive(lzx, ExtractionLimits{}, writer, &lzxFdi);
  EXPECT_EQ(report.written, 3u);
  EXPECT_EQ(ReadFileByteVector(folder / L"能書体.ttf"), first);
  EXPECT_EQ(ReadFileByteVector(folder / L"b.otf"), second);

  // The sink's limits hold for FDI's output as for the built-in reader's.
  TempFolder small(L"velura-arc-fdi-limit");
  FolderWriterWin smallWriter(small.U16());
  ExtractionLimits limits;
  limits.maxTotalSize = 50000;
  const ExtractionReport limited = ExtractArchive(lzx, limits, smallWriter, &lzxFdi);
  EXPECT_EQ(limited.members[0].issue, MemberIssue::TotalLimitReached);
  EXPECT_EQ(FileNames(small.Path()), (std::vector<std::wstring>{L"b.otf", L"c.ttf"}));
}

TEST(CabFdiWin, DataFdiCannotDecodeLeavesNothingBehind) {
  archive_testing::CabOptions options;
  options.compression = 3;  // labelled LZX, written uncompressed: not a valid LZX stream
  const Bytes cab = archive_testing::BuildCab({{"a.ttf", Payload(5000, 3)}}, options);
  auto reader = OpenCabArchive(cab);
  ASSERT_EQ(reader->Entries()[0].issue, MemberIssue::UnsupportedMethod);
  TempFolder folder(L"velura-arc-fdi-bad");
  CabFdiDecoder fdi(cab, reader->Entries());
  FolderWriterWin writer(folder.U16());
  const ExtractionReport report = ExtractArchive(*reader, ExtractionLimits{}, writer, &fdi);
  EXPECT_EQ(report.written, 0u);
  EXPECT_NE(report.members[0].issue, MemberIssue::None);
  EXPECT_TRUE(FileNames(folder.Path()).empty());
}

TEST(FolderWriterWin, NeverReplacesAndLeavesNothingOfAFailedMember) {
  TempFolder folder(L"velura-arc-writer");
  ASSERT_TRUE(WriteFileBytes(folder / L"表.ttf", Bytes{1, 2, 3}));
  FolderWriterWin writer(folder.U16());
  auto clash = writer.Create(u"表.ttf");
  ASSERT_TRUE(clash);
  const Bytes other{9, 9};
  ASSERT_TRUE(clash->Write(other));
  EXPECT_EQ(clash->Commit(), MemberIssue::AlreadyExists);
  clash.reset();
  {
    auto abandoned = writer.Create(u"途中.ttf");
    ASSERT_TRUE(abandoned);
    abandoned->Write(other);
  }
  EXPECT_EQ(FileNames(folder.Path()), std::vector<std::wstring>{L"表.ttf"});
  EXPECT_EQ(ReadFileByteVector(folder / L"表.ttf"), (Bytes{1, 2, 3}));
  EXPECT_FALSE(writer.Create(u"..\\x.ttf"));
  EXPECT_FALSE(FolderWriterWin(folder.U16(L"missing")).Create(u"x.ttf"));
}

// Libraries come only from the given folder and only for this program's machine; a library that loads
// but lacks the entry points raises EEntryNotFound with its path.
TEST(ArchiverLibraryWin, LoadsOnlyOwnMachineLibrariesFromItsFolder) {
  TempFolder folder(L"velura-arc-lib");
  ArchiverLibraryLoader loader(folder.Path());
  HMODULE module = nullptr;
  EXPECT_EQ(loader.Load(L"UNRAR32.DLL", module), LibraryLoad::NotFound);

  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  Bytes image = ReadFileByteVector(std::wstring(system) + L"\\cabinet.dll");
  ASSERT_GT(image.size(), 0x200u);
  ASSERT_TRUE(WriteFileBytes(folder / L"UNRAR32.DLL", image));
  const std::uint32_t header = image[0x3C] | image[0x3D] << 8;
  image[header + 4] = 0x4C, image[header + 5] = 0x01;  // i386
  ASSERT_TRUE(WriteFileBytes(folder / L"BGA32.DLL", image));
  EXPECT_EQ(loader.Load(L"BGA32.DLL", module), LibraryLoad::WrongMachine);
  EXPECT_EQ(module, nullptr);

  WindowsArchiverHost host(folder.Path());
  TArchiveFile bga(nullptr, host);
  bga.SetFileName(u"C:\\a.gza");
  try {
    bga.Open(nullptr, 0);
    FAIL();
  } catch (const ENoArchiverDLL& e) {
    EXPECT_EQ(e.Message(), u"BGA 形式書庫 を扱うには BGA32.DLL が 必要です。");
  }
  TArchiveFile rar(nullptr, host);
  rar.SetFileName(u"C:\\a.rar");
  try {
    rar.Open(nullptr, 0);
    FAIL();
  } catch (const EEntryNotFound& e) {
    EXPECT_TRUE(e.Message().ends_with(u"UNRAR32.DLL に Unrar のエントリが見つかりません。")) << e.what();
  }
}

}  // namespace
}  // namespace velura::testing
