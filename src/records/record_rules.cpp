#include "records/record_rules.h"

#include <unordered_set>

#include "platform/text.h"
#include "records/reg_font_rules.h"

namespace velura {

namespace {

std::u16string_view TrimBlanks(std::u16string_view text) {
  auto blank = [](char16_t c) { return c == u' ' || c == u'\u3000'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::u16string AsciiUpper(std::u16string_view text) {
  std::u16string upper(text);
  for (auto& c : upper)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return upper;
}

std::u16string CsvField(const std::u16string& field) {
  if (field.find_first_of(u",\"\r\n") == std::u16string::npos) return field;
  std::u16string quoted = u"\"";
  for (char16_t c : field) {
    if (c == u'"') quoted += u'"';
    quoted += c;
  }
  return quoted + u"\"";
}

}  // namespace

bool UseFullNameFor(const TTFontFileData& face) {
  if (AsciiLower(face.SubfamilyName).find(u"regular") != std::u16string::npos) return false;
  return TrimBlanks(face.FamilyName) != TrimBlanks(face.FullName);
}

std::u16string RegistryValueName(const TFileDataItem& record) {
  if (record.Faces.empty()) return u" (TrueType)";
  std::u16string name = record.UseFullName ? record.Faces[0].FullName : record.Faces[0].FamilyName;
  for (std::size_t i = 1; i < record.Faces.size(); ++i) name += u" & " + record.Faces[i].FullName;
  return name + u" (TrueType)";
}

std::u16string RegistryValueData(const TFileDataItem& record, std::u16string_view destinationFolder,
                                 std::u16string_view fontsFolder, const RegTextFolding& folding) {
  const std::u16string fileName = AsciiUpper(FileNamePart(record.Path));
  if (folding.Lower(destinationFolder) == folding.Lower(fontsFolder)) return fileName;
  std::u16string data(destinationFolder);
  if (data.empty() || data.back() != u'\\') data += u'\\';
  return data + fileName;
}

std::u16string DisplayText(const TFileDataItem& record, std::size_t face) {
  const TetcData& d = record.DisplayNames.at(face);
  const std::u16string file = u" (" + FileNamePart(record.Path) + u")";
  if (record.UseFullName) return d.DisplayFamilyName + u" -> " + d.DisplayFullName + file;
  return d.DisplayFamilyName + file;
}

int StateImageIndex(const TFileDataItem& record) {
  int base;
  if (!(record.Flags & (Installed | OtherVersionInstalled | InstalledNow | RegisteredOnly))) {
    const std::uint16_t charset = record.DisplayNames.empty() ? 0 : record.DisplayNames[0].Charset;
    base = charset == 2 ? 7 : charset == 128 ? 5 : 3;
  } else if (record.Has(RegisteredOnly)) {
    base = 15;
  } else if (record.Has(OtherVersionInstalled)) {
    base = 9;
  } else if (record.Has(Installed)) {
    base = 1;
  } else {
    base = -1;
  }
  return record.Has(Selected) ? base + 1 : base;
}

std::int64_t SizeInKb(std::int64_t bytes) {
  std::int64_t whole = bytes / 1024;
  const std::int64_t rest = bytes % 1024;
  if (rest > 512 || (rest == 512 && whole % 2 == 1)) ++whole;
  return whole;
}

std::vector<std::u16string> CsvLines(const std::vector<std::unique_ptr<TFileDataItem>>& records) {
  std::vector<std::u16string> lines{u"FullFontName,FontFamilyName,FileName,FileSize"};
  for (const auto& record : records) {
    const std::u16string tail =
        u"," + CsvField(FileNamePart(record->Path)) + u"," + DecimalU16(SizeInKb(record->FileSize)) + u"KB";
    for (const TetcData& d : record->DisplayNames)
      lines.push_back(CsvField(d.DisplayFullName) + u"," + CsvField(d.DisplayFamilyName) + tail);
  }
  return lines;
}

void MarkFamilyMembers(std::vector<std::unique_ptr<TFileDataItem>>& records, const RegTextFolding& folding) {
  std::unordered_set<std::u16string> plainFamilies;
  for (const auto& record : records)
    if (!record->Faces.empty() && record->Faces[0].FullName == record->Faces[0].FamilyName)
      plainFamilies.insert(folding.Lower(record->Faces[0].FamilyName));
  for (auto& record : records)
    if (record->UseFullName && !record->Faces.empty())
      record->FamilyMember = plainFamilies.count(folding.Lower(record->Faces[0].FamilyName)) != 0;
}

}  // namespace velura
