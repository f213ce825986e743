#include "records/long_operations.h"

#include <unordered_set>

#include "platform/message_box.h"
#include "platform/user_error.h"
#include "records/font_file_names.h"
#include "records/pump_pacer.h"
#include "records/record_rules.h"
#include "records/reg_font_rules.h"
#include "records/user_fonts.h"

namespace velura {

namespace {

// Broadcasts WM_FONTCHANGE when it goes out of scope, on every path.
class FontChangeBroadcast {
 public:
  explicit FontChangeBroadcast(FontServices& fonts) : fonts_(fonts) {}
  ~FontChangeBroadcast() { fonts_.BroadcastFontChange(); }
  FontChangeBroadcast(const FontChangeBroadcast&) = delete;
  FontChangeBroadcast& operator=(const FontChangeBroadcast&) = delete;

 private:
  FontServices& fonts_;
};

std::u16string PathLines(const std::vector<std::u16string>& paths) {
  std::u16string lines;
  for (const auto& path : paths) lines += path + u"\r\n";
  return lines;
}

void ReportLoadFailures(const std::vector<std::u16string>& failures) {
  if (failures.empty()) return;
  ShowMessage(u"以下のフォントはファイルの読み込みに失敗しました\r\n\r\n" + PathLines(failures), u"ファイル読み込みエラー",
              MessageIcon::Information);
}

}  // namespace

void MarkFamilyMembers(TFileData_base& list) { MarkFamilyMembers(list.Items, list.Services().Folding); }

void RunLoadFiles(LoopContext& loop, Progress& progress, const std::vector<std::u16string>& paths,
                  TFileData_local& target, bool reportFailures) {
  if (paths.empty()) return;
  FontChangeBroadcast broadcast(target.Services().Fonts);
  ProgressScope window(loop, progress, u"フォントを読み込み中...");
  const int total = static_cast<int>(paths.size());
  progress.BeginProgress(total);
  loop.StopRequested = false;
  std::vector<std::u16string> failures;
  for (int i = 0; i < total; ++i) {
    loop.MarkPhase("pump");
    progress.ProcessMessages();
    if (loop.StopRequested) continue;
    if (!target.AddBrowsedFontFile(paths[i])) failures.push_back(paths[i]);
    loop.MarkPhase("progress");
    progress.StepProgress(i + 1);
  }
  target.UpdateNames();
  loop.MarkPhase("MarkFamilyMembers");
  MarkFamilyMembers(target);
  loop.MarkPhase("face cache");
  if (FaceCacheStore* cache = target.Services().FaceCache) cache->SaveIfChanged();
  loop.MarkPhase("failure report");
  if (reportFailures) ReportLoadFailures(failures);
  loop.MarkPhase("WM_FONTCHANGE");
}

void LoadInstalledFromRegistry(LoopContext& loop, TFileData_installed& installed, TRegFontData& registry,
                               const std::u16string& fontsFolder, BarProgress* bar, Progress* status) {
  loop.StopRequested = false;
  const int machineCount = static_cast<int>(registry.Fonts.size());
  const int total = machineCount + static_cast<int>(registry.UserFonts.size());
  if (bar) {
    bar->SetMaximum(total);
    bar->SetPosition(0);
  } else if (status) {
    status->BeginProgress(total);
  }
  RecordServices& services = installed.Services();
  const RegTextFolding& folding = services.Folding;
  std::unordered_set<std::u16string> seen;
  std::vector<std::u16string> failures;
  // The splash or status window keeps answering while the names settle (an enumeration of every font).
  const WaitingPainterScope keepAnswering(loop, [bar, status] {
    if (bar) bar->ProcessMessages();
    else if (status) status->ProcessMessages();
  });

  const std::u16string marlett = fontsFolder + u"\\Marlett.ttf";
  if (services.Files.Exists(marlett)) {
    if (TFileDataItem* record = installed.AddFontFile(marlett)) record->Flags = SystemFont;
    else failures.push_back(marlett);
  }

  // The machine-wide values first, then the current user's; a file both name is listed once, as machine-wide.
  loop.MarkPhase("installed files");
  PumpPacer pacer;
  for (int i = 0; i < total; ++i) {
    const bool due = pacer.Due() || i + 1 == total;
    if (due && bar) bar->ProcessMessages();
    else if (due && status) status->ProcessMessages();
    if (loop.StopRequested) continue;
    if (due && bar) bar->SetPosition(i + 1);
    else if (due && status) status->StepProgress(i + 1);
    const bool perUser = i >= machineCount;
    TRegData& entry = perUser ? registry.UserFonts[static_cast<std::size_t>(i - machineCount)]
                              : registry.Fonts[static_cast<std::size_t>(i)];
    entry.LoadFailed = false;
    if (!IsFontFileName(entry.File)) continue;
    const std::u16string path = ResolveFontFile(entry.File, fontsFolder);
    // One attribute call tells most files: a file without a stamp is asked whether it exists at all.
    FaceCacheStamp stamp;
    const bool stamped = services.Files.SizeAndTime(path, stamp.Size, stamp.Modified);
    if ((!stamped && !services.Files.Exists(path)) || !seen.insert(folding.Lower(path)).second) continue;
    if (TFileDataItem* record = installed.AddFontFile(path, stamped ? &stamp : nullptr)) {
      record->SystemName = StripValueSuffix(entry.ValueName);
      record->Set(PerUser, perUser);
    } else {
      failures.push_back(path);
      entry.LoadFailed = true;
    }
  }
  installed.UpdateNamesWithListAsRead();
  MarkFamilyMembers(installed);
  if (services.FaceCache) services.FaceCache->SaveIfChanged();
  ReportLoadFailures(failures);
}

namespace {

// Where and how one install run puts its files: machine-wide into a folder of the Fonts key's, or for the
// current user into their own fonts folder with the file's full path as the value's data.
struct InstallPlan {
  std::u16string destinationFolder;
  bool copyFiles = true;
  bool perUser = false;
};

// One run over every list: one progress, one report of what was skipped. A file two lists show (one-time
// entries of a parent and its child) is installed once; its other records are marked installed with it.
void InstallTickedRecords(LoopContext& loop, Progress& progress, const std::vector<TFileData_local*>& lists,
                          TFileData_installed& installed, const InstallPlan& plan, TRegFontData& registry) {
  int installable = 0, selected = 0;
  const TFileData_local* first = nullptr;  // the first list with a ticked record
  for (const TFileData_local* list : lists)
    for (const auto& record : list->Items) {
      if (!record->Has(Installed) && !record->Has(OtherVersionInstalled)) ++installable;
      if (record->Has(Selected)) ++selected, first = first ? first : list;
    }
  if (installable == 0 || selected == 0) return;

  RecordServices& services = first->Services();
  // Before anything is touched: a user who never installed a font for themselves has no such folder or key yet.
  if (plan.perUser) {
    if (!registry.PrepareUserFontsKey()) throw UserError(u"error! RegOpenKey");
    if (!CreateFolderWithParents(services.Files, plan.destinationFolder))
      throw UserError(u"ディレクトリ作成に失敗しました\r\n処理を中断します");
  }
  ProgressScope window(loop, progress, u"フォントをインストール中...");
  loop.StopRequested = false;
  progress.BeginProgress(selected);
  int done = 0;

  const std::u16string previousDirectory = services.Files.CurrentFolder();
  if (!services.Files.ChangeCurrentFolder(first->LastFolder)) throw UserError(u"カレントディレクトリ設定に失敗しました");
  struct RestoreDirectory {
    FileServices& files;
    const std::u16string& folder;
    ~RestoreDirectory() { files.ChangeCurrentFolder(folder); }
  } restore{services.Files, previousDirectory};
  FontChangeBroadcast broadcast(services.Fonts);

  std::u16string targetFolder = plan.destinationFolder;
  if (targetFolder.empty() || targetFolder.back() != u'\\') targetFolder += u'\\';
  std::vector<std::u16string> collisions;
  std::vector<std::u16string> copyFailures;
  const auto reportSkipped = [&] {
    if (!collisions.empty())
      ShowMessage(u"次のファイルはインストール済みファイルと\r\nファイル名が同じのためインストールできませんでした。\r\n"
                  u"ファイル名を変更してから再度お試しください。\r\n" + PathLines(collisions),
                  u"ファイル名重複エラー", MessageIcon::Information);
    if (!copyFailures.empty())
      ShowMessage(u"次のファイルはコピーできなかったためインストールしませんでした。\r\n" + PathLines(copyFailures),
                  u"コピーエラー", MessageIcon::Information);
  };
  // A registry error ends the loop; the files skipped before it are still reported, ahead of the error.
  try {
    std::vector<TFileDataItem*> records;
    for (TFileData_local* list : lists)
      for (auto& item : list->Items) records.push_back(item.get());
    std::unordered_set<std::u16string> installedInRun;  // the sources installed so far, by counter key
    const auto letGoPreview = [&](TFileDataItem& record) {
      if (!record.HoldsRegistration) return;
      record.HoldsRegistration = false;
      services.Registrations.LetGo(record.Path);
    };
    for (TFileDataItem* item : records) {
      TFileDataItem& record = *item;
      progress.ProcessMessages();
      if (loop.StopRequested) continue;
      if (record.Has(InstalledNow) || !record.Has(Selected)) continue;
      const std::u16string target = targetFolder + FileNamePart(record.Path);
      if (installedInRun.count(services.Registrations.Key(record.Path))) {
        record.Set(InstalledNow);
        record.Set(Selected, false);
        letGoPreview(record);
        progress.StepProgress(++done);
        continue;
      }

      bool proceed = true;
      if (plan.copyFiles && !services.Files.Copy(record.Path, target, true)) {
        // A file of that name already there is used when no registry entry owns it; a copy that failed
        // for any other reason (no access, disk full, source gone) must not register a missing file.
        if (services.Files.Exists(target)) {
          proceed = !registry.IsRegisteredFile(target);
          if (!proceed) collisions.push_back(record.Path);
        } else {
          proceed = false;
          copyFailures.push_back(record.Path);
        }
      }
      if (proceed) {
        // The record's preview hold goes (another window's preview of the source keeps its registration)
        // and the installed file is registered for the session, never to be released by a list. Installed in
        // place, the file is kept before the hold goes: its registration is the one the record held.
        FontRegistrations& registrations = services.Registrations;
        const bool inPlace = registrations.Key(target) == registrations.Key(record.Path);
        if (inPlace) registrations.KeepInstalled(target);
        letGoPreview(record);
        if (!inPlace) registrations.KeepInstalled(target);
        // The value before the lists: a registry failure must leave the record ticked and out of the installed
        // list rather than shown as installed without a value.
        if (plan.perUser)
          registry.WriteUserFontValue(RegistryValueName(record), target);
        else
          registry.WriteFontValue(RegistryValueName(record), RegistryValueData(record, plan.destinationFolder,
                                                                               services.FontsFolder, services.Folding));
        record.Set(InstalledNow);
        record.Set(Selected, false);
        installedInRun.insert(registrations.Key(record.Path));
        if (TFileDataItem* added = installed.AddFontFile(target)) added->Set(PerUser, plan.perUser);
      }
      progress.StepProgress(++done);
    }
    installed.UpdateNames();  // rereads the registry, which may fail too
    MarkFamilyMembers(installed);
  } catch (...) {
    reportSkipped();
    throw;
  }
  reportSkipped();
}

// Uninstalls the ticked records of one kind: the value (by the given deletion), the registration, the file.
template <typename DeleteValue>
void UninstallTickedRecords(LoopContext& loop, Progress& progress, TFileData_installed& installed, bool perUser,
                            DeleteValue deleteValue) {
  RecordServices& services = installed.Services();
  FontChangeBroadcast broadcast(services.Fonts);
  const auto ofThisKind = [perUser](const TFileDataItem& record) {
    return record.Has(Selected) && record.Has(PerUser) == perUser;
  };
  int selected = 0;
  for (const auto& record : installed.Items) selected += ofThisKind(*record) ? 1 : 0;
  if (selected == 0) return;

  ProgressScope window(loop, progress, u"フォントを削除中...");
  loop.StopRequested = false;
  progress.BeginProgress(selected);
  int done = 0;
  std::vector<std::u16string> failures;
  std::vector<std::u16string> kept;  // could not be deleted: value, record and registration stay
  const auto reportFailures = [&] {
    if (!kept.empty())
      ShowMessage(u"以下のファイルは削除できないためアンインストールしませんでした\r\n\r\n" + PathLines(kept),
                  u"削除失敗の確認");
    if (!failures.empty())
      ShowMessage(u"以下のファイルはアンインストールしましたが削除できませんでした\r\n\r\n" + PathLines(failures),
                  u"削除失敗の確認");
  };
  // A registry error ends the loop; files whose values are already gone but which stayed are still
  // reported, ahead of the error, since their records have left the list.
  bool stale = false;
  try {
    for (std::size_t index = installed.Items.size(); index-- > 0;) {
      progress.ProcessMessages();
      if (loop.StopRequested) continue;
      const TFileDataItem& record = *installed.Items[index];
      if (!ofThisKind(record)) continue;
      const std::u16string path = record.Path;
      if (!services.Files.Exists(path)) {
        ShowMessage(u"ファイルが見つかりません", u"");
        continue;
      }
      // The registry list is reread before the next deletion rather than right after this one, so that a
      // failed reread never strands a record whose value is already gone.
      if (stale) services.Registry.LoadFontsList();
      stale = false;
      // A file Windows still holds would outlive its value: a font no longer loaded at the next sign-in,
      // yet still on disk. The session's registration goes first, whoever holds it, since it alone may be
      // what holds the file; a file that stays is registered again and keeps its value.
      services.Registrations.RemoveForUninstall(path);
      if (!services.Files.CanDelete(path)) {
        services.Registrations.KeepInstalled(path);
        kept.push_back(path);
        progress.StepProgress(++done);
        continue;
      }
      stale = deleteValue(services.Registry, path);
      services.Files.ClearAttributes(path);
      if (!services.Files.Delete(path)) failures.push_back(path);
      installed.Delete(index);
      progress.StepProgress(++done);
    }
  } catch (...) {
    reportFailures();
    throw;
  }
  reportFailures();
  installed.UpdateNames();
}

}  // namespace

void RunInstall(LoopContext& loop, Progress& progress, const std::vector<TFileData_local*>& lists,
                TFileData_installed& installed, const std::u16string& destinationFolder, bool copyFiles,
                TRegFontData& registry) {
  InstallTickedRecords(loop, progress, lists, installed, InstallPlan{destinationFolder, copyFiles, false}, registry);
}

void RunInstallForUser(LoopContext& loop, Progress& progress, const std::vector<TFileData_local*>& lists,
                       TFileData_installed& installed, const std::u16string& userFontsFolder, TRegFontData& registry) {
  InstallTickedRecords(loop, progress, lists, installed, InstallPlan{userFontsFolder, true, true}, registry);
}

void RunInstall(LoopContext& loop, Progress& progress, TFileData_local& list, TFileData_installed& installed,
                const std::u16string& destinationFolder, bool copyFiles, TRegFontData& registry) {
  RunInstall(loop, progress, std::vector<TFileData_local*>{&list}, installed, destinationFolder, copyFiles, registry);
}

void RunInstallForUser(LoopContext& loop, Progress& progress, TFileData_local& list, TFileData_installed& installed,
                       const std::u16string& userFontsFolder, TRegFontData& registry) {
  RunInstallForUser(loop, progress, std::vector<TFileData_local*>{&list}, installed, userFontsFolder, registry);
}

// A per-user record is left to RunUninstallForUser: looking its file name up among the machine-wide
// values could delete the value of another font that shares it.
void RunUninstall(LoopContext& loop, Progress& progress, TFileData_installed& installed) {
  UninstallTickedRecords(loop, progress, installed, false, [](TRegFontData& registry, const std::u16string& path) {
    // The value naming this very file first: a value of another font that shares the file name stays.
    return registry.DeleteFontValueForFile(path) || registry.DeleteFontValueByFile(FileNamePart(path));
  });
}

void RunUninstallForUser(LoopContext& loop, Progress& progress, TFileData_installed& installed) {
  UninstallTickedRecords(loop, progress, installed, true, [](TRegFontData& registry, const std::u16string& path) {
    return registry.DeleteUserFontValueForFile(path);
  });
}

int RunCopy(LoopContext& loop, Progress& progress, FileServices& files, const std::u16string& destinationFolder,
            const std::vector<std::u16string>& sources) {
  if (sources.empty()) return 0;
  ProgressScope window(loop, progress, u"フォントをコピー中...");
  loop.StopRequested = false;
  const int total = static_cast<int>(sources.size());
  progress.BeginProgress(total);
  int failures = 0;
  for (int i = 0; i < total; ++i) {
    progress.ProcessMessages();
    if (loop.StopRequested) continue;
    if (!files.Copy(sources[i], destinationFolder + u"\\" + FileNamePart(sources[i]), false)) ++failures;
    progress.StepProgress(i + 1);
  }
  return failures;
}

void ReleaseFontResources(FontRegistrations& registrations, const std::vector<std::u16string>& paths,
                          BarProgress& window) {
  if (paths.empty()) return;
  window.Open();
  struct CloseWindow {
    BarProgress& window;
    ~CloseWindow() { window.Close(); }
  } close{window};
  window.SetMaximum(static_cast<int>(paths.size()));
  window.SetPosition(0);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    registrations.LetGo(paths[i]);
    window.SetPosition(static_cast<int>(i + 1));
  }
}

void ReleaseAll(TFileData_base& list, BarProgress& window) {
  if (list.Count() == 0) return;
  FontChangeBroadcast broadcast(list.Services().Fonts);
  const std::vector<std::u16string> held = list.PreviewPaths();
  for (auto& record : list.Items) record->HoldsRegistration = false;
  ReleaseFontResources(list.Services().Registrations, held, window);
  list.Clear();
}

}  // namespace velura
