// The archiver layer's rules: types from names, the command-line switches, the texts of its exceptions,
// member masks and the PE machine check.
#include <gtest/gtest.h>

#include "archive/archiver_command.h"
#include "archive/archiver_errors.h"
#include "archive/member_mask.h"
#include "archive/pe_machine.h"
#include "archive_test_support.h"

namespace velura::archive_testing {
namespace {

TEST(ArchiverTypes, EveryExtensionOfTheTableInAnyCase) {
  const std::pair<const char16_t*, TArchiverType> cases[] = {
      {u"a.lzh", atLha}, {u"a.cab", atCab},  {u"a.zip", atZip},  {u"a.jar", atZip},   {u"a.ear", atZip},
      {u"a.war", atZip}, {u"a.arj", atArj},  {u"a.rar", atRar},  {u"a.yz1", atYz1},   {u"a.gca", atGCA},
      {u"a.gza", atBga}, {u"a.bza", atBga},  {u"a.bz2", atBZ2},  {u"a.a", atTar},     {u"a.lib", atTar},
      {u"a.tar", atTar}, {u"a.deb", atTar},  {u"a.rpm", atTar},  {u"a.cpio", atTar},  {u"a.z", atTgz},
      {u"a.gz", atTgz},  {u"a.tgz", atTgz},  {u"a.taz", atTgz},  {u"a.7z", at7z},     {u"A.ZIP", atZip},
      {u"x.Lzh", atLha}, {u"x.tar.GZ", atTgz}, {u"x.exe", atAutoDetect}, {u"X.EXE", atAutoDetect},
      {u"x.txt", atNone}, {u"noext", atNone}, {u"C:\\dir.zip\\file", atNone}, {u"dir.lzh/", atNone},
      {u"x.zip.", atNone}, {u".zip", atZip},
  };
  for (const auto& [name, type] : cases) EXPECT_EQ(ArchiverTypeFromName(name), type) << Utf8(name);
  EXPECT_EQ(int{atAutoDetect}, 14);
  EXPECT_EQ(int{at7z}, 12);
}

TEST(ArchiverTypes, ClassesExistExactlyForTheServedTypes) {
  for (int t = atLha; t <= atAutoDetect; ++t) {
    const auto type = static_cast<TArchiverType>(t);
    const bool served = type != atGCA && type != atBel && type != atNone && type != atAutoDetect;
    EXPECT_EQ(FindArchiverInfo(type) != nullptr, served) << t;
  }
  EXPECT_EQ(FindArchiverInfo(atCab)->libraries.front(), u"CAB32.DLL");
  EXPECT_EQ(FindArchiverInfo(atBZ2)->prefix, u"Tar");
}

TEST(ArchiverTypes, ContentTellsTheBuiltInFormatsOnly) {
  EXPECT_EQ(ArchiverTypeFromContent(BuildZip({{"a.ttf", Payload(100, 1)}})), atZip);
  EXPECT_EQ(ArchiverTypeFromContent(BuildCab({{"a.ttf", Payload(100, 1)}})), atCab);
  EXPECT_EQ(ArchiverTypeFromContent(BuildLzh({{"a.ttf", Payload(100, 1)}})), atLha);
  EXPECT_EQ(ArchiverTypeFromContent(Bytes{'R', 'a', 'r', '!', 0x1A, 7, 0}), atNone);
  EXPECT_EQ(ArchiverTypeFromContent(Bytes{}), atNone);
}

TEST(ArchiverCommandLine, SwitchRules) {
  TCmdOpt command(u"x");
  command.AddNumeric(u"x", 0);
  command.AddNumeric(u"jso", 1);
  command.AddNumeric(u"a", -1);
  command.AddBoolean(u"j", true);
  command.AddBoolean(u"o", false);
  command.AddString(u"w", u"");
  command.AddString(u"", u"C:\\a b.lzh");
  command.AddString(u"jx", u"*.txt");
  command.AddString(u" /p", u"pw");
  EXPECT_EQ(command.Text(), u"x -x0 -jso1 -j \"C:\\a b.lzh\" \"-jx*.txt\" \"/ppw\"");

  TCmdOpt quoting;
  quoting.SetQuoting(true);
  quoting.AddString(u"w", u"C:\\作業");
  quoting.AddString(u" /p", u"pw");
  quoting.AddString(u"", u"v");
  EXPECT_EQ(quoting.Text(), u" -w \"C:\\作業\" /p \"pw\" \"v\"");
}

TEST(ArchiverCommandLine, FolderGetsOneTrailingDelimiterAndFileListsQuoteEachPattern) {
  TCmdOpt command;
  command.AddFolder(u"", u"C:\\work");
  command.AddFolder(u"h", u"C:\\work\\");
  command.AddFolder(u"", u"");
  command.AddFolder(u"", u"C:\\ソ");  // ソ is 83 5C in CP932: the UTF-16 text has no delimiter at its end
  EXPECT_EQ(command.Text(), u" \"C:\\work\\\" \"-hC:\\work\\\" \"C:\\ソ\\\"");

  TCmdOpt list;
  EXPECT_EQ(list.AddFileList({u"", u"*.ttf"}), u"");
  EXPECT_EQ(list.Text(), u" \"\" \"*.ttf\"");
  TCmdOpt response;
  EXPECT_EQ(response.AddFileList({u"a.ttf", u"b c.otf"}, u"C:\\r.txt"), u"\"a.ttf\"\r\n\"b c.otf\"\r\n");
  EXPECT_EQ(response.Text(), u" @C:\\r.txt");
}

TArchiverOptions BrowserOptions() {
  TArchiverOptions options;
  options.w = u"C:\\T\\VELURA__TEMP";
  options.x = 0, options.jse = 0, options.jso = 1, options.jyo = 1, options.gyo = 1;
  return options;
}

TEST(ArchiverCommandLine, ExtractionCommandsOfTheBrowser) {
  const TArchiverOptions options = BrowserOptions();
  const std::u16string work = options.w;
  EXPECT_EQ(BuildExtractCommand(*FindArchiverInfo(atLha), options, u"C:\\f.lzh", work, {u""}).line,
            u"x -+ -x0 -jse0 -jso1 -jyo1 -gyo1 \"-wC:\\T\\VELURA__TEMP\" \"C:\\f.lzh\" \"C:\\T\\VELURA__TEMP\\\" \"\"");
  EXPECT_EQ(BuildExtractCommand(*FindArchiverInfo(atZip), options, u"C:\\f.zip", work, {u""}).line,
            u"-x -j \"C:\\f.zip\" \"C:\\T\\VELURA__TEMP\\\" \"\"");
  EXPECT_EQ(BuildExtractCommand(*FindArchiverInfo(atCab), options, u"C:\\f.cab", work, {u""}).line,
            u"-x \"-hC:\\T\\VELURA__TEMP\\\" -j \"C:\\f.cab\" \"C:\\T\\VELURA__TEMP\\\" \"\"");
}

TEST(ArchiverCommandLine, OtherSwitchesOfZipAndCabAndTheUserTexts) {
  TArchiverOptions options;
  options.c = 1, options.n = 1, options.r = 1, options.ji = 1, options.x = 1;
  options.UserOptions = u"-u1", options.UserFileList = u"*.ttc";
  EXPECT_EQ(BuildExtractCommand(*FindArchiverInfo(atZip), options, u"a.zip", u"D", {u"*.ttf"}).line,
            u"-x -o --i -u1 \"a.zip\" \"D\\\" \"*.ttf\" *.ttc");
  EXPECT_EQ(BuildExtractCommand(*FindArchiverInfo(atCab), options, u"a.cab", u"", {}).line,
            u"-x -o -i -r -q -u1 \"a.cab\" *.ttc");
  options.n = 0, options.c = 0;
  EXPECT_EQ(BuildExtractCommand(*FindArchiverInfo(atZip), options, u"a.zip", u"", {}, true).line,
            u"-x --i -u1 \"a.zip\" *.ttc");

  options.ResFileName = u"R";
  const ArchiverCommand viaFile = BuildExtractCommand(*FindArchiverInfo(atZip), options, u"a.zip", u"", {u"x"});
  EXPECT_EQ(viaFile.responseFile, u"R");
  EXPECT_EQ(viaFile.responseText, u"\"x\"\r\n");
  options.ResFileUsage = {ruOnPack};
  EXPECT_TRUE(BuildExtractCommand(*FindArchiverInfo(atZip), options, u"a.zip", u"", {u"x"}).responseFile.empty());
}

TEST(ArchiverCommandLine, LhaStyleNeedsJseAndJsoAndEmitsJxEntriesInOrder) {
  TArchiverOptions options;
  try {
    BuildExtractCommand(*FindArchiverInfo(atLha), options, u"a.lzh", u"", {});
    FAIL();
  } catch (const EArchiver& e) {
    EXPECT_EQ(e.Message(), u"jse オプションが設定されていません。");
  }
  options.jse = 0;
  try {
    BuildExtractCommand(*FindArchiverInfo(atArj), options, u"a.arj", u"", {});
    FAIL();
  } catch (const EArchiver& e) {
    EXPECT_EQ(e.Message(), u"jso オプションが設定されていません。");
  }
  options.jso = 0, options.gyx = 2, options.a = 1, options.jo = u"J", options.gyw = u"G";
  options.jx = {u"*.txt", u"*.doc"};
  EXPECT_EQ(BuildExtractCommand(*FindArchiverInfo(atLha), options, u"a.lzh", u"", {}).line,
            u"x -+ -a1 -jse0 -jso0 -gyx2 \"-joJ\" \"-gywG\" \"-jx*.txt\" \"-jx*.doc\" \"a.lzh\"");
}

TEST(ArchiverErrors, TextsAreFilledExactly) {
  EXPECT_EQ(NoLibraryError(*FindArchiverInfo(atLha)).Message(), u"LHA 形式書庫 を扱うには UNLHA32.DLL が 必要です。");
  EXPECT_EQ(NoLibraryError(*FindArchiverInfo(atTgz)).Message(),
            u"tar/tgz/taz/bz2 形式書庫 を扱うには TAR32.DLL が 必要です。");
  EXPECT_EQ(NoLibraryError(*FindArchiverInfo(atZip)).Message(),
            u"ZIP 形式書庫の解凍には UNZIP32.DLL または LMZIP32.DLL が必要です。");
  EXPECT_EQ(NoEntryError(*FindArchiverInfo(atRar), u"C:\\p\\UNRAR32.DLL", u"UnrarFindNext").Message(),
            u"C:\\p\\UNRAR32.DLL に UnrarFindNext のエントリが見つかりません。");
  EXPECT_EQ(NoEntryError(*FindArchiverInfo(atZip), u"C:\\UNZIP32.DLL", u"UnZipFindFirst").Message(),
            u"UnZipFindFirst のエントリが DLL に見つかりませんでした。");
  EXPECT_EQ(FormatArchiverText(u"%1:s-%0:s-%2:s-%", {u"a", u"b"}), u"b-a-%2:s-%");
  const ENoArchiverDLL error = NoLibraryError(*FindArchiverInfo(atLha));
  EXPECT_NE(dynamic_cast<const UserError*>(&error), nullptr);
}

TEST(MemberMask, WildcardsWithoutRegardToCase) {
  EXPECT_TRUE(MatchesMemberMask(u"fonts\\a.ttf", u"*.*"));
  EXPECT_TRUE(MatchesMemberMask(u"README", u"*.*"));
  EXPECT_TRUE(MatchesMemberMask(u"x", u""));
  EXPECT_TRUE(MatchesMemberMask(u"Fonts\\A.TTF", u"*.ttf"));
  EXPECT_TRUE(MatchesMemberMask(u"ａ.ttf", u"Ａ.TTF"));
  EXPECT_TRUE(MatchesMemberMask(u"a1b.otf", u"a?b.*"));
  EXPECT_TRUE(MatchesMemberMask(u"aXbXc", u"a*b*c"));
  EXPECT_FALSE(MatchesMemberMask(u"a.ttf.txt", u"*.ttf"));
  EXPECT_FALSE(MatchesMemberMask(u"ab.otf", u"a?b.*"));
  EXPECT_FALSE(MatchesMemberMask(u"", u"?"));
}

Bytes PeHead(std::uint32_t headerAt, std::uint16_t machine) {
  Bytes head(headerAt + 24, 0);
  head[0] = 'M', head[1] = 'Z';
  head[0x3C] = static_cast<std::uint8_t>(headerAt), head[0x3D] = static_cast<std::uint8_t>(headerAt >> 8);
  head[headerAt] = 'P', head[headerAt + 1] = 'E';
  head[headerAt + 4] = static_cast<std::uint8_t>(machine), head[headerAt + 5] = static_cast<std::uint8_t>(machine >> 8);
  return head;
}

TEST(PeMachineCheck, ReadsTheMachineWhereTheDosHeaderPoints) {
  EXPECT_EQ(PeMachine(PeHead(0x80, kMachineI386)), kMachineI386);
  EXPECT_EQ(PeMachine(PeHead(0xF8, kMachineAmd64)), kMachineAmd64);
  Bytes notPe = PeHead(0x80, kMachineAmd64);
  notPe[0x81] = 'X';
  EXPECT_EQ(PeMachine(notPe), 0);
  Bytes cut = PeHead(0x80, kMachineAmd64);
  cut.resize(0x85);  // the machine field is cut off
  EXPECT_EQ(PeMachine(cut), 0);
  Bytes far = PeHead(0x80, kMachineAmd64);
  far[0x3F] = 0x7F;  // points 2 GiB away
  EXPECT_EQ(PeMachine(far), 0);
  EXPECT_EQ(PeMachine(Bytes{'M', 'Z'}), 0);
  EXPECT_NE(OwnMachine(), 0);
}

}  // namespace
}  // namespace velura::archive_testing
