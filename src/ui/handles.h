#pragma once
#include <utility>

#include "ui/win32.h"

// One owner per handle: move-only wrappers that release exactly once.
template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  Handle Release() { return std::exchange(handle_, Handle{}); }
  void Reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

struct GdiObjectTraits {
  static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct MemoryDcTraits {
  static void Close(HDC dc) { DeleteDC(dc); }
};
struct MenuTraits {
  static void Close(HMENU menu) { DestroyMenu(menu); }
};
struct IconTraits {
  static void Close(HICON icon) { DestroyIcon(icon); }
};
struct KernelHandleTraits {
  static void Close(HANDLE handle) { CloseHandle(handle); }
};
struct RegistryKeyTraits {
  static void Close(HKEY key) { RegCloseKey(key); }
};
struct WindowTraits {
  static void Close(HWND window) { DestroyWindow(window); }
};
struct LibraryTraits {
  static void Close(HMODULE library) { FreeLibrary(library); }
};
struct GlobalAtomTraits {
  static void Close(ATOM atom) { GlobalDeleteAtom(atom); }
};

using BitmapHandle = UniqueHandle<HBITMAP, GdiObjectTraits>;
using FontHandle = UniqueHandle<HFONT, GdiObjectTraits>;
using BrushHandle = UniqueHandle<HBRUSH, GdiObjectTraits>;
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using MenuHandle = UniqueHandle<HMENU, MenuTraits>;
using IconHandle = UniqueHandle<HICON, IconTraits>;
using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
// A top-level window we create without a form object (a tooltip).
using WindowHandle = UniqueHandle<HWND, WindowTraits>;
using GlobalAtom = UniqueHandle<ATOM, GlobalAtomTraits>;
using LibraryHandle = UniqueHandle<HMODULE, LibraryTraits>;

// FindFirstFile's search handle: invalid is INVALID_HANDLE_VALUE, not null.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

// A window's device context, released to that window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for a scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
