#include "archive/cab_fdi_win.h"

#include <windows.h>

#include <fcntl.h>
#include <fdi.h>

#include <cstdlib>
#include <cstring>

namespace velura {

namespace {

using CreateFn = decltype(&FDICreate);
using CopyFn = decltype(&FDICopy);
using DestroyFn = decltype(&FDIDestroy);

struct FdiApi {
  CreateFn create = nullptr;
  CopyFn copy = nullptr;
  DestroyFn destroy = nullptr;
};

HMODULE LoadCabinetLibrary() {
  // Only the system folder's copy. LOAD_LIBRARY_SEARCH_SYSTEM32 needs an update on Windows 7; without
  // it, the full path to the system folder does the same.
  if (HMODULE module = LoadLibraryExW(L"cabinet.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
  wchar_t system[MAX_PATH];
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryExW((std::wstring(system, length) + L"\\cabinet.dll").c_str(), nullptr,
                        LOAD_WITH_ALTERED_SEARCH_PATH);
}

const FdiApi& Api() {
  static const FdiApi api = [] {
    FdiApi loaded;
    if (HMODULE module = LoadCabinetLibrary()) {  // kept for the life of the process
      loaded.create = reinterpret_cast<CreateFn>(reinterpret_cast<void*>(GetProcAddress(module, "FDICreate")));
      loaded.copy = reinterpret_cast<CopyFn>(reinterpret_cast<void*>(GetProcAddress(module, "FDICopy")));
      loaded.destroy = reinterpret_cast<DestroyFn>(reinterpret_cast<void*>(GetProcAddress(module, "FDIDestroy")));
    }
    return loaded;
  }();
  return api;
}

// The cabinet is opened under this name; no other file is ever opened.
constexpr char kCabinetName[] = "velura-memory.cab";

// One FDICopy run. FDI's file callbacks carry no context, hence the thread-local session.
struct Session {
  std::span<const std::uint8_t> cabinet;
  const ArchiveEntry* entry = nullptr;
  std::size_t target = 0;
  std::size_t seen = 0;           // COPY_FILE notifications so far: FDI walks the file records in order
  OutputSink* sink = nullptr;
  std::uint64_t written = 0;
  MemberIssue issue = MemberIssue::CorruptData;  // until the member is complete
  bool refused = false;           // the sink refused bytes
};
thread_local Session* current = nullptr;

struct Handle {
  bool output;                    // the member's output, else the cabinet
  std::uint64_t position = 0;
};

Handle* AsHandle(INT_PTR value) { return reinterpret_cast<Handle*>(value); }

void* DIAMONDAPI FdiAllocate(ULONG size) { return std::malloc(size); }
void DIAMONDAPI FdiFree(void* block) { std::free(block); }

INT_PTR DIAMONDAPI FdiOpen(char* name, int flags, int) {
  const std::size_t length = std::strlen(name), key = sizeof(kCabinetName) - 1;
  if ((flags & (_O_WRONLY | _O_RDWR | _O_CREAT)) || length < key || std::strcmp(name + length - key, kCabinetName) != 0)
    return -1;
  return reinterpret_cast<INT_PTR>(new Handle{false});
}

UINT DIAMONDAPI FdiRead(INT_PTR value, void* buffer, UINT count) {
  Handle* handle = AsHandle(value);
  if (handle->output || !current) return static_cast<UINT>(-1);
  const std::uint64_t size = current->cabinet.size();
  const std::uint64_t available = handle->position < size ? size - handle->position : 0;
  const UINT n = static_cast<UINT>(std::min<std::uint64_t>(count, available));
  if (n) std::memcpy(buffer, current->cabinet.data() + handle->position, n);
  handle->position += n;
  return n;
}

UINT DIAMONDAPI FdiWrite(INT_PTR value, void* buffer, UINT count) {
  Handle* handle = AsHandle(value);
  Session* session = current;
  if (!handle->output || !session) return static_cast<UINT>(-1);
  // Never more than the listing declared, whatever FDI produces.
  if (count > session->entry->size - session->written ||
      !session->sink->Write({static_cast<const std::uint8_t*>(buffer), count})) {
    session->refused = true;
    return static_cast<UINT>(-1);
  }
  session->written += count;
  return count;
}

int DIAMONDAPI FdiClose(INT_PTR value) {
  delete AsHandle(value);
  return 0;
}

LONG DIAMONDAPI FdiSeek(INT_PTR value, LONG distance, int origin) {
  Handle* handle = AsHandle(value);
  if (handle->output || !current) return -1;
  const std::int64_t base = origin == SEEK_SET ? 0
                            : origin == SEEK_CUR ? static_cast<std::int64_t>(handle->position)
                                                 : static_cast<std::int64_t>(current->cabinet.size());
  const std::int64_t target = base + distance;
  if (target < 0 || target > static_cast<std::int64_t>(current->cabinet.size())) return -1;
  handle->position = static_cast<std::uint64_t>(target);
  return static_cast<LONG>(target);
}

INT_PTR DIAMONDAPI Notify(FDINOTIFICATIONTYPE type, PFDINOTIFICATION info) {
  Session& session = *current;
  switch (type) {
    case fdintCOPY_FILE: {
      const std::size_t index = session.seen++;
      if (index < session.target) return 0;  // skip
      if (index > session.target) return -1;  // past the member: stop decoding
      // cb is signed in the structure; hostile cabinets make it negative.
      const std::uint32_t size = static_cast<std::uint32_t>(info->cb);
      if (!info->psz1 || session.entry->rawName != info->psz1 || size != session.entry->size) {
        session.issue = MemberIssue::BadHeader;
        return -1;
      }
      return reinterpret_cast<INT_PTR>(new Handle{true});
    }
    case fdintCLOSE_FILE_INFO:
      delete AsHandle(info->hf);
      if (session.written == session.entry->size) session.issue = MemberIssue::None;
      return TRUE;
    case fdintNEXT_CABINET:
      return -1;  // sets are refused by the reader already
    default:
      return 0;
  }
}

}  // namespace

bool CabFdiDecoder::Available() {
  const FdiApi& api = Api();
  return api.create && api.copy && api.destroy;
}

bool CabFdiDecoder::Handles(const ArchiveEntry& entry) const {
  if (entry.kind != EntryKind::File || !Available()) return false;
  if (scope_ == Scope::EveryMember) return true;
  return entry.issue == MemberIssue::UnsupportedMethod && (entry.method == "LZX" || entry.method == "Quantum");
}

MemberIssue CabFdiDecoder::Extract(std::size_t index, OutputSink& sink) {
  if (index >= entries_.size()) return MemberIssue::BadHeader;
  if (!Handles(entries_[index])) return MemberIssue::UnsupportedMethod;
  if (current) return MemberIssue::WriteFailed;  // one run per thread at a time
  const FdiApi& api = Api();
  ERF error{};
  HFDI fdi = api.create(FdiAllocate, FdiFree, FdiOpen, FdiRead, FdiWrite, FdiClose, FdiSeek, cpuUNKNOWN, &error);
  if (!fdi) return MemberIssue::UnsupportedMethod;
  Session session{cabinet_, &entries_[index], index};
  session.sink = &sink;
  current = &session;
  char name[] = "velura-memory.cab", path[] = "";
  api.copy(fdi, name, path, 0, Notify, nullptr, nullptr);  // false also when we stopped it past the member
  current = nullptr;
  api.destroy(fdi);
  if (session.refused) return MemberIssue::WriteFailed;
  if (session.seen <= index) return MemberIssue::CorruptData;  // FDI gave up before reaching the member
  return session.issue;
}

}  // namespace velura
