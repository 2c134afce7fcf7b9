#pragma once
// The device system of the Windows build: DirectShow's system device enumerator, device monikers
// bound to live filters, the Filter Graph Manager and the OLE property frame. COM must be
// initialised on the calling thread.

#include <windows.h>

#include <functional>
#include <optional>

#include "devices/device_system.h"

namespace quellon {

class DirectShowDevices : public DeviceSystem {
 public:
  // The property frames are owned by the window this returns (the main window).
  explicit DirectShowDevices(std::function<HWND()> owner_window)
      : owner_window_(std::move(owner_window)) {}

  // The devices of a category are enumerated afresh at every call, so a card added while the
  // program runs is listed. The category list itself is read once, at the first call, and kept:
  // see the .cpp.
  std::vector<DeviceProperties> EnumerateCategory(const Guid& category) override;
  std::unique_ptr<DeviceMoniker> MonikerAt(const Guid& category, int index) override;
  Guid ClsidFromString(const std::string& text) override;
  std::unique_ptr<GraphManager> CreateFilterGraph() override;
  [[nodiscard]] bool ShowPropertyFrame(const std::string& caption, LiveFilter& filter,
                                       const std::vector<Guid>& pages) override;

 private:
  std::function<HWND()> owner_window_;
  std::optional<std::vector<DeviceProperties>> categories_;
};

}  // namespace quellon
