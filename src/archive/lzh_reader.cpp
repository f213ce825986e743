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

// Decodes a folder field piece by piece: its separators are 0xFF bytes, which no decoder may swallow.
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

// What one member's headers say, whatever their level.
struct MemberHeader {
  std::string method;
  std::uint64_t packedSize = 0;  // of the data alone
  std::uint64_t size = 0;
  std::uint16_t crc = 0;
  std::string baseName;          // the name field of levels 0 and 1
  Extensions ext;
  std::uint64_t dataOffset = 0;
  bool badHeader = false;        // header sum or header CRC wrong
};

class LzhReader final : public ArchiveReader {
 public:
  explicit LzhReader(std::span<const std::uint8_t> bytes) : bytes_(bytes), view_(bytes) { Open(); }

  ArchiveFormat Format() const override { return ArchiveFormat::Lzh; }
  MemberIssue Extract(std::size_t index, OutputSink& sink) override;

 private:
  void Open();
  bool ReadMember(std::uint64_t at, std::uint64_t& next);
  ArchiveIssue ReadLevel0Or1(std::uint64_t at, int level, MemberHeader& header);
  ArchiveIssue ReadLevel2(std::uint64_t at, MemberHeader& header);
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

// Levels 0 and 1: a one-byte header size and a byte sum. Level 1 adds extended headers after the base
// header, and its packed size counts them.
ArchiveIssue LzhReader::ReadLevel0Or1(std::uint64_t at, int level, MemberHeader& header) {
  const std::uint64_t headerSize = view_.U8(at) + 2u;
  const std::uint8_t nameSize = view_.U8(at + 21);
  const std::uint64_t minimum = 22u + nameSize + (level == 0 ? 2u : 5u);
  if (!view_.Has(at, headerSize)) return ArchiveIssue::Truncated;
  if (headerSize < minimum) return ArchiveIssue::Corrupt;
  std::uint8_t sum = 0;
  for (std::uint8_t b : view_.Bytes(at + 2, headerSize - 2)) sum = static_cast<std::uint8_t>(sum + b);
  header.badHeader = sum != view_.U8(at + 1);
  header.baseName = std::string(view_.Text(at + 22, nameSize));
  header.crc = view_.U16(at + 22 + nameSize);
  header.dataOffset = at + headerSize;
  if (level == 0) return ArchiveIssue::None;

  const std::uint64_t limit = std::min<std::uint64_t>(view_.Size(), header.dataOffset + header.packedSize);
  header.ext = ReadExtensions(header.dataOffset, view_.U16(header.dataOffset - 2), limit);
  if (header.ext.malformed || header.ext.totalSize > header.packedSize) return ArchiveIssue::Corrupt;
  header.packedSize -= header.ext.totalSize;
  header.dataOffset += header.ext.totalSize;
  return ArchiveIssue::None;
}

// Level 2: a two-byte size covering the extended headers, checked by the CRC in extended header 0x00.
ArchiveIssue LzhReader::ReadLevel2(std::uint64_t at, MemberHeader& header) {
  const std::uint64_t headerSize = view_.U16(at);
  if (headerSize < 26) return ArchiveIssue::Corrupt;
  if (!view_.Has(at, headerSize)) return ArchiveIssue::Truncated;
  header.crc = view_.U16(at + 21);
  header.dataOffset = at + headerSize;
  header.ext = ReadExtensions(at + 26, view_.U16(at + 24), header.dataOffset);
  if (header.ext.malformed) return ArchiveIssue::Corrupt;
  if (header.ext.hasHeaderCrc) {
    std::vector<std::uint8_t> bytes(bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                                    bytes_.begin() + static_cast<std::ptrdiff_t>(header.dataOffset));
    const std::size_t crcAt = static_cast<std::size_t>(header.ext.headerCrcOffset - at);
    const std::uint16_t stated = static_cast<std::uint16_t>(bytes[crcAt] | bytes[crcAt + 1] << 8);
    bytes[crcAt] = bytes[crcAt + 1] = 0;
    header.badHeader = Crc16(bytes) != stated;
  }
  return ArchiveIssue::None;
}

// UTF-16 name headers first, then the code page header, then CP932.
void NameEntry(const MemberHeader& header, ArchiveEntry& entry) {
  const Extensions& ext = header.ext;
  const NameEncoding byteEncoding = ext.utf8 ? NameEncoding::Utf8 : NameEncoding::Cp932;
  bool invalid = false;
  std::u16string directory;
  if (ext.hasUtf16Directory) {
    const DecodedText d = DecodeUtf16Le(ext.utf16Directory);
    directory = d.text;
    std::replace(directory.begin(), directory.end(), u'\uFFFF', u'\\');
    invalid = d.hadInvalidBytes;
  } else if (ext.hasDirectory) {
    directory = DecodeDirectory(ext.directory, byteEncoding, invalid);
  }
  const std::string& rawBase = ext.hasName ? ext.name : header.baseName;
  entry.encoding = ext.hasUtf16Name ? NameEncoding::Utf16Le : byteEncoding;
  const DecodedText name = ext.hasUtf16Name ? DecodeUtf16Le(ext.utf16Name) : DecodeName(rawBase, byteEncoding);
  std::string rawDirectory = ext.directory;
  std::replace(rawDirectory.begin(), rawDirectory.end(), '\xFF', '\\');
  entry.rawName = rawDirectory.empty() ? rawBase : rawDirectory + "\\" + rawBase;
  entry.name = directory.empty() ? name.text : directory + u"\\" + name.text;
  entry.nameHadInvalidBytes = invalid || name.hadInvalidBytes;
}

// The entry's kind, and why it cannot be extracted, if it cannot; the stored or LH method otherwise.
MemberIssue Classify(const MemberHeader& header, ArchiveEntry& entry, LzhMember& member) {
  const std::uint32_t unixType = header.ext.unixMode & kUnixTypeMask;
  // "name|target" is how Unix writers store a link; no real Windows name holds '|'.
  if (unixType == kUnixSymlink || entry.name.find(u'|') != std::u16string::npos) {
    entry.kind = EntryKind::Symlink;
    return MemberIssue::Symlink;
  }
  if (header.method == "-lhd-" || unixType == kUnixDirectory || (header.ext.dosAttributes & kDosDirectory)) {
    entry.kind = EntryKind::Directory;
    return MemberIssue::Directory;
  }
  if (header.badHeader) return MemberIssue::BadHeader;
  if (header.method == "-lh0-" || header.method == "-lz4-") {
    member.methodDigit = 0;
    return header.packedSize == header.size ? MemberIssue::None : MemberIssue::BadHeader;
  }
  if (header.method[2] == 'h' && header.method[3] >= '4' && header.method[3] <= '7') {
    member.methodDigit = header.method[3] - '0';
    return MemberIssue::None;
  }
  return MemberIssue::UnsupportedMethod;
}

bool LzhReader::ReadMember(std::uint64_t at, std::uint64_t& next) {
  if (!view_.Has(at, 22)) {
    error_ = ArchiveIssue::Truncated;
    return false;
  }
  MemberHeader header;
  header.method = std::string(view_.Text(at + 2, 5));
  const std::uint8_t level = view_.U8(at + 20);
  if (header.method[0] != '-' || header.method[1] != 'l' || header.method[4] != '-') {
    error_ = ArchiveIssue::Corrupt;
    return false;
  }
  if (level > 2) {
    error_ = ArchiveIssue::UnsupportedVersion;
    return false;
  }
  header.packedSize = view_.U32(at + 7);
  header.size = view_.U32(at + 11);
  error_ = level == 2 ? ReadLevel2(at, header) : ReadLevel0Or1(at, level, header);
  if (error_ != ArchiveIssue::None) return false;
  if (header.ext.hasSizes64) {  // at level 1 it counts the extended headers too, like the 32-bit field
    const std::uint64_t headers = level == 1 ? header.ext.totalSize : 0;
    if (header.ext.packedSize64 < headers) {
      error_ = ArchiveIssue::Corrupt;
      return false;
    }
    header.packedSize = header.ext.packedSize64 - headers;
    header.size = header.ext.size64;
  }

  ArchiveEntry entry;
  LzhMember member;
  entry.method = header.method;
  entry.packedSize = header.packedSize;
  entry.size = header.size;
  NameEntry(header, entry);
  entry.issue = Classify(header, entry, member);
  member.crc = header.crc;
  member.dataOffset = header.dataOffset;
  const bool inside = header.dataOffset <= view_.Size() && header.packedSize <= view_.Size() - header.dataOffset;
  if (!inside) {  // the next header's place is unknown: the listing ends here
    entry.issue = MemberIssue::DataOutOfRange;
    error_ = ArchiveIssue::Truncated;
  }
  entries_.push_back(std::move(entry));
  members_.push_back(member);
  next = header.dataOffset + header.packedSize;
  return inside;
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
