#pragma once
// The main window's filter graph: owns the Filter Graph Manager while active and keeps the
// bindings attached to it.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "devices/device_system.h"

namespace quellon {

class TFilter;

class TFilterGraph {
 public:
  explicit TFilterGraph(DeviceSystem& system) : system_(system) {}
  ~TFilterGraph();
  TFilterGraph(const TFilterGraph&) = delete;
  TFilterGraph& operator=(const TFilterGraph&) = delete;

  bool AutoCreate = true;

  // The owner has finished loading: with AutoCreate the graph becomes active.
  void Loaded();

  bool Active() const { return graph_ != nullptr; }
  // Activation that fails (no Filter Graph Manager) leaves the graph inactive.
  void SetActive(bool active);

  // Called by the binding itself.
  void AttachFilter(TFilter& binding);
  void DetachFilter(TFilter& binding);

  // The names of the filters in the graph now; empty while inactive.
  std::vector<std::string> FilterNames() const;

 private:
  void AddLiveFilter(TFilter& binding);
  void RemoveLiveFilter(TFilter& binding);

  DeviceSystem& system_;
  std::unique_ptr<GraphManager> graph_;
  // Made on the first attach, discarded when the last binding leaves.
  std::optional<std::vector<TFilter*>> bindings_;
};

}  // namespace quellon
