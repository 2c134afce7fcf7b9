#pragma once
// The stand-in card filter: a filter without pins that learns its device's friendly name from the
// property bag, shows one property page of its own and records every ProcAmp value it is given.

#include <windows.h>
// windows.h first: the DirectShow headers rely on it.
#include <dshow.h>

#include <array>
#include <string>

#include "standin_com_win32.h"

namespace standin {

class Filter
    : public RefCounted<IBaseFilter, IPersistPropertyBag, ISpecifyPropertyPages, IAMVideoProcAmp> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

  // IPersist (both IBaseFilter's and IPersistPropertyBag's)
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  // IMediaFilter
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE Pause() override;
  HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME start) override;
  HRESULT STDMETHODCALLTYPE GetState(DWORD timeout, FILTER_STATE* state) override;
  HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock* clock) override;
  HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock** clock) override;
  // IBaseFilter
  HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins** pins) override;
  HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR id, IPin** pin) override;
  HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO* info) override;
  HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override;
  HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR* info) override;
  // IPersistPropertyBag
  HRESULT STDMETHODCALLTYPE InitNew() override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clear_dirty, BOOL save_all) override;
  // ISpecifyPropertyPages
  HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;
  // IAMVideoProcAmp
  HRESULT STDMETHODCALLTYPE GetRange(LONG property, LONG* min, LONG* max, LONG* step,
                                     LONG* default_value, LONG* caps) override;
  HRESULT STDMETHODCALLTYPE Set(LONG property, LONG value, LONG flags) override;
  HRESULT STDMETHODCALLTYPE Get(LONG property, LONG* value, LONG* flags) override;

 private:
  static constexpr int kProperties = 10;  // brightness to gain

  std::wstring device_name_;
  std::wstring graph_name_;
  IFilterGraph* graph_ = nullptr;  // not held: the graph holds the filter
  FILTER_STATE state_ = State_Stopped;
  bool procamp_ = true;
  bool pages_ = true;
  std::array<LONG, kProperties> values_{};
  std::array<LONG, kProperties> flags_{};
};

}  // namespace standin
