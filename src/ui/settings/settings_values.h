// What the settings dialog edits, and how it is read from and written to the settings file, the language
// priority table and the shared tree style. The dialog's controls only show and collect these values.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "records/procedure_class.h"
#include "settings/ini_keeper.h"

namespace velura {

struct SettingsDialogValues {
  TWindowFlags WindowFlags = 0;  // bit k: window kind k reopens at its place
  bool StayOnTop = false;
  int SampleSizeIndex = -1;  // into kSampleFontSizes; -1: none selected
  bool RememberSampleSize = false;
  std::vector<std::uint16_t> LanguageOrder;  // the list's lines, top first
  FolderSetting DefaultFolder;               // RadioButton_df2 / Edit_df2_path
  FolderSetting TempFolder;                  // RadioButton_Temp2 / Edit_Temp2_path
  TTreeStyle TreeStyle;
  ShortcutCodes Shortcuts{};  // HotKey1 ... HotKey7
  // "velura_c_rec.bin" is there but could not be read: the list shows the default order, and the user's file
  // is written only when that order was changed.
  bool LanguageFileUnread = false;
};

// Reads every value the dialog shows. A stored shortcut out of range reads as none, the others as stored,
// and the store's message goes into `problem`.
SettingsDialogValues LoadSettingsDialog(const TIniKeeper& settings, const TProcedureClass& engine,
                                        std::u16string& problem);

// What the language page says once when it opens with LanguageFileUnread.
std::u16string UnreadLanguageFileMessage(const std::u16string& path);

// Writes everything in the designed order: window flags, stay-on-top, the language order and its file,
// sample sizes, the two folders, the tree style, the shortcuts. A refused write throws UserError; what was
// written before it stays written.
void SaveSettingsDialog(const SettingsDialogValues& values, TIniKeeper& settings, TProcedureClass& engine);

// The working language order of "デフォルトに戻す".
std::vector<std::uint16_t> DefaultLanguageOrder();

}  // namespace velura
