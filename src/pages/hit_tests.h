#pragma once
// The pages' hit tests: true when (x, y), in the coordinates of the control's parent, lies inside
// the control's bounds with all four edges counted as inside. They differ only in the type they
// accept.

#include "ui/controls.h"

namespace quellon {

inline bool InXY(const ui::Control& c, int x, int y) {
  return ui::ContainsInclusive(c.bounds(), {x, y});
}
inline bool TrackBarInXY(const ui::Slider& c, int x, int y) {
  return InXY(c, x, y);
}
inline bool EditInXY(const ui::Edit& c, int x, int y) {
  return InXY(c, x, y);
}
inline bool LabelInXY(const ui::Label& c, int x, int y) {
  return InXY(c, x, y);
}
inline bool CheckBoxInXY(const ui::CheckBox& c, int x, int y) {
  return InXY(c, x, y);
}
inline bool ComboBoxInXY(const ui::ComboBox& c, int x, int y) {
  return InXY(c, x, y);
}

}  // namespace quellon
