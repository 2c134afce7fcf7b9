#include "pages/pvr150/fr150_help.h"

#include <stdexcept>
#include <string>

namespace quellon {
namespace {

constexpr const char* kHalfStepSuffix = "dB,  0.5 dB steps";

HelpEntry Picture(const std::string& title) {
  return HelpEntry::Range(title, "This setting changes the " + title +
                                     ", in some third party applications.\r\rRange: ");
}

HelpEntry LineIn(const std::string& title, const std::string& side, const std::string& suffix) {
  return HelpEntry::Range(title,
                          "This setting changes the volume of the " + side +
                              " channel of the line-in, in wintv2k (and some third party "
                              "applications).\r\rRange: ",
                          suffix, true);
}

}  // namespace

HelpEntry Fr150RowHelp(int row) {
  switch (row) {
    case 1:
      return HelpEntry::Range("Recording volume Tuner",
                              "This setting changes the volume of the tuner, in wintv2k (and some "
                              "third party applications).\r\rRange: ",
                              "dB,  1 dB steps");
    case 2:
      return HelpEntry::Fixed(
          "Sharpness",
          "This setting changes the sharpness of livetv/recordings.\r\rFor clean sources a high "
          "value is useful, for noisy sources lower values are better\r\rRange: 0-7");
    case 3:
      return LineIn("Recording volume Line-in (Left)", "left",
                    std::string(kHalfStepSuffix) +
                        "\r\rIf \"Channels Linked\" is checked, this setting also applies to the "
                        "volume of the right channel\rCurrently Channels Linked cannot be "
                        "disabled");
    case 4:
      return LineIn("Recording volume Line-in (Right)", "right", kHalfStepSuffix);
    case 5:
      return Picture("Brightness");
    case 6:
      return Picture("Contrast");
    case 7:
      return Picture("Saturation");
    case 8:
      return Picture("Hue");
    case 9:
      return HelpEntry::Range("Motion blur",
                              "This setting changes the motion blur, in wintv2k and some third "
                              "party applications.\r\rRange: ");
    case 10:
      return HelpEntry::Range("Automatic Gain, Target level",
                              "This setting changes target level of the automatic gain, in wintv2k "
                              "and some third party applications.\r\rRange: ",
                              "\r(values 0 to -3 have the same result, due to limitations of the "
                              "AGC)");
    default:
      throw std::out_of_range("the 150/500 page has no row " + std::to_string(row));
  }
}

const HelpEntry& SetFilterHelp() {
  static const HelpEntry entry = HelpEntry::Fixed(
      "Set Procamp Settings in Filter",
      "If this setting is checked, all Procamp (Brightness, Contrast, etc) settings that are being "
      "saved are also set in the Capture Filter\rThis change has the effect that not only MCE "
      "2005, but also some other programs  are affect by changes made, it will also cause "
      "inmidiate changes in current recordings\r\rAlternatively, these procamp settings can also "
      "be changed using the capture filter found on the advanded settings page");
  return entry;
}

const HelpEntry& SetWintv2kProcampHelp() {
  static const HelpEntry entry = HelpEntry::Fixed(
      "Set Procamp Settings in Wintv2k",
      "If this setting is checked, all Procamp (Brightness, Contrast, etc) settings that are being "
      "saved are also set in the Wintv2k Filter\rThis change has the effect that not only MCE "
      "2005, but also Wintv2k (if wintv2k is not currently active, if it is, select \"Set Capture "
      "Filter\" as well\r\rAlternatively, these procamp settings can also be changed using the "
      "capture filter found on the advanded settings page");
  return entry;
}

}  // namespace quellon
