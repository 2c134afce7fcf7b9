#pragma once
// The help texts of the "Wintv2k" page, byte for byte as the panel shows them (Windows-1252).

#include "pages/help_entry.h"

namespace quellon::wintv2k_help {

// Ranged: the body shows the slider's current minimum and maximum.
HelpEntry RecordPauseSpeed();
HelpEntry SoftwareDecoder();
HelpEntry LivePreview();
HelpEntry ForceCountry();
HelpEntry SnapshotResolution();
HelpEntry TimeshiftChannelChange();
HelpEntry LiveBuffer();

}  // namespace quellon::wintv2k_help
