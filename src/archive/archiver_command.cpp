#include "archive/archiver_command.h"

#include "archive/archiver_errors.h"
#include "platform/text.h"

namespace velura {

namespace {

std::u16string Quoted(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

}  // namespace

void TCmdOpt::AddRaw(std::u16string_view text) {
  text_ += u' ';
  text_ += text;
}

void TCmdOpt::AddNumeric(std::u16string_view name, int value) {
  if (value >= 0) AddRaw(u"-" + std::u16string(name) + DecimalU16(value));
}

void TCmdOpt::AddBoolean(std::u16string_view name, bool on) {
  if (on) AddRaw(u"-" + std::u16string(name));
}

void TCmdOpt::AddString(std::u16string_view name, std::u16string_view value) {
  if (value.empty()) return;
  if (name.empty()) return AddRaw(Quoted(value));
  const std::u16string option = name.front() == u' ' ? std::u16string(name.substr(1)) : u"-" + std::u16string(name);
  if (quoting_) AddRaw(option + u" " + Quoted(value));
  else AddRaw(Quoted(option + std::u16string(value)));
}

void TCmdOpt::AddFolder(std::u16string_view name, std::u16string_view folder) {
  std::u16string value(folder);
  if (!value.empty() && value.back() != u'\\') value += u'\\';
  AddString(name, value);
}

std::u16string TCmdOpt::AddFileList(const std::vector<std::u16string>& patterns, std::u16string_view responseFile) {
  if (responseFile.empty()) {
    for (const std::u16string& pattern : patterns) AddRaw(Quoted(pattern));
    return {};
  }
  std::u16string lines;
  for (const std::u16string& pattern : patterns) lines += Quoted(pattern) + u"\r\n";
  AddRaw(u"@" + std::u16string(responseFile));
  return lines;
}

ArchiverCommand BuildExtractCommand(const ArchiverInfo& info, const TArchiverOptions& options,
                                    std::u16string_view archive, std::u16string_view destination,
                                    const std::vector<std::u16string>& patterns, bool progressWindow) {
  const bool progress = options.n > 0 || progressWindow;
  TCmdOpt command(info.style == CommandStyle::Lha ? u"x" : u"-x");
  switch (info.style) {
    case CommandStyle::Lha:
      if (options.jse < 0) throw EArchiver(std::u16string(kTextNoJse));
      if (options.jso < 0) throw EArchiver(std::u16string(kTextNoJso));
      command.AddRaw(u"-+");
      for (const NumericSwitch& s : NumericSwitches()) command.AddNumeric(s.name, options.*s.field);
      for (const StringSwitch& s : StringSwitches()) command.AddString(s.name, options.*s.field);
      for (const std::u16string& entry : options.jx) command.AddString(u"jx", entry);
      break;
    case CommandStyle::Zip:
      command.AddBoolean(u"o", options.c == 1);
      command.AddBoolean(u"-i", progress);
      command.AddBoolean(u"j", options.x == 0);
      break;
    case CommandStyle::Cab:
      command.AddBoolean(u"o", options.c == 1);
      command.AddBoolean(u"i", progress);
      command.AddBoolean(u"r", options.r > 0);
      command.AddFolder(u"h", options.w);
      command.AddBoolean(u"j", options.x == 0);
      command.AddBoolean(u"q", options.ji > 0);
      break;
  }
  if (!options.UserOptions.empty()) command.AddRaw(options.UserOptions);
  command.AddString(u"", archive);
  command.AddFolder(u"", destination);
  ArchiverCommand result;
  if (!options.ResFileName.empty() && options.ResFileUsage.count(ruOnUnpack)) result.responseFile = options.ResFileName;
  result.responseText = command.AddFileList(patterns, result.responseFile);
  if (!options.UserFileList.empty()) command.AddRaw(options.UserFileList);
  result.line = command.Text();
  return result;
}

}  // namespace velura
