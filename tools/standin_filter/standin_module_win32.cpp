// The stand-in's in-process server: one class factory for the filter (served as the
// kernel-streaming proxy class) and one for its property page.

#include <windows.h>

#include "standin_com_win32.h"
#include "standin_filter_win32.h"
#include "standin_ids_win32.h"
#include "standin_page_win32.h"

namespace standin {

std::atomic<long>& LiveObjects() {
  static std::atomic<long> count{0};
  return count;
}

namespace {

std::atomic<long> locks{0};

template <class Product>
class Factory : public RefCounted<IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ComPtr<Product> object = Make<Product>();
    return object->QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    lock ? ++locks : --locks;
    return S_OK;
  }
};

}  // namespace
}  // namespace standin

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  using namespace standin;
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid == kProxyClass) return Make<Factory<Filter>>()->QueryInterface(iid, out);
  if (clsid == kPageClass) return Make<Factory<Page>>()->QueryInterface(iid, out);
  return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT __stdcall DllCanUnloadNow() {
  return standin::LiveObjects() == 0 && standin::locks == 0 ? S_OK : S_FALSE;
}
