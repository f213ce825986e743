#include "archive/archiver_types.h"

#include <array>

#include "platform/text.h"

namespace velura {

namespace {

const std::array<ArchiverInfo, 11>& Classes() {
  static const std::array<ArchiverInfo, 11> kClasses{{
      {atLha, u"TLha32", {u"UNLHA32.DLL"}, u"Unlha", u"LHA 形式書庫", CommandStyle::Lha},
      {atZip, u"TZip32", {u"UNZIP32.DLL", u"ZIP32J.DLL", u"LMZIP32.DLL"}, u"UnZip", u"", CommandStyle::Zip},
      {atCab, u"TCab32", {u"CAB32.DLL"}, u"Cab", u"CAB 形式書庫", CommandStyle::Cab},
      {atArj, u"TArj32", {u"UNARJ32J.DLL"}, u"Unarj", u"ARJ 形式書庫", CommandStyle::Lha},
      {atTar, u"TTar32", {u"TAR32.DLL"}, u"Tar", u"tar/tgz/taz/bz2 形式書庫", CommandStyle::Lha},
      {atTgz, u"TTgz32", {u"TAR32.DLL"}, u"Tar", u"tar/tgz/taz/bz2 形式書庫", CommandStyle::Lha},
      {atBZ2, u"TBZ232", {u"TAR32.DLL"}, u"Tar", u"tar/tgz/taz/bz2 形式書庫", CommandStyle::Lha},
      {atRar, u"TRar32", {u"UNRAR32.DLL"}, u"Unrar", u"RAR 形式書庫", CommandStyle::Lha},
      {atBga, u"TBGA32", {u"BGA32.DLL"}, u"Bga", u"BGA 形式書庫", CommandStyle::Lha},
      {atYz1, u"TYZ1", {}, u"Yz1", u"YZ1 形式書庫", CommandStyle::Lha},
      {at7z, u"TSevenZip32", {u"7-zip32.dll"}, u"SevenZip", u"7z 形式書庫", CommandStyle::Lha},
  }};
  return kClasses;
}

struct NameRule {
  std::u16string_view extension;
  TArchiverType type;
};

constexpr NameRule kNameRules[] = {
    {u".lzh", atLha}, {u".cab", atCab}, {u".zip", atZip},  {u".jar", atZip},  {u".ear", atZip},
    {u".war", atZip}, {u".arj", atArj}, {u".rar", atRar},  {u".yz1", atYz1},  {u".gca", atGCA},
    {u".gza", atBga}, {u".bza", atBga}, {u".bz2", atBZ2},  {u".a", atTar},    {u".lib", atTar},
    {u".tar", atTar}, {u".deb", atTar}, {u".rpm", atTar},  {u".cpio", atTar}, {u".z", atTgz},
    {u".gz", atTgz},  {u".tgz", atTgz}, {u".taz", atTgz},  {u".7z", at7z},    {u".exe", atAutoDetect},
};

}  // namespace

const ArchiverInfo* FindArchiverInfo(TArchiverType type) {
  for (const ArchiverInfo& info : Classes())
    if (info.type == type) return &info;
  return nullptr;
}

TArchiverType ArchiverTypeFromName(std::u16string_view fileName) {
  const auto folderEnd = fileName.find_last_of(u"\\/");
  const std::u16string_view last = folderEnd == std::u16string_view::npos ? fileName : fileName.substr(folderEnd + 1);
  const auto dot = last.rfind(u'.');
  if (dot == std::u16string_view::npos) return atNone;
  const std::u16string extension = AsciiLower(last.substr(dot));
  for (const NameRule& rule : kNameRules)
    if (extension == rule.extension) return rule.type;
  return atNone;
}

bool BuiltInFormatOf(TArchiverType type, ArchiveFormat& format) {
  switch (type) {
    case atLha: format = ArchiveFormat::Lzh; return true;
    case atZip: format = ArchiveFormat::Zip; return true;
    case atCab: format = ArchiveFormat::Cab; return true;
    default: return false;
  }
}

TArchiverType ArchiverTypeOf(ArchiveFormat format) {
  switch (format) {
    case ArchiveFormat::Lzh: return atLha;
    case ArchiveFormat::Zip: return atZip;
    case ArchiveFormat::Cab: return atCab;
  }
  return atNone;
}

TArchiverType ArchiverTypeFromContent(std::span<const std::uint8_t> bytes) {
  // The signatures do not overlap, so asking once gives the answer of the first format that says yes.
  ArchiveFormat format;
  return DetectArchiveFormat(bytes, format) ? ArchiverTypeOf(format) : atNone;
}

}  // namespace velura
