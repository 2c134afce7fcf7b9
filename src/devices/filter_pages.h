#pragma once
// The modal property frame of one filter.

#include "devices/device_system.h"

namespace quellon {

// Shows the filter's own property pages in a frame owned by the main window and returns when the
// user has closed it. Without a filter, without pages or without a name nothing is shown; the
// result says whether the frame was shown.
[[nodiscard]] bool OpenFilterPages(DeviceSystem& system, LiveFilter* filter);

}  // namespace quellon
