#include "pages/pvr150_advanced/fr150b_help.h"

namespace quellon::fr150b_help {

// The texts are shown exactly as the driver's users have always read them, slips included.

HelpEntry StaticTemporal() {
  return HelpEntry::Fixed(
      "Set static or dynamic temporal filtering",
      "This setting set temporal filtering to static or dynamic.  If static is set the level can "
      "be "
      "set using the setting below\r\rTemporal filtering can be used to change the so called "
      "Motion Blur");
}

HelpEntry StaticSpatial() {
  return HelpEntry::Fixed(
      "Set static or dynamic Spatial filtering",
      "This setting set Spatial filtering to static or dynamic.  If static is set the level can be "
      "set using the setting below\r");
}

HelpEntry TemporalLevel() {
  return HelpEntry::Range("Temporal filtering / Motion blur",
                          "This setting changes the Temporal filtering / Motion blur, in wintv2k "
                          "and some third party applications.\r\rRange: ");
}

HelpEntry SpatialLevel() {
  return HelpEntry::Range("Spatial filtering",
                          "This setting changes the Spatial filtering, in wintv2k and some third "
                          "party applications.\r\rRange: ");
}

HelpEntry CaptureFilter() {
  return HelpEntry::Fixed(
      "Capture Filter Settings",
      "This opens the Capture Filter dialog, which allows the user to change the capture "
      "settings\r\rPlease note that it Procamp settings (Brightness, contrast, etc) can be changed "
      "without any risk, but chaning anything else is not advised\r\rThese settings are saved upon "
      "reboot\r\rUsage: Select the proper Capture filter, and click the \"Open\" button");
}

HelpEntry EncoderFilter() {
  return HelpEntry::Fixed(
      "Encoder Settings",
      "This opens the Encode Filter dialog, which allows the user to change the encoder "
      "settings\r\rSettings iclude advanced filter setting, like the temporal, spatial and median "
      "filters\r\rThese settings are saved upon reboot\r\rUsage: Select the proper Encoder filter, "
      "and click the \"Open\" button");
}

}  // namespace quellon::fr150b_help
