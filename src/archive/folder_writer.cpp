#include "archive/folder_writer.h"

#include <cerrno>
#include <cstdint>

#include "archive/pending_file_names.h"
#include "platform/text.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velura {

namespace {

#ifdef _WIN32
using NativePath = std::wstring;
NativePath Native(std::u16string_view path) { return NativePath(path.begin(), path.end()); }
int CreateExclusive(const NativePath& path) {
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const unsigned step = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
    const int n = _write(fd, data, step);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}
bool CloseFile(int fd) { return _close(fd) == 0; }
void RemoveFile(const NativePath& path) { _wunlink(path.c_str()); }
MemberIssue MoveNoReplace(const NativePath& from, const NativePath& to) {
  if (_waccess(to.c_str(), 0) == 0) return MemberIssue::AlreadyExists;
  return _wrename(from.c_str(), to.c_str()) == 0 ? MemberIssue::None : MemberIssue::WriteFailed;  // never replaces
}
constexpr char16_t kSeparator = u'\\';
#else
using NativePath = std::string;
NativePath Native(std::u16string_view path) { return ToUtf8(path); }
int CreateExclusive(const NativePath& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}
bool CloseFile(int fd) { return close(fd) == 0; }
void RemoveFile(const NativePath& path) { unlink(path.c_str()); }
MemberIssue MoveNoReplace(const NativePath& from, const NativePath& to) {
  // A hard link fails when anything (a file, a link) already has the name; then the temporary name goes.
  if (link(from.c_str(), to.c_str()) == 0) {
    unlink(from.c_str());
    return MemberIssue::None;
  }
  if (errno == EEXIST) return MemberIssue::AlreadyExists;
  struct stat existing;
  if (lstat(to.c_str(), &existing) == 0) return MemberIssue::AlreadyExists;  // file systems without links
  return rename(from.c_str(), to.c_str()) == 0 ? MemberIssue::None : MemberIssue::WriteFailed;
}
constexpr char16_t kSeparator = u'/';
#endif

class PendingFolderFile final : public PendingFile {
 public:
  PendingFolderFile(int fd, NativePath temporary, NativePath final)
      : fd_(fd), temporary_(std::move(temporary)), final_(std::move(final)) {}
  ~PendingFolderFile() override {
    if (fd_ >= 0) CloseFile(fd_);
    if (!committed_) RemoveFile(temporary_);
  }

  bool Write(std::span<const std::uint8_t> bytes) override {
    if (fd_ < 0 || !WriteAll(fd_, bytes.data(), bytes.size())) {
      failed_ = true;
      return false;
    }
    return true;
  }

  MemberIssue Commit() override {
    if (fd_ < 0 || failed_) return MemberIssue::WriteFailed;
    const bool closed = CloseFile(fd_);
    fd_ = -1;
    if (!closed) return MemberIssue::WriteFailed;
    const MemberIssue moved = MoveNoReplace(temporary_, final_);
    committed_ = moved == MemberIssue::None;
    return moved;
  }

 private:
  int fd_;
  NativePath temporary_, final_;
  bool failed_ = false;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<PendingFile> FolderWriter::Create(std::u16string_view fileName) {
  if (!IsSingleComponent(fileName)) return nullptr;
  std::u16string prefix = folder_;
  if (!prefix.empty() && prefix.back() != u'/' && prefix.back() != u'\\') prefix.push_back(kSeparator);
  const NativePath final = Native(prefix + std::u16string(fileName));
  for (int attempt = 0; attempt < 16; ++attempt) {
    NativePath temporary = Native(prefix + TemporaryFileName());
    const int fd = CreateExclusive(temporary);
    if (fd >= 0) return std::make_unique<PendingFolderFile>(fd, std::move(temporary), final);
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace velura
