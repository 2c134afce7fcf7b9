#pragma once
// A device system for the headless build: devices the caller adds, a filter graph that names its
// filters as the system's Filter Graph Manager does, ProcAmp values that are recorded, and a
// property frame that is recorded instead of shown.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "devices/device_system.h"

namespace quellon {

struct SimulatedDevice {
  Guid category;
  std::string name;
  // The "CLSID" text; nothing when the property is missing.
  std::optional<std::string> clsid = FormatGuid(kProxyClass);
  bool procamp = true;  // offers IAMVideoProcAmp
  bool pages = true;    // offers a property page of its own
};

// One IAMVideoProcAmp::Set a device received.
struct ProcampCall {
  std::string device;
  int property;
  int value;
  int flags;
  bool operator==(const ProcampCall&) const = default;
};

class SimulatedDevices : public DeviceSystem {
 public:
  // Receives the title of every property frame, as the frame would show it.
  using FrameRecorder = std::function<void(const std::string& title)>;
  explicit SimulatedDevices(FrameRecorder record_frame = {});

  // Devices keep the order in which they were added.
  void AddDevice(SimulatedDevice device);
  // Every Set since the last call, in order.
  std::vector<ProcampCall> TakeProcampCalls();
  // Filters made from monikers and not yet released.
  int LiveFilters() const { return live_filters_; }
  // Filter graphs made so far.
  int GraphsMade() const { return graphs_made_; }

  std::vector<DeviceProperties> EnumerateCategory(const Guid& category) override;
  std::unique_ptr<DeviceMoniker> MonikerAt(const Guid& category, int index) override;
  Guid ClsidFromString(const std::string& text) override;
  std::unique_ptr<GraphManager> CreateFilterGraph() override;
  [[nodiscard]] bool ShowPropertyFrame(const std::string& caption, LiveFilter& filter,
                                       const std::vector<Guid>& pages) override;

  // The frame's title for a caption, as the system's property frame words it.
  static std::string FrameTitle(const std::string& caption);

 private:
  friend class SimulatedFilter;
  friend class SimulatedMoniker;
  std::vector<const SimulatedDevice*> InCategory(const Guid& category) const;

  FrameRecorder record_frame_;
  std::deque<SimulatedDevice> devices_;  // stable addresses for the live filters
  std::vector<ProcampCall> calls_;
  int live_filters_ = 0;
  int graphs_made_ = 0;
};

}  // namespace quellon
