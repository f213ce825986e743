#include "fontfile/vocabulary.h"

#include "platform/text.h"

namespace velura {

std::u16string EncodingName(std::uint16_t encodingId) {
  switch (encodingId) {
    case 0: return u"ID:0 (Symbol)";
    case 1: return u"ID:1 (Unicode)";
    case 2: return u"ID:2 (ShiftJIS)";
    case 3: return u"ID:3 (PRC)";
    case 4: return u"ID:4 (Big5)";
    case 5: return u"ID:5 (Wansung)";
    case 6: return u"ID:6 (Johab)";
    case 7:
    case 8:
    case 9: return u"ID:" + DecimalU16(encodingId) + u" (Reserved)";
    case 10: return u"ID:10 (UCS-4)";
    default: return u"ID:" + DecimalU16(encodingId);
  }
}

std::u16string CmapFormatName(std::uint16_t format) {
  switch (format) {
    case 0: return u"Format 0: Byte encoding table";
    case 2: return u"Format 2: High-byte mapping through table";
    case 4: return u"Format 4: Segment mapping to delta values";
    case 6: return u"Format 6: Trimmed table mapping";
    case 8: return u"Format 8: mixed 16-bit and 32-bit coverage";
    case 10: return u"Format 10: Trimmed array ";
    case 12: return u"Format 12: Segmented coverage";
    default: return u"UnKnown(Format" + DecimalU16(format) + u")";
  }
}

namespace {

std::u16string CodePageBitName(int bit) {
  static constexpr const char16_t* kNamed[64] = {
      u"(1252) Latin 1", u"(1250) Latin 2", u"(1251) Cyrillic", u"(1253) Greek", u"(1254) Turkish",
      u"(1255) Hebrew", u"(1256) Arabic", u"(1257) Windows Baltic", u"(1258) Vietnamese",
      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 9-15
      u"( 874) Thai", u"( 932) JIS/Japan", u"( 936) Chinese: Simplified chars--PRC and Singapore",
      u"( 949) Korean Wansung", u"( 950) Chinese: Traditional chars--Taiwan and Hong Kong", u"(1361) Korean Johab",
      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 22-28
      u"(    ) Macintosh Character Set (US Roman)", u"(    ) OEM Character Set", u"(    ) Symbol Character Set",
      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 32-39
      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 40-47
      u"( 869) IBM Greek", u"( 866) MS-DOS Russian", u"( 865) MS-DOS Nordic", u"( 864) Arabic",
      u"( 863) MS-DOS Canadian French", u"( 862) Hebrew", u"( 861) MS-DOS Icelandic", u"( 860) MS-DOS Portuguese",
      u"( 857) IBM Turkish", u"( 855) IBM Cyrillic; primarily Russian", u"( 852) Latin 2", u"( 775) MS-DOS Baltic",
      u"( 737) Greek; former 437 G", u"( 708) Arabic; ASMO 708", u"( 850) WE/Latin 1", u"( 437) US",
  };
  if (kNamed[bit]) return kNamed[bit];
  const std::u16string number = DecimalU16(bit) + u")";
  if (bit <= 15) return u"(    ) Alternate ANSI(" + number;
  if (bit <= 28) return u"(    ) Alternate ANSI & OEM(" + number;
  return u"(    ) Reserved for OEM(" + number;
}

}  // namespace

std::vector<std::u16string> CodePageNames(std::uint32_t range1, std::uint32_t range2) {
  std::vector<std::u16string> names;
  const std::uint64_t bits = std::uint64_t{range2} << 32 | range1;
  for (int bit = 0; bit < 64; ++bit)
    if (bits >> bit & 1) names.push_back(CodePageBitName(bit));
  return names;
}

std::u16string CharsetName(std::uint16_t charset) {
  switch (charset) {
    case 0: return u"ANSI";
    case 1: return u"DEFAULT";
    case 2: return u"SYMBOL";
    case 77: return u"MAC";
    case 128: return u"SHIFT JIS";
    case 129: return u"HANGEUL";
    case 130: return u"JOHAB";
    case 134: return u"GB2312";
    case 136: return u"CHINESEBIG5";
    case 161: return u"GREEK";
    case 162: return u"TURKISH";
    case 163: return u"VIETNAMESE";
    case 177: return u"HEBREW";
    case 178: return u"ARABIC";
    case 186: return u"BALTIC";
    case 204: return u"RUSSIAN";
    case 222: return u"THAI";
    case 238: return u"EASTEUROPE";
    case 255: return u"OEM";
    default: return u"UnKnown(" + DecimalU16(charset) + u")";
  }
}

std::u16string PitchName(std::uint16_t pitchAndFamily) {
  std::u16string name = u"DEFAULT_PITCH";
  if (pitchAndFamily & 1) name = u"FIXED_PITCH";
  if (pitchAndFamily & 2) name = u"VARIABLE_PITCH";
  if (pitchAndFamily & 8) name = u"MONO_FONT";
  return name;
}

}  // namespace velura
