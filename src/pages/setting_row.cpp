#include "pages/setting_row.h"

#include <cmath>

#include "pages/number_format.h"

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

// A typed number is shown in canonical form at once ("007" becomes "7", "+5" becomes "5") only
// where the keys still to come read the same after the rewrite: "-0" must keep its sign for
// "-0.5", and "1.0" its zero for "1.05". Leaving the box shows the canonical form in any case.
template <class Parse>
void ShowCanonical(ui::Edit& edit, const std::string& canonical, Parse parse) {
  for (char key = '0'; key <= '9'; ++key)
    if (parse(edit.text() + key) != parse(canonical + key)) return;
  edit.SetText(canonical);
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
      ShowCanonical(edit_, FormatInteger(*v), ParseInteger);
    }
    return true;
  }
  const auto x = ParseDecimal(edit_.text(), Separator());
  if (!x) return false;
  if (HalfStepInRange(*x, slider_) && HasFocus(edit_)) {
    slider_.SetPosition(HalfStepPosition(*x));
    const char separator = Separator();
    ShowCanonical(edit_, FormatDecimal(*x, separator),
                  [separator](const std::string& t) { return ParseDecimal(t, separator); });
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
