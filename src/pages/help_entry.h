#pragma once

#include <string>

#include "ui/controls.h"

namespace quellon {

// One help text of the help panel. A ranged body is built when it is shown: the prefix (ending in
// "Range: "), the slider's current minimum, " to ", its maximum, then the suffix. Half-step rows
// print the range halved, each end truncated toward zero.
struct HelpEntry {
  std::string title;
  std::string prefix;  // the whole body when the entry is not ranged
  std::string suffix;
  bool ranged = false;
  bool halved = false;

  static HelpEntry Fixed(std::string title, std::string body) {
    return {std::move(title), std::move(body), {}, false, false};
  }
  static HelpEntry Range(std::string title, std::string prefix, std::string suffix = {},
                         bool halved = false) {
    return {std::move(title), std::move(prefix), std::move(suffix), true, halved};
  }

  std::string Body(const ui::Slider* slider) const;
};

}  // namespace quellon
