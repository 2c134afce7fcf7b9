#pragma once
// What every object of the stand-in card filter shares: a COM reference count, and the count of
// live objects and locks that DllCanUnloadNow reports.

#include <windows.h>

#include <atomic>
#include <memory>

#include "base/win32/handles_win32.h"

namespace standin {

using quellon::win32::ComPtr;

std::atomic<long>& LiveObjects();

// The object frees itself on its last Release, as COM asks; it is created only through Make.
// AddRef and Release here serve every interface the object implements.
template <class... Interfaces>
class RefCounted : public Interfaces... {
 public:
  RefCounted() { ++LiveObjects(); }
  virtual ~RefCounted() { --LiveObjects(); }
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --refs_;
    if (left == 0) std::unique_ptr<RefCounted>{this};  // takes ownership and frees
    return static_cast<ULONG>(left);
  }

 private:
  std::atomic<long> refs_{1};
};

// A new object with one reference, held by the returned pointer.
template <class T, class... Args>
ComPtr<T> Make(Args&&... args) {
  return quellon::win32::Adopt(std::make_unique<T>(std::forward<Args>(args)...).release());
}

}  // namespace standin
