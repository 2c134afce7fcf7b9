#pragma once
// The capture filter's picture properties (DirectShow's VideoProcAmpProperty numbers) and the
// values a save pushes into them.

namespace quellon {

enum class ProcampProperty {
  Brightness = 0,
  Contrast = 1,
  Hue = 2,
  Saturation = 3,
  Sharpness = 4,
};

// VideoProcAmp_Flags_Auto: the flag the capture filters have always been given.
inline constexpr int kProcampFlagsAuto = 1;

struct ProcampValue {
  ProcampProperty property;
  int value;
};

}  // namespace quellon
