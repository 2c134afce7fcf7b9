#pragma once
// The main window's filter graph: owns the Filter Graph Manager while active and keeps the
// bindings attached to it. The manager is made when it is first needed, not when the owner has
// loaded: making it loads the system's media libraries, which the window's start does not use.

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

  // The owner has finished loading: with AutoCreate the graph becomes active, at the latest when
  // a binding attaches or someone asks.
  void Loaded();

  bool Active();
  // Activation that fails (no Filter Graph Manager) leaves the graph inactive.
  void SetActive(bool active);

  // Called by the binding itself.
  void AttachFilter(TFilter& binding);
  void DetachFilter(TFilter& binding);

  // The names of the filters in the graph now; empty while inactive. A graph not made yet has
  // none either, and stays unmade.
  std::vector<std::string> FilterNames() const;

 private:
  // Makes the graph that Loaded asked for, if it is not made yet.
  void MakeDeferred();

  void AddLiveFilter(TFilter& binding);
  void RemoveLiveFilter(TFilter& binding);

  DeviceSystem& system_;
  std::unique_ptr<GraphManager> graph_;
  bool deferred_ = false;  // active as far as the owner knows, the manager not made yet
  // Made on the first attach, discarded when the last binding leaves.
  std::optional<std::vector<TFilter*>> bindings_;
};

}  // namespace quellon
