#pragma once
// The modal property frame of one filter.

#include "devices/device_system.h"

namespace quellon {

// Shows the filter's own property pages in a frame owned by `owner` and returns when the user has
// closed it. Without a filter, without pages or without a name nothing is shown; the result says
// whether the frame was shown, and the program's callers ignore it.
bool OpenFilterPages(DeviceSystem& system, const ui::Form& owner, LiveFilter* filter);

}  // namespace quellon
