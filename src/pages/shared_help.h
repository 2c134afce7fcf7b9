#pragma once
// Help that two pages show alike.

#include "pages/help_entry.h"

namespace quellon {

// The tuner volume rows of the 150/500 and the 250/350 page.
inline constexpr HelpEntry kTunerVolumeHelp =
    RangedHelp("Recording volume Tuner",
               "This setting changes the volume of the tuner, in wintv2k (and some third party "
               "applications).\r\rRange: ",
               "dB,  1 dB steps");

}  // namespace quellon
