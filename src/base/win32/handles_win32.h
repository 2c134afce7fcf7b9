#pragma once
// The owners of every Win32 handle the program, its stand-in card filter, its scenario tools and
// its tests keep. Each gives its handle back the way the system wants it, on every path; nothing
// else closes, releases or frees one of these by hand.

#include <windows.h>
// windows.h first: the COM headers rely on it.
#include <objbase.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <memory>
#include <type_traits>

namespace quellon::win32 {

// COM interface pointers: released when the last owner lets go.
using Microsoft::WRL::ComPtr;

// A registry key opened with the advapi32 calls (RegOpenKeyExA, RegCreateKeyExA).
struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// A window and, with it, every child window it has.
struct WindowDestroyer {
  void operator()(HWND window) const {
    if (IsWindow(window)) DestroyWindow(window);
  }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// A kernel object: a thread, a process, a file or console handle the program opened.
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// A search of a folder (FindFirstFileA).
struct FindCloser {
  void operator()(HANDLE search) const { FindClose(search); }
};
using UniqueFind = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

// A GDI object the program made or was handed (a font from CreateFontIndirectA, the bitmaps of
// GetIconInfo); stock objects are never owned.
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

// An icon the program loaded at a size of its own (LoadImageA); shared icons are never owned.
struct IconDestroyer {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

// Memory a COM call handed over (CoTaskMemAlloc), such as the array of ISpecifyPropertyPages.
struct TaskMemFreer {
  void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <class T>
using TaskMem = std::unique_ptr<T, TaskMemFreer>;

// COM for this thread as a single-threaded apartment, for the lifetime of the object.
class ComApartment {
 public:
  ComApartment() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (ok_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

// A window's device context (the screen's, for no window) and the object last selected into it:
// the previous object goes back in before the context is released.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (!dc_) return;
    if (previous_) SelectObject(dc_, previous_);
    ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  // Selects `object`; only the object that was selected first goes back at the end.
  void Select(HGDIOBJ object) {
    const HGDIOBJ old = SelectObject(dc_, object);
    if (!previous_) previous_ = old;
  }

 private:
  HWND window_;
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

// A VARIANT that is cleared (its string or interface freed) however the code using it ends.
class Variant {
 public:
  Variant() { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* ptr() { return &v_; }
  const VARIANT& get() const { return v_; }

 private:
  VARIANT v_;
};

}  // namespace quellon::win32
