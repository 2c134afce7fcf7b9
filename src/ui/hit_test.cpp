#include "ui/hit_test.h"

namespace quellon::ui {

Control* ControlAt(Control& root, Point in_form) {
  Control* best = &root;
  // Later siblings lie on top of earlier ones, so the last hit among siblings wins.
  for (Control* child : root.children()) {
    if (!child->visible() || !child->enabled()) continue;
    const Point origin = child->parent() ? child->parent()->OriginInForm() : Point{};
    const Point local{in_form.x - origin.x, in_form.y - origin.y};
    if (ContainsExclusive(child->bounds(), local)) best = ControlAt(*child, in_form);
  }
  return best;
}

}  // namespace quellon::ui
