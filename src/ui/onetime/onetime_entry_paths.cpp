#include "ui/onetime/onetime_entry_paths.h"

#include <algorithm>

namespace velura {

namespace {

std::u16string WithBackslashes(std::u16string path) {
  std::replace(path.begin(), path.end(), u'/', u'\\');
  return path;
}

}  // namespace

std::u16string ExplorerParameters(const std::u16string& fullPath, bool isDir) {
  std::u16string path = WithBackslashes(fullPath);
  if (!isDir) return u"/select,\"" + path + u"\"";
  while (path.size() > 1 && path.back() == u'\\' && !(path.size() == 3 && path[1] == u':')) path.pop_back();
  // A quote right after a backslash would read as an escaped quote; a drive's root holds no space.
  if (path.ends_with(u'\\')) return path;
  return u"\"" + path + u"\"";
}

}  // namespace velura
