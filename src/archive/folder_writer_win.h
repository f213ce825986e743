// The Windows member writer: wide APIs on a destination folder, so names the ANSI code page cannot hold
// survive. Same policy as the portable FolderWriter: each member goes to a fresh temporary file made with
// CREATE_NEW (an existing file or link of that name makes creation fail, nothing is followed), which is
// moved to its final name without MOVEFILE_REPLACE_EXISTING; a member that fails leaves nothing behind.
#pragma once
#include <string>

#include "archive/member_writer.h"

namespace velura {

class FolderWriterWin final : public MemberWriter {
 public:
  explicit FolderWriterWin(std::u16string folder) : folder_(std::move(folder)) {}
  // Null also when the folder is missing or is itself a link or junction.
  std::unique_ptr<PendingFile> Create(std::u16string_view fileName) override;

 private:
  std::u16string folder_;
};

}  // namespace velura
