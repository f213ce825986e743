#include "cli/install_sources.h"

#include "platform/text.h"
#include "records/font_file_names.h"

namespace velura {

namespace {

constexpr std::uint32_t kDirectoryAttribute = 16;

class SourceCollector {
 public:
  SourceCollector(bool recurse, CliServices& cli, CliReport& report) : recurse_(recurse), cli_(cli), report_(report) {}

  void AddOperand(const std::u16string& path) {
    if (cli_.Files.Exists(path)) {
      if (IsFontFileName(path)) sources_.push_back({path, path});
      else if (IsArchiveFileName(path)) AddArchive(path, true);
      else Fail(path, u"フォントファイルでも書庫でもありません");
      return;
    }
    if (!AddFolder(path)) Fail(path, u"ファイルまたはフォルダーが見つかりません");
  }

  std::vector<InstallSource> Take() { return std::move(sources_); }

 private:
  // False when the path is no folder that can be listed.
  bool AddFolder(const std::u16string& folder) {
    const std::vector<FolderEntry> entries = cli_.Files.ListFolder(folder);
    if (entries.empty()) return false;
    std::u16string prefix = folder;
    if (prefix.back() != u'\\') prefix += u'\\';
    std::vector<std::u16string> subfolders;
    for (const FolderEntry& entry : entries) {
      if (entry.Name == u"." || entry.Name == u"..") continue;
      const std::u16string path = prefix + entry.Name;
      if (entry.Attributes & kDirectoryAttribute) subfolders.push_back(path);
      else if (IsFontFileName(entry.Name)) sources_.push_back({path, path});
      else if (IsArchiveFileName(entry.Name)) AddArchive(path, false);
    }
    if (recurse_)
      for (const auto& subfolder : subfolders) AddFolder(subfolder);
    return true;
  }

  // An archive named on the command line that gives no font is a failure; one met in a folder is passed by.
  void AddArchive(const std::u16string& archive, bool named) {
    const std::u16string work = cli_.WorkFolder + u"\\" + DecimalU16(++archives_);
    const std::u16string opened = OpenArchive(archive, work, cli_.Archives, cli_.Engine, cli_.Files, [] {});
    std::vector<std::u16string> fonts;
    if (!opened.empty()) cli_.Engine.ScanFolder(opened, fonts, nullptr);
    if (fonts.empty()) {
      if (named) Fail(archive, u"書庫からフォントを取り出せませんでした");
      return;
    }
    for (auto& font : fonts) sources_.push_back({std::move(font), archive});
  }

  void Fail(const std::u16string& path, std::u16string reason) {
    CliItem item;
    item.Name = path;
    item.Action = CliAction::Failed;
    item.Reason = std::move(reason);
    report_.Add(std::move(item));
  }

  bool recurse_;
  CliServices& cli_;
  CliReport& report_;
  std::vector<InstallSource> sources_;
  int archives_ = 0;
};

}  // namespace

std::vector<InstallSource> CollectInstallSources(const std::vector<std::u16string>& operands, bool recurse,
                                                 CliServices& cli, CliReport& report) {
  SourceCollector collector(recurse, cli, report);
  for (const auto& operand : operands) collector.AddOperand(operand);
  return collector.Take();
}

}  // namespace velura
