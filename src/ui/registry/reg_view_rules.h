// The decisions of the registry data and fonts-folder viewer, on plain data: the rows and statistics of the
// Fonts list, the texts of its questions, reports and status bar, the children of a SystemLink value, the
// FontMapper data text and the sorting of the fonts folder's files.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "records/reg_data.h"
#include "records/reg_text_folding.h"

namespace velura {

struct RegViewRow {
  std::u16string No;        // position counted from 1
  std::u16string FontName;  // the value name
  std::u16string FileName;
  std::u16string Folder;    // without trailing backslash, except a drive root; empty for a bare name
  std::u16string Mark;      // "有無": "-" for a non-TrueType extension, "NG" for a read error, else empty
  std::u16string Loaded;    // "読込": "○" when the file exists, "×" when it does not
  bool Missing = false;
};

struct RegViewStatistics {
  std::size_t Total = 0;
  std::size_t Missing = 0;
  std::size_t ReadErrors = 0;
  std::size_t NonTrueType = 0;
  std::size_t DuplicateNames = 0;  // rows whose file name (lower case) an earlier row already had
};

struct RegViewTable {
  std::vector<RegViewRow> Rows;
  RegViewStatistics Statistics;
};

// fileExists answers for a full path; a bare name is looked up in the fonts folder.
RegViewTable BuildFontRows(const TRegDataArrray& fonts, std::u16string_view fontsFolder,
                           const std::function<bool(const std::u16string&)>& fileExists,
                           const RegTextFolding& folding);

// Panels 0 to 4 of the status bar on the first tab.
std::array<std::u16string, 5> StatisticsPanelTexts(const RegViewStatistics& statistics);

namespace regview_text {
inline constexpr char16_t kCaption[] = u"レジストリデータ・フォントフォルダViewer+";
inline constexpr char16_t kNothingSelected[] = u"何も選択されていません";
inline constexpr char16_t kDeleteCaption[] = u"レジストリ項目削除の確認";
inline constexpr char16_t kDeleteDoneCaption[] = u"削除終了";
inline constexpr char16_t kRepairCaption[] = u"レジストリ項目自動修正";
inline constexpr char16_t kRepairQuestion[] = u"フォントファイルの存在しないレジストリ情報をすべて削除します";
inline constexpr char16_t kRepairDoneCaption[] = u"自動修正終了";
inline constexpr char16_t kRepairNothing[] = u"削除対象のデータはありませんでした";
inline constexpr char16_t kEditorCaption[] = u"レジストリエディタを開く";
inline constexpr char16_t kEditorQuestion[] =
    u"レジストリを直接編集するのは相当のリスクをともないます\r\n知識のあるかた以外は触らないほうが無難です\r\n\r\n"
    u"レジストリエディタ（REGEDIT.EXE）を開きますか？";
inline constexpr char16_t kKeyBase[] = u"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion";
inline constexpr char16_t kSystemLinkPath[] = u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink";
inline constexpr char16_t kSubstitutesPath[] = u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
inline constexpr char16_t kMapperPath[] = u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontMapper";
// Shown in the table of a mapping key that is not in the registry.
inline constexpr char16_t kMissingKeyNote[] = u"（このキーはレジストリにありません）";
inline constexpr char16_t kCopyDestinationTitle[] = u"ファイルコピー先の指定";
inline constexpr char16_t kCopyDone[] = u"コピー処理終了";
inline constexpr char16_t kDeleteFilesDone[] = u"削除処理終了";
inline constexpr char16_t kFailureCaption[] = u"エラー通知";
inline constexpr char16_t kDeleteFilesCaption[] = u"ファイルの削除確認";
inline constexpr char16_t kDeleteFilesQuestion[] =
    u"ファイルを削除します\r\n\r\nフォントフォルダ内のファイルにアクセスします\r\nシステムで利用するファイルの可能性もありますので\r\n"
    u"明確な目的がある場合以外は削除してはいけません\r\n\r\n本当に削除してよろしいですか？";
inline constexpr char16_t kDeleteOthersCaption[] = u"ファイルの削除再確認";
inline constexpr char16_t kDeleteOthersQuestion[] =
    u"フォント以外のファイルが含まれています！\r\n\r\n必要なファイルを削除するとＯＳの動作に\r\n致命的な不具合がでるかもしれません\r\n\r\n"
    u"明確な目的がある場合以外は削除してはいけません\r\nよく分からなければキャンセルしてください！\r\n\r\n本当に削除してよろしいですか？";
inline constexpr char16_t kCopyIntoCaption[] = u"ファイルのコピー確認";
inline constexpr char16_t kCopyIntoQuestion[] =
    u"フォントフォルダにファイルをコピーします\r\n\r\n通常は全くする必要のない操作です\r\nＯＳの動作に致命的な不具合がでるかもしれません\r\n\r\n"
    u"明確な目的がある場合以外はキャンセルしてください！\r\n\r\n操作を続行してよろしいですか？";
}  // namespace regview_text

// The question before deleting n selected entries.
std::u16string DeleteQuestion(std::size_t selected);
// The report after the deletion: all failed, or the counts.
std::u16string DeleteReport(std::size_t selected, std::size_t succeeded, std::size_t failed);
// The report after a repair that removed at least one value.
std::u16string RepairReport(std::size_t succeeded);

// The simple status text of the second tab (tag 0 for the tab itself, 1 to 3 for its controls).
std::u16string RegistryStatusText(int controlTag);
// The simple status text of the third tab.
std::u16string FontFolderStatusText(std::size_t files, std::size_t unregisteredFonts, std::size_t otherFiles);

// "0x" + eight upper-case hex digits + " (" + decimal + ")".
std::u16string FontMapperDataText(std::uint32_t value);

// The children of a SystemLink node. A multi-string value (its whole data, zero characters between the
// strings, final ones optional) gives each non-empty string cut at its first CR LF; a string value gives
// its text cut at its first comma when that is not empty.
std::vector<std::u16string> SystemLinkChildren(std::u16string_view data, bool multiString);

// The files of the fonts folder: all of them, the font files no Fonts entry names by bare file name (case
// ignored) and the other files no entry names, each in the folder's order.
struct FontFolderFiles {
  std::vector<std::u16string> All;
  std::vector<std::u16string> UnregisteredFonts;
  std::vector<std::u16string> Others;
};
FontFolderFiles ClassifyFontFolder(const std::vector<std::u16string>& names, const TRegDataArrray& fonts,
                                   const RegTextFolding& folding);

// Whether a folder listing entry is a file the viewer lists ("." and ".." and plain directories are not).
bool ListedInFontFolder(std::u16string_view name, bool plainDirectory);


// "コピーに失敗したファイルが " + count + "件 ありました" (copy) or the same for deletion.
std::u16string CopyFailureText(std::size_t failed);
std::u16string DeleteFailureText(std::size_t failed);

// The full paths an open-file dialog with multiple selection returned: a lone path, or a folder followed by
// names (each ended by a zero character, the whole by two). Nothing for an empty buffer.
std::vector<std::u16string> OpenDialogPaths(std::u16string_view buffer);

}  // namespace velura
