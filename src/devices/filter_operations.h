#pragma once
// The main window's two operations on the card filters of one kind, besides listing them: opening
// one filter's property frame, and pushing picture values into every filter of the kind. Each
// makes its enumerator and binding afresh and releases both on every path.

#include <vector>

#include "devices/device_kind.h"
#include "devices/device_system.h"
#include "devices/filter_graph.h"
#include "devices/procamp.h"

namespace quellon {

// The property frame of the kind's `wanted`-th matching device (from 1). A number that matches
// no device opens nothing, as does a filter without pages or without a name.
void OpenMatchingFilter(DeviceSystem& system, TFilterGraph& graph, DeviceKind kind, int wanted);

// Every matching device is bound and given the values in order, with kProcampFlagsAuto. A
// device that offers no ProcAmp ends the operation with InterfaceNotSupported.
void SetProcampValues(DeviceSystem& system, TFilterGraph& graph, DeviceKind kind,
                      const std::vector<ProcampValue>& values);

}  // namespace quellon
