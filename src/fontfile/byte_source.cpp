#include "fontfile/byte_source.h"

#include <cstring>

#include "platform/text.h"

#ifdef _WIN32
#include <share.h>
#include <cwchar>
#endif

namespace velura {

bool MemorySource::ReadAt(std::uint64_t offset, void* dst, std::size_t n) {
  if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
  if (n != 0) std::memcpy(dst, bytes_.data() + offset, n);
  return true;
}

namespace {

std::FILE* OpenShared(const std::u16string& path) {
#ifdef _WIN32
  // Deny nothing: installed fonts are held open by the system, and other programs may be writing.
  std::wstring wide(path.begin(), path.end());
  return _wfsopen(wide.c_str(), L"rb", _SH_DENYNO);
#else
  return std::fopen(ToUtf8(path).c_str(), "rb");
#endif
}

bool Seek(std::FILE* file, std::uint64_t offset) {
#ifdef _WIN32
  return _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

std::int64_t Tell(std::FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return ftello(file);
#endif
}

}  // namespace

std::unique_ptr<FileSource> FileSource::Open(const std::u16string& path) {
  std::FILE* file = OpenShared(path);
  if (!file) return nullptr;
  std::setvbuf(file, nullptr, _IONBF, 0);  // the block cache is the buffer
  std::int64_t size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) size = Tell(file);
  if (size < 0) {  // a folder opens on some systems but has no end
    std::fclose(file);
    return nullptr;
  }
  return std::unique_ptr<FileSource>(new FileSource(file, static_cast<std::uint64_t>(size)));
}

FileSource::~FileSource() { std::fclose(file_); }

bool FileSource::Fill(std::uint64_t offset, std::size_t n) {
  const std::uint64_t start = offset - offset % 4096;
  std::size_t want = kBlockSize;
  if (offset + n - start > want) want = static_cast<std::size_t>(offset + n - start);
  if (start + want > size_) want = static_cast<std::size_t>(size_ - start);
  block_.resize(want);
  if (!Seek(file_, start) || std::fread(block_.data(), 1, want, file_) != want) {
    block_.clear();
    return false;
  }
  blockOffset_ = start;
  return true;
}

bool FileSource::ReadAt(std::uint64_t offset, void* dst, std::size_t n) {
  if (offset > size_ || n > size_ - offset) return false;
  if (n == 0) return true;
  const bool cached = offset >= blockOffset_ && offset + n <= blockOffset_ + block_.size();
  if (!cached && !Fill(offset, n)) return false;
  std::memcpy(dst, block_.data() + (offset - blockOffset_), n);
  return true;
}

std::int64_t FileSizeOf(const std::u16string& path) {
  auto source = FileSource::Open(path);
  return source ? static_cast<std::int64_t>(source->Size()) : -1;
}

}  // namespace velura
