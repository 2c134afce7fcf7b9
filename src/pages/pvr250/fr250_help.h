#pragma once
// The help panel texts of the "250/350" page. The greyed-out rows have none.

#include "pages/help_entry.h"

namespace quellon {

// Ranged: the body ends in the tuner volume slider's current range.
const HelpEntry& TunerVolumeHelp();
const HelpEntry& SharpnessHelp();
const HelpEntry& ClosedCaptionHelp();
const HelpEntry& CaptureDialogHelp();

}  // namespace quellon
