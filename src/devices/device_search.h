#pragma once
// The device search that both device operations of the main window run: the kind's category,
// walked for devices of the kernel-streaming proxy class whose names carry the kind's two words.

#include <functional>
#include <string>

#include "devices/device_kind.h"
#include "devices/filter.h"
#include "devices/filter_graph.h"
#include "devices/guid.h"
#include "devices/sys_dev_enum.h"

namespace quellon {

struct DeviceKindInfo {
  const Guid& category;
  const char* first_word;
  const char* second_word;
  const char* heading;  // the first item of the kind's list
};

const DeviceKindInfo& InfoFor(DeviceKind kind);

// Both words occur in the name, whatever their case.
bool NameMatches(const std::string& friendly_name, DeviceKind kind);

// The enumerator and the binding of one device operation; both are released when it ends, on
// every path.
class DeviceSearch {
 public:
  // The binding joins the graph first (it has no moniker, so nothing enters the graph); then the
  // enumerator lists the categories, which may throw ClassStringError.
  DeviceSearch(DeviceSystem& system, TFilterGraph& graph);

  // Calls `visit` for each matching device in category order with the device's position in the
  // category (from 0) and its match number (from 1); stops when `visit` returns false.
  using Visit = std::function<bool(const DeviceEntry& entry, int position, int match)>;
  void ForEachMatch(DeviceKind kind, const Visit& visit);

  // Binds the device at `position` of the loaded category in place of the previous one.
  void Bind(int position);

  TFilter DeviceFilter;
  TSysDevEnum DeviceList;
};

}  // namespace quellon
