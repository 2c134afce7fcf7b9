#include "testing/simulated_devices.h"

#include <algorithm>
#include <cstdio>

#include "devices/device_error.h"

namespace quellon {
namespace {

// The property page class every simulated device offers.
const Guid kStandInPage = *ParseGuid("{6D3A5C14-2F0B-4E8A-9C71-5B2E8D40A613}");

// The categories the system lists under CLSID_ActiveMovieCategories, in its order.
struct Category {
  const char* name;
  const char* clsid;
};
constexpr Category kCategories[] = {
    {"DirectShow Filters", "{083863F1-70DE-11D0-BD40-00A0C911CE86}"},
    {"Audio Capture Sources", "{33D9A762-90C8-11D0-BD43-00A0C911CE86}"},
    {"Video Capture Sources", "{860BB310-5D01-11D0-BD3B-00A0C911CE86}"},
    {"Encoder", "{19689BF6-C384-48FD-AD51-90E58C79F70B}"},
};

}  // namespace

class SimulatedProcAmp : public VideoProcAmp {
 public:
  SimulatedProcAmp(std::vector<ProcampCall>& calls, std::string device)
      : calls_(calls), device_(std::move(device)) {}
  void Set(int property, int value, int flags) override {
    calls_.push_back({device_, property, value, flags});
  }

 private:
  std::vector<ProcampCall>& calls_;
  std::string device_;
};

class SimulatedFilter : public LiveFilter {
 public:
  SimulatedFilter(SimulatedDevices& system, const SimulatedDevice& device)
      : system_(system), device_(device) {
    ++system_.live_filters_;
  }
  ~SimulatedFilter() override { --system_.live_filters_; }

  void Stop() override {}
  std::optional<std::string> QueryFilterName() override { return graph_name; }
  std::optional<std::vector<Guid>> PropertyPages() override {
    if (!device_.pages) return std::nullopt;
    return std::vector<Guid>{kStandInPage};
  }
  std::unique_ptr<VideoProcAmp> QueryProcAmp() override {
    if (!device_.procamp) return nullptr;
    return std::make_unique<SimulatedProcAmp>(system_.calls_, device_.name);
  }

  std::string graph_name;  // set by the graph on joining, as the filter learns it

 private:
  SimulatedDevices& system_;
  const SimulatedDevice& device_;
};

class SimulatedMoniker : public DeviceMoniker {
 public:
  SimulatedMoniker(SimulatedDevices& system, const SimulatedDevice& device)
      : system_(system), device_(device) {}
  // The object comes from the device's class; without a usable class there is none.
  std::unique_ptr<LiveFilter> BindToObject() override {
    if (!device_.clsid || !ParseGuid(*device_.clsid)) return nullptr;
    return std::make_unique<SimulatedFilter>(system_, device_);
  }

 private:
  SimulatedDevices& system_;
  const SimulatedDevice& device_;
};

// Names filters as the system's Filter Graph Manager does: the given name, or, when another
// filter already has it, the name followed by a blank and a four-digit counter.
class SimulatedGraph : public GraphManager {
 public:
  void AddFilter(LiveFilter& filter, const std::string& name) override {
    auto& f = static_cast<SimulatedFilter&>(filter);
    f.graph_name = name;
    if (std::find(names_.begin(), names_.end(), name) != names_.end()) {
      char suffix[16];
      std::snprintf(suffix, sizeof suffix, " %04d", ++counter_);
      f.graph_name += suffix;
    }
    filters_.push_back(&f);
    names_.push_back(f.graph_name);
  }
  void RemoveFilter(LiveFilter& filter) override {
    const auto it = std::find(filters_.begin(), filters_.end(), &filter);
    if (it == filters_.end()) return;
    names_.erase(names_.begin() + (it - filters_.begin()));
    filters_.erase(it);
    static_cast<SimulatedFilter&>(filter).graph_name.clear();
  }
  std::vector<std::string> FilterNames() override { return names_; }

 private:
  std::vector<SimulatedFilter*> filters_;
  std::vector<std::string> names_;
  int counter_ = 0;
};

SimulatedDevices::SimulatedDevices(FrameRecorder record_frame)
    : record_frame_(std::move(record_frame)) {}

void SimulatedDevices::AddDevice(SimulatedDevice device) {
  devices_.push_back(std::move(device));
}

std::vector<ProcampCall> SimulatedDevices::TakeProcampCalls() {
  std::vector<ProcampCall> out;
  out.swap(calls_);
  return out;
}

std::vector<const SimulatedDevice*> SimulatedDevices::InCategory(const Guid& category) const {
  std::vector<const SimulatedDevice*> found;
  for (const SimulatedDevice& d : devices_)
    if (d.category == category) found.push_back(&d);
  return found;
}

std::vector<DeviceProperties> SimulatedDevices::EnumerateCategory(const Guid& category) {
  std::vector<DeviceProperties> entries;
  if (category == kActiveMovieCategories) {
    for (const Category& c : kCategories) entries.push_back({c.name, c.clsid});
    return entries;
  }
  for (const SimulatedDevice* d : InCategory(category)) entries.push_back({d->name, d->clsid});
  return entries;
}

std::unique_ptr<DeviceMoniker> SimulatedDevices::MonikerAt(const Guid& category, int index) {
  const auto found = InCategory(category);
  if (index < 0 || index >= static_cast<int>(found.size())) return nullptr;
  return std::make_unique<SimulatedMoniker>(*this, *found[static_cast<size_t>(index)]);
}

// The system finds no message text for this failure code, so the box shows the fallback.
Guid SimulatedDevices::ClsidFromString(const std::string& text) {
  if (auto g = ParseGuid(text)) return *g;
  throw ClassStringError(kInvalidClassString, OleErrorText(kInvalidClassString, ""));
}

std::unique_ptr<GraphManager> SimulatedDevices::CreateFilterGraph() {
  ++graphs_made_;
  return std::make_unique<SimulatedGraph>();
}

// A frame with no pages fails before it shows, as the system's does.
bool SimulatedDevices::ShowPropertyFrame(const std::string& caption, LiveFilter&,
                                         const std::vector<Guid>& pages) {
  if (pages.empty()) return false;
  if (record_frame_) record_frame_(FrameTitle(caption));
  return true;
}

std::string SimulatedDevices::FrameTitle(const std::string& caption) {
  return "Properties for " + caption;
}

}  // namespace quellon
