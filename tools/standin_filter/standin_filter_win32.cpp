#include "standin_filter_win32.h"

#include <cwchar>

#include "standin_ids_win32.h"
#include "standin_log_win32.h"

namespace standin {
namespace {

// The filter has no pins, so its pin enumerator is always at its end.
class NoPins : public RefCounted<IEnumPins> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IEnumPins) return E_NOINTERFACE;
    *out = static_cast<IEnumPins*>(this);
    AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG, IPin**, ULONG* fetched) override {
    if (fetched) *fetched = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return count ? S_FALSE : S_OK; }
  HRESULT STDMETHODCALLTYPE Reset() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Clone(IEnumPins** out) override {
    if (!out) return E_POINTER;
    *out = Make<NoPins>().Detach();
    return S_OK;
  }
};

// A DWORD value of the device's property bag that is present and not zero.
bool BagFlag(IPropertyBag& bag, const wchar_t* name) {
  quellon::win32::Variant v;
  return SUCCEEDED(bag.Read(name, v.ptr(), nullptr)) &&
         SUCCEEDED(VariantChangeType(v.ptr(), v.ptr(), 0, VT_I4)) && v.get().lVal != 0;
}

}  // namespace

HRESULT Filter::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IPersist || iid == IID_IMediaFilter ||
      iid == IID_IBaseFilter) {
    *out = static_cast<IBaseFilter*>(this);
  } else if (iid == IID_IPersistPropertyBag) {
    *out = static_cast<IPersistPropertyBag*>(this);
  } else if (iid == IID_ISpecifyPropertyPages && pages_) {
    *out = static_cast<ISpecifyPropertyPages*>(this);
  } else if (iid == IID_IAMVideoProcAmp && procamp_) {
    *out = static_cast<IAMVideoProcAmp*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

HRESULT Filter::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = kProxyClass;
  return S_OK;
}

HRESULT Filter::Stop() {
  state_ = State_Stopped;
  return S_OK;
}
HRESULT Filter::Pause() {
  state_ = State_Paused;
  return S_OK;
}
HRESULT Filter::Run(REFERENCE_TIME) {
  state_ = State_Running;
  return S_OK;
}
HRESULT Filter::GetState(DWORD, FILTER_STATE* state) {
  if (!state) return E_POINTER;
  *state = state_;
  return S_OK;
}
HRESULT Filter::SetSyncSource(IReferenceClock*) {
  return S_OK;
}
HRESULT Filter::GetSyncSource(IReferenceClock** clock) {
  if (!clock) return E_POINTER;
  *clock = nullptr;
  return S_OK;
}

HRESULT Filter::EnumPins(IEnumPins** pins) {
  if (!pins) return E_POINTER;
  *pins = Make<NoPins>().Detach();
  return S_OK;
}
HRESULT Filter::FindPin(LPCWSTR, IPin** pin) {
  if (!pin) return E_POINTER;
  *pin = nullptr;
  return VFW_E_NOT_FOUND;
}

HRESULT Filter::QueryFilterInfo(FILTER_INFO* info) {
  if (!info) return E_POINTER;
  lstrcpynW(info->achName, graph_name_.c_str(), MAX_FILTER_NAME);
  info->pGraph = graph_;
  if (graph_) graph_->AddRef();
  return S_OK;
}

HRESULT Filter::JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) {
  graph_ = graph;
  graph_name_ = graph && name ? name : L"";
  return S_OK;
}

HRESULT Filter::QueryVendorInfo(LPWSTR*) {
  return E_NOTIMPL;
}

HRESULT Filter::InitNew() {
  return S_OK;
}

// The device enumerator hands over the device's property bag when it makes the filter: the
// friendly name, and the switches of the failure variants.
HRESULT Filter::Load(IPropertyBag* bag, IErrorLog*) {
  if (!bag) return E_POINTER;
  quellon::win32::Variant name;
  name.ptr()->vt = VT_BSTR;
  if (SUCCEEDED(bag->Read(L"FriendlyName", name.ptr(), nullptr)) && name.get().vt == VT_BSTR &&
      name.get().bstrVal)
    device_name_ = name.get().bstrVal;
  procamp_ = !BagFlag(*bag, kNoProcAmpValue);
  pages_ = !BagFlag(*bag, kNoPagesValue);
  return S_OK;
}

HRESULT Filter::Save(IPropertyBag*, BOOL, BOOL) {
  return E_NOTIMPL;
}

HRESULT Filter::GetPages(CAUUID* pages) {
  if (!pages) return E_POINTER;
  pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
  if (!pages->pElems) {
    pages->cElems = 0;
    return E_OUTOFMEMORY;
  }
  pages->cElems = 1;
  pages->pElems[0] = kPageClass;
  return S_OK;
}

HRESULT Filter::GetRange(LONG property, LONG* min, LONG* max, LONG* step, LONG* default_value,
                         LONG* caps) {
  if (property < 0 || property >= kProperties) return E_INVALIDARG;
  if (!min || !max || !step || !default_value || !caps) return E_POINTER;
  *min = -255;
  *max = 255;
  *step = 1;
  *default_value = 0;
  *caps = VideoProcAmp_Flags_Auto | VideoProcAmp_Flags_Manual;
  return S_OK;
}

// Every call is recorded, also those the filter rejects, so a test sees exactly what it was sent.
HRESULT Filter::Set(LONG property, LONG value, LONG flags) {
  RecordSet(device_name_, property, value, flags);
  if (property < 0 || property >= kProperties) return E_INVALIDARG;
  values_[static_cast<size_t>(property)] = value;
  flags_[static_cast<size_t>(property)] = flags;
  return S_OK;
}

HRESULT Filter::Get(LONG property, LONG* value, LONG* flags) {
  if (property < 0 || property >= kProperties) return E_INVALIDARG;
  if (!value || !flags) return E_POINTER;
  *value = values_[static_cast<size_t>(property)];
  *flags = flags_[static_cast<size_t>(property)];
  return S_OK;
}

}  // namespace standin
