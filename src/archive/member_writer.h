// Where extracted members become files. The extraction logic only sees this interface, so it runs the same
// against the portable folder writer, the Windows wide-API writer and the recorders of the tests.
#pragma once
#include <memory>
#include <string_view>

#include "archive/archive_entry.h"
#include "archive/output_sink.h"

namespace velura {

// A member being written under a temporary name. Commit makes it appear under its final name; a file
// that is destroyed without a successful Commit is deleted, so a failed member leaves nothing behind.
class PendingFile : public OutputSink {
 public:
  // None, AlreadyExists (nothing is ever replaced) or WriteFailed.
  virtual MemberIssue Commit() = 0;
};

class MemberWriter {
 public:
  virtual ~MemberWriter() = default;
  // fileName is one flattened, sanitised component. Null when no temporary file can be created.
  virtual std::unique_ptr<PendingFile> Create(std::u16string_view fileName) = 0;
};

}  // namespace velura
