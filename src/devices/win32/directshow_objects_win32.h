#pragma once
// The live DirectShow objects behind the device layer's monikers, filters and graph.

#include <windows.h>
// windows.h first: the DirectShow headers rely on it.
#include <dshow.h>

#include "base/win32/handles_win32.h"
#include "devices/device_system.h"

namespace quellon {

using win32::ComPtr;

class DirectShowFilter : public LiveFilter {
 public:
  explicit DirectShowFilter(ComPtr<IBaseFilter> filter) : filter_(std::move(filter)) {}
  void Stop() override;
  std::optional<std::string> QueryFilterName() override;
  std::optional<std::vector<Guid>> PropertyPages() override;
  std::unique_ptr<VideoProcAmp> QueryProcAmp() override;
  IBaseFilter* get() const { return filter_.Get(); }

 private:
  ComPtr<IBaseFilter> filter_;
};

class DirectShowMoniker : public DeviceMoniker {
 public:
  explicit DirectShowMoniker(ComPtr<IMoniker> moniker) : moniker_(std::move(moniker)) {}
  std::unique_ptr<LiveFilter> BindToObject() override;

 private:
  ComPtr<IMoniker> moniker_;
};

class DirectShowGraph : public GraphManager {
 public:
  explicit DirectShowGraph(ComPtr<IFilterGraph2> graph) : graph_(std::move(graph)) {}
  void AddFilter(LiveFilter& filter, const std::string& name) override;
  void RemoveFilter(LiveFilter& filter) override;
  std::vector<std::string> FilterNames() override;

 private:
  ComPtr<IFilterGraph2> graph_;
};

// A filter's name as QueryFilterInfo gives it; the graph reference that comes with it is released.
std::optional<std::string> FilterName(IBaseFilter& filter);

}  // namespace quellon
