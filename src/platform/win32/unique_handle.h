#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace platform::win32 {

// One owner for every kind of handle: move-only, closes on destruction.
// A traits type names the handle type, its empty value and how it is closed.
// Each kind counts the handles it holds open, so that tests and benchmarks
// can tell that nothing is left behind.
template <typename Traits>
class Unique {
 public:
  using Handle = typename Traits::Handle;

  Unique() = default;
  explicit Unique(Handle h) { reset(h); }
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Traits::empty())) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Traits::empty());
    }
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::empty(); }
  void reset(Handle h = Traits::empty()) {
    const Handle old = std::exchange(handle_, h);
    if (old != Traits::empty()) {
      Traits::close(old);
      --live_;
    }
    if (h != Traits::empty()) ++live_;
  }

  // The storage that put() lends until the end of the statement: what the
  // call left there is owned, and counted, from then on.
  class Receiver {
   public:
    explicit Receiver(Unique& owner) : owner_(owner) {}
    ~Receiver() {
      if (owner_.handle_ != Traits::empty()) ++live_;
    }
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;
    operator Handle*() const { return &owner_.handle_; }

   private:
    Unique& owner_;
  };

  // For a call that hands a handle out through a pointer, as in
  // `::RegOpenKeyExW(root, name, 0, access, key.put())`: closes the handle
  // held and lends the storage to the call.
  [[nodiscard]] Receiver put() {
    reset();
    return Receiver(*this);
  }

  // Handles of this kind open now.
  static long liveCount() { return live_; }

 private:
  // Counted from every thread: the work queue's thread loads a library too.
  static inline std::atomic<long> live_ = 0;
  Handle handle_ = Traits::empty();
};

template <typename H, auto CloseFunction>
struct NullEmptyTraits {
  using Handle = H;
  static Handle empty() { return nullptr; }
  static void close(Handle h) { CloseFunction(h); }
};

struct FileTraits {
  using Handle = HANDLE;
  static Handle empty() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { ::CloseHandle(h); }
};

// A directory search of FindFirstFile.
struct SearchTraits {
  using Handle = HANDLE;
  static Handle empty() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { ::FindClose(h); }
};

inline void deleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void closeKey(HKEY key) { ::RegCloseKey(key); }
inline void destroyWindow(HWND window) { ::DestroyWindow(window); }
inline void freeLocalMemory(void* memory) { ::LocalFree(memory); }
inline void freeLibrary(HMODULE module) { ::FreeLibrary(module); }

using UniqueHandle = Unique<NullEmptyTraits<HANDLE, ::CloseHandle>>;
using UniqueMutex = UniqueHandle;
using UniqueFile = Unique<FileTraits>;
using UniqueSearch = Unique<SearchTraits>;
using UniqueFont = Unique<NullEmptyTraits<HFONT, deleteGdiObject>>;
using UniqueBitmap = Unique<NullEmptyTraits<HBITMAP, deleteGdiObject>>;
using UniqueRegion = Unique<NullEmptyTraits<HRGN, deleteGdiObject>>;
using UniqueDc = Unique<NullEmptyTraits<HDC, ::DeleteDC>>;
using UniqueKey = Unique<NullEmptyTraits<HKEY, closeKey>>;
using UniqueWindow = Unique<NullEmptyTraits<HWND, destroyWindow>>;
// Text a system call allocated with LocalAlloc (FormatMessage with FORMAT_MESSAGE_ALLOCATE_BUFFER).
using UniqueLocalText = Unique<NullEmptyTraits<wchar_t*, freeLocalMemory>>;
// A library loaded on first need.
using UniqueModule = Unique<NullEmptyTraits<HMODULE, freeLibrary>>;

// A device context borrowed with GetDC, given back on destruction.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context until the end of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint and EndPaint as one scope.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(::BeginPaint(window, &ps_)) {}
  ~PaintScope() { ::EndPaint(window_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace platform::win32
