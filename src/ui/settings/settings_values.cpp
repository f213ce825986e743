#include "ui/settings/settings_values.h"

#include "fontfile/language_names.h"
#include "platform/user_error.h"
#include "ui/settings/settings_rules.h"

namespace velura {

namespace {

std::vector<std::uint16_t> LanguageIds(const TLanguagePriorityTable& table) {
  std::vector<std::uint16_t> ids;
  ids.reserve(table.size());
  for (const TTCountryRecord& entry : table) ids.push_back(entry.LanguageId);
  return ids;
}

}  // namespace

SettingsDialogValues LoadSettingsDialog(const TIniKeeper& settings, const TProcedureClass& engine,
                                        std::u16string& problem) {
  SettingsDialogValues values;
  values.WindowFlags = settings.WindowFlags();
  values.StayOnTop = settings.ReadStayOnTop();
  const SampleSizes sizes = settings.ReadSampleSizes();
  values.RememberSampleSize = sizes.Remember;
  values.SampleSizeIndex = SampleSizeIndex(sizes.DefSize);
  values.LanguageOrder = LanguageIds(engine.LanguagePriority);
  values.DefaultFolder = settings.ReadDefaultFolder();
  values.TempFolder = settings.ReadTempFolder();
  values.TreeStyle = engine.TreeStyle;
  values.LanguageFileUnread = engine.LanguagePriorityUnread;
  problem.clear();
  try {
    settings.ReadShortcuts(values.Shortcuts);
  } catch (const UserError& error) {
    problem = error.Message();
  }
  return values;
}

std::u16string UnreadLanguageFileMessage(const std::u16string& path) {
  return path +
         u" を読み込めません\r\n既定の表示優先順位を表示しています。\r\n"
         u"順位を変更しない限り、このファイルは書き換えません";
}

void SaveSettingsDialog(const SettingsDialogValues& values, TIniKeeper& settings, TProcedureClass& engine) {
  settings.SetWindowFlags(values.WindowFlags);
  settings.WriteStayOnTop(values.StayOnTop);
  // The default order shown for an unreadable file is not the user's choice: it must not replace the file.
  const bool keepUnreadFile = values.LanguageFileUnread && values.LanguageOrder == DefaultLanguageOrder();
  if (!values.LanguageOrder.empty() && !keepUnreadFile) {
    TLanguagePriorityTable& table = engine.LanguagePriority;
    for (std::size_t i = 0; i < values.LanguageOrder.size() && i < table.size(); ++i)
      table[i].LanguageId = values.LanguageOrder[i];
    for (TTCountryRecord& entry : table) entry.Name = LanguageName(entry.LanguageId);
    if (!engine.SaveLanguagePriority()) throw UserError(engine.PriorityFile + u" に書き込めません");
    engine.LanguagePriorityUnread = false;
  }
  settings.WriteSampleDefaults(SampleSizeOfIndex(values.SampleSizeIndex), values.RememberSampleSize);
  settings.WriteDefaultFolder(values.DefaultFolder.Use, values.DefaultFolder.Path);
  settings.WriteTempFolder(values.TempFolder.Use, values.TempFolder.Path);
  engine.SaveTreeStyle(values.TreeStyle);
  settings.WriteShortcuts(values.Shortcuts);
}

std::vector<std::uint16_t> DefaultLanguageOrder() {
  TLanguagePriorityTable table;
  FillDefaultLanguageOrder(table);
  return LanguageIds(table);
}

}  // namespace velura
