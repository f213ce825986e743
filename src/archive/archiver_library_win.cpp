#include "archive/archiver_library_win.h"

#include <map>
#include <mutex>
#include <vector>

#include "platform/kernel_handles_win.h"
#include "archive/archiver_errors.h"
#include "archive/pe_machine.h"
#include "platform/ansi_win.h"
#include "platform/wide_win.h"

namespace velura {

namespace {

bool SafeSearchAvailable() {
  // The LOAD_LIBRARY_SEARCH_* flags came with AddDllDirectory (Windows 8, an update on Windows 7).
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  return kernel && GetProcAddress(kernel, "AddDllDirectory");
}

std::uint16_t MachineOfFile(const std::wstring& path) {
  const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) return 0;
  std::vector<std::uint8_t> head(kPeHeadBytes);
  DWORD read = 0;
  const bool ok = ::ReadFile(file.Get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr);
  return ok ? PeMachine(std::span<const std::uint8_t>(head.data(), read)) : 0;
}

// The calling convention of the archiver libraries: ANSI text, an opaque archive handle.
using CommandFn = int(WINAPI*)(HWND, LPCSTR, LPSTR, DWORD);
using OpenFn = HANDLE(WINAPI*)(HWND, LPCSTR, DWORD);
using CloseFn = int(WINAPI*)(HANDLE);
using FindFirstFn = int(WINAPI*)(HANDLE, LPCSTR, void*);
using FindNextFn = int(WINAPI*)(HANDLE, void*);

// Member record: the name lies at byte 26, 513 bytes with its terminating zero; the rest is room to spare.
constexpr std::size_t kRecordBytes = 1024, kNameOffset = 26, kNameBytes = 513;

class LibraryArchiver final : public ArchiverBackend {
 public:
  LibraryArchiver(CommandFn command, OpenFn open, CloseFn close, FindFirstFn first, FindNextFn next)
      : command_(command), open_(open), close_(close), first_(first), next_(next) {}
  ~LibraryArchiver() override { Close(); }

  bool Open(void* window, const std::u16string& fullPath, int mode) override {
    Close();
    const auto path = ToAnsiExact(fullPath);  // a path the code page cannot hold would name another file
    if (!path) return false;
    archive_ = open_(static_cast<HWND>(window), path->c_str(), static_cast<DWORD>(mode));
    return archive_ != nullptr;
  }
  int FindFirst(std::u16string_view mask, ArchiverMemberInfo& info) override {
    const auto ansiMask = ToAnsiExact(mask);
    if (!archive_ || !ansiMask) return kArchiverNotOpen;
    std::vector<char> record(kRecordBytes);
    return Fill(first_(archive_, ansiMask->c_str(), record.data()), record, info);
  }
  int FindNext(ArchiverMemberInfo& info) override {
    if (!archive_) return kArchiverNotOpen;
    std::vector<char> record(kRecordBytes);
    return Fill(next_(archive_, record.data()), record, info);
  }
  void Close() override {
    if (archive_) close_(archive_);
    archive_ = nullptr;
  }
  int Extract(const ExtractRequest& request) override {
    const auto line = ToAnsiExact(request.command.line);
    if (!line) return kArchiverCannotRead;
    if (!request.command.responseFile.empty() && !WriteResponseFile(request.command)) return kArchiverCannotRead;
    std::vector<char> output(4096);
    return command_(static_cast<HWND>(request.window), line->c_str(), output.data(),
                    static_cast<DWORD>(output.size()));
  }

 private:
  static int Fill(int result, const std::vector<char>& record, ArchiverMemberInfo& info) {
    if (result != 0) return result;
    const char* name = record.data() + kNameOffset;
    info = {};
    info.fileName = FromAnsi(std::string_view(name, strnlen(name, kNameBytes - 1)));
    return result;
  }
  static bool WriteResponseFile(const ArchiverCommand& command) {
    const auto text = ToAnsiExact(command.responseText);
    if (!text) return false;
    const UniqueFile file(CreateFileW(AsWide(command.responseFile), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return ::WriteFile(file.Get(), text->data(), static_cast<DWORD>(text->size()), &written, nullptr) &&
           written == text->size();
  }

  CommandFn command_;
  OpenFn open_;
  CloseFn close_;
  FindFirstFn first_;
  FindNextFn next_;
  HANDLE archive_ = nullptr;
};

std::wstring ModulePath(HMODULE module) {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

}  // namespace

std::wstring ArchiverLibraryLoader::ProgramFolder() {
  std::wstring path = ModulePath(nullptr);
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

LibraryLoad ArchiverLibraryLoader::Load(std::wstring_view fileName, HMODULE& module) const {
  static std::mutex lock;
  static std::map<std::wstring, HMODULE> loaded;  // by full path, for the life of the process
  module = nullptr;
  if (!SafeSearchAvailable()) return LibraryLoad::NoSafeSearch;
  const std::wstring path = folder_ + L"\\" + std::wstring(fileName);
  const std::lock_guard<std::mutex> guard(lock);
  if (auto found = loaded.find(path); found != loaded.end()) {
    module = found->second;
    return LibraryLoad::Loaded;
  }
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
    return LibraryLoad::NotFound;
  if (MachineOfFile(path) != OwnMachine()) return LibraryLoad::WrongMachine;
  module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) return LibraryLoad::Failed;
  loaded[path] = module;
  return LibraryLoad::Loaded;
}

std::unique_ptr<ArchiverBackend> ArchiverLibraryLoader::LoadBackend(const ArchiverInfo& info) const {
  for (std::u16string_view library : info.libraries) {
    HMODULE module = nullptr;
    if (Load(AsWide(library), module) != LibraryLoad::Loaded) continue;
    const std::string prefix(info.prefix.begin(), info.prefix.end());  // ASCII
    auto entry = [&](const std::string& name) {
      FARPROC proc = GetProcAddress(module, (prefix + name).c_str());
      if (!proc) throw NoEntryError(info, AsU16(ModulePath(module)), Widen(prefix + name));
      return reinterpret_cast<void*>(proc);
    };
    // One after the other: the first missing entry point is the one reported.
    const auto command = reinterpret_cast<CommandFn>(entry(""));
    const auto open = reinterpret_cast<OpenFn>(entry("OpenArchive"));
    const auto close = reinterpret_cast<CloseFn>(entry("CloseArchive"));
    const auto first = reinterpret_cast<FindFirstFn>(entry("FindFirst"));
    const auto next = reinterpret_cast<FindNextFn>(entry("FindNext"));
    return std::make_unique<LibraryArchiver>(command, open, close, first, next);
  }
  return nullptr;
}

}  // namespace velura
