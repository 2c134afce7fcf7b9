#include "devices/filter_operations.h"

#include "devices/device_search.h"
#include "devices/filter_pages.h"

namespace quellon {

void OpenMatchingFilter(DeviceSystem& system, TFilterGraph& graph, DeviceKind kind, int wanted) {
  DeviceSearch search(system, graph);
  search.ForEachMatch(kind, [&](const DeviceEntry&, int position, int match) {
    if (match != wanted) return true;
    search.Bind(position);
    // A frame that cannot be shown is nothing the user asked to hear about.
    static_cast<void>(OpenFilterPages(system, &search.DeviceFilter.QueryBaseFilter()));
    return false;
  });
}

void SetProcampValues(DeviceSystem& system, TFilterGraph& graph, DeviceKind kind,
                      const std::vector<ProcampValue>& values) {
  DeviceSearch search(system, graph);
  search.ForEachMatch(kind, [&](const DeviceEntry&, int position, int) {
    search.Bind(position);
    const auto procamp = search.DeviceFilter.QueryProcAmp();
    for (const ProcampValue& v : values)
      procamp->Set(static_cast<int>(v.property), v.value, kProcampFlagsAuto);
    return true;
  });
}

}  // namespace quellon
