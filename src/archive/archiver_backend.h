// What serves the calls of TArchiveFile for one archive: the built-in readers, or a library loaded by the
// platform. Results follow the libraries' manner: 0 is success, anything else is returned, not thrown.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archiver_command.h"
#include "archive/archiver_options.h"

namespace velura {

inline constexpr int kArchiverOk = 0;
inline constexpr int kArchiverNoMoreMembers = -1;      // FindFirst/FindNext: the listing is over
inline constexpr int kArchiverNotOpen = 1;              // FindFirst/FindNext without a successful Open
inline constexpr int kArchiverCannotRead = 2;           // missing, unreadable, too large or not an archive
inline constexpr int kArchiverDamaged = 3;              // structural fault; members before it were handled
inline constexpr int kArchiverMembersFailed = 4;        // some chosen members could not be written
inline constexpr int kArchiverUnsupportedPattern = 5;   // the built-in readers extract all members only

// The member record: the name as stored, folder parts included (decoded to UTF-16).
struct ArchiverMemberInfo {
  std::u16string fileName;
  std::uint64_t size = 0;
  std::uint64_t packedSize = 0;
  std::string method;
};

struct ExtractRequest {
  void* window = nullptr;
  std::u16string archive;       // full path
  std::u16string destination;
  std::vector<std::u16string> patterns;
  const TArchiverOptions* options = nullptr;
  ArchiverCommand command;      // what a library is handed
};

class ArchiverBackend {
 public:
  virtual ~ArchiverBackend() = default;
  virtual bool Open(void* window, const std::u16string& fullPath, int mode) = 0;  // true: opened
  virtual int FindFirst(std::u16string_view mask, ArchiverMemberInfo& info) = 0;
  virtual int FindNext(ArchiverMemberInfo& info) = 0;
  virtual void Close() = 0;
  virtual int Extract(const ExtractRequest& request) = 0;
};

}  // namespace velura
