#include "ui/fontviews/font_info.h"

#include "fontfile/vocabulary.h"
#include "platform/text.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"

namespace velura {

std::u16string FileSizeText(std::int64_t bytes) {
  const std::u16string digits = DecimalU16((bytes + 512) / 1024);  // halves round up, as number formatting does
  std::u16string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += u',';
    grouped += digits[i];
  }
  return grouped + u"KB";
}

std::array<int, 4> LanguageGridWidths(int clientWidth) { return {36, clientWidth / 4, clientWidth / 3, clientWidth / 3}; }

FontInfoTexts DescribeFace(const TFileDataItem& record, std::size_t face) {
  const TTFontFileData& f = record.Faces.at(face);
  const TetcData& d = record.DisplayNames.at(face);
  FontInfoTexts info;
  info.Type = f.IsOpenType ? u"OpenType" : u"TrueType";
  info.FontName = d.DisplayFamilyName.empty() ? f.FamilyName : d.DisplayFamilyName;
  info.FullName = d.DisplayFullName;
  info.PostScriptName = f.PostScriptName;
  info.Version = f.VersionString;
  info.FileName = FileNamePart(record.Path);
  info.Size = FileSizeText(record.FileSize);
  info.CopyrightLabel = u"Copyright (" + f.VendorId + u")";
  info.Copyright = f.LegalNotice;
  info.Charset = CharsetName(d.Charset);
  info.Pitch = PitchName(d.PitchAndFamily);
  info.CodePages = CodePageNames(f.CodePageRange1, f.CodePageRange2);
  for (const auto& language : f.Languages)
    info.LanguageRows.push_back({DecimalU16(language.LanguageId), language.LanguageName, language.FullName,
                                 language.FamilyName});
  return info;
}

}  // namespace velura
