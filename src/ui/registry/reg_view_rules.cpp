#include "ui/registry/reg_view_rules.h"

#include <algorithm>
#include <unordered_set>

#include "platform/text.h"
#include "records/reg_font_rules.h"

namespace velura {
namespace {

std::u16string Extension(std::u16string_view name, const RegTextFolding& folding) {
  const auto dot = name.find_last_of(u".\\");
  if (dot == std::u16string_view::npos || name[dot] != u'.') return {};
  return folding.Lower(name.substr(dot));
}

bool IsTrueTypeExtension(const std::u16string& ext) { return ext == u".ttf" || ext == u".ttc" || ext == u".otf"; }

bool IsFontExtension(const std::u16string& ext) {
  static const char16_t* const kFontExtensions[] = {u".fon", u".fnt", u".ttf", u".ttc", u".otf",
                                                    u".fot", u".mmm", u".pfb", u".pfm"};
  for (const auto* e : kFontExtensions)
    if (ext == e) return true;
  return false;
}

std::u16string Count(std::size_t n) { return DecimalU16(static_cast<std::int64_t>(n)); }

}  // namespace

RegViewTable BuildFontRows(const TRegDataArrray& fonts, std::u16string_view fontsFolder,
                           const std::function<bool(const std::u16string&)>& fileExists,
                           const RegTextFolding& folding) {
  RegViewTable table;
  std::unordered_set<std::u16string> seen;
  auto& stats = table.Statistics;
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    const TRegData& entry = fonts[i];
    RegViewRow row;
    row.No = Count(i + 1);
    row.FontName = entry.ValueName;
    row.FileName = FileNamePart(entry.File);
    row.Folder = FolderPart(entry.File);
    row.Missing = !fileExists(ResolveFontFile(entry.File, fontsFolder));
    row.Loaded = row.Missing ? u"×" : u"○";
    if (!IsTrueTypeExtension(Extension(row.FileName, folding))) {
      row.Mark = u"-";
      ++stats.NonTrueType;
    } else if (entry.LoadFailed) {
      row.Mark = u"NG";
      ++stats.ReadErrors;
    }
    ++stats.Total;
    if (row.Missing) ++stats.Missing;
    if (!seen.insert(folding.Lower(row.FileName)).second) ++stats.DuplicateNames;
    table.Rows.push_back(std::move(row));
  }
  return table;
}

std::array<std::u16string, 5> StatisticsPanelTexts(const RegViewStatistics& s) {
  return {u"総計：　" + Count(s.Total) + u" 件", u"ファイルなし：　" + Count(s.Missing) + u" 件",
          u"読込エラー：　" + Count(s.ReadErrors) + u" 件", u"TrueType以外：　" + Count(s.NonTrueType) + u" 件",
          u"ファイル名重複：　" + Count(s.DuplicateNames) + u" 件"};
}

std::u16string DeleteQuestion(std::size_t selected) {
  return u"選択された" + Count(selected) +
         u"件のレジストリ項目を削除します\r\n（レジストリの削除以外の操作はしません）\r\n\r\n"
         u"誤ってシステムに必要なファイルのレジストリを削除すると\r\n深刻な不具合が起こる可能性があります\r\n\r\n"
         u"本当に削除してよろしいですか？";
}

std::u16string DeleteReport(std::size_t selected, std::size_t succeeded, std::size_t failed) {
  if (succeeded == 0) return Count(failed) + u"件すべて失敗しました";
  return Count(selected) + u"件中　成功" + Count(succeeded) + u"件　失敗" + Count(failed) + u"件\r\n\r\n" +
         Count(succeeded) + u"件のレジストリ情報を削除しました)\r\n\r\nWindowsを再起動しないと反映されない場合があります";
}

std::u16string RepairReport(std::size_t succeeded) {
  return Count(succeeded) + u" 件のレジストリ情報を削除しました)\r\n\r\nWindowsを再起動しないと反映されない場合があります";
}

std::u16string RegistryStatusText(int controlTag) {
  std::u16string text = regview_text::kKeyBase;
  switch (controlTag) {
    case 1: return text + u"\\FontLink\\SystemLink";
    case 2: return text + u"\\FontSubstitutes";
    case 3: return text + u"\\FontMapper";
    default: return text;
  }
}

std::u16string FontFolderStatusText(std::size_t files, std::size_t unregisteredFonts, std::size_t otherFiles) {
  const std::u16string gap(8, u' ');
  return u"総ファイル数：　" + Count(files) + u" 件" + gap + u"未登録フォントファイル数：　" + Count(unregisteredFonts) +
         u" 件" + gap + u"フォント以外のファイル数：　" + Count(otherFiles) + u" 件";
}

std::u16string FontMapperDataText(std::uint32_t value) {
  static const char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string text = u"0x";
  for (int shift = 28; shift >= 0; shift -= 4) text.push_back(kHex[(value >> shift) & 0xF]);
  return text + u" (" + Count(value) + u")";
}

std::vector<std::u16string> SystemLinkChildren(std::u16string_view data, bool multiString) {
  std::vector<std::u16string> children;
  if (!multiString) {
    const auto text = data.substr(0, data.find(u'\0'));
    const auto piece = text.substr(0, text.find(u','));
    if (!piece.empty()) children.emplace_back(piece);
    return children;
  }
  std::size_t start = 0;
  while (start < data.size()) {
    auto end = data.find(u'\0', start);
    if (end == std::u16string_view::npos) end = data.size();  // data without its final zero characters
    auto piece = data.substr(start, end - start);
    piece = piece.substr(0, piece.find(u"\r\n"));
    if (!piece.empty()) children.emplace_back(piece);
    start = end + 1;
  }
  return children;
}

FontFolderFiles ClassifyFontFolder(const std::vector<std::u16string>& names, const TRegDataArrray& fonts,
                                   const RegTextFolding& folding) {
  std::unordered_set<std::u16string> registered;
  for (const auto& entry : fonts) registered.insert(folding.Lower(entry.File));
  FontFolderFiles files;
  files.All = names;
  for (const auto& name : names) {
    if (registered.count(folding.Lower(name))) continue;
    (IsFontExtension(Extension(name, folding)) ? files.UnregisteredFonts : files.Others).push_back(name);
  }
  return files;
}

bool ListedInFontFolder(std::u16string_view name, bool plainDirectory) {
  return !plainDirectory && name != u"." && name != u".." && !name.empty();
}

}  // namespace velura

namespace velura {

std::u16string CopyFailureText(std::size_t failed) {
  return u"コピーに失敗したファイルが " + DecimalU16(static_cast<std::int64_t>(failed)) + u"件 ありました";
}

std::u16string DeleteFailureText(std::size_t failed) {
  return u"削除に失敗したファイルが " + DecimalU16(static_cast<std::int64_t>(failed)) + u"件 ありました";
}

std::vector<std::u16string> OpenDialogPaths(std::u16string_view buffer) {
  std::vector<std::u16string_view> parts;
  std::size_t start = 0;
  while (start < buffer.size()) {
    const auto end = std::min(buffer.find(u'\0', start), buffer.size());
    if (end == start) break;  // the double zero ends the list
    parts.push_back(buffer.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::u16string> paths;
  if (parts.size() == 1) {
    paths.emplace_back(parts[0]);
    return paths;
  }
  for (std::size_t i = 1; i < parts.size(); ++i) {
    std::u16string folder(parts[0]);
    if (!folder.empty() && folder.back() != u'\\') folder.push_back(u'\\');
    paths.push_back(folder + std::u16string(parts[i]));
  }
  return paths;
}

}  // namespace velura
