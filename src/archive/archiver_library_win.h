// Archiver libraries, loaded only from one folder (the program's own), only when the system can restrict
// the search for their dependencies to that folder and the system folder (never the current folder,
// which the browser moves to user folders), and only when the PE header names this program's machine.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "archive/archiver_backend.h"
#include "archive/archiver_types.h"

namespace velura {

enum class LibraryLoad { Loaded, NotFound, WrongMachine, NoSafeSearch, Failed };

class ArchiverLibraryLoader {
 public:
  explicit ArchiverLibraryLoader(std::wstring folder) : folder_(std::move(folder)) {}
  static std::wstring ProgramFolder();

  // Modules stay loaded until the program ends (one binding per library per process).
  LibraryLoad Load(std::wstring_view fileName, HMODULE& module) const;

  // The first of the class's libraries that loads, as a backend over its entry points; null when none
  // loads. EEntryNotFound when the library lacks a required entry point.
  std::unique_ptr<ArchiverBackend> LoadBackend(const ArchiverInfo& info) const;

 private:
  std::wstring folder_;
};

}  // namespace velura
