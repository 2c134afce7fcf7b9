#pragma once

namespace quellon {

// Which card filter a device operation looks for.
enum class DeviceKind {
  Pvr250Capture = 1,
  Pvr150Capture = 2,
  Pvr150Encoder = 3,
};

}  // namespace quellon
