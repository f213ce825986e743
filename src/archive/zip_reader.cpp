// ZIP: the central directory is the list of members; each local header is checked against it, and no two
// members may share bytes. Stored and deflate members are extracted; everything else is listed with a reason.
#include <algorithm>

#include "archive/archive_reader.h"
#include "archive/byte_view.h"
#include "archive/checksums.h"
#include "archive/name_decoding.h"
#include "archive/raw_inflate.h"

namespace velura {

namespace {

constexpr std::uint64_t kEndRecordSize = 22;
constexpr std::uint64_t kMaxCommentSize = 0xFFFF;
constexpr std::uint64_t kCentralRecordSize = 46;
constexpr std::uint64_t kLocalHeaderSize = 30;
constexpr std::uint32_t kSaturated32 = 0xFFFFFFFF;
constexpr std::uint16_t kFlagEncrypted = 1 << 0;
constexpr std::uint16_t kFlagDataDescriptor = 1 << 3;
constexpr std::uint16_t kFlagStrongEncryption = 1 << 6;
constexpr std::uint16_t kFlagUtf8 = 1 << 11;
constexpr std::uint16_t kFlagEncryptedDirectory = 1 << 13;
constexpr std::uint16_t kMethodStored = 0;
constexpr std::uint16_t kMethodDeflate = 8;
constexpr std::uint16_t kMethodAes = 99;

std::string MethodName(std::uint16_t method) {
  switch (method) {
    case 0: return "stored";
    case 8: return "deflate";
    case 9: return "deflate64";
    case 12: return "bzip2";
    case 14: return "lzma";
    case 93: return "zstd";
    case 95: return "xz";
    case 98: return "ppmd";
    case 99: return "aes";
    default: return "method " + std::to_string(method);
  }
}

struct EndRecord {
  std::uint64_t position = 0;       // of the end-of-central-directory record
  std::uint64_t directoryEnd = 0;   // where the central directory must end (ZIP64: its end record)
  std::uint64_t entryCount = 0;
  std::uint64_t directorySize = 0;
  std::uint64_t directoryOffset = 0;
  bool multiDisk = false;
  bool zip64 = false;
};

struct ZipMember {
  std::uint64_t localOffset = 0;
  std::uint64_t dataOffset = 0;
  std::uint32_t crc = 0;
  std::uint16_t method = 0;
  std::uint16_t flags = 0;
};

class ZipReader final : public ArchiveReader {
 public:
  explicit ZipReader(std::span<const std::uint8_t> bytes) : bytes_(bytes), view_(bytes) { Open(); }

  ArchiveFormat Format() const override { return ArchiveFormat::Zip; }
  MemberIssue Extract(std::size_t index, OutputSink& sink) override;

 private:
  void Open();
  bool FindEnd(EndRecord& end);
  bool ReadZip64End(EndRecord& end);
  bool ReadCentralRecord(std::uint64_t at, std::uint64_t limit, std::uint64_t& next);
  void CheckLocalHeader(ArchiveEntry& entry, ZipMember& member, std::uint64_t directoryStart);
  void MarkOverlaps();

  std::span<const std::uint8_t> bytes_;
  ByteView view_;
  std::uint64_t bias_ = 0;  // bytes before the archive proper (a self-extractor stub)
  std::vector<ZipMember> members_;
  RawInflater inflater_;
};

bool ZipReader::FindEnd(EndRecord& end) {
  const std::uint64_t size = view_.Size();
  if (size < kEndRecordSize) return false;
  const std::uint64_t last = size - kEndRecordSize;
  const std::uint64_t first = last > kMaxCommentSize ? last - kMaxCommentSize : 0;
  for (std::uint64_t at = last + 1; at-- > first;) {
    if (!view_.Matches(at, "PK\x05\x06")) continue;
    const std::uint16_t commentSize = view_.U16(at + 20);
    if (at + kEndRecordSize + commentSize > size) continue;  // a signature inside the comment
    end.position = at;
    end.directoryEnd = at;
    end.multiDisk = view_.U16(at + 4) != 0 || view_.U16(at + 6) != 0 || view_.U16(at + 8) != view_.U16(at + 10);
    end.entryCount = view_.U16(at + 10);
    end.directorySize = view_.U32(at + 12);
    end.directoryOffset = view_.U32(at + 16);
    if (at + kEndRecordSize + commentSize < size) warnings_.push_back(ArchiveIssue::TrailingData);
    return true;
  }
  return false;
}

bool ZipReader::ReadZip64End(EndRecord& end) {
  if (end.position < 20 || !view_.Matches(end.position - 20, "PK\x06\x07")) return true;
  const std::uint64_t locator = end.position - 20;
  std::uint64_t record = view_.U64(locator + 8);
  if (view_.U32(locator + 16) > 1 || view_.U32(locator + 4) != 0) end.multiDisk = true;
  // With a stub in front the stated offset is short by the stub's size; the record normally sits just
  // before the locator.
  if (!view_.Matches(record, "PK\x06\x06") && locator >= 56 && view_.Matches(locator - 56, "PK\x06\x06")) {
    record = locator - 56;
  }
  if (!view_.Matches(record, "PK\x06\x06") || !view_.Has(record, 56)) return false;
  end.zip64 = true;
  end.directoryEnd = record;
  end.multiDisk = end.multiDisk || view_.U32(record + 16) != 0 || view_.U32(record + 20) != 0;
  end.entryCount = view_.U64(record + 32);
  end.directorySize = view_.U64(record + 40);
  end.directoryOffset = view_.U64(record + 48);
  return true;
}

void ZipReader::Open() {
  EndRecord end;
  if (!FindEnd(end)) {
    error_ = view_.Matches(0, "PK") ? ArchiveIssue::Truncated : ArchiveIssue::NotAnArchive;
    return;
  }
  if (!ReadZip64End(end)) {
    error_ = ArchiveIssue::Corrupt;
    return;
  }
  if (end.multiDisk) {
    error_ = ArchiveIssue::MultiVolume;
    return;
  }
  if (end.directoryOffset > end.directoryEnd || end.directorySize > end.directoryEnd - end.directoryOffset) {
    error_ = ArchiveIssue::Corrupt;
    return;
  }
  bias_ = end.directoryEnd - (end.directoryOffset + end.directorySize);
  const std::uint64_t directoryStart = end.directoryOffset + bias_;

  std::uint64_t at = directoryStart;
  while (at < end.directoryEnd) {
    if (entries_.size() == kMaxArchiveEntries) {
      error_ = ArchiveIssue::TooManyEntries;
      break;
    }
    std::uint64_t next = 0;
    if (!ReadCentralRecord(at, end.directoryEnd, next)) {
      error_ = ArchiveIssue::Corrupt;
      break;
    }
    CheckLocalHeader(entries_.back(), members_.back(), directoryStart);
    at = next;
  }
  const std::uint64_t found = entries_.size();
  const bool countMatches = end.zip64 ? found == end.entryCount : (found & 0xFFFF) == end.entryCount;
  if (error_ == ArchiveIssue::None && !countMatches) warnings_.push_back(ArchiveIssue::EntryCountMismatch);
  MarkOverlaps();
}

bool ZipReader::ReadCentralRecord(std::uint64_t at, std::uint64_t limit, std::uint64_t& next) {
  if (at + kCentralRecordSize > limit || !view_.Matches(at, "PK\x01\x02")) return false;
  const std::uint16_t madeBy = view_.U16(at + 4);
  const std::uint16_t flags = view_.U16(at + 8);
  const std::uint16_t method = view_.U16(at + 10);
  const std::uint32_t crc = view_.U32(at + 16);
  std::uint64_t packedSize = view_.U32(at + 20);
  std::uint64_t size = view_.U32(at + 24);
  const std::uint16_t nameSize = view_.U16(at + 28);
  const std::uint16_t extraSize = view_.U16(at + 30);
  const std::uint16_t commentSize = view_.U16(at + 32);
  const std::uint32_t external = view_.U32(at + 38);
  std::uint64_t localOffset = view_.U32(at + 42);
  next = at + kCentralRecordSize + nameSize + extraSize + commentSize;
  if (next > limit) return false;
  std::string_view rawName = view_.Text(at + kCentralRecordSize, nameSize);

  std::string_view unicodePath;
  bool zip64Short = false;
  for (std::uint64_t e = at + kCentralRecordSize + nameSize, extraEnd = e + extraSize; e + 4 <= extraEnd;) {
    const std::uint16_t id = view_.U16(e), length = view_.U16(e + 2);
    const std::uint64_t data = e + 4;
    if (data + length > extraEnd) break;
    if (id == 0x0001) {  // ZIP64: only the fields whose 32-bit value is saturated, in this order
      std::uint64_t p = data;
      auto take = [&](std::uint64_t& field) {
        if (field != kSaturated32) return;
        if (p + 8 > data + length) {
          zip64Short = true;
          return;
        }
        field = view_.U64(p);
        p += 8;
      };
      take(size);
      take(packedSize);
      take(localOffset);
    } else if (id == 0x7075 && length > 5 && view_.U8(data) == 1) {
      // Only while its CRC matches the stored name: otherwise another tool renamed the member since.
      const auto nameBytes = view_.Bytes(at + kCentralRecordSize, nameSize);
      if (view_.U32(data + 1) == Crc32(nameBytes)) unicodePath = view_.Text(data + 5, length - 5u);
    }
    e = data + length;
  }

  ArchiveEntry entry;
  entry.rawName = std::string(rawName);
  if (flags & kFlagUtf8) {
    entry.encoding = NameEncoding::Utf8;
  } else if (!unicodePath.empty()) {
    entry.encoding = NameEncoding::Utf8;
    rawName = unicodePath;
  } else {
    entry.encoding = HasNonAscii(rawName) && IsStrictUtf8(rawName) ? NameEncoding::Utf8 : NameEncoding::Cp932;
  }
  const DecodedText decoded = DecodeName(rawName, entry.encoding);
  entry.name = decoded.text;
  entry.nameHadInvalidBytes = decoded.hadInvalidBytes;
  entry.method = MethodName(method);
  entry.packedSize = packedSize;
  entry.size = size;

  const unsigned host = madeBy >> 8;
  const std::uint32_t unixType = (external >> 16) & 0170000;
  const bool unixHost = host == 3 || host == 19;
  const bool endsInSeparator = !rawName.empty() && (rawName.back() == '/' || rawName.back() == '\\');
  if ((unixHost && unixType == 0120000) || (!unixHost && (external & 0x400))) {  // symlink / reparse point
    entry.kind = EntryKind::Symlink;
    entry.issue = MemberIssue::Symlink;
  } else if (endsInSeparator || (unixHost && unixType == 0040000) || (!unixHost && (external & 0x10))) {
    entry.kind = EntryKind::Directory;
    entry.issue = MemberIssue::Directory;
  } else if (zip64Short) {
    entry.issue = MemberIssue::BadHeader;
  } else if ((flags & (kFlagEncrypted | kFlagStrongEncryption | kFlagEncryptedDirectory)) || method == kMethodAes) {
    entry.issue = MemberIssue::Encrypted;
  } else if (method != kMethodStored && method != kMethodDeflate) {
    entry.issue = MemberIssue::UnsupportedMethod;
  } else if (method == kMethodStored && packedSize != size) {
    entry.issue = MemberIssue::BadHeader;
  }

  ZipMember member;
  member.localOffset = localOffset + bias_;
  member.crc = crc;
  member.method = method;
  member.flags = flags;
  entries_.push_back(std::move(entry));
  members_.push_back(member);
  return !view_.Failed();
}

void ZipReader::CheckLocalHeader(ArchiveEntry& entry, ZipMember& member, std::uint64_t directoryStart) {
  const std::uint64_t at = member.localOffset;
  auto fail = [&entry](MemberIssue issue) {
    if (entry.issue == MemberIssue::None) entry.issue = issue;
  };
  if (at + kLocalHeaderSize > directoryStart || !view_.Matches(at, "PK\x03\x04")) {
    member.dataOffset = member.localOffset;  // unusable: keep the range empty for the overlap check
    return fail(MemberIssue::DataOutOfRange);
  }
  const std::uint16_t flags = view_.U16(at + 6);
  const std::uint16_t method = view_.U16(at + 8);
  const std::uint32_t crc = view_.U32(at + 14);
  const std::uint32_t packedSize = view_.U32(at + 18), size = view_.U32(at + 22);
  const std::uint16_t nameSize = view_.U16(at + 26), extraSize = view_.U16(at + 28);
  member.dataOffset = at + kLocalHeaderSize + nameSize + extraSize;
  if (member.dataOffset > directoryStart || entry.packedSize > directoryStart - member.dataOffset) {
    member.dataOffset = member.localOffset;
    return fail(MemberIssue::DataOutOfRange);
  }
  const bool sameName = view_.Text(at + kLocalHeaderSize, nameSize) == entry.rawName;
  const bool sameSizes = (flags & kFlagDataDescriptor) || packedSize == kSaturated32 || size == kSaturated32 ||
                         (packedSize == entry.packedSize && size == entry.size && crc == member.crc);
  if (!sameName || method != member.method || (flags & kFlagEncrypted) != (member.flags & kFlagEncrypted) ||
      !sameSizes) {
    fail(MemberIssue::BadHeader);
  }
}

void ZipReader::MarkOverlaps() {
  struct Range {
    std::uint64_t start, end;
    std::size_t index;
  };
  std::vector<Range> ranges;
  ranges.reserve(members_.size());
  for (std::size_t i = 0; i < members_.size(); ++i) {
    const std::uint64_t dataEnd = members_[i].dataOffset + (members_[i].dataOffset == members_[i].localOffset
                                                                 ? 0 : entries_[i].packedSize);
    ranges.push_back({members_[i].localOffset, std::max(dataEnd, members_[i].localOffset + 1), i});
  }
  std::sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.start < b.start; });
  std::size_t furthest = 0;  // the range reaching furthest so far
  for (std::size_t k = 1; k < ranges.size(); ++k) {
    if (ranges[k].start < ranges[furthest].end) {
      for (std::size_t i : {ranges[k].index, ranges[furthest].index}) {
        if (entries_[i].issue == MemberIssue::None || entries_[i].issue == MemberIssue::BadHeader)
          entries_[i].issue = MemberIssue::Overlap;
      }
    }
    if (ranges[k].end > ranges[furthest].end) furthest = k;
  }
}

MemberIssue ZipReader::Extract(std::size_t index, OutputSink& sink) {
  if (index >= entries_.size()) return MemberIssue::BadHeader;
  const ArchiveEntry& entry = entries_[index];
  const ZipMember& member = members_[index];
  if (entry.issue != MemberIssue::None) return entry.issue;
  if (entry.size > decodeBudget_) return MemberIssue::TotalLimitReached;
  decodeBudget_ -= entry.size;
  const auto data = bytes_.subspan(static_cast<std::size_t>(member.dataOffset),
                                   static_cast<std::size_t>(entry.packedSize));
  std::uint32_t crc = 0;
  if (member.method == kMethodStored) {
    for (std::size_t done = 0; done < data.size();) {
      const std::size_t n = std::min<std::size_t>(data.size() - done, 1 << 16);
      const auto piece = data.subspan(done, n);
      crc = Crc32(piece, crc);
      if (!sink.Write(piece)) return MemberIssue::WriteFailed;
      done += n;
    }
  } else {
    const MemberIssue issue = inflater_.InflateStream(data, entry.size, sink, crc);
    if (issue != MemberIssue::None) return issue;
  }
  return crc == member.crc ? MemberIssue::None : MemberIssue::ChecksumMismatch;
}

}  // namespace

std::unique_ptr<ArchiveReader> OpenZipArchive(std::span<const std::uint8_t> bytes) {
  return std::make_unique<ZipReader>(bytes);
}

}  // namespace velura
