// The bare "Set Capture Filter": what any DirectShow program does to give the PVR-150/500 capture
// filters their picture values. The system device enumerator lists the video capture category
// afresh; each device whose moniker names the cards' kernel-streaming proxy and whose friendly name
// holds "Hauppauge" and "II" is bound to its filter, asked for its ProcAmp and given the values
// in the page's order (brightness, contrast, saturation, hue, sharpness), with the flag the filters
// have always been given. No filter graph unless one is given: the program's own binding puts each
// filter into its graph, which is its design, not a need of the values.

// clang-format off
#include <windows.h>
#include <dshow.h>
// clang-format on

#include <string>

#include "bare_registry_win32.h"
#include "base/win32/handles_win32.h"

namespace bench {
namespace {

using quellon::win32::ComPtr;

// {17CCA71B-ECD7-11D0-B908-00A0C9223196}: the proxy class the cards' monikers name.
constexpr wchar_t kProxyClass[] = L"{17CCA71B-ECD7-11D0-B908-00A0C9223196}";

std::wstring ReadText(IPropertyBag& bag, const wchar_t* name) {
  quellon::win32::Variant value;
  value.ptr()->vt = VT_BSTR;
  if (FAILED(bag.Read(name, value.ptr(), nullptr)) || value.ptr()->vt != VT_BSTR) return {};
  return value.ptr()->bstrVal ? value.ptr()->bstrVal : L"";
}

bool IsPvr150Capture(IMoniker& moniker) {
  ComPtr<IPropertyBag> bag;
  if (FAILED(moniker.BindToStorage(nullptr, nullptr, IID_IPropertyBag,
                                   reinterpret_cast<void**>(bag.GetAddressOf()))))
    return false;
  if (_wcsicmp(ReadText(*bag.Get(), L"CLSID").c_str(), kProxyClass) != 0) return false;
  std::wstring name = ReadText(*bag.Get(), L"FriendlyName");
  for (wchar_t& c : name)
    if (c < 0x80) c = static_cast<wchar_t>(towupper(c));
  return name.find(L"HAUPPAUGE") != std::wstring::npos && name.find(L"II") != std::wstring::npos;
}

void SetValues(IMoniker& moniker, const Loaded& l, IGraphBuilder* graph) {
  ComPtr<IBaseFilter> filter;
  if (FAILED(moniker.BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                  reinterpret_cast<void**>(filter.GetAddressOf()))))
    return;
  if (graph) graph->AddFilter(filter.Get(), L"Video Capture");
  ComPtr<IAMVideoProcAmp> procamp;
  if (FAILED(filter->QueryInterface(IID_IAMVideoProcAmp,
                                    reinterpret_cast<void**>(procamp.GetAddressOf()))))
    return;
  const std::pair<long, DWORD> values[] = {{VideoProcAmp_Brightness, l.brightness},
                                           {VideoProcAmp_Contrast, l.contrast},
                                           {VideoProcAmp_Saturation, l.saturation},
                                           {VideoProcAmp_Hue, l.hue},
                                           {VideoProcAmp_Sharpness, l.sharpness150}};
  for (const auto& [property, value] : values)
    procamp->Set(property, static_cast<long>(value), VideoProcAmp_Flags_Auto);
  if (graph) graph->RemoveFilter(filter.Get());
}

}  // namespace

void BareSetCaptureFilter(const Loaded& loaded, IGraphBuilder* graph) {
  ComPtr<ICreateDevEnum> devices;
  if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ICreateDevEnum,
                              reinterpret_cast<void**>(devices.GetAddressOf()))))
    return;
  ComPtr<IEnumMoniker> monikers;
  if (devices->CreateClassEnumerator(CLSID_VideoInputDeviceCategory, &monikers, 0) != S_OK) return;
  for (ComPtr<IMoniker> moniker;
       monikers->Next(1, moniker.ReleaseAndGetAddressOf(), nullptr) == S_OK;) {
    if (IsPvr150Capture(*moniker.Get())) SetValues(*moniker.Get(), loaded, graph);
  }
}

}  // namespace bench
