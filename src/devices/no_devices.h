#pragma once
// A device system with nothing installed: for the console commands, which never act on a device,
// and for tests that need a main window but no devices.

#include "devices/device_system.h"

namespace quellon {

// A system without DirectShow devices: every category is empty and no graph can be made.
class NoDevices : public DeviceSystem {
 public:
  std::vector<DeviceProperties> EnumerateCategory(const Guid&) override { return {}; }
  std::unique_ptr<DeviceMoniker> MonikerAt(const Guid&, int) override { return nullptr; }
  Guid ClsidFromString(const std::string& text) override;
  std::unique_ptr<GraphManager> CreateFilterGraph() override { return nullptr; }
  [[nodiscard]] bool ShowPropertyFrame(const std::string&, LiveFilter&,
                                       const std::vector<Guid>&) override {
    return false;
  }
};

}  // namespace quellon
