// Where the program keeps the files it writes ("velura_wd.ini", "velura_c_rec.bin", "veluragd.bin"): beside
// the executable while that folder takes writes, else in the user's roaming application data, where a
// standard user run from a protected folder can write. Decided once at start-up.
#pragma once
#include <array>
#include <string>

namespace velura {

inline constexpr std::array<const char16_t*, 3> kStoredFileNames = {u"velura_wd.ini", u"velura_c_rec.bin",
                                                                    u"veluragd.bin"};

struct StoredFilesFacts {
  bool programFolderWritable = false;
  bool programFolderHoldsFiles = false;  // at least one of kStoredFileNames
  bool userFolderKnown = false;          // the roaming application data folder could be found
  bool userFolderExists = false;         // its "VELURA" folder, made by an earlier run
};

struct StoredFilesPlan {
  bool useUserFolder = false;
  bool createUserFolder = false;
  // The files an earlier run left beside the executable are carried over, so nothing set there is lost.
  bool copyProgramFiles = false;
  // The first run that keeps them there says so once; later runs find the folder and stay silent.
  bool tellUser = false;
};

StoredFilesPlan PlanStoredFiles(const StoredFilesFacts& facts);

// The note shown once when the files move to the user's folder (given with its trailing backslash).
std::u16string StoredFilesMovedNote(const std::u16string& folder);

}  // namespace velura
