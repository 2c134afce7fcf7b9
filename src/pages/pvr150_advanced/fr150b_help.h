#pragma once
// The help texts of the "150/500 Advanced" page.

#include "pages/help_entry.h"

namespace quellon::fr150b_help {

HelpEntry StaticTemporal();
HelpEntry StaticSpatial();
HelpEntry TemporalLevel();  // ranged: the body ends with the slider's own limits
HelpEntry SpatialLevel();   // ranged
HelpEntry CaptureFilter();
HelpEntry EncoderFilter();

}  // namespace quellon::fr150b_help
