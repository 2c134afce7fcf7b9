#pragma once
// The stand-in filter's own property page: the filter's ProcAmp values, and a box whose number
// Apply sets as the brightness.

#include <windows.h>
// windows.h first: the DirectShow headers rely on it.
#include <dshow.h>
#include <ocidl.h>

#include "standin_com_win32.h"

namespace standin {

class Page : public RefCounted<IPropertyPage> {
 public:
  ~Page() override;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

  HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
  HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) override;
  HRESULT STDMETHODCALLTYPE Deactivate() override;
  HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
  HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
  HRESULT STDMETHODCALLTYPE Show(UINT cmd) override;
  HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) override;
  HRESULT STDMETHODCALLTYPE IsPageDirty() override;
  HRESULT STDMETHODCALLTYPE Apply() override;
  HRESULT STDMETHODCALLTYPE Help(LPCOLESTR dir) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg) override;

 private:
  void DestroyWindows();

  ComPtr<IPropertyPageSite> site_;
  ComPtr<IAMVideoProcAmp> procamp_;
  quellon::win32::UniqueWindow panel_;  // the page's window; the label and the box are its children
  HWND brightness_ = nullptr;
};

}  // namespace standin
