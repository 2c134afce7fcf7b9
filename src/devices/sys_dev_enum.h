#pragma once
// The device enumerator: the filter categories the system lists, and the devices of the category
// loaded last.

#include <memory>
#include <string>
#include <vector>

#include "devices/device_system.h"
#include "devices/guid.h"

namespace quellon {

// Names longer than this are cut; the lists on the pages show no more.
inline constexpr size_t kMaxFriendlyName = 255;

// One enumerated moniker: a filter category or a device.
struct DeviceEntry {
  std::string FriendlyName;  // empty when the property cannot be read
  Guid CLSID;                // kGuidNull when the property cannot be read
};

class TSysDevEnum {
 public:
  // Fills the category list at once. Throws ClassStringError as LoadCategory does.
  explicit TSysDevEnum(DeviceSystem& system);

  int CategoryCount() const { return static_cast<int>(categories_.size()); }
  int FilterCount() const { return static_cast<int>(filters_.size()); }
  DeviceEntry CategoryAt(int i) const { return categories_.at(static_cast<size_t>(i)); }
  DeviceEntry FilterAt(int i) const { return filters_.at(static_cast<size_t>(i)); }

  // Refills the device list from the category. A "CLSID" text that the system rejects throws
  // ClassStringError and leaves the list empty.
  void LoadCategory(const Guid& category);
  void LoadCategoryAt(int i);
  // Found again by position, so it relies on the system keeping the category's order.
  std::unique_ptr<DeviceMoniker> FilterMonikerAt(int i);

 private:
  std::vector<DeviceEntry> Enumerate(const Guid& category);

  DeviceSystem& system_;
  std::vector<DeviceEntry> categories_;
  std::vector<DeviceEntry> filters_;
  Guid current_;
};

// The name as the lists show it: at most kMaxFriendlyName characters.
std::string CutFriendlyName(std::string name);

}  // namespace quellon
