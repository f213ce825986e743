// The record services of a real Windows system: GDI font services and wide-API file operations.
#pragma once
#include <functional>

#include "records/file_services.h"
#include "records/font_services.h"

namespace velura {

class GdiFontServices final : public FontServices {
 public:
  // Enumerations of every font or family take up to a second after thousands were added: they run aside
  // while this is called every 30 ms (the windows standing over the work); empty: they run on this thread.
  void SetWhileEnumerating(std::function<void()> pump) { whileEnumerating_ = std::move(pump); }
  int AddResource(const std::u16string& path) override;
  bool RemoveResource(const std::u16string& path) override;
  std::vector<TLogFontName> EnumerateLogFonts(const std::u16string& faceName) override;
  std::vector<std::u16string> EnumerateFamilyNames() override;
  void BroadcastFontChange() override;

 private:
  void Enumerate(const std::function<void()>& work) const;
  std::function<void()> whileEnumerating_;
};

class WindowsFileServices final : public FileServices {
 public:
  bool Exists(const std::u16string& path) override;
  bool SizeAndTime(const std::u16string& path, std::uint64_t& size, std::int64_t& time) override;
  std::unique_ptr<ByteSource> OpenForReading(const std::u16string& path) override;
  bool Copy(const std::u16string& source, const std::u16string& target, bool failIfExists) override;
  bool Delete(const std::u16string& path) override;
  bool CanDelete(const std::u16string& path) override;
  bool ClearAttributes(const std::u16string& path) override;
  std::vector<FolderEntry> ListFolder(const std::u16string& folder) override;
  bool RemoveFolder(const std::u16string& folder) override;
  bool CreateFolder(const std::u16string& folder) override;
  bool MoveNoReplace(const std::u16string& source, const std::u16string& target) override;
  std::u16string CurrentFolder() override;
  bool ChangeCurrentFolder(const std::u16string& folder) override;
  bool ReadWholeFile(const std::u16string& path, std::vector<std::uint8_t>& bytes) override;
  bool WriteReplacing(const std::u16string& path, const std::vector<std::uint8_t>& bytes) override;
};

// The Windows fonts folder, without a trailing backslash.
std::u16string SystemFontsFolder();

// Whether the user may install and uninstall: always on Windows 2000, else the shell's answer.
bool UserIsAdmin();

// The current user's local application data folder (FOLDERID_LocalAppData), without a trailing backslash;
// empty when the shell does not know it.
std::u16string LocalAppDataFolder();

}  // namespace velura
