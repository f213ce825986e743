// Owning handles for the GDI and USER objects the windows keep: each is freed exactly once. The handles
// owned right now are counted, so a long session can be checked for leaks where the system does not say
// how many objects a process holds (GetGuiResources answers 0 under Wine).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace velura::ui {

// How many GDI and USER objects the owning handles below hold now (the UI thread's; not synchronised).
int OwnedHandleCount();
namespace detail {
void CountOwnedHandle(int change);
}

template <typename Handle, auto Free>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {
    if (handle_) detail::CountOwnedHandle(1);
  }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);  // still counted once
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }
  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) {
      Free(handle_);
      detail::CountOwnedHandle(-1);
    }
    handle_ = handle;
    if (handle_) detail::CountOwnedHandle(1);
  }
  Handle Release() {
    if (handle_) detail::CountOwnedHandle(-1);
    return std::exchange(handle_, nullptr);
  }

 private:
  Handle handle_ = nullptr;
};

inline void FreeGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void FreeImageList(HIMAGELIST list) { ImageList_Destroy(list); }
inline void FreeAccelerators(HACCEL table) { DestroyAcceleratorTable(table); }
inline void FreeMenu(HMENU menu) { DestroyMenu(menu); }

using UniqueFont = UniqueHandle<HFONT, FreeGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, FreeGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, FreeGdiObject>;
using UniqueImageList = UniqueHandle<HIMAGELIST, FreeImageList>;
using UniqueAccelerators = UniqueHandle<HACCEL, FreeAccelerators>;
using UniqueMenu = UniqueHandle<HMENU, FreeMenu>;

// A DC borrowed with GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for one scope.
class SelectInDc {
 public:
  SelectInDc(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectInDc() { SelectObject(dc_, old_); }
  SelectInDc(const SelectInDc&) = delete;
  SelectInDc& operator=(const SelectInDc&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace velura::ui
