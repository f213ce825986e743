// Owning handles for the GDI and USER objects the windows keep: each is freed exactly once.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace velura::ui {

template <typename Handle, auto Free>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~UniqueHandle() { Reset(); }
  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) Free(handle_);
    handle_ = handle;
  }
  Handle Release() { return std::exchange(handle_, nullptr); }

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
