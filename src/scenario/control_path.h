#pragma once

#include <string>

#include "app/form1.h"

namespace quellon::scenario {

// The control a script names: "Form1" is the window, "Form1.NAME" one of its own controls,
// "FRAME" a page frame and "FRAME.NAME" a control anywhere inside it. Throws UsageError otherwise.
ui::Control& FindControl(TForm1& form, const std::string& path);

}  // namespace quellon::scenario
