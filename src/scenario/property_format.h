#pragma once

#include <string>

#include "ui/application.h"
#include "ui/control.h"

namespace quellon::scenario {

// A control's property as scenario output prints it. Throws UsageError for a property the control
// does not have.
std::string FormatProperty(ui::Control& control, const std::string& property,
                           const ui::Application& app);

}  // namespace quellon::scenario
