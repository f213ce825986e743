#include "ui/onetime/onetime_entry_paths.h"

#include <algorithm>
#include <vector>

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

std::u16string ExplorerParameters(const std::u16string& fullPath, bool isDir) {
  std::u16string path = WithBackslashes(fullPath);
  if (!isDir) return u"/select,\"" + path + u"\"";
  while (path.size() > 1 && path.back() == u'\\' && !(path.size() == 3 && path[1] == u':')) path.pop_back();
  // A quote right after a backslash would read as an escaped quote; a drive's root holds no space.
  if (path.ends_with(u'\\')) return path;
  return u"\"" + path + u"\"";
}

}  // namespace velura
