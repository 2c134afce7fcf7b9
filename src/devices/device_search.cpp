#include "devices/device_search.h"

#include <algorithm>
#include <cctype>

namespace quellon {
namespace {

const DeviceKindInfo kPvr250Capture{kVideoInputDeviceCategory, "Hauppauge", "PVR",
                                    "-> Select Capture Source"};
const DeviceKindInfo kPvr150Capture{kVideoInputDeviceCategory, "Hauppauge", "II",
                                    "-> Select Capture Source"};
const DeviceKindInfo kPvr150Encoder{kEncoderCategory, "Hauppauge", "II",
                                    "-> Select Encoder Source"};

// The words are plain ASCII, and no byte outside ASCII upper-cases into ASCII in the ANSI code
// page, so ASCII upper-casing decides a match exactly as the user's locale would.
std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(c < 0x80 ? std::toupper(c) : c); });
  return text;
}

}  // namespace

const DeviceKindInfo& InfoFor(DeviceKind kind) {
  switch (kind) {
    case DeviceKind::Pvr250Capture:
      return kPvr250Capture;
    case DeviceKind::Pvr150Capture:
      return kPvr150Capture;
    case DeviceKind::Pvr150Encoder:
      break;
  }
  return kPvr150Encoder;
}

bool NameMatches(const std::string& friendly_name, DeviceKind kind) {
  const DeviceKindInfo& info = InfoFor(kind);
  const std::string name = Upper(friendly_name);
  return name.find(Upper(info.first_word)) != std::string::npos &&
         name.find(Upper(info.second_word)) != std::string::npos;
}

DeviceSearch::DeviceSearch(DeviceSystem& system, TFilterGraph& graph) : DeviceList(system) {
  DeviceFilter.SetFilterGraph(&graph);
}

void DeviceSearch::ForEachMatch(DeviceKind kind, const Visit& visit) {
  const Guid& category = InfoFor(kind).category;
  // Every category entry of the kind reloads the device list, so the last one counts.
  for (int i = 0; i < DeviceList.CategoryCount(); ++i)
    if (DeviceList.CategoryAt(i).CLSID == category) DeviceList.LoadCategoryAt(i);
  int match = 0;
  for (int i = 0; i < DeviceList.FilterCount(); ++i) {
    const DeviceEntry entry = DeviceList.FilterAt(i);
    if (entry.CLSID != kProxyClass || !NameMatches(entry.FriendlyName, kind)) continue;
    if (!visit(entry, i, ++match)) return;
  }
}

void DeviceSearch::Bind(int position) {
  DeviceFilter.BaseFilter.SetMoniker(DeviceList.FilterMonikerAt(position));
  DeviceFilter.Rebind();
}

}  // namespace quellon
