#include "devices/win32/directshow_devices_win32.h"

#include "devices/device_error.h"
#include "devices/sys_dev_enum.h"
#include "devices/win32/com_text_win32.h"
#include "devices/win32/directshow_objects_win32.h"

namespace quellon {
namespace {

std::optional<std::string> ReadText(IPropertyBag& bag, const wchar_t* name, size_t max_units) {
  win32::Variant value;
  value.ptr()->vt = VT_BSTR;
  if (bag.Read(name, value.ptr(), nullptr) != S_OK || value.get().vt != VT_BSTR)
    return std::nullopt;
  return WideToAnsi(value.get().bstrVal, max_units);
}

ComPtr<IEnumMoniker> ClassEnumerator(const Guid& category) {
  ComPtr<ICreateDevEnum> devices;
  ComPtr<IEnumMoniker> monikers;
  if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr,
                              CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_ICreateDevEnum,
                              reinterpret_cast<void**>(devices.GetAddressOf()))))
    return nullptr;
  // S_FALSE means a category without devices: no enumerator to walk.
  const GUID id = ToGUID(category);
  if (devices->CreateClassEnumerator(id, &monikers, 0) != S_OK) return nullptr;
  return monikers;
}

DeviceProperties ReadProperties(IMoniker& moniker) {
  DeviceProperties p;
  ComPtr<IPropertyBag> bag;
  if (FAILED(moniker.BindToStorage(nullptr, nullptr, IID_IPropertyBag,
                                   reinterpret_cast<void**>(bag.GetAddressOf()))))
    return p;
  p.friendly_name = ReadText(*bag.Get(), L"FriendlyName", kMaxFriendlyName);
  p.clsid = ReadText(*bag.Get(), L"CLSID", std::wstring::npos);
  return p;
}

std::vector<DeviceProperties> Enumerate(const Guid& category) {
  std::vector<DeviceProperties> entries;
  const ComPtr<IEnumMoniker> monikers = ClassEnumerator(category);
  if (!monikers) return entries;
  ComPtr<IMoniker> m;
  while (monikers->Next(1, m.ReleaseAndGetAddressOf(), nullptr) == S_OK)
    entries.push_back(ReadProperties(*m.Get()));
  return entries;
}

}  // namespace

// Wine's device enumerator keeps a registry key open for good for every class enumerator it makes
// over a category with entries, and for every moniker such an enumerator hands out. The category
// list has a dozen entries and every device listing and every save with "Set Capture Filter"
// reads it, so a long session would pile up handles by the thousand. The system's categories
// change only when a driver is installed, which needs the program restarted anyway: the list is
// read once and kept for the life of the program.
std::vector<DeviceProperties> DirectShowDevices::EnumerateCategory(const Guid& category) {
  if (category != kActiveMovieCategories) return Enumerate(category);
  if (!categories_) categories_ = Enumerate(category);
  return *categories_;
}

// The entries before the wanted one are stepped over with Next rather than Skip: Wine's device
// enumerator answers Skip with S_OK without moving, which would bind the first device every time.
std::unique_ptr<DeviceMoniker> DirectShowDevices::MonikerAt(const Guid& category, int index) {
  const ComPtr<IEnumMoniker> monikers = ClassEnumerator(category);
  if (!monikers || index < 0) return nullptr;
  ComPtr<IMoniker> m;
  bool found = true;
  for (int i = 0; i <= index && found; ++i)
    found = monikers->Next(1, m.ReleaseAndGetAddressOf(), nullptr) == S_OK && m;
  monikers->Reset();
  if (!found) return nullptr;
  return std::make_unique<DirectShowMoniker>(std::move(m));
}

Guid DirectShowDevices::ClsidFromString(const std::string& text) {
  std::wstring wide = AnsiToWide(text);
  CLSID clsid{};
  const HRESULT hr = CLSIDFromString(wide.data(), &clsid);
  if (FAILED(hr))
    throw ClassStringError(static_cast<std::uint32_t>(hr),
                           OleErrorText(static_cast<std::uint32_t>(hr), SystemMessage(hr)));
  return FromGUID(clsid);
}

std::unique_ptr<GraphManager> DirectShowDevices::CreateFilterGraph() {
  ComPtr<IFilterGraph2> graph;
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IFilterGraph2,
                              reinterpret_cast<void**>(graph.GetAddressOf()))))
    return nullptr;
  return std::make_unique<DirectShowGraph>(std::move(graph));
}

bool DirectShowDevices::ShowPropertyFrame(const std::string& caption, LiveFilter& filter,
                                          const std::vector<Guid>& pages) {
  std::vector<GUID> ids;
  for (const Guid& g : pages) ids.push_back(ToGUID(g));
  IUnknown* object = static_cast<DirectShowFilter&>(filter).get();
  std::wstring title = AnsiToWide(caption);
  const auto create_frame = win32::FindSystemFunction<decltype(OleCreatePropertyFrame)>(
      win32::SystemDll::kOleAutomation, "OleCreatePropertyFrame");
  if (!create_frame) return false;
  const HRESULT hr = create_frame(owner_window_ ? owner_window_() : nullptr, 0, 0, title.c_str(), 1,
                                  &object, static_cast<ULONG>(ids.size()),
                                  ids.empty() ? nullptr : ids.data(), 0, 0, nullptr);
  return SUCCEEDED(hr);
}

}  // namespace quellon
