#include "ui/onetime/onetime_rules.h"

#include "platform/text.h"
#include "records/record_rules.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/font_info.h"

namespace velura {

namespace onetime_enable {
bool EntryCommands(const OneTimeState& s) { return s.entrySelected; }
bool GroupCommands(const OneTimeState& s) { return s.groupSelected; }
bool FontViewCommands(const OneTimeState& s) { return s.fontNodes > 0; }
bool Install(const OneTimeState& s) { return s.anyFontTicked; }
bool ExportTreeTxt(const OneTimeState& s) { return s.groupSelected && s.groupRegistered; }
}  // namespace onetime_enable

bool HasFontExtension(const std::u16string& path) {
  if (path.size() < 4) return false;
  const std::u16string extension = AsciiLower(std::u16string_view(path).substr(path.size() - 4));
  return extension == u".ttf" || extension == u".ttc" || extension == u".otf";
}

ManualPath CheckManualPath(const std::u16string& text) {
  const std::u16string_view t(text);
  const bool relative =
      t.starts_with(u"./") || t.starts_with(u"../") || t.starts_with(u".\\") || t.starts_with(u"..\\");
  const bool fromDrive = t.size() >= 3 && t[1] == u':' && (t[2] == u'\\' || t[2] == u'/');
  if (!relative && !fromDrive) return ManualPath::Rejected;
  return HasFontExtension(text) ? ManualPath::File : ManualPath::Folder;
}

CheckedPath CheckExistingPath(const std::u16string& path, bool isFolder, bool isFile) {
  if (isFolder) return CheckedPath::Folder;
  if (isFile && HasFontExtension(path)) return CheckedPath::File;
  return CheckedPath::Skip;
}

namespace {

void AddEntries(const TGroupItem& group, ContentSection section, std::vector<ContentEntry>& folders,
                std::vector<ContentEntry>& files) {
  for (const auto& path : group.PathCollection) (path->IsDir ? folders : files).push_back({path.get(), section});
}

}  // namespace

ContentPlan PlanContent(const TGroupItem& group) {
  ContentPlan plan;
  AddEntries(group, ContentSection::Own, plan.ownFolders, plan.ownFiles);
  for (const TGroupItem* child : Descendants(group))
    AddEntries(*child, ContentSection::Descendants, plan.childFolders, plan.childFiles);
  return plan;
}

std::uint32_t ContentEntryColour(ContentSection section, bool isDir) {
  constexpr std::uint32_t kGreen = 0x008000, kBlue = 0xFF0000, kNavy = 0x800000, kPurple = 0x800080;  // BGR
  if (section == ContentSection::Own) return isDir ? kGreen : kBlue;
  return isDir ? kNavy : kPurple;
}

std::vector<TNameItem*> EntriesOfGroupAndDescendants(const TGroupItem& group) {
  std::vector<TNameItem*> entries;
  for (const auto& path : group.PathCollection) entries.push_back(path.get());
  for (const TGroupItem* child : Descendants(group))
    for (const auto& path : child->PathCollection) entries.push_back(path.get());
  return entries;
}

std::u16string RemovedCountText(int count) { return DecimalU16(count) + u" 件の項目を削除しました"; }
std::u16string RemovedAskOthersText(int count) {
  return DecimalU16(count) + u" 件の項目を削除しました\r\n" + u"引き続きすべてのグループで自動削除処理しますか？";
}
std::u16string RemovedTotalText(int count) { return u"合計 " + DecimalU16(count) + u" 件の項目を削除しました"; }

FontViewSummary SummarizeFontView(const FileTree& tree) {
  FontViewSummary s;
  for (FileTree::Node node = tree.First(); node; node = tree.NextSibling(node)) {
    const TFileDataItem* record = tree.Record(node);
    if (!record) continue;
    ++s.files;
    if (record->Has(Selected)) {
      ++s.ticked;
      s.tickedBytes += static_cast<std::uint32_t>(record->FileSize);
    }
  }
  return s;
}

std::u16string FileCountPanel(const FontViewSummary& s) { return u" ファイル数： " + DecimalU16(s.files); }
std::u16string TickedPanel(const FontViewSummary& s) {
  return u" 選択数： " + DecimalU16(s.ticked) + u" （" + FileSizeText(s.tickedBytes) + u"）";
}

namespace {

std::u16string CsvField(const std::u16string& text) {
  if (text.find_first_of(u",\"\r\n") == std::u16string::npos) return text;
  std::u16string quoted = u"\"";
  for (char16_t c : text) {
    if (c == u'"') quoted += u'"';
    quoted += c;
  }
  return quoted + u"\"";
}

std::u16string FileNameOf(const std::u16string& path) {
  const std::size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<std::u16string> FontViewCsvLines(const FileTree& tree) {
  std::vector<std::u16string> lines{u"FullFontName,FontFamilyName,FileName,FileSize"};
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    const TFileDataItem* record = tree.Record(node);
    if (!record || record->FaceCount <= 0 || record->DisplayNames.empty()) return;
    // A collection's face node carries that face's names; a face past the names falls back to the first.
    const std::size_t face = static_cast<std::size_t>(FaceIndexOfNode(tree, node));
    const TetcData& d = record->DisplayNames[face < record->DisplayNames.size() ? face : 0];
    lines.push_back(CsvField(d.DisplayFullName) + u"," + CsvField(d.DisplayFamilyName) + u"," +
                    CsvField(FileNameOf(record->Path)) + u"," + DecimalU16(SizeInKb(record->FileSize)) + u"KB");
  });
  return lines;
}

}  // namespace velura
