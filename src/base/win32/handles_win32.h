#pragma once
// The owners of every Win32 handle the program, its stand-in card filter, its scenario tools and
// its tests keep. Each gives its handle back the way the system wants it, on every path; nothing
// else closes, releases or frees one of these by hand.

#include <windows.h>
// windows.h first: the COM headers rely on it.
#include <objbase.h>
#include <oleauto.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <cstdio>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace quellon::win32 {

// COM interface pointers: released when the last owner lets go.
using Microsoft::WRL::ComPtr;

// An owner for a reference the caller holds already: a new object's first, or one that a call
// handed out. mingw-w64's ComPtr::Attach adds a reference of its own, unlike the Windows SDK's,
// and the object would never be freed; so nothing here calls Attach.
template <class T>
ComPtr<T> Adopt(T* owned) {
  ComPtr<T> p;
  *p.GetAddressOf() = owned;
  return p;
}

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

// A kernel object whose calls give null for none: a thread, a process, a console handle.
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// A handle whose calls give INVALID_HANDLE_VALUE for none (CreateFileA, FindFirstFileA): taken as
// the call gives it, so that no caller turns one "none" into the other by hand.
template <BOOL(WINAPI* Close)(HANDLE)>
class UniqueInvalidHandle {
 public:
  UniqueInvalidHandle() = default;
  explicit UniqueInvalidHandle(HANDLE handle) noexcept : handle_(handle) {}
  UniqueInvalidHandle(UniqueInvalidHandle&& other) noexcept : handle_(other.release()) {}
  UniqueInvalidHandle& operator=(UniqueInvalidHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueInvalidHandle(const UniqueInvalidHandle&) = delete;
  UniqueInvalidHandle& operator=(const UniqueInvalidHandle&) = delete;
  ~UniqueInvalidHandle() { reset(); }

  HANDLE get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE release() noexcept { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  void reset(HANDLE handle = INVALID_HANDLE_VALUE) noexcept {
    if (handle_ != INVALID_HANDLE_VALUE) Close(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// A file the program opened (CreateFileA).
using UniqueFile = UniqueInvalidHandle<&CloseHandle>;
// A search of a folder (FindFirstFileA).
using UniqueFind = UniqueInvalidHandle<&FindClose>;

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

// A DLL the program loaded itself (LoadLibraryExA).
struct ModuleFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

// The system DLLs that are loaded at the first call into them rather than with the program: every
// DLL loaded at the start delays the window, and these serve what a start does not use (the file
// and folder dialogs, screen readers, the card filters' property frames).
enum class SystemDll { kShell32, kCommonDialogs, kOleAutomation, kAccessibility };

// A function of one of those DLLs; nullptr when the DLL or the function is missing. The program
// runs elevated, so the DLL comes from the system's folder by its full path, never from the
// program's or the current one. It stays loaded until the program ends. Out of line: one copy
// for the program rather than one in each caller.
[[gnu::noinline]] inline FARPROC SystemProc(SystemDll dll, const char* function) {
  static constexpr char kNames[][13] = {"shell32.dll", "comdlg32.dll", "oleaut32.dll",
                                        "oleacc.dll"};
  static UniqueModule modules[std::size(kNames)];
  const auto index = static_cast<size_t>(dll);
  UniqueModule& module = modules[index];
  if (!module) {
    char path[MAX_PATH + 16] = {};  // the folder, and room for a name above
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    path[length] = '\\';
    lstrcpynA(path + length + 1, kNames[index], sizeof kNames[index]);
    module.reset(LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!module) return nullptr;
  }
  return GetProcAddress(module.get(), function);
}

// As SystemProc; a missing function is an error the user is shown.
[[gnu::noinline]] inline FARPROC RequiredSystemProc(SystemDll dll, const char* function) {
  if (const FARPROC f = SystemProc(dll, function)) return f;
  throw std::runtime_error("A part of Windows that this needs cannot be loaded.");
}

// The function `function` of type F, typed: FindSystemFunction<decltype(SysFreeString)>(...).
template <class F>
F* FindSystemFunction(SystemDll dll, const char* function) {
  return reinterpret_cast<F*>(reinterpret_cast<void*>(SystemProc(dll, function)));
}
template <class F>
F* SystemFunction(SystemDll dll, const char* function) {
  return reinterpret_cast<F*>(reinterpret_cast<void*>(RequiredSystemProc(dll, function)));
}

// Memory a COM call handed over (CoTaskMemAlloc), such as the array of ISpecifyPropertyPages.
struct TaskMemFreer {
  void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <class T>
using TaskMem = std::unique_ptr<T, TaskMemFreer>;

// A string a COM call handed over (SysAllocString), such as an accessible object's name. Made by
// oleaut32, which is in the process then.
struct BstrFreer {
  void operator()(OLECHAR* text) const {
    if (const auto free =
            FindSystemFunction<decltype(SysFreeString)>(SystemDll::kOleAutomation, "SysFreeString"))
      free(text);
  }
};
using UniqueBstr = std::unique_ptr<OLECHAR, BstrFreer>;

// An item list the shell allocated (SHBrowseForFolderA): the shell allocates with COM's task
// allocator.
using ShellItemList = TaskMem<ITEMIDLIST>;

// COM for this thread as a single-threaded apartment, for the lifetime of the object. A thread
// that cannot have one (COM already started there in another apartment kind, or out of memory)
// gets an exception with the system's code, not a program that goes on without COM.
class ComApartment {
 public:
  ComApartment() {
    const HRESULT result = CoInitialize(nullptr);
    if (FAILED(result)) {
      char text[64];
      std::snprintf(text, sizeof text, "COM could not be started (0x%08lX).",
                    static_cast<unsigned long>(result));
      throw std::runtime_error(text);
    }
  }
  ~ComApartment() { CoUninitialize(); }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
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

// A VARIANT that is cleared (its string or interface freed) however the code using it ends. One
// that holds anything was filled by a COM call, with oleaut32 in the process.
class Variant {
 public:
  Variant() = default;
  ~Variant() {
    if (v_.vt == VT_EMPTY) return;
    if (const auto clear =
            FindSystemFunction<decltype(VariantClear)>(SystemDll::kOleAutomation, "VariantClear"))
      clear(&v_);
  }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* ptr() { return &v_; }
  const VARIANT& get() const { return v_; }

 private:
  VARIANT v_{};  // VT_EMPTY, as VariantInit leaves it
};

}  // namespace quellon::win32
