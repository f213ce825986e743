// The file operations the records and loops use, as an interface: wide Win32 calls with full paths on
// Windows, an in-memory model in tests. Paths are Windows paths (backslash separators).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fontfile/byte_source.h"

namespace velura {

struct FolderEntry {
  std::u16string Name;
  std::uint32_t Attributes = 0;  // FILE_ATTRIBUTE_* bits; 16 is a plain directory
};

class FileServices {
 public:
  virtual ~FileServices() = default;
  virtual bool Exists(const std::u16string& path) = 0;
  // Null when the file cannot be opened for reading.
  virtual std::unique_ptr<ByteSource> OpenForReading(const std::u16string& path) = 0;
  virtual bool Copy(const std::u16string& source, const std::u16string& target, bool failIfExists) = 0;
  virtual bool Delete(const std::u16string& path) = 0;
  // Whether the file can be deleted now: it opens for deletion, beside whoever else has it open.
  virtual bool CanDelete(const std::u16string& path) = 0;
  // Makes the file a normal one, so that a read-only file can be deleted.
  virtual bool ClearAttributes(const std::u16string& path) = 0;
  // The entries of folder + "\*.*" in the order the system returns them; empty when it cannot be listed.
  virtual std::vector<FolderEntry> ListFolder(const std::u16string& folder) = 0;
  virtual bool RemoveFolder(const std::u16string& folder) = 0;
  // Creates one folder (its parent must exist); true when it exists afterwards.
  virtual bool CreateFolder(const std::u16string& folder) = 0;
  // Moves a file; never replaces a file already at the target.
  virtual bool MoveNoReplace(const std::u16string& source, const std::u16string& target) = 0;
  virtual std::u16string CurrentFolder() = 0;
  virtual bool ChangeCurrentFolder(const std::u16string& folder) = 0;
  virtual bool ReadWholeFile(const std::u16string& path, std::vector<std::uint8_t>& bytes) = 0;
  // Writes under a temporary name beside the file and renames it over the file, so a failed write never
  // leaves a truncated file.
  virtual bool WriteReplacing(const std::u16string& path, const std::vector<std::uint8_t>& bytes) = 0;
  // The file's size and last-write time (as its open source reports them) without opening it; false when
  // they cannot be had, and always for services that keep no times.
  virtual bool SizeAndTime(const std::u16string& /*path*/, std::uint64_t& /*size*/, std::int64_t& /*time*/) {
    return false;
  }
};

}  // namespace velura
