#include "ui/onetime/onetime_entry_paths.h"

#include <algorithm>
#include <vector>

#include "platform/text.h"

namespace velura {

namespace {

std::u16string WithBackslashes(std::u16string path) {
  std::replace(path.begin(), path.end(), u'/', u'\\');
  return path;
}

// The length of the root: "X:\" or "\\server\share\" (the whole of a shorter UNC name), 0 for none.
std::size_t RootLength(const std::u16string& path) {
  if (path.starts_with(u"\\\\")) {
    const std::size_t server = path.find(u'\\', 2);
    const std::size_t share = server == std::u16string::npos ? server : path.find(u'\\', server + 1);
    return share == std::u16string::npos ? path.size() : share + 1;
  }
  return path.size() >= 3 && path[1] == u':' && path[2] == u'\\' ? 3 : 0;
}

std::u16string WithRootDelimiter(std::u16string root) {
  if (!root.empty() && root.back() != u'\\') root += u'\\';
  return root;
}

}  // namespace

std::u16string ResolveEntryPath(const std::u16string& path, const std::u16string& programFolder) {
  const std::u16string p = WithBackslashes(path);
  if (p.size() >= 2 && p[1] == u':' && (p.size() == 2 || p[2] != u'\\')) return p;
  std::u16string root, rest;
  if (const std::size_t length = RootLength(p)) {
    root = p.substr(0, length);
    rest = p.substr(length);
  } else {
    const std::u16string base = WithBackslashes(programFolder);
    const std::size_t baseRoot = RootLength(base);
    root = base.substr(0, baseRoot);
    rest = p.starts_with(u'\\') ? p : base.substr(baseRoot) + u"\\" + p;  // "\x": from the folder's root
  }
  std::vector<std::u16string> parts;
  for (std::size_t start = 0; start <= rest.size();) {
    std::size_t end = rest.find(u'\\', start);
    if (end == std::u16string::npos) end = rest.size();
    const std::u16string part = rest.substr(start, end - start);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::u16string full = WithRootDelimiter(root);
  for (std::size_t i = 0; i < parts.size(); ++i) full += (i ? u"\\" : u"") + parts[i];
  return full;
}

std::u16string PathRoot(const std::u16string& fullPath) {
  const std::u16string p = WithBackslashes(fullPath);
  return WithRootDelimiter(p.substr(0, RootLength(p)));
}

EntryState StateOfEntry(bool isDir, PathProbe probe) {
  switch (probe) {
    case PathProbe::File: return isDir ? EntryState::Missing : EntryState::Present;
    case PathProbe::Folder: return isDir ? EntryState::Present : EntryState::Missing;
    case PathProbe::NotThere: return EntryState::Missing;
    case PathProbe::DriveAbsent:
    case PathProbe::CannotTell: break;
  }
  return EntryState::Unreachable;
}

std::u16string ContentEntryText(const std::u16string& path, EntryState state) {
  return state == EntryState::Present ? path : path + u"（見つかりません）";
}

bool MissingEntryList::Removes(const std::string& path, bool isDir) const {
  return std::any_of(missing.begin(), missing.end(),
                     [&](const TNameItem* e) { return e->Path == path && e->IsDir == isDir; });
}

std::u16string MissingEntriesQuestion(const std::u16string& head, const MissingEntryList& list,
                                      const std::function<std::u16string(const std::string&)>& shown) {
  constexpr std::size_t kMostLines = 30;  // a box taller than the screen hides its buttons
  auto lines = [&](const std::vector<const TNameItem*>& entries) {
    std::u16string text;
    for (std::size_t i = 0; i < entries.size() && i < kMostLines; ++i) text += u"\r\n" + shown(entries[i]->Path);
    if (entries.size() > kMostLines)
      text += u"\r\nほか " + DecimalU16(static_cast<std::int64_t>(entries.size() - kMostLines)) + u" 件";
    return text;
  };
  std::u16string text = head + u"\r\n";
  text += list.missing.empty() ? u"\r\n（該当する項目はありません）" : lines(list.missing);
  if (!list.unreachable.empty())
    text +=
        u"\r\n\r\n次の項目はドライブまたはネットワーク上の場所に接続できないため削除しません" + lines(list.unreachable);
  return text;
}

std::u16string ExplorerParameters(const std::u16string& fullPath, bool isDir) {
  std::u16string path = WithBackslashes(fullPath);
  if (!isDir) return u"/select,\"" + path + u"\"";
  while (path.size() > 1 && path.back() == u'\\' && !(path.size() == 3 && path[1] == u':')) path.pop_back();
  // A quote right after a backslash would read as an escaped quote; a drive's root holds no space.
  if (path.ends_with(u'\\')) return path;
  return u"\"" + path + u"\"";
}

}  // namespace velura
