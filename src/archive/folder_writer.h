// The portable member writer: C runtime file calls on a destination folder. Each member is written to a
// fresh temporary file created exclusively (an existing file or link of that name makes creation fail, so
// no link is ever followed) and then linked or renamed to its final name, never replacing a file.
// Windows builds use the wide-API writer instead (folder_writer_win), which opens with CREATE_NEW and moves
// without MOVEFILE_REPLACE_EXISTING; this one also compiles there, through the CRT's wide functions.
#pragma once
#include <string>

#include "archive/member_writer.h"

namespace velura {

class FolderWriter final : public MemberWriter {
 public:
  explicit FolderWriter(std::u16string folder) : folder_(std::move(folder)) {}
  std::unique_ptr<PendingFile> Create(std::u16string_view fileName) override;

 private:
  std::u16string folder_;
};

}  // namespace velura
