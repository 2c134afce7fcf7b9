#include "soak_bare_cycle_win32.h"

// clang-format off
#include <windows.h>
#include <dshow.h>
// clang-format on

#include "base/win32/handles_win32.h"

namespace bench {
namespace {

using quellon::win32::ComPtr;

// {19689BF6-C384-48FD-AD51-90E58C79F70B}: the encoder category the cards' encoders are listed in.
constexpr GUID kEncoders = {
    0x19689bf6, 0xc384, 0x48fd, {0xad, 0x51, 0x90, 0xe5, 0x8c, 0x79, 0xf7, 0x0b}};

ComPtr<IEnumMoniker> ClassEnumerator(const GUID& category) {
  ComPtr<ICreateDevEnum> devices;
  ComPtr<IEnumMoniker> monikers;
  if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ICreateDevEnum,
                              reinterpret_cast<void**>(devices.GetAddressOf()))) ||
      devices->CreateClassEnumerator(category, &monikers, 0) != S_OK)
    return nullptr;
  return monikers;
}

// A device list: every device's friendly name and class.
void List(const GUID& category) {
  const ComPtr<IEnumMoniker> monikers = ClassEnumerator(category);
  if (!monikers) return;
  for (ComPtr<IMoniker> moniker;
       monikers->Next(1, moniker.ReleaseAndGetAddressOf(), nullptr) == S_OK;) {
    ComPtr<IPropertyBag> bag;
    if (FAILED(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag,
                                      reinterpret_cast<void**>(bag.GetAddressOf()))))
      continue;
    for (const wchar_t* property : {L"FriendlyName", L"CLSID"}) {
      quellon::win32::Variant value;
      value.ptr()->vt = VT_BSTR;
      bag->Read(property, value.ptr(), nullptr);
    }
  }
}

void SetFirstCapture(IGraphBuilder& graph) {
  const ComPtr<IEnumMoniker> monikers = ClassEnumerator(CLSID_VideoInputDeviceCategory);
  ComPtr<IMoniker> moniker;
  if (!monikers || monikers->Next(1, moniker.GetAddressOf(), nullptr) != S_OK) return;
  monikers->Reset();
  ComPtr<IBaseFilter> filter;
  if (FAILED(moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                   reinterpret_cast<void**>(filter.GetAddressOf()))))
    return;
  graph.AddFilter(filter.Get(), L"");
  ComPtr<IAMVideoProcAmp> procamp;
  if (SUCCEEDED(filter.As(&procamp)))
    for (long property = VideoProcAmp_Brightness; property <= VideoProcAmp_Sharpness; ++property)
      procamp->Set(property, 0, VideoProcAmp_Flags_Auto);
  filter->Stop();
  graph.RemoveFilter(filter.Get());
}

}  // namespace

void BareDeviceCycle(IGraphBuilder& graph) {
  List(CLSID_VideoInputDeviceCategory);
  List(CLSID_VideoInputDeviceCategory);
  List(kEncoders);
  List(CLSID_VideoInputDeviceCategory);
  SetFirstCapture(graph);
}

}  // namespace bench
