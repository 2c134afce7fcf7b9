#pragma once
// Owning wrappers for the few Win32 handles the window backend keeps.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace quellon::ui::win32 {

struct WindowDeleter {
  void operator()(HWND w) const {
    if (IsWindow(w)) DestroyWindow(w);
  }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

struct GdiDeleter {
  void operator()(HGDIOBJ o) const { DeleteObject(o); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;

// For icons made by LoadImage without LR_SHARED; a shared icon (LoadIcon) is never destroyed.
struct IconDeleter {
  void operator()(HICON i) const { DestroyIcon(i); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

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

}  // namespace quellon::ui::win32
