#pragma once

#include "ui/control.h"
#include "ui/geometry.h"

namespace quellon::ui {

// The control a pointer at `in_form` (form client coordinates) lies over, as the window system
// routes mouse messages: the deepest shown and enabled control whose rectangle holds the point,
// right and bottom edges excluded. Returns `root` when no child holds it.
Control* ControlAt(Control& root, Point in_form);

}  // namespace quellon::ui
