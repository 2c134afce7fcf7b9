#pragma once
// A binding from a device moniker to a live filter that sits in a graph while attached.

#include <memory>
#include <string>

#include "devices/device_system.h"

namespace quellon {

class TFilterGraph;

// Holds the device moniker as the live object the enumerator handed out; nothing is stored
// between runs, so it is never serialized.
class TBaseFilter {
 public:
  void SetMoniker(std::unique_ptr<DeviceMoniker> moniker) { moniker_ = std::move(moniker); }
  DeviceMoniker* Moniker() const { return moniker_.get(); }
  void Clear() { moniker_.reset(); }

 private:
  std::unique_ptr<DeviceMoniker> moniker_;
};

class TFilter {
 public:
  TFilter() = default;
  ~TFilter();
  TFilter(const TFilter&) = delete;
  TFilter& operator=(const TFilter&) = delete;

  TBaseFilter BaseFilter;

  TFilterGraph* FilterGraph() const { return graph_; }
  // Leaves the previous graph, if any, then joins the new one, if any.
  void SetFilterGraph(TFilterGraph* graph);
  // Makes the live filter anew from the current moniker.
  void Rebind();

  // The live filter's interfaces; InterfaceNotSupported without a live filter or when the filter
  // does not offer one.
  LiveFilter& QueryBaseFilter();
  std::unique_ptr<VideoProcAmp> QueryProcAmp();

  // The name under which the filter enters the graph; the program's bindings have none.
  const std::string& name() const { return name_; }

  // Used by the graph while attaching and detaching.
  void MakeLiveFilter();
  void ReleaseLiveFilter() { live_.reset(); }
  LiveFilter* live_filter() const { return live_.get(); }
  void GraphGone() { graph_ = nullptr; }

 private:
  TFilterGraph* graph_ = nullptr;
  std::unique_ptr<LiveFilter> live_;
  std::string name_;
};

}  // namespace quellon
