#include "pages/setting_row.h"

#include <cmath>

#include "pages/number_format.h"
#include "registry/registry_ops.h"

namespace quellon {
namespace {

// The half-step range test: the integer nearest to 2x, a half going to the even neighbour.
bool HalfStepInRange(double x, const ui::Slider& s) {
  const double twice = std::nearbyint(2 * x);
  return twice >= s.min() && twice <= s.max();
}

int HalfStepPosition(double x) {
  return static_cast<int>(std::trunc(2 * x));
}

}  // namespace

char SettingRow::Separator() const {
  return page_.host().app().platform().DecimalSeparator();
}

bool SettingRow::HasFocus(const ui::Control& c) const {
  return page_.host().app().focused() == &c;
}

std::string SettingRow::FormattedPosition() const {
  return kind_ == RowKind::Integer ? FormatInteger(slider_.position())
                                   : FormatHalfStep(slider_.position(), Separator());
}

void SettingRow::Enter() {
  page_.FontsNormal();
  caption_.SetBold(true);
  page_.host().ShowInfo(help_.title, help_.Body(&slider_));
}

void SettingRow::SliderChanged() {
  if (HasFocus(slider_)) edit_.SetText(FormattedPosition());
}

bool SettingRow::EditChanged() {
  if (kind_ == RowKind::Integer) {
    const auto v = ParseInteger(edit_.text());
    if (!v) return false;
    if (IsWaardeInMinMax(*v, slider_.min(), slider_.max())) {
      slider_.SetPosition(*v);
      edit_.SetText(FormatInteger(*v));
    }
    return true;
  }
  const auto x = ParseDecimal(edit_.text(), Separator());
  if (!x) return false;
  if (HalfStepInRange(*x, slider_) && HasFocus(edit_)) {
    slider_.SetPosition(HalfStepPosition(*x));
    edit_.SetText(FormatDecimal(*x, Separator()));
  }
  return true;
}

void SettingRow::Exit() {
  caption_.SetBold(false);
  if (kind_ == RowKind::Integer) {
    const int v = ParseInteger(edit_.text()).value_or(slider_.position());
    if (IsWaardeInMinMax(v, slider_.min(), slider_.max())) {
      slider_.SetPosition(v);
      edit_.SetText(FormatInteger(v));
    } else {
      edit_.SetText(FormatInteger(slider_.position()));
    }
    return;
  }
  double x = ParseDecimal(edit_.text(), Separator()).value_or(slider_.position() / 2.0);
  if (HalfStepInRange(x, slider_)) {
    slider_.SetPosition(HalfStepPosition(x));
  } else {
    x = slider_.position() / 2.0;
  }
  edit_.SetText(FormatDecimal(x, Separator()));
}

void SettingRow::FillEditBox() {
  edit_.SetText(FormattedPosition());
}

}  // namespace quellon
