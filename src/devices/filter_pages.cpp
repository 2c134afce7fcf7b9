#include "devices/filter_pages.h"

namespace quellon {

bool OpenFilterPages(DeviceSystem& system, LiveFilter* filter) {
  if (!filter) return false;
  const auto pages = filter->PropertyPages();
  if (!pages) return false;
  // The frame's caption is whatever name the graph gave the filter.
  const auto name = filter->QueryFilterName();
  if (!name) return false;
  return system.ShowPropertyFrame(*name, *filter, *pages);
}

}  // namespace quellon
