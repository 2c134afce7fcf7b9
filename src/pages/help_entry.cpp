#include "pages/help_entry.h"

namespace quellon {

std::string HelpEntry::Body(const ui::Slider* slider) const {
  if (!ranged || !slider) return prefix;
  const int divisor = halved ? 2 : 1;
  return prefix + std::to_string(slider->min() / divisor) + " to " +
         std::to_string(slider->max() / divisor) + suffix;
}

}  // namespace quellon
