// Command lines for archiver libraries: the switch rules of TCmdOpt and the extraction command of each
// class. The built-in readers do not parse these lines; they are what a library is handed, and tests pin
// them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "archive/archiver_options.h"
#include "archive/archiver_types.h"

namespace velura {

// Every piece is appended after one blank.
class TCmdOpt {
 public:
  explicit TCmdOpt(std::u16string command = {}) : text_(std::move(command)) {}

  // Quoting mode: a named string switch becomes `-name "value"` instead of `"-namevalue"`.
  void SetQuoting(bool on) { quoting_ = on; }

  void AddRaw(std::u16string_view text);
  void AddNumeric(std::u16string_view name, int value);  // -1: not given
  void AddBoolean(std::u16string_view name, bool on);
  // No name: the value quoted. A name starting with a blank is used without the blank and without "-".
  void AddString(std::u16string_view name, std::u16string_view value);
  // As AddString, with '\' appended to a folder that does not end in one.
  void AddFolder(std::u16string_view name, std::u16string_view folder);
  // Each pattern quoted. With a response file the patterns go into the returned text (one quoted pattern
  // and CR LF per line) and the command gets "@" + the file's name.
  std::u16string AddFileList(const std::vector<std::u16string>& patterns, std::u16string_view responseFile = {});

  const std::u16string& Text() const { return text_; }

 private:
  std::u16string text_;
  bool quoting_ = false;
};

struct ArchiverCommand {
  std::u16string line;
  std::u16string responseFile;  // set when the file list goes through a response file
  std::u16string responseText;  // to be written into responseFile before the command runs
};

// The extraction command of the class: command, switches, the archive quoted, the destination as a
// nameless folder switch, the file list, UserFileList. CAB wants the archive as a full path.
// progressWindow: a progress owner window is registered. LHA style requires jse and jso: EArchiver otherwise.
ArchiverCommand BuildExtractCommand(const ArchiverInfo& info, const TArchiverOptions& options,
                                    std::u16string_view archive, std::u16string_view destination,
                                    const std::vector<std::u16string>& patterns, bool progressWindow = false);

}  // namespace velura
