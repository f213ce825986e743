#include "archive/folder_writer_win.h"

#include <windows.h>

#include "archive/pending_file_names.h"
#include "platform/wide_win.h"

namespace velura {

namespace {

bool IsPlainFolder(const std::wstring& folder) {
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

class PendingWinFile final : public PendingFile {
 public:
  PendingWinFile(HANDLE file, std::wstring temporary, std::wstring final)
      : file_(file), temporary_(std::move(temporary)), final_(std::move(final)) {}
  ~PendingWinFile() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!committed_) DeleteFileW(temporary_.c_str());
  }

  bool Write(std::span<const std::uint8_t> bytes) override {
    const std::uint8_t* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0 && !failed_) {
      const DWORD step = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
      DWORD written = 0;
      if (!WriteFile(file_, data, step, &written, nullptr) || written == 0) failed_ = true;
      data += written;
      left -= written;
    }
    return !failed_;
  }

  MemberIssue Commit() override {
    if (file_ == INVALID_HANDLE_VALUE || failed_) return MemberIssue::WriteFailed;
    const bool closed = CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!closed) return MemberIssue::WriteFailed;
    if (!MoveFileExW(temporary_.c_str(), final_.c_str(), MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? MemberIssue::AlreadyExists
                                                                          : MemberIssue::WriteFailed;
    }
    committed_ = true;
    return MemberIssue::None;
  }

 private:
  HANDLE file_;
  std::wstring temporary_, final_;
  bool failed_ = false;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<PendingFile> FolderWriterWin::Create(std::u16string_view fileName) {
  if (!IsSingleComponent(fileName)) return nullptr;
  std::wstring folder = ToWide(folder_);
  if (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  if (!IsPlainFolder(folder)) return nullptr;
  const std::wstring prefix = folder + L"\\";
  std::wstring final = prefix + ToWide(fileName);
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::wstring temporary = prefix + ToWide(TemporaryFileName());
    // FILE_FLAG_OPEN_REPARSE_POINT: should a link appear under the name, it is never opened through.
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE) return std::make_unique<PendingWinFile>(file, std::move(temporary), std::move(final));
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return nullptr;
  }
  return nullptr;
}

}  // namespace velura
