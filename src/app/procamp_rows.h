#pragma once
// The picture rows of the PVR-150/500 page that a save pushes into the capture filters.

#include <vector>

namespace quellon {

class TFr150;

// VideoProcAmp_Flags_Auto: the flag the capture filters have always been given.
inline constexpr int kProcampFlagsAuto = 1;

struct ProcampRow {
  int property;  // the VideoProcAmp property number
  int value;     // the slider's position, unchanged
};

// The rows whose save box is ticked, in the order brightness, contrast, saturation, hue,
// sharpness.
std::vector<ProcampRow> TickedProcampRows(const TFr150& page);

}  // namespace quellon
