#include "records/reg_font_rules.h"

namespace velura {

std::u16string StripValueSuffix(std::u16string_view name) {
  const auto suffix = name.find(u" (");
  return std::u16string(suffix == std::u16string_view::npos ? name : name.substr(0, suffix));
}

std::string RegisteredNameKey(std::u16string_view name, const RegTextFolding& folding) {
  const std::string key = folding.AnsiLowerKey(StripValueSuffix(name));
  // Lead and trail bytes of double-byte characters are above 0x20, so trimming bytes is safe.
  auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t first = 0, last = key.size();
  while (first < last && isBlankOrControl(key[first])) ++first;
  while (last > first && isBlankOrControl(key[last - 1])) --last;
  return key.substr(first, last - first);
}

std::vector<std::u16string> SystemLinkFileNames(std::u16string_view data) {
  std::vector<std::u16string> files;
  while (!data.empty()) {
    const auto end = data.find(u'\0');
    const std::u16string_view entry = data.substr(0, end);
    if (!entry.empty()) files.emplace_back(entry.substr(0, entry.find(u',')));
    if (end == std::u16string_view::npos) break;
    data.remove_prefix(end + 1);
  }
  return files;
}

std::u16string FileNamePart(std::u16string_view path) {
  const auto slash = path.rfind(u'\\');
  return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

std::u16string FolderPart(std::u16string_view path) {
  const auto slash = path.rfind(u'\\');
  if (slash == std::u16string_view::npos) return {};
  const bool driveRoot = slash == 2 && path[1] == u':';
  return std::u16string(path.substr(0, driveRoot ? slash + 1 : slash));
}

std::u16string ResolveFontFile(std::u16string_view file, std::u16string_view fontsFolder) {
  if (file.find(u'\\') != std::u16string_view::npos) return std::u16string(file);
  std::u16string path(fontsFolder);
  path.push_back(u'\\');
  path.append(file);
  return path;
}

bool ContainsIgnoringCase(const std::vector<std::u16string>& list, std::u16string_view text,
                          const RegTextFolding& folding) {
  const std::u16string wanted = folding.Lower(text);
  for (const auto& item : list)
    if (folding.Lower(item) == wanted) return true;
  return false;
}

std::optional<std::size_t> FindRegisteredName(const TRegDataArrray& fonts, std::u16string_view name,
                                              const RegTextFolding& folding) {
  const std::string wanted = RegisteredNameKey(name, folding);
  for (std::size_t i = 0; i < fonts.size(); ++i)
    if (RegisteredNameKey(fonts[i].ValueName, folding) == wanted) return i;
  return std::nullopt;
}

std::optional<std::size_t> FindEntryForPath(const TRegDataArrray& fonts, std::u16string_view path,
                                            std::u16string_view fontsFolder, const RegTextFolding& folding) {
  const std::u16string wanted = folding.Lower(path);
  for (std::size_t i = 0; i < fonts.size(); ++i)
    if (folding.Lower(ResolveFontFile(fonts[i].File, fontsFolder)) == wanted) return i;
  return std::nullopt;
}

std::optional<std::size_t> FindEntryByFileName(const TRegDataArrray& fonts, std::u16string_view fileName,
                                               const RegTextFolding& folding) {
  const std::u16string wanted = folding.Lower(fileName);
  for (std::size_t i = 0; i < fonts.size(); ++i)
    if (folding.Lower(FileNamePart(fonts[i].File)) == wanted) return i;
  return std::nullopt;
}

std::vector<std::u16string> FontFoldersOf(const TRegDataArrray& fonts, std::u16string_view fontsFolder,
                                          const RegTextFolding& folding) {
  std::vector<std::u16string> folders{std::u16string(fontsFolder)};
  for (const auto& entry : fonts) {
    const std::u16string folder = FolderPart(entry.File);
    if (folder.empty() || ContainsIgnoringCase(folders, folder, folding)) continue;
    folders.push_back(folder);
  }
  return folders;
}

}  // namespace velura
