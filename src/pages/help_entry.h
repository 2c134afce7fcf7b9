#pragma once
// One text of the help panel, as static data. A ranged body is built when it is shown: the prefix
// (ending in "Range: "), the slider's current minimum, " to ", its maximum, then the suffix.
// Half-step rows print the range halved, each end truncated toward zero.

#include <string>

#include "ui/controls.h"

namespace quellon {

struct HelpEntry {
  const char* title = nullptr;   // null: the row has no help, and entering it leaves the panel
  const char* prefix = nullptr;  // the whole body when the entry is not ranged
  const char* suffix = nullptr;
  bool ranged = false;

  std::string Body(const ui::Slider* slider, bool halved) const {
    if (!ranged || !slider) return prefix;
    const int divisor = halved ? 2 : 1;
    return prefix + std::to_string(slider->min() / divisor) + " to " +
           std::to_string(slider->max() / divisor) + suffix;
  }
};

constexpr HelpEntry FixedHelp(const char* title, const char* body) {
  return {title, body, nullptr, false};
}

constexpr HelpEntry RangedHelp(const char* title, const char* prefix, const char* suffix = "") {
  return {title, prefix, suffix, true};
}

}  // namespace quellon
