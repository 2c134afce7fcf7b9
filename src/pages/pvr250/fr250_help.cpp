#include "pages/pvr250/fr250_help.h"

namespace quellon {

const HelpEntry& TunerVolumeHelp() {
  static const HelpEntry entry = HelpEntry::Range(
      "Recording volume Tuner",
      "This setting changes the volume of the tuner, in wintv2k (and some third party "
      "applications).\r\rRange: ",
      "dB,  1 dB steps");
  return entry;
}

const HelpEntry& SharpnessHelp() {
  static const HelpEntry entry = HelpEntry::Fixed(
      "Sharpness",
      "This setting changes the sharpness of livetv/recordings. For clean sources a high value is "
      "useful, for noisy sources lower values are better\rRange: 0-7");
  return entry;
}

const HelpEntry& ClosedCaptionHelp() {
  static const HelpEntry entry = HelpEntry::Fixed(
      "Closed Caption",
      "This setting Enables/Disables Closed Caption, in wintv2k and some third party "
      "applications.\r\rCC is added to all recordings which use the \"dvd\" stream type, and to "
      "the live tv stream of wintv2k.\rIt also enables/disables the viewing of CC in wintv2k");
  return entry;
}

const HelpEntry& CaptureDialogHelp() {
  static const HelpEntry entry = HelpEntry::Fixed(
      "Capture Filter Settings",
      "This opens the Capture Filter dialog, which allows the user to directly change the capture "
      "settings\r\rPlease note that it Procamp settings (Brightness, contrast, etc) can be changed "
      "without any risk, but chaning anything else is not advised\r\rThese settings are NOT saved "
      "upon reboot\r\rUsage: Select the proper Capture filter, and click the \"Open\" button");
  return entry;
}

}  // namespace quellon
