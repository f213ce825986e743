// TArchiveFile: opens an archive, lists its members and extracts them into a folder. ZIP, CAB and LZH are
// served by the built-in readers; other formats need their archiver library, which the host loads (none
// is, normally: then opening them raises ENoArchiverDLL).
//
//   TArchiveFile archive(window);
//   archive.SetFileName(path);                      // type from the name; EArchiver for .gca
//   archive.Open(window, 0);                        // false: opened
//   ArchiverMemberInfo info;
//   for (int r = archive.FindFirst(u"*.*", info); r == 0; r = archive.FindNext(info)) use(info.fileName);
//   archive.Close();
//   archive.Options().w = work; archive.Options().x = 0; ...
//   archive.Extract(window, nullptr, {u""}, work);  // 0: every chosen member written
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "archive/archiver_backend.h"
#include "archive/archiver_host.h"

namespace velura {

class TArchiveFile {
 public:
  explicit TArchiveFile(void* owner = nullptr) : TArchiveFile(owner, DefaultArchiverHost()) {}
  TArchiveFile(void* owner, ArchiverHost& host) : owner_(owner), host_(host) {}
  TArchiveFile(const TArchiveFile&) = delete;
  TArchiveFile& operator=(const TArchiveFile&) = delete;

  void* Owner() const { return owner_; }

  // Detects the type from the name (".exe": from the content) and sets ArchiverType, then stores the name.
  void SetFileName(const std::u16string& fileName);
  const std::u16string& FileName() const { return fileName_; }

  // atNone changes nothing; atAutoDetect keeps the current archiver; a type without an archiver class
  // raises EArchiver "書庫の形式を特定できませんでした。".
  void SetArchiverType(TArchiverType type);
  TArchiverType ArchiverType() const { return type_; }
  // The class that serves the archive (the per-format archiver), or null.
  const ArchiverInfo* Archiver() const { return archiver_; }

  TArchiverOptions& Options() { return options_; }
  const TArchiverOptions& Options() const { return options_; }

  // Size of the message buffer a library command gets; the built-in readers leave it empty.
  void SetOutputSize(int size);
  int OutputSize() const { return outputSize_; }
  const std::u16string& Output() const { return output_; }

  // False when the archive was opened, true when not. EArchiver "書庫の形式を判別できません。" when no
  // archiver serves it; ENoArchiverDLL / EEntryNotFound from library loading.
  bool Open(void* window, int mode);
  // 0: a member was written into info; kArchiverNoMoreMembers ends the listing; kArchiverNotOpen.
  int FindFirst(std::u16string_view mask, ArchiverMemberInfo& info);
  int FindNext(ArchiverMemberInfo& info);
  void Close();

  // Extracts the members matching patterns (one empty pattern: all) into destination with options
  // (null: Options()). 0 on success; other results are returned, not raised.
  int Extract(void* window, const TArchiverOptions* options, const std::vector<std::u16string>& patterns,
              const std::u16string& destination);
  // The command line Extract hands a library for the same arguments.
  ArchiverCommand ExtractCommand(const TArchiverOptions* options, const std::vector<std::u16string>& patterns,
                                 const std::u16string& destination);

 private:
  const ArchiverInfo& RequireArchiver();
  std::unique_ptr<ArchiverBackend> CreateBackend(const ArchiverInfo& archiver);

  void* owner_;
  ArchiverHost& host_;
  std::u16string fileName_;
  TArchiverType type_ = atAutoDetect;
  const ArchiverInfo* archiver_ = nullptr;
  TArchiverOptions options_;
  int outputSize_ = 0;
  std::u16string output_;
  std::unique_ptr<ArchiverBackend> open_;  // the open archive, null when closed
};

}  // namespace velura
