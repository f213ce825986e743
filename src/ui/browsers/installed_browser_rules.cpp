#include "ui/browsers/installed_browser_rules.h"

#include <algorithm>
#include <cmath>

#include "platform/text.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"
#include "ui/fontviews/file_ticks.h"

namespace velura {

namespace installed_enable {
// Machine-wide fonts need an administrator; this user's own fonts do not.
bool Uninstall(const InstalledBrowserState& s) { return s.anyTicked && (s.isAdmin || s.anyTickedPerUser); }
bool CopyTicked(const InstalledBrowserState& s) { return s.anyTicked; }
bool Exports(const InstalledBrowserState& s) { return s.nodeCount > 0; }
}  // namespace installed_enable

bool IsFolderNode(const FileTree& tree, FileTree::Node node) { return node && !tree.Parent(node); }

bool IsFileNode(const FileTree& tree, FileTree::Node node) {
  if (!node || !tree.Record(node)) return false;
  const FileTree::Node parent = tree.Parent(node);
  return parent && tree.Record(parent) != tree.Record(node);
}

FileTree::Node TopFolderOf(const FileTree& tree, FileTree::Node node) {
  while (node && tree.Parent(node)) node = tree.Parent(node);
  return node;
}

bool AnyTickedNode(const FileTree& tree, bool perUserOnly) {
  bool ticked = false;
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    const TFileDataItem* record = tree.Record(node);
    if (record && record->Has(Selected) && (!perUserOnly || record->Has(PerUser))) ticked = true;
  });
  return ticked;
}

InstalledSummary SummarizeInstalledTree(const FileTree& tree, FileTree::Node selected) {
  InstalledSummary s;
  const FileTree::Node current = TopFolderOf(tree, selected);
  bool inside = false;
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    const TFileDataItem* record = tree.Record(node);
    if (!record) {
      if (IsFolderNode(tree, node)) {
        ++s.folders;
        inside = current && node == current;
      }
      return;
    }
    const int font = record->UseFullName ? 0 : 1;
    if (IsFileNode(tree, node)) {
      ++s.files;
      s.fonts += font;
      s.totalBytes += record->FileSize;
      if (record->Has(Selected)) {
        ++s.checkedFiles;
        s.checkedBytes += record->FileSize;
      }
      if (inside) {
        ++s.folderFiles;
        s.folderFonts += font;
        s.folderBytes += record->FileSize;
      }
    } else {
      s.fonts += font;
      if (inside) s.folderFonts += font;
    }
  });
  return s;
}

std::u16string GroupedNumber(double value, int decimals) {
  const double scale = decimals == 0 ? 1.0 : std::pow(10.0, decimals);
  const long long scaled = std::llround(value * scale);  // halves away from zero
  const bool negative = scaled < 0;
  const std::u16string digits = DecimalU16(negative ? -scaled : scaled);
  std::u16string whole, fraction;
  if (decimals > 0) {
    const std::u16string padded = digits.size() <= static_cast<std::size_t>(decimals)
                                      ? std::u16string(decimals + 1 - digits.size(), u'0') + digits
                                      : digits;
    whole = padded.substr(0, padded.size() - decimals);
    fraction = padded.substr(padded.size() - decimals);
  } else {
    whole = digits;
  }
  std::u16string grouped;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += u',';
    grouped += whole[i];
  }
  return (negative ? u"-" : u"") + grouped + (decimals > 0 ? u"." + fraction : u"");
}

namespace {

double Kb(std::int64_t bytes) { return static_cast<double>(bytes) / 1024.0; }
double Mb(std::int64_t bytes) { return static_cast<double>(bytes) / 1024.0 / 1024.0; }

}  // namespace

std::array<std::u16string, 5> SummaryTexts1(const InstalledSummary& s) {
  return {u"総ファイル数： " + DecimalU16(s.files), u"総フォント数： " + DecimalU16(s.fonts),
          u"総ファイルサイズ： " + GroupedNumber(Mb(s.totalBytes), 1) + u"MB",
          u"選択ファイル数： " + DecimalU16(s.checkedFiles),
          u"選択ファイルサイズ： " + GroupedNumber(Kb(s.checkedBytes), 0) + u"KB(" +
              GroupedNumber(Mb(s.checkedBytes), 1) + u"MB)"};
}

std::array<std::u16string, 4> SummaryTexts2(const InstalledSummary& s) {
  return {u"インストール先： " + DecimalU16(s.folders) + u"ケ所",
          u"フォルダ内のファイル数： " + DecimalU16(s.folderFiles),
          u"フォルダ内のフォント数： " + DecimalU16(s.folderFonts),
          u"フォルダ内のファイルサイズ： " + GroupedNumber(Mb(s.folderBytes), 1) + u"MB"};
}

void TickAllInFolder(FileTree& tree, FileTree::Node selected, bool tick) {
  const FileTree::Node folder = TopFolderOf(tree, selected);
  if (!folder) return;
  ForEachNode(tree, tree.FirstChild(folder), [&](FileTree::Node node) {
    TFileDataItem* record = tree.Record(node);
    if (!record || record->Has(SystemFont)) return;
    const int image = tree.StateImage(node);
    record->Set(Selected, tick);
    if (tick && IsUntickedImage(image)) tree.SetStateImage(node, image + 1);
    if (!tick && !IsUntickedImage(image)) tree.SetStateImage(node, image - 1);
  });
}

namespace {

// Calls visit for every file node in tree order.
template <class Visit>
void ForEachFileNode(const FileTree& tree, Visit&& visit) {
  for (FileTree::Node folder = tree.First(); folder; folder = tree.NextSibling(folder))
    for (FileTree::Node file = tree.FirstChild(folder); file; file = tree.NextSibling(file))
      if (tree.Record(file)) visit(file);
}

// The file is no longer ticked: its node and its fonts' nodes show so.
void Untick(FileTree& tree, FileTree::Node file) {
  TFileDataItem& record = *tree.Record(file);
  record.Set(Selected, false);
  const int image = StateImageIndex(record);
  tree.SetStateImage(file, image);
  for (FileTree::Node child = tree.FirstChild(file); child; child = tree.NextSibling(child))
    tree.SetStateImage(child, image);
}

}  // namespace

void UntickMachineWideFiles(FileTree& tree) {
  ForEachFileNode(tree, [&](FileTree::Node file) {
    const TFileDataItem& record = *tree.Record(file);
    if (record.Has(Selected) && !record.Has(PerUser)) Untick(tree, file);
  });
}

GuardOutcome RunUninstallGuard(FileTree& tree, const UninstallGuardAsk& ask) {
  bool somethingToDelete = false;
  bool cancelled = false;
  ForEachFileNode(tree, [&](FileTree::Node file) {
    if (cancelled) return;
    const TFileDataItem& record = *tree.Record(file);
    if (!record.Has(Selected)) return;
    if (record.Has(SystemFont)) {  // before Protected: what Windows needs is never offered for deletion
      if (ask.systemFont) ask.systemFont(record);
      Untick(tree, file);
      return;
    }
    if (record.Has(Protected)) {
      const ProtectedAnswer answer = ask.protectedFont ? ask.protectedFont(record) : ProtectedAnswer::Cancel;
      if (answer == ProtectedAnswer::Cancel) {
        cancelled = true;
        return;
      }
      if (answer == ProtectedAnswer::Keep) {
        Untick(tree, file);
        return;
      }
    }
    somethingToDelete = true;
  });
  if (cancelled) return GuardOutcome::Cancelled;
  return somethingToDelete ? GuardOutcome::Proceed : GuardOutcome::NothingToDelete;
}

std::u16string SystemFontText(const TFileDataItem& record) {
  return FileNamePart(record.Path) + u"\r\n" + u"このフォントは特殊なフォントです\r\n" +
         u"あまりに危険なので削除対象から除外します";
}

std::u16string ProtectedQuestionText(const TFileDataItem& record) {
  return FileNamePart(record.Path) + u" ( " + FileNamePart(record.SystemName) + u" )" + u"\r\n\r\n" +
         u"このフォントはシステムのレジストリ\r\n" + u"[FontMapper , FontSubstitutes , FontLink\\SystemLink]\r\n" +
         u"のいずれかに登録されている（あるいは関連した）フォントです\r\n\r\n" +
         u"通常は削除しないでください　深刻な不具合が起こる可能性があります\r\n\r\n" +
         u"人柱覚悟でこのフォントを削除する場合は「はい」\r\n" +
         u"このフォントを削除対象から外して操作を継続する場合は「いいえ」\r\n" +
         u"操作をやめる場合は「キャンセル」\r\n" + u"を押してください";
}

const char16_t kUninstallConfirmText[] =
    u"選択されているフォントファイルを削除します\r\n\r\n誤ってシステムに必要なフォントを削除すると\r\n"
    u"深刻な不具合が起こる可能性があります\r\n\r\n本当に削除してよろしいですか？\r\n\r\n"
    u"対象フォントを削除する場合は「はい」\r\n対象フォントを削除せずレジストリの記述のみ削除する場合は「いいえ」\r\n"
    u"操作をやめる場合は「キャンセル」\r\nを押してください\r\n（フォントを削除する場合は通常「はい」を選択してください"
    u"）";

std::vector<TFileDataItem*> TickedFileRecords(const FileTree& tree) {
  std::vector<TFileDataItem*> records;
  ForEachFileNode(tree, [&](FileTree::Node file) {
    TFileDataItem* record = tree.Record(file);
    if (record->Has(Selected) && std::find(records.begin(), records.end(), record) == records.end())
      records.push_back(record);
  });
  return records;
}

void RemoveRegistryEntriesOnly(const std::vector<TFileDataItem*>& records, TFileData_installed& list,
                               TRegFontData& registry) {
  for (TFileDataItem* record : records) {
    // The value naming this very file first, as uninstalling does: a font elsewhere that shares the file
    // name keeps its value.
    // A per-user font's value is the current user's and names its file by full path: only that one goes.
    const bool removed = record->Has(PerUser) ? registry.DeleteUserFontValueForFile(record->Path)
                                              : registry.DeleteFontValueForFile(record->Path) ||
                                                    registry.DeleteFontValueByFile(FileNamePart(record->Path));
    if (!removed) continue;
    record->Flags = Installed | InstalledNow;
    for (std::size_t i = 0; i < list.Items.size(); ++i) {
      if (list.Items[i].get() != record) continue;
      list.Delete(i);
      break;
    }
  }
}

}  // namespace velura
