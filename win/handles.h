#pragma once
// Owning wrappers for Win32 handles: every handle a routine opens is closed on every path.
// Winsock 2 before windows.h: without WIN32_LEAN_AND_MEAN the latter brings the old winsock.h.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <utility>

namespace corvana {

// A move-only owner of one handle; Traits says what "none" is and how to close it.
template <class Traits>
class UniqueHandle {
 public:
  using handle_type = typename Traits::handle_type;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(handle_type h) noexcept : h_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  handle_type get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return Traits::valid(h_); }
  handle_type release() noexcept { return std::exchange(h_, Traits::none()); }
  void reset(handle_type h = Traits::none()) noexcept {
    if (Traits::valid(h_)) Traits::close(h_);
    h_ = h;
  }
  // For out-parameters of the API: closes what is held and hands out the slot.
  handle_type* put() noexcept {
    reset();
    return &h_;
  }

 private:
  handle_type h_ = Traits::none();
};

struct RegKeyTraits {
  using handle_type = HKEY;
  static HKEY none() noexcept { return nullptr; }
  static bool valid(HKEY h) noexcept { return h != nullptr; }
  static void close(HKEY h) noexcept {
    // The predefined roots are not ours to close.
    auto v = reinterpret_cast<ULONG_PTR>(h);
    if (v >= 0x80000000u && v <= 0x80000006u) return;
    RegCloseKey(h);
  }
};
using RegKey = UniqueHandle<RegKeyTraits>;

struct KernelHandleTraits {
  using handle_type = HANDLE;
  static HANDLE none() noexcept { return nullptr; }
  static bool valid(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) noexcept { CloseHandle(h); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

struct WindowTraits {
  using handle_type = HWND;
  static HWND none() noexcept { return nullptr; }
  static bool valid(HWND h) noexcept { return h != nullptr; }
  static void close(HWND h) noexcept { DestroyWindow(h); }
};
using WindowHandle = UniqueHandle<WindowTraits>;

struct GdiObjectTraits {
  using handle_type = HGDIOBJ;
  static HGDIOBJ none() noexcept { return nullptr; }
  static bool valid(HGDIOBJ h) noexcept { return h != nullptr; }
  static void close(HGDIOBJ h) noexcept { DeleteObject(h); }
};
using GdiObject = UniqueHandle<GdiObjectTraits>;

struct MemoryDcTraits {
  using handle_type = HDC;
  static HDC none() noexcept { return nullptr; }
  static bool valid(HDC h) noexcept { return h != nullptr; }
  static void close(HDC h) noexcept { DeleteDC(h); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;

struct MenuTraits {
  using handle_type = HMENU;
  static HMENU none() noexcept { return nullptr; }
  static bool valid(HMENU h) noexcept { return h != nullptr; }
  static void close(HMENU h) noexcept { DestroyMenu(h); }
};
using MenuHandle = UniqueHandle<MenuTraits>;

struct LibraryTraits {
  using handle_type = HMODULE;
  static HMODULE none() noexcept { return nullptr; }
  static bool valid(HMODULE h) noexcept { return h != nullptr; }
  static void close(HMODULE h) noexcept { FreeLibrary(h); }
};
using LibraryHandle = UniqueHandle<LibraryTraits>;

// A file of the 16-bit compatible calls (_lopen, _lcreat).
struct LegacyFileTraits {
  using handle_type = HFILE;
  static HFILE none() noexcept { return HFILE_ERROR; }
  static bool valid(HFILE h) noexcept { return h != HFILE_ERROR; }
  static void close(HFILE h) noexcept { _lclose(h); }
};
using LegacyFile = UniqueHandle<LegacyFileTraits>;

struct SocketTraits {
  using handle_type = SOCKET;
  static SOCKET none() noexcept { return INVALID_SOCKET; }
  static bool valid(SOCKET s) noexcept { return s != INVALID_SOCKET; }
  static void close(SOCKET s) noexcept { closesocket(s); }
};
using Socket = UniqueHandle<SocketTraits>;

struct IconTraits {
  using handle_type = HICON;
  static HICON none() noexcept { return nullptr; }
  static bool valid(HICON h) noexcept { return h != nullptr; }
  static void close(HICON h) noexcept { DestroyIcon(h); }
};
using IconHandle = UniqueHandle<IconTraits>;

struct ImageListTraits {
  using handle_type = HIMAGELIST;
  static HIMAGELIST none() noexcept { return nullptr; }
  static bool valid(HIMAGELIST h) noexcept { return h != nullptr; }
  static void close(HIMAGELIST h) noexcept { ImageList_Destroy(h); }
};
using ImageListHandle = UniqueHandle<ImageListTraits>;

// Memory that a call hands over from the COM task allocator (a shell item id list ...).
struct TaskMemoryTraits {
  using handle_type = void*;
  static void* none() noexcept { return nullptr; }
  static bool valid(void* h) noexcept { return h != nullptr; }
  static void close(void* h) noexcept { CoTaskMemFree(h); }
};
using TaskMemory = UniqueHandle<TaskMemoryTraits>;

// A DC from GetDC (the client area) or GetWindowDC (the whole window, frame and caption too),
// released to its window.
class WindowDc {
 public:
  enum Area { Client, Whole };
  explicit WindowDc(HWND wnd, Area area = Client) noexcept
      : wnd_(wnd), dc_(area == Whole ? GetWindowDC(wnd) : GetDC(wnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Puts an object into a DC for a scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace corvana
