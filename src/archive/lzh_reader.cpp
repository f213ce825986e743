// LZH: a chain of member headers (levels 0, 1 and 2), each followed by the member's data. Names come from
// the base header or the extended headers; UTF-16 and code-page headers win over the CP932 default.
#include <algorithm>

#include "archive/archive_reader.h"
#include "archive/byte_view.h"
#include "archive/checksums.h"
#include "archive/lh_decoder.h"
#include "archive/name_decoding.h"

namespace velura {

namespace {

constexpr std::size_t kMaxExtendedHeaders = 256;
constexpr std::uint16_t kCodePageUtf8 = 65001;
constexpr std::uint32_t kUnixTypeMask = 0170000, kUnixSymlink = 0120000, kUnixDirectory = 0040000;
constexpr std::uint16_t kDosDirectory = 0x10;

struct LzhMember {
  std::uint64_t dataOffset = 0;
  std::uint16_t crc = 0;
  int methodDigit = 0;  // 0 stored, 4-7 compressed
};

// What the extended headers of one member say.
struct Extensions {
  std::string name, directory;           // bytes, directory with 0xFF separators
  std::string utf16Name, utf16Directory;  // UTF-16LE bytes
  bool hasName = false, hasDirectory = false, hasUtf16Name = false, hasUtf16Directory = false;
  bool utf8 = false;                     // code page header 65001
  std::uint32_t unixMode = 0;
  std::uint16_t dosAttributes = 0;
  bool hasSizes64 = false;
  std::uint64_t packedSize64 = 0, size64 = 0;
  bool hasHeaderCrc = false;
  std::uint64_t headerCrcOffset = 0;
  std::uint64_t totalSize = 0;           // of all extended headers
  bool malformed = false;
};

// Splits a name part at its separators (0xFF, and '\' or '/' outside CP932 double-byte characters
// do not matter here: the name is flattened after decoding) and decodes each piece.
std::u16string DecodeDirectory(std::string_view bytes, NameEncoding encoding, bool& invalid) {
  std::u16string out;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= bytes.size(); ++i) {
    if (i < bytes.size() && static_cast<unsigned char>(bytes[i]) != 0xFF) continue;
    if (i > start) {
      const DecodedText part = DecodeName(bytes.substr(start, i - start), encoding);
      invalid = invalid || part.hadInvalidBytes;
      if (!out.empty()) out.push_back(u'\\');
      out += part.text;
    }
    start = i + 1;
  }
  return out;
}

class LzhReader final : public ArchiveReader {
 public:
  explicit LzhReader(std::span<const std::uint8_t> bytes) : bytes_(bytes), view_(bytes) { Open(); }

  ArchiveFormat Format() const override { return ArchiveFormat::Lzh; }
  MemberIssue Extract(std::size_t index, OutputSink& sink) override;

 private:
  void Open();
  bool ReadMember(std::uint64_t at, std::uint64_t& next);
  Extensions ReadExtensions(std::uint64_t at, std::uint16_t firstSize, std::uint64_t limit);

  std::span<const std::uint8_t> bytes_;
  ByteView view_;
  std::vector<LzhMember> members_;
};

void LzhReader::Open() {
  std::uint64_t at = 0;
  if (view_.Size() == 0 || !view_.Matches(2, "-l")) {
    error_ = ArchiveIssue::NotAnArchive;
    return;
  }
  while (at < view_.Size()) {
    if (view_.U8(at) == 0) {  // the end mark
      if (at + 1 < view_.Size()) warnings_.push_back(ArchiveIssue::TrailingData);
      return;
    }
    if (entries_.size() == kMaxArchiveEntries) {
      error_ = ArchiveIssue::TooManyEntries;
      return;
    }
    std::uint64_t next = 0;
    if (!ReadMember(at, next)) return;
    at = next;
  }
}

Extensions LzhReader::ReadExtensions(std::uint64_t at, std::uint16_t firstSize, std::uint64_t limit) {
  Extensions ext;
  std::uint16_t size = firstSize;
  for (std::size_t count = 0; size != 0; ++count) {
    if (count == kMaxExtendedHeaders || size < 3 || at + size > limit) {
      ext.malformed = true;
      break;
    }
    const std::uint8_t type = view_.U8(at);
    const std::uint64_t data = at + 1, length = size - 3u;
    switch (type) {
      case 0x00: ext.hasHeaderCrc = length >= 2; ext.headerCrcOffset = data; break;
      case 0x01: ext.hasName = true; ext.name = std::string(view_.Text(data, length)); break;
      case 0x02: ext.hasDirectory = true; ext.directory = std::string(view_.Text(data, length)); break;
      case 0x40: if (length >= 2) ext.dosAttributes = view_.U16(data); break;
      case 0x42:
        if (length >= 16) {
          ext.hasSizes64 = true;
          ext.packedSize64 = view_.U64(data);
          ext.size64 = view_.U64(data + 8);
        }
        break;
      case 0x44: ext.hasUtf16Name = true; ext.utf16Name = std::string(view_.Text(data, length)); break;
      case 0x45: ext.hasUtf16Directory = true; ext.utf16Directory = std::string(view_.Text(data, length)); break;
      case 0x46: if (length >= 4) ext.utf8 = view_.U32(data) == kCodePageUtf8; break;
      case 0x50: if (length >= 2) ext.unixMode = view_.U16(data); break;
      default: break;  // timestamps, owners, comments: nothing a flat font extraction needs
    }
    ext.totalSize += size;
    at += size;
    size = view_.U16(at - 2);
  }
  if (view_.Failed()) ext.malformed = true;
  return ext;
}

bool LzhReader::ReadMember(std::uint64_t at, std::uint64_t& next) {
  if (!view_.Has(at, 22)) {
    error_ = ArchiveIssue::Truncated;
    return false;
  }
  const std::string method(view_.Text(at + 2, 5));
  const std::uint8_t level = view_.U8(at + 20);
  if (method.size() != 5 || method[0] != '-' || method[1] != 'l' || method[4] != '-') {
    error_ = ArchiveIssue::Corrupt;
    return false;
  }
  if (level > 2) {
    error_ = ArchiveIssue::UnsupportedVersion;
    return false;
  }
  ArchiveEntry entry;
  LzhMember member;
  entry.method = method;
  std::uint64_t packedSize = view_.U32(at + 7);
  entry.size = view_.U32(at + 11);
  bool badHeader = false;
  std::string baseName;
  Extensions ext;
  std::uint64_t dataOffset = 0;
  std::uint64_t headerEnd = 0;

  if (level == 0 || level == 1) {
    const std::uint64_t headerSize = view_.U8(at) + 2u;
    const std::uint8_t nameSize = view_.U8(at + 21);
    const std::uint64_t crcOffset = at + 22 + nameSize;
    const std::uint64_t minimum = 22u + nameSize + (level == 0 ? 2u : 5u);
    if (headerSize < minimum || !view_.Has(at, headerSize)) {
      error_ = view_.Has(at, headerSize) ? ArchiveIssue::Corrupt : ArchiveIssue::Truncated;
      return false;
    }
    const auto checked = view_.Bytes(at + 2, headerSize - 2);
    std::uint8_t sum = 0;
    for (std::uint8_t b : checked) sum = static_cast<std::uint8_t>(sum + b);
    badHeader = sum != view_.U8(at + 1);
    baseName = std::string(view_.Text(at + 22, nameSize));
    member.crc = view_.U16(crcOffset);
    headerEnd = at + headerSize;
    if (level == 1) {
      const std::uint64_t limit = std::min<std::uint64_t>(view_.Size(), headerEnd + packedSize);
      ext = ReadExtensions(headerEnd, view_.U16(headerEnd - 2), limit);
      if (ext.malformed || ext.totalSize > packedSize) {
        error_ = ArchiveIssue::Corrupt;
        return false;
      }
      packedSize -= ext.totalSize;  // the stated size counts the extended headers
      headerEnd += ext.totalSize;
    }
  } else {
    const std::uint64_t headerSize = view_.U16(at);
    if (headerSize < 26 || !view_.Has(at, headerSize)) {
      error_ = view_.Has(at, 26) && headerSize >= 26 ? ArchiveIssue::Truncated : ArchiveIssue::Corrupt;
      return false;
    }
    member.crc = view_.U16(at + 21);
    headerEnd = at + headerSize;
    ext = ReadExtensions(at + 26, view_.U16(at + 24), headerEnd);
    if (ext.malformed) {
      error_ = ArchiveIssue::Corrupt;
      return false;
    }
    if (ext.hasHeaderCrc) {
      std::vector<std::uint8_t> header(bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                                       bytes_.begin() + static_cast<std::ptrdiff_t>(headerEnd));
      const std::uint16_t stated = view_.U16(ext.headerCrcOffset);
      header[ext.headerCrcOffset - at] = header[ext.headerCrcOffset - at + 1] = 0;
      badHeader = Crc16(header) != stated;
    }
  }
  if (ext.hasSizes64) {  // at level 1 it counts the extended headers too, like the 32-bit field
    const std::uint64_t headers = level == 1 ? ext.totalSize : 0;
    if (ext.packedSize64 < headers) {
      error_ = ArchiveIssue::Corrupt;
      return false;
    }
    packedSize = ext.packedSize64 - headers;
    entry.size = ext.size64;
  }
  dataOffset = headerEnd;
  entry.packedSize = packedSize;
  if (dataOffset > view_.Size() || packedSize > view_.Size() - dataOffset) {
    entry.issue = MemberIssue::DataOutOfRange;
    error_ = ArchiveIssue::Truncated;
  }

  // Name: UTF-16 headers first, then the code page header, then CP932.
  const NameEncoding byteEncoding = ext.utf8 ? NameEncoding::Utf8 : NameEncoding::Cp932;
  bool invalid = false;
  std::u16string directory, name;
  std::string rawDirectory = ext.directory;
  if (ext.hasUtf16Directory) {
    const DecodedText d = DecodeUtf16Le(ext.utf16Directory);
    directory = d.text;
    std::replace(directory.begin(), directory.end(), u'\uFFFF', u'\\');
    invalid = d.hadInvalidBytes;
  } else if (ext.hasDirectory) {
    directory = DecodeDirectory(ext.directory, byteEncoding, invalid);
  }
  const std::string& rawBase = ext.hasName ? ext.name : baseName;
  if (ext.hasUtf16Name) {
    const DecodedText n = DecodeUtf16Le(ext.utf16Name);
    name = n.text;
    invalid = invalid || n.hadInvalidBytes;
    entry.encoding = NameEncoding::Utf16Le;
  } else {
    const DecodedText n = DecodeName(rawBase, byteEncoding);
    name = n.text;
    invalid = invalid || n.hadInvalidBytes;
    entry.encoding = byteEncoding;
  }
  std::replace(rawDirectory.begin(), rawDirectory.end(), '\xFF', '\\');
  entry.rawName = rawDirectory.empty() ? rawBase : rawDirectory + "\\" + rawBase;
  entry.name = directory.empty() ? name : directory + u"\\" + name;
  entry.nameHadInvalidBytes = invalid;

  const std::uint32_t unixType = ext.unixMode & kUnixTypeMask;
  // "name|target" is how Unix writers store a link; no real Windows name holds '|'.
  const bool linkName = entry.name.find(u'|') != std::u16string::npos;
  if (unixType == kUnixSymlink || linkName) {
    entry.kind = EntryKind::Symlink;
  } else if (method == "-lhd-" || unixType == kUnixDirectory || (ext.dosAttributes & kDosDirectory)) {
    entry.kind = EntryKind::Directory;
  }
  auto issueOf = [&]() {
    if (entry.issue != MemberIssue::None) return entry.issue;
    if (entry.kind == EntryKind::Symlink) return MemberIssue::Symlink;
    if (entry.kind == EntryKind::Directory) return MemberIssue::Directory;
    if (badHeader) return MemberIssue::BadHeader;
    if (method == "-lh0-" || method == "-lz4-") {
      member.methodDigit = 0;
      return packedSize == entry.size ? MemberIssue::None : MemberIssue::BadHeader;
    }
    if (method[2] == 'h' && method[3] >= '4' && method[3] <= '7') {
      member.methodDigit = method[3] - '0';
      return MemberIssue::None;
    }
    return MemberIssue::UnsupportedMethod;
  };
  entry.issue = issueOf();
  member.dataOffset = dataOffset;
  const bool stop = error_ != ArchiveIssue::None;
  entries_.push_back(std::move(entry));
  members_.push_back(member);
  next = dataOffset + packedSize;
  return !stop;
}

MemberIssue LzhReader::Extract(std::size_t index, OutputSink& sink) {
  if (index >= entries_.size()) return MemberIssue::BadHeader;
  const ArchiveEntry& entry = entries_[index];
  const LzhMember& member = members_[index];
  if (entry.issue != MemberIssue::None) return entry.issue;
  if (entry.size > decodeBudget_) return MemberIssue::TotalLimitReached;
  decodeBudget_ -= entry.size;
  const auto data = bytes_.subspan(static_cast<std::size_t>(member.dataOffset),
                                   static_cast<std::size_t>(entry.packedSize));
  std::uint16_t crc = 0;
  if (member.methodDigit == 0) {
    for (std::size_t done = 0; done < data.size();) {
      const std::size_t n = std::min<std::size_t>(data.size() - done, 1 << 16);
      const auto piece = data.subspan(done, n);
      crc = Crc16(piece, crc);
      if (!sink.Write(piece)) return MemberIssue::WriteFailed;
      done += n;
    }
  } else {
    const MemberIssue issue = DecodeLhStream(data, member.methodDigit, entry.size, sink, crc);
    if (issue != MemberIssue::None) return issue;
  }
  return crc == member.crc ? MemberIssue::None : MemberIssue::ChecksumMismatch;
}

}  // namespace

std::unique_ptr<ArchiveReader> OpenLzhArchive(std::span<const std::uint8_t> bytes) {
  return std::make_unique<LzhReader>(bytes);
}

}  // namespace velura
