#include "devices/no_devices.h"

#include "devices/device_error.h"

namespace quellon {

Guid NoDevices::ClsidFromString(const std::string& text) {
  if (auto g = ParseGuid(text)) return *g;
  throw ClassStringError(kInvalidClassString, OleErrorText(kInvalidClassString, ""));
}

}  // namespace quellon
