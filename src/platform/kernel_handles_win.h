// Owning kernel handles: each is closed exactly once, on every path out of the scope that opened it.
#pragma once
#include <windows.h>

#include <utility>

namespace velura {

// Handle is the raw type, Invalid the value the opening call returns on failure, Close frees it.
template <auto Invalid, auto Close>
class UniqueKernelObject {
 public:
  UniqueKernelObject() = default;
  explicit UniqueKernelObject(HANDLE handle) : handle_(handle) {}
  UniqueKernelObject(UniqueKernelObject&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
  UniqueKernelObject& operator=(UniqueKernelObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Invalid()));
    return *this;
  }
  ~UniqueKernelObject() { Reset(); }
  HANDLE Get() const { return handle_; }
  // For the out-parameter of an opening call (OpenProcessToken): frees what was held first.
  HANDLE* Receive() {
    Reset();
    return &handle_;
  }
  explicit operator bool() const { return handle_ != Invalid(); }
  void Reset(HANDLE handle = Invalid()) {
    if (handle_ != Invalid()) Close(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_ = Invalid();
};

namespace kernel_handles {
inline HANDLE Null() { return nullptr; }
inline HANDLE InvalidValue() { return INVALID_HANDLE_VALUE; }
inline void Close(HANDLE handle) { CloseHandle(handle); }
inline void CloseFind(HANDLE handle) { FindClose(handle); }
}  // namespace kernel_handles

// Processes, threads, tokens, mutexes: null when none.
using UniqueKernelHandle = UniqueKernelObject<kernel_handles::Null, kernel_handles::Close>;
// CreateFileW results: INVALID_HANDLE_VALUE when none.
using UniqueFile = UniqueKernelObject<kernel_handles::InvalidValue, kernel_handles::Close>;
// FindFirstFile(Ex)W results, closed with FindClose.
using UniqueFind = UniqueKernelObject<kernel_handles::InvalidValue, kernel_handles::CloseFind>;

}  // namespace velura
