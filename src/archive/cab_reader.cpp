// CAB: folders (compressed streams made of data blocks) and files (ranges of a folder's uncompressed
// stream). Uncompressed and MSZIP folders are decoded here; LZX and Quantum folders are listed with a reason.
#include <algorithm>

#include "archive/archive_reader.h"
#include "archive/byte_view.h"
#include "archive/checksums.h"
#include "archive/name_decoding.h"
#include "archive/raw_inflate.h"

namespace velura {

namespace {

constexpr std::uint64_t kHeaderSize = 36;
constexpr std::uint16_t kFlagPrevious = 0x1, kFlagNext = 0x2, kFlagReserve = 0x4;
constexpr std::uint16_t kMaxHeaderReserve = 60000;
constexpr std::uint64_t kFolderRecordSize = 8, kFileRecordSize = 16, kDataHeaderSize = 8;
constexpr std::uint64_t kMaxNameBytes = 256;
constexpr std::uint32_t kBlockSize = 32768;
constexpr std::uint32_t kMaxPackedBlock = kBlockSize + 6144;
constexpr std::uint16_t kAttributeUtf8Name = 0x80;
constexpr std::uint16_t kFirstContinuedFolder = 0xFFFD;
enum Compression : std::uint16_t { kNone = 0, kMsZip = 1, kQuantum = 2, kLzx = 3 };

std::string CompressionName(std::uint16_t type) {
  switch (type & 0x0F) {
    case kNone: return "none";
    case kMsZip: return "MSZIP";
    case kQuantum: return "Quantum";
    case kLzx: return "LZX";
    default: return "type " + std::to_string(type & 0x0F);
  }
}

struct CabFolder {
  std::uint64_t firstBlock = 0;  // offset of the first data block
  std::uint16_t blockCount = 0;
  std::uint16_t compression = 0;
  std::uint64_t size = 0;        // of the uncompressed stream, from the block headers
  bool readable = false;         // every block header lies inside the file and is plausible
};

struct CabMember {
  std::uint16_t folder = 0;
  std::uint64_t offset = 0;  // in the folder's uncompressed stream
};

// Decodes one folder block by block; kept between members so that files of one folder, extracted in
// order, decode the folder once.
struct FolderCursor {
  int folder = -1;
  std::uint16_t nextBlock = 0;
  std::uint64_t nextBlockOffset = 0;
  std::uint64_t blockStart = 0;         // stream position of current's first byte
  std::vector<std::uint8_t> current;    // the latest block's output
  std::vector<std::uint8_t> history;    // the 32 KiB before it: MSZIP blocks may refer back into it
};

class CabReader final : public ArchiveReader {
 public:
  explicit CabReader(std::span<const std::uint8_t> bytes) : view_(bytes) { Open(); }

  ArchiveFormat Format() const override { return ArchiveFormat::Cab; }
  MemberIssue Extract(std::size_t index, OutputSink& sink) override;

 private:
  void Open();
  std::uint64_t ScanFolder(CabFolder& folder);
  bool ReadFile(std::uint64_t at, std::uint64_t limit, std::uint64_t& next);
  void Rewind(int folder);
  MemberIssue DecodeNextBlock();

  ByteView view_;
  std::uint8_t dataReserve_ = 0;
  std::vector<CabFolder> folders_;
  std::vector<CabMember> members_;
  FolderCursor cursor_;
  RawInflater inflater_;
};

void CabReader::Open() {
  if (!view_.Matches(0, "MSCF")) {
    error_ = ArchiveIssue::NotAnArchive;
    return;
  }
  if (!view_.Has(0, kHeaderSize)) {
    error_ = ArchiveIssue::Truncated;
    return;
  }
  const std::uint32_t filesOffset = view_.U32(16);
  const std::uint16_t folderCount = view_.U16(26), fileCount = view_.U16(28), flags = view_.U16(30);
  if (flags & (kFlagPrevious | kFlagNext)) {
    error_ = ArchiveIssue::MultiVolume;
    return;
  }
  std::uint64_t at = kHeaderSize;
  std::uint8_t folderReserve = 0;
  if (flags & kFlagReserve) {
    const std::uint16_t headerReserve = view_.U16(at);
    folderReserve = view_.U8(at + 2);
    dataReserve_ = view_.U8(at + 3);
    at += 4 + std::uint64_t{headerReserve};
    if (headerReserve > kMaxHeaderReserve) {
      error_ = ArchiveIssue::Corrupt;
      return;
    }
  }
  if (folderCount == 0 || fileCount == 0) {
    error_ = ArchiveIssue::Corrupt;
    return;
  }
  const std::uint64_t folderRecord = kFolderRecordSize + folderReserve;
  if (!view_.Has(at, folderRecord * folderCount) || view_.Failed()) {
    error_ = ArchiveIssue::Truncated;
    return;
  }
  // Folders' data follow one another: a folder starting inside the blocks of one before it is not read,
  // which also keeps the walk over all block headers linear in the size of the file.
  std::uint64_t scannedTo = 0;
  for (std::uint16_t i = 0; i < folderCount; ++i, at += folderRecord) {
    CabFolder folder;
    folder.firstBlock = view_.U32(at);
    folder.blockCount = view_.U16(at + 4);
    folder.compression = view_.U16(at + 6);
    if (folder.firstBlock >= scannedTo) scannedTo = ScanFolder(folder);
    folders_.push_back(folder);
  }
  // File records end where the data blocks begin (when they come first, as writers place them): a count
  // that lies must not turn compressed bytes into members.
  std::uint64_t limit = view_.Size();
  for (const CabFolder& folder : folders_)
    if (folder.firstBlock > filesOffset) limit = std::min(limit, folder.firstBlock);
  at = filesOffset;
  for (std::uint16_t i = 0; i < fileCount; ++i) {
    std::uint64_t next = 0;
    if (!ReadFile(at, limit, next)) {
      const bool intoData = limit < view_.Size() && view_.Has(at, kFileRecordSize + 1);
      error_ = intoData ? ArchiveIssue::Corrupt : ArchiveIssue::Truncated;
      return;
    }
    at = next;
  }
}

// Walks the folder's block headers; returns where its blocks end (or where the walk stopped).
std::uint64_t CabReader::ScanFolder(CabFolder& folder) {
  const bool stored = (folder.compression & 0x0F) == kNone;
  std::uint64_t at = folder.firstBlock;
  for (std::uint16_t i = 0; i < folder.blockCount; ++i) {
    const std::uint64_t packed = view_.U16(at + 4), size = view_.U16(at + 6);
    const std::uint64_t data = at + kDataHeaderSize + dataReserve_;
    if (view_.Failed() || !view_.Has(data, packed) || packed == 0 || packed > kMaxPackedBlock ||
        size > kBlockSize || (stored && packed != size)) {
      view_.ClearFailure();
      return at + 1;
    }
    folder.size += size;
    at = data + packed;
  }
  folder.readable = true;
  return at;
}

bool CabReader::ReadFile(std::uint64_t at, std::uint64_t limit, std::uint64_t& next) {
  if (at > limit || limit - at < kFileRecordSize + 1) return false;
  const std::uint64_t size = view_.U32(at);
  const std::uint64_t offset = view_.U32(at + 4);
  const std::uint16_t folderIndex = view_.U16(at + 8);
  const std::uint16_t attributes = view_.U16(at + 14);
  const std::uint64_t nameAt = at + kFileRecordSize;
  const std::uint64_t window = std::min<std::uint64_t>(kMaxNameBytes + 1, limit - nameAt);
  const std::string_view candidates = view_.Text(nameAt, window);
  const std::size_t nameSize = candidates.find('\0');
  if (nameSize == std::string_view::npos) return false;  // no end within 256 bytes or the file
  next = nameAt + nameSize + 1;

  ArchiveEntry entry;
  entry.rawName = std::string(candidates.substr(0, nameSize));
  entry.encoding = (attributes & kAttributeUtf8Name) ? NameEncoding::Utf8 : NameEncoding::Cp932;
  const DecodedText decoded = DecodeName(entry.rawName, entry.encoding);
  entry.name = decoded.text;
  entry.nameHadInvalidBytes = decoded.hadInvalidBytes;
  entry.size = size;
  CabMember member{folderIndex, offset};
  if (folderIndex >= kFirstContinuedFolder) {
    entry.issue = MemberIssue::ContinuedElsewhere;
  } else if (folderIndex >= folders_.size()) {
    entry.issue = MemberIssue::DataOutOfRange;
  } else {
    const CabFolder& folder = folders_[folderIndex];
    entry.method = CompressionName(folder.compression);
    const std::uint16_t type = folder.compression & 0x0F;
    if (type != kNone && type != kMsZip) entry.issue = MemberIssue::UnsupportedMethod;
    else if (!folder.readable || offset > folder.size || size > folder.size - offset)
      entry.issue = MemberIssue::DataOutOfRange;
  }
  entries_.push_back(std::move(entry));
  members_.push_back(member);
  return true;
}

void CabReader::Rewind(int folder) {
  cursor_.folder = folder;
  cursor_.nextBlock = 0;
  cursor_.nextBlockOffset = folders_[static_cast<std::size_t>(folder)].firstBlock;
  cursor_.blockStart = 0;
  cursor_.current.clear();
  cursor_.history.clear();
}

MemberIssue CabReader::DecodeNextBlock() {
  const CabFolder& folder = folders_[static_cast<std::size_t>(cursor_.folder)];
  if (cursor_.nextBlock >= folder.blockCount) return MemberIssue::CorruptData;
  if (decodeBudget_ < kBlockSize) return MemberIssue::TotalLimitReached;
  const std::uint64_t at = cursor_.nextBlockOffset;
  const std::uint32_t stated = view_.U32(at);
  const std::uint16_t packed = view_.U16(at + 4), size = view_.U16(at + 6);
  const auto header = view_.Bytes(at + 4, 4);
  const auto reserve = view_.Bytes(at + kDataHeaderSize, dataReserve_);
  const auto data = view_.Bytes(at + kDataHeaderSize + dataReserve_, packed);
  if (view_.Failed()) return MemberIssue::CorruptData;  // ScanFolder saw these bytes: stay defensive
  if (stated != 0) {
    const std::uint32_t sum = CabChecksum(data);
    const bool matches = CabChecksum(header, sum) == stated ||
                         (!reserve.empty() && CabChecksum(reserve, CabChecksum(header, sum)) == stated);
    if (!matches) return MemberIssue::ChecksumMismatch;
  }
  cursor_.blockStart += cursor_.current.size();
  auto& history = cursor_.history;
  history.insert(history.end(), cursor_.current.begin(), cursor_.current.end());
  if (history.size() > kBlockSize) history.erase(history.begin(), history.end() - kBlockSize);
  if ((folder.compression & 0x0F) == kNone) {
    cursor_.current.assign(data.begin(), data.end());
  } else {
    if (data.size() < 2 || data[0] != 'C' || data[1] != 'K') return MemberIssue::CorruptData;
    cursor_.current.reserve(kBlockSize);
    if (!inflater_.InflateBlock(data.subspan(2), history, cursor_.current) ||
        cursor_.current.size() != size) {
      return MemberIssue::CorruptData;
    }
  }
  decodeBudget_ -= cursor_.current.size();
  ++cursor_.nextBlock;
  cursor_.nextBlockOffset = at + kDataHeaderSize + dataReserve_ + packed;
  return MemberIssue::None;
}

MemberIssue CabReader::Extract(std::size_t index, OutputSink& sink) {
  if (index >= entries_.size()) return MemberIssue::BadHeader;
  const ArchiveEntry& entry = entries_[index];
  if (entry.issue != MemberIssue::None) return entry.issue;
  const CabMember& member = members_[index];
  if (cursor_.folder != member.folder || member.offset < cursor_.blockStart) Rewind(member.folder);
  std::uint64_t position = member.offset;
  const std::uint64_t end = member.offset + entry.size;
  while (position < end) {
    while (cursor_.blockStart + cursor_.current.size() <= position) {
      const MemberIssue issue = DecodeNextBlock();
      if (issue != MemberIssue::None) {
        cursor_.folder = -1;  // the folder state is unusable now
        return issue;
      }
    }
    const std::uint64_t blockEnd = cursor_.blockStart + cursor_.current.size();
    const std::size_t from = static_cast<std::size_t>(position - cursor_.blockStart);
    const std::size_t count = static_cast<std::size_t>(std::min(end, blockEnd) - position);
    if (!sink.Write(std::span<const std::uint8_t>(cursor_.current).subspan(from, count))) {
      return MemberIssue::WriteFailed;
    }
    position += count;
  }
  return MemberIssue::None;
}

}  // namespace

std::unique_ptr<ArchiveReader> OpenCabArchive(std::span<const std::uint8_t> bytes) {
  return std::make_unique<CabReader>(bytes);
}

}  // namespace velura
