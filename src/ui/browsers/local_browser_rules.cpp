#include "ui/browsers/local_browser_rules.h"

#include <algorithm>

#include "platform/text.h"
#include "ui/fontviews/font_info.h"

namespace velura {

namespace local_enable {
bool ListCommands(const LocalBrowserState& s) { return s.nodeCount >= 2; }
bool Install(const LocalBrowserState& s) {
  return ListCommands(s) && s.anyTicked && (s.isAdmin || s.installsPerUser);
}
bool CopyTicked(const LocalBrowserState& s) { return ListCommands(s) && s.anyTicked; }
bool ActiveFileCopy(const LocalBrowserState& s) { return ListCommands(s) && s.nodeSelected; }
bool SendOneTimeInst(const LocalBrowserState& s) { return ListCommands(s) && s.anyTicked && !s.archiveChosen; }
bool SendDirOneTimeInst(const LocalBrowserState& s) { return ListCommands(s) && !s.archiveChosen; }
bool OpenExplorer(const LocalBrowserState& s) { return s.folderSelected; }
}  // namespace local_enable

std::u16string FileStateText(const TFileDataItem& record) {
  if (record.Has(Installed)) return u"インストール済み(" + record.InstalledVersion + u")";
  return record.Has(RegisteredOnly) ? u"レジストリ登録済み" : u"未インストール";
}

TickSummary SummarizeTree(const FileTree& tree) {
  TickSummary summary;
  for (FileTree::Node top = tree.First(); top; top = tree.NextSibling(top)) {
    for (FileTree::Node node = tree.FirstChild(top); node; node = tree.NextSibling(node)) {
      const TFileDataItem* record = tree.Record(node);
      if (!record) continue;
      ++summary.files;
      ++summary.installable;
      if (record->Has(Installed)) --summary.installable;
      if (record->Has(RegisteredOnly)) --summary.installable;
      if (record->Has(OtherVersionInstalled)) ++summary.installable;
      if (record->Has(Selected)) {
        ++summary.tickedFiles;
        summary.tickedBytes += record->FileSize;
      }
    }
  }
  return summary;
}

std::u16string SelectionText(const TickSummary& summary) {
  return u" 選択数： " + DecimalU16(summary.tickedFiles) + u" （" + FileSizeText(summary.tickedBytes) + u"）";
}

std::u16string FileCountText(const TickSummary& summary) {
  return u" ファイル数： " + DecimalU16(summary.files) + u"　（インストール可能数： " + DecimalU16(summary.installable) +
         u"）";
}

std::u16string FileNameInNodeText(const std::u16string& text) {
  const auto open = text.find(u'(');
  const auto close = text.find(u')');
  if (open == std::u16string::npos || close == std::u16string::npos || close < open) return {};
  return text.substr(open + 1, close - open - 1);
}

std::u16string NetworkPlacePath(const std::u16string& path) {
  static const std::u16string kNetHood = u"\\NetHood\\";
  const auto at = path.find(kNetHood);
  if (at == std::u16string::npos) return path;
  const std::u16string rest = path.substr(at + kNetHood.size());
  const auto dash = rest.find(u" - ");
  if (dash == std::u16string::npos) return rest;
  const std::u16string share = rest.substr(0, dash), host = rest.substr(dash + 3);
  const auto open = host.find(u'(');
  if (open == std::u16string::npos) return u"\\\\" + host + u"\\" + share;
  const auto close = host.find(u')');
  if (close == std::u16string::npos) return host;
  return u"\\\\" + host.substr(open + 1, close - open - 1) + u"\\" + share;
}

std::u16string WorkFolderFor(bool useUserFolder, const std::u16string& userFolder, bool userFolderExists,
                             const std::u16string& systemTemp, bool& missing) {
  missing = false;
  if (useUserFolder && !userFolder.empty() && userFolderExists) return userFolder + u"\\VELURA__TEMP";
  // An empty user folder name has no parent to put the work folder in: the system folder serves.
  missing = useUserFolder && !userFolder.empty();
  return systemTemp + u"VELURA__TEMP";
}

}  // namespace velura
