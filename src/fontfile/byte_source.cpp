#include "fontfile/byte_source.h"

#include <algorithm>
#include <cstring>

#include "fontfile/joined_reads.h"
#include "platform/text.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velura {

bool MemorySource::ReadAt(std::uint64_t offset, void* dst, std::size_t n) {
  if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
  if (n != 0) std::memcpy(dst, bytes_.data() + offset, n);
  return true;
}

namespace {

// Low-level descriptors rather than stdio streams: the reader does its own buffering.
#ifdef _WIN32
int OpenShared(const std::u16string& path) {
  // Deny nothing: installed fonts are held open by the system, and other programs may be writing.
  const std::wstring wide(path.begin(), path.end());
  int descriptor = -1;
  if (_wsopen_s(&descriptor, wide.c_str(), _O_RDONLY | _O_BINARY, _SH_DENYNO, _S_IREAD) != 0) return -1;
  return descriptor;
}

struct FileFacts {
  std::int64_t size = -1;  // -1: not a regular file
  std::int64_t modified = 0;
};

FileFacts FactsOf(int descriptor) {
  struct _stat64 info;
  if (_fstat64(descriptor, &info) != 0 || !(info.st_mode & _S_IFREG)) return {};
  return {info.st_size, static_cast<std::int64_t>(info.st_mtime)};
}

bool ReadFully(int descriptor, std::uint64_t offset, std::uint8_t* dst, std::size_t n) {
  if (_lseeki64(descriptor, static_cast<long long>(offset), SEEK_SET) < 0) return false;
  while (n > 0) {
    const int got = _read(descriptor, dst, static_cast<unsigned>(n > (1u << 30) ? (1u << 30) : n));
    if (got <= 0) return false;
    dst += got;
    n -= static_cast<std::size_t>(got);
  }
  return true;
}

void CloseDescriptor(int descriptor) { _close(descriptor); }
#else
int OpenShared(const std::u16string& path) { return open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC); }

struct FileFacts {
  std::int64_t size = -1;  // -1: not a regular file
  std::int64_t modified = 0;
};

FileFacts FactsOf(int descriptor) {
  struct stat info;
  if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) return {};
  return {info.st_size, static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

bool ReadFully(int descriptor, std::uint64_t offset, std::uint8_t* dst, std::size_t n) {
  while (n > 0) {
    const ssize_t got = pread(descriptor, dst, n, static_cast<off_t>(offset));
    if (got <= 0) return false;
    dst += got;
    offset += static_cast<std::uint64_t>(got);
    n -= static_cast<std::size_t>(got);
  }
  return true;
}

void CloseDescriptor(int descriptor) { close(descriptor); }
#endif

}  // namespace

std::unique_ptr<FileSource> FileSource::Open(const std::u16string& path, LastWriteTimeReader lastWriteTime) {
  const int descriptor = OpenShared(path);
  if (descriptor < 0) return nullptr;
  const FileFacts facts = FactsOf(descriptor);
  if (facts.size < 0) {  // a folder or a device
    CloseDescriptor(descriptor);
    return nullptr;
  }
  const std::int64_t modified = lastWriteTime ? lastWriteTime(descriptor) : facts.modified;
  return std::unique_ptr<FileSource>(new FileSource(descriptor, static_cast<std::uint64_t>(facts.size), modified));
}

FileSource::~FileSource() { CloseDescriptor(descriptor_); }

bool FileSource::ReadFromFile(std::uint64_t offset, std::uint8_t* dst, std::size_t n) {
  ++fileReads_;
  return ReadFully(descriptor_, offset, dst, n);
}

bool FileSource::Fill(std::uint64_t offset, std::size_t n) {
  const std::uint64_t start = offset - offset % kBlockSize;
  std::uint64_t want = std::max<std::uint64_t>(kBlockSize, offset + n - start);
  want = std::min<std::uint64_t>(want, size_ - start);
  if (block_.size() < want) block_.resize(static_cast<std::size_t>(want));
  blockLength_ = 0;
  if (!ReadFromFile(start, block_.data(), static_cast<std::size_t>(want))) return false;
  blockOffset_ = start;
  blockLength_ = static_cast<std::size_t>(want);
  return true;
}

const std::uint8_t* FileSource::Kept(std::uint64_t offset, std::uint64_t n) {
  auto holds = [offset, n](const KeptSpan& span) {
    return offset >= span.offset && offset - span.offset <= span.bytes.size() &&
           n <= span.bytes.size() - (offset - span.offset);
  };
  if (lastKept_ >= kept_.size() || !holds(kept_[lastKept_])) {
    auto it = std::find_if(kept_.begin(), kept_.end(), holds);
    if (it == kept_.end()) return nullptr;
    lastKept_ = static_cast<std::size_t>(it - kept_.begin());
  }
  const KeptSpan& span = kept_[lastKept_];
  return span.bytes.data() + (offset - span.offset);
}

void FileSource::KeepBlock() {
  if (kept_.size() >= kMaxKeptSpans || blockLength_ > kMaxKeptBytes - keptBytes_) return;
  if (Kept(blockOffset_, blockLength_)) return;
  kept_.push_back({blockOffset_, std::vector<std::uint8_t>(block_.begin(), block_.begin() + blockLength_)});
  keptBytes_ += blockLength_;
}

void FileSource::Prefetch(std::span<const ByteRegion> regions) {
  if (kept_.size() >= kMaxKeptSpans || keptBytes_ >= kMaxKeptBytes) return;  // the block cache serves the rest
  std::vector<ByteRegion> wanted;
  bool inBlock = false;
  for (const ByteRegion& region : regions) {
    const ByteRegion r = ClippedTo(region, size_);
    if (r.length == 0 || Kept(r.offset, r.length)) continue;
    // Bytes the block already holds need no call: the block is kept with the spans instead.
    if (r.offset >= blockOffset_ && r.offset + r.length <= blockOffset_ + blockLength_) inBlock = true;
    else wanted.push_back(r);
  }
  if (inBlock) KeepBlock();

  JoinLimits limits;
  limits.fileSize = size_;
  limits.maxBytes = kMaxKeptBytes - keptBytes_;
  limits.maxReads = kMaxKeptSpans - kept_.size();
  for (const ByteRegion& read : JoinedReads(wanted, limits)) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(read.length));
    if (!ReadFromFile(read.offset, bytes.data(), bytes.size())) continue;
    keptBytes_ += read.length;
    kept_.push_back({read.offset, std::move(bytes)});
  }
}

bool FileSource::ReadAt(std::uint64_t offset, void* dst, std::size_t n) {
  if (offset > size_ || n > size_ - offset) return false;
  if (n == 0) return true;
  if (const std::uint8_t* kept = Kept(offset, n)) {
    std::memcpy(dst, kept, n);
    return true;
  }
  const bool cached = offset >= blockOffset_ && offset + n <= blockOffset_ + blockLength_;
  if (!cached && !Fill(offset, n)) return false;
  std::memcpy(dst, block_.data() + (offset - blockOffset_), n);
  return true;
}

std::int64_t FileSizeOf(const std::u16string& path) {
  auto source = FileSource::Open(path);
  return source ? static_cast<std::int64_t>(source->Size()) : -1;
}

}  // namespace velura
