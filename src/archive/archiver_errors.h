// The archiver layer's exceptions and their texts. All are UserErrors: callers show them as they are.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "archive/archiver_types.h"
#include "platform/user_error.h"

namespace velura {

class EArchiver : public UserError {
 public:
  explicit EArchiver(std::u16string message) : UserError(std::move(message)) {}
};

// No library for the format could be loaded.
class ENoArchiverDLL : public EArchiver {
 public:
  using EArchiver::EArchiver;
};

// A loaded library lacks a required entry point.
class EEntryNotFound : public EArchiver {
 public:
  using EArchiver::EArchiver;
};

// Making self-extracting archives only (never done here); carries the file that was missing.
class ESfxNoRequiredFile : public EArchiver {
 public:
  ESfxNoRequiredFile(std::u16string message, std::u16string fileName)
      : EArchiver(std::move(message)), fileName_(std::move(fileName)) {}
  const std::u16string& FileName() const { return fileName_; }

 private:
  std::u16string fileName_;
};

// Fills "%0:s", "%1:s" ... with the arguments; other text, and indexes without an argument, stay as they are.
std::u16string FormatArchiverText(std::u16string_view pattern, std::initializer_list<std::u16string_view> args);

// The texts, exactly as the user sees them.
inline constexpr std::u16string_view kTextUnknownType = u"書庫の形式を特定できませんでした。";    // setting a type
inline constexpr std::u16string_view kTextUndetectable = u"書庫の形式を判別できません。";         // opening
inline constexpr std::u16string_view kTextNoLibrary = u"%0:s を扱うには %1:s が 必要です。";
inline constexpr std::u16string_view kTextNoEntry = u"%0:s に %1:s のエントリが見つかりません。";
inline constexpr std::u16string_view kTextNoZipEntry = u"%0:s のエントリが DLL に見つかりませんでした。";
inline constexpr std::u16string_view kTextNoZipExtractor =
    u"ZIP 形式書庫の解凍には UNZIP32.DLL または LMZIP32.DLL が必要です。";
inline constexpr std::u16string_view kTextNoZipCreator =
    u"ZIP 形式書庫の作成には ZIP32J.DLL または LMZIP32.DLL が必要です。";
inline constexpr std::u16string_view kTextNoCreate = u"この形式では書庫ファイルの作成をサポートしておりません。";
inline constexpr std::u16string_view kTextNoDelete = u"この形式の書庫ではファイルの削除をサポートしておりません。";
inline constexpr std::u16string_view kTextNoUpdate = u"この形式の書庫では書庫の更新をサポートしておりません。";
inline constexpr std::u16string_view kTextNoSfx = u"この形式では自己解凍書庫の作成をサポートしておりません。";
inline constexpr std::u16string_view kTextNoMemoryExtract = u"この形式ではメモリ展開をサポートしておりません。";
inline constexpr std::u16string_view kTextNoJse = u"jse オプションが設定されていません。";
inline constexpr std::u16string_view kTextNoJso = u"jso オプションが設定されていません。";

// The exception for a format whose library could not be loaded (ZIP names its two extractors).
ENoArchiverDLL NoLibraryError(const ArchiverInfo& info);
// A required entry point missing from the module at modulePath (ZIP: from every library).
EEntryNotFound NoEntryError(const ArchiverInfo& info, std::u16string_view modulePath, std::u16string_view entry);

}  // namespace velura
