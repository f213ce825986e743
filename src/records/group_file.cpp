#include "records/group_file.h"

#include <cstring>
#include <string>
#include <string_view>

namespace velura {
namespace {

enum ValueType : std::uint8_t {
  kEnd = 0x00,
  kItemStart = 0x01,
  kInt8 = 0x02,
  kInt16 = 0x03,
  kInt32 = 0x04,
  kString = 0x06,
  kFalse = 0x08,
  kTrue = 0x09,
  kLongString = 0x0C,
  kCollection = 0x0E,
};

constexpr std::string_view kSignature = "TPF0";
constexpr std::string_view kRootClass = "TGroupRootClass";
// Nesting beyond this is taken for damage: it keeps a crafted file from exhausting the stack.
constexpr int kMaxDepth = 200;

class Writer {
 public:
  std::vector<std::uint8_t> bytes;

  void Byte(std::uint8_t b) { bytes.push_back(b); }
  void Raw(std::string_view text) { bytes.insert(bytes.end(), text.begin(), text.end()); }
  void ShortString(std::string_view text) {
    Byte(static_cast<std::uint8_t>(text.size()));
    Raw(text);
  }
  void Text(std::string_view text) {
    if (text.size() <= 255) {
      Byte(kString);
      Byte(static_cast<std::uint8_t>(text.size()));
    } else {
      Byte(kLongString);
      const auto n = static_cast<std::uint32_t>(text.size());
      for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<std::uint8_t>(n >> shift));
    }
    Raw(text);
  }
  void Boolean(bool value) { Byte(value ? kTrue : kFalse); }

  void Paths(const TGroupItem& group) {
    Byte(kCollection);
    for (const auto& path : group.PathCollection) {
      Byte(kItemStart);
      if (!path->Path.empty()) {
        ShortString("Path");
        Text(path->Path);
      }
      ShortString("IsDir");
      Boolean(path->IsDir);
      Byte(kEnd);
    }
    Byte(kEnd);
  }

  void Groups(const std::vector<std::unique_ptr<TGroupItem>>& groups) {
    Byte(kCollection);
    for (const auto& group : groups) {
      Byte(kItemStart);
      ShortString("GroupChildItem");
      Groups(group->GroupChildItem);
      ShortString("PathCollection");
      Paths(*group);
      if (!group->GroupName.empty()) {
        ShortString("GroupName");
        Text(group->GroupName);
      }
      ShortString("UseParent");
      Boolean(group->UseParent);
      ShortString("NowOneTimeInst");
      Boolean(group->NowOneTimeInst);
      Byte(kEnd);
    }
    Byte(kEnd);
  }
};

// Every read checks the bytes left; a failure sets `bad` and every later read fails too.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool bad = false;

  bool Byte(std::uint8_t& b) {
    if (bad || pos_ >= bytes_.size()) return Fail();
    b = bytes_[pos_++];
    return true;
  }
  bool Bytes(std::size_t n, std::string& out) {
    if (bad || n > bytes_.size() - pos_) return Fail();
    out.assign(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
    pos_ += n;
    return true;
  }
  bool Skip(std::size_t n) {
    if (bad || n > bytes_.size() - pos_) return Fail();
    pos_ += n;
    return true;
  }
  bool ShortString(std::string& out) {
    std::uint8_t n = 0;
    return Byte(n) && Bytes(n, out);
  }
  bool Text(std::string& out) {
    std::uint8_t type = 0;
    if (!Byte(type)) return false;
    if (type == kString) return ShortString(out);
    if (type != kLongString) return Fail();
    std::uint32_t n = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      std::uint8_t b = 0;
      if (!Byte(b)) return false;
      n |= static_cast<std::uint32_t>(b) << shift;
    }
    return Bytes(n, out);
  }
  bool Boolean(bool& out) {
    std::uint8_t type = 0;
    if (!Byte(type)) return false;
    if (type != kFalse && type != kTrue) return Fail();
    out = type == kTrue;
    return true;
  }
  bool Expect(std::uint8_t wanted) {
    std::uint8_t b = 0;
    return Byte(b) && (b == wanted || Fail());
  }
  // The start of the next item, after an optional item index; false at the collection's end.
  bool NextItem() {
    std::uint8_t b = 0;
    if (!Byte(b)) return false;
    if (b == kEnd) return false;
    if (b == kInt8 || b == kInt16 || b == kInt32) {
      if (!Skip(b == kInt8 ? 1 : b == kInt16 ? 2 : 4) || !Byte(b)) return false;
    }
    return b == kItemStart || Fail();
  }
  bool Fail() {
    bad = true;
    return false;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool ReadPaths(Reader& in, TGroupItem& group) {
  if (!in.Expect(kCollection)) return false;
  while (in.NextItem()) {
    TNameItem& path = group.AddPath({}, false);
    std::string name;
    while (true) {
      if (!in.ShortString(name)) return false;
      if (name.empty()) break;  // the end-of-item byte reads as an empty name
      if (SameName(name, "Path")) {
        if (!in.Text(path.Path)) return false;
      } else if (SameName(name, "IsDir")) {
        if (!in.Boolean(path.IsDir)) return false;
      } else {
        return in.Fail();
      }
    }
  }
  return !in.bad;
}

bool ReadGroups(Reader& in, std::vector<std::unique_ptr<TGroupItem>>& groups, int depth) {
  if (depth > kMaxDepth || !in.Expect(kCollection)) return in.Fail();
  while (in.NextItem()) {
    groups.push_back(std::make_unique<TGroupItem>());
    TGroupItem& group = *groups.back();
    std::string name;
    while (true) {
      if (!in.ShortString(name)) return false;
      if (name.empty()) break;
      bool ok = true;
      if (SameName(name, "GroupChildItem")) ok = ReadGroups(in, group.GroupChildItem, depth + 1);
      else if (SameName(name, "PathCollection")) ok = ReadPaths(in, group);
      else if (SameName(name, "GroupName")) ok = in.Text(group.GroupName);
      else if (SameName(name, "UseParent")) ok = in.Boolean(group.UseParent);
      else if (SameName(name, "NowOneTimeInst")) ok = in.Boolean(group.NowOneTimeInst);
      else ok = in.Fail();
      if (!ok) return false;
    }
  }
  return !in.bad;
}

bool ReadRoot(Reader& in, TGroupRootClass& root) {
  std::string text;
  if (!in.Bytes(kSignature.size(), text) || text != kSignature) return in.Fail();
  if (!in.ShortString(text)) return false;  // the class name: read and ignored
  if (!in.ShortString(text)) return false;  // the component name: the store has none to apply it to
  while (true) {
    if (!in.ShortString(text)) return false;
    if (text.empty()) break;
    if (!SameName(text, "GroupItem") || !ReadGroups(in, root.GroupItem, 0)) return in.Fail();
  }
  return in.Expect(kEnd);  // no child components
}

}  // namespace

std::vector<std::uint8_t> WriteGroupFile(const TGroupRootClass& root) {
  Writer out;
  out.Raw(kSignature);
  out.ShortString(kRootClass);
  out.ShortString("");
  out.ShortString("GroupItem");
  out.Groups(root.GroupItem);
  out.Byte(kEnd);
  out.Byte(kEnd);
  return std::move(out.bytes);
}

GroupFileRead ReadGroupFile(std::span<const std::uint8_t> bytes, TGroupRootClass& root) {
  Reader in(bytes);
  GroupFileRead result;
  result.complete = ReadRoot(in, root);
  root.LinkParents();
  result.groupsRead = root.GroupCount();
  return result;
}

}  // namespace velura
