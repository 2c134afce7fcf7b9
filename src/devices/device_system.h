#pragma once
// The small interface the device layer needs from the system: enumerate a category, fetch a
// device's moniker, bind it to a live filter, run a filter graph and show a filter's property
// frame. DirectShow implements it in the Windows build; the headless build simulates it.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "devices/guid.h"

namespace quellon {

// A device's property bag as the enumerator reads it. Either property may be unreadable.
struct DeviceProperties {
  std::optional<std::string> friendly_name;  // in the ANSI code page, uncut
  std::optional<std::string> clsid;          // the "CLSID" text, unconverted
};

// A filter's IAMVideoProcAmp.
class VideoProcAmp {
 public:
  virtual ~VideoProcAmp() = default;
  // The driver's answer is of no interest to the program, so none is returned.
  virtual void Set(int property, int value, int flags) = 0;
};

// A filter object made from a device moniker.
class LiveFilter {
 public:
  virtual ~LiveFilter() = default;
  virtual void Stop() = 0;
  // The name the graph holds for the filter; nothing when the filter cannot say.
  [[nodiscard]] virtual std::optional<std::string> QueryFilterName() = 0;
  // The filter's property page classes; nothing without ISpecifyPropertyPages or when it fails.
  [[nodiscard]] virtual std::optional<std::vector<Guid>> PropertyPages() = 0;
  // Nothing when the filter does not offer IAMVideoProcAmp.
  [[nodiscard]] virtual std::unique_ptr<VideoProcAmp> QueryProcAmp() = 0;
};

// A device moniker, held live between its fetch and the binding.
class DeviceMoniker {
 public:
  virtual ~DeviceMoniker() = default;
  // Nothing when the filter cannot be made.
  [[nodiscard]] virtual std::unique_ptr<LiveFilter> BindToObject() = 0;
};

// The Filter Graph Manager.
class GraphManager {
 public:
  virtual ~GraphManager() = default;
  // Results are not examined: a filter that did not enter the graph only lacks a name there.
  virtual void AddFilter(LiveFilter& filter, const std::string& name) = 0;
  virtual void RemoveFilter(LiveFilter& filter) = 0;
  // The names of the filters now in the graph, in the graph's order.
  virtual std::vector<std::string> FilterNames() = 0;
};

class DeviceSystem {
 public:
  virtual ~DeviceSystem() = default;
  // The monikers of one category in the system's order; empty when it cannot be enumerated.
  virtual std::vector<DeviceProperties> EnumerateCategory(const Guid& category) = 0;
  // The moniker at `index` of the category, found afresh by position; nothing past the end.
  [[nodiscard]] virtual std::unique_ptr<DeviceMoniker> MonikerAt(const Guid& category,
                                                                 int index) = 0;
  // The system's text-to-class conversion; throws ClassStringError when it rejects the text.
  virtual Guid ClsidFromString(const std::string& text) = 0;
  // Nothing when the Filter Graph Manager cannot be created.
  [[nodiscard]] virtual std::unique_ptr<GraphManager> CreateFilterGraph() = 0;
  // The modal property frame of one filter, owned by the main window. False when it could not be
  // shown.
  [[nodiscard]] virtual bool ShowPropertyFrame(const std::string& caption, LiveFilter& filter,
                                               const std::vector<Guid>& pages) = 0;
};

}  // namespace quellon
