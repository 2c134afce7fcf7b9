#include "pages/slider_row.h"

#include <cmath>

#include "pages/number_format.h"
#include "pages/page.h"

namespace quellon {
namespace {

std::string Numbered(const char* kind, int number) {
  return kind + std::to_string(number);
}

std::unique_ptr<ui::Label> UnitLabel(ui::Control& parent, const SliderSpec& spec) {
  if (!spec.unit_name) return nullptr;
  auto unit = std::make_unique<ui::Label>(spec.unit_name, &parent);
  unit->SetCaption("dB");
  unit->SetBounds(spec.bounds.unit);
  return unit;
}

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

SliderControls::SliderControls(ui::Control& parent, const SliderSpec& spec)
    : caption(spec.caption_name, &parent),
      slider(Numbered("TrackBar", spec.number), &parent),
      edit(Numbered("Edit", spec.number), &parent),
      unit(UnitLabel(parent, spec)),
      save(Numbered("CheckBox", spec.number), &parent) {
  caption.SetCaption(spec.caption);
  caption.SetBounds(spec.bounds.caption);
  slider.SetRange(spec.min, spec.max);
  slider.SetPosition(spec.design);
  slider.SetBounds(spec.bounds.slider);
  edit.SetBounds(spec.bounds.edit);
  if (spec.filled) edit.SetText(std::to_string(spec.design));
  save.SetBounds(spec.bounds.save);
  for (ui::Control* c : {static_cast<ui::Control*>(&caption), static_cast<ui::Control*>(&slider),
                         static_cast<ui::Control*>(&edit), static_cast<ui::Control*>(unit.get()),
                         static_cast<ui::Control*>(&save)}) {
    if (!c) continue;
    c->SetEnabled(spec.enabled);
    c->SetVisible(spec.visible);
  }
}

SliderRow::SliderRow(Page& page, ui::Control& parent, const SliderSpec& spec)
    : Row(page, spec.step), SliderControls(parent, spec), spec_(spec) {
  EnterOnFocus(slider);
  EnterOnFocus(edit);
  if (spec.reacts & kSaveFocus) EnterOnFocus(save);
  slider.OnChange = [this] {
    if (spec_.reacts & kSliderMove) Enter();
    SliderChanged();
  };
  // Only the channel link asks whether the text parsed.
  edit.OnChange = [this] { static_cast<void>(EditChanged()); };
  slider.OnExit = edit.OnExit = [this] { Exit(); };
  if (spec.reacts & kPointer) {
    EnterOnPointer(edit);
    EnterOnPointer(save);
    caption.OnMouseEnter = [this] { Enter(); };
  }
  if (spec.reacts & (kHover | kHoverSlider)) Hover(slider);
  if (spec.reacts & kHover) {
    Hover(edit);
    Hover(save);
    Hover(caption);
  }
}

char SliderRow::Separator() const {
  return page().host().app().platform().DecimalSeparator();
}

bool SliderRow::HasFocus(const ui::Control& c) const {
  return page().host().app().focused() == &c;
}

std::string SliderRow::FormattedPosition() const {
  return spec_.kind == RowKind::Integer ? FormatInteger(slider.position())
                                        : FormatHalfStep(slider.position(), Separator());
}

void SliderRow::Enter() {
  page().Highlight(caption, spec_.help, &slider, spec_.kind == RowKind::HalfStep);
}

void SliderRow::SliderChanged() {
  if (HasFocus(slider)) edit.SetText(FormattedPosition());
}

bool SliderRow::EditChanged() {
  if (spec_.kind == RowKind::Integer) {
    const auto v = ParseInteger(edit.text());
    if (!v) return false;
    if (IsWaardeInMinMax(*v, slider.min(), slider.max())) {
      slider.SetPosition(*v);
      ShowCanonical(edit, FormatInteger(*v), ParseInteger);
    }
    return true;
  }
  const auto x = ParseDecimal(edit.text(), Separator());
  if (!x) return false;
  if (HalfStepInRange(*x, slider) && HasFocus(edit)) {
    slider.SetPosition(HalfStepPosition(*x));
    const char separator = Separator();
    ShowCanonical(edit, FormatDecimal(*x, separator),
                  [separator](const std::string& t) { return ParseDecimal(t, separator); });
  }
  return true;
}

void SliderRow::Exit() {
  caption.SetBold(false);
  if (spec_.kind == RowKind::Integer) {
    const int v = ParseInteger(edit.text()).value_or(slider.position());
    if (IsWaardeInMinMax(v, slider.min(), slider.max())) {
      slider.SetPosition(v);
      edit.SetText(FormatInteger(v));
    } else {
      edit.SetText(FormatInteger(slider.position()));
    }
    return;
  }
  double x = ParseDecimal(edit.text(), Separator()).value_or(slider.position() / 2.0);
  if (HalfStepInRange(x, slider)) {
    slider.SetPosition(HalfStepPosition(x));
  } else {
    x = slider.position() / 2.0;
  }
  edit.SetText(FormatDecimal(x, Separator()));
}

void SliderRow::FillEditBox() {
  edit.SetText(FormattedPosition());
}

// A missing value leaves the slider where it is; the slider limits any other to its range.
void SliderRow::Load(LoadContext& ctx) {
  if (!spec_.value) return;
  const auto stored = ctx.store.Read(spec_.value->value);
  if (stored) slider.SetPosition(ctx.Computed(spec_.value->scale.position(*stored)));
  if (spec_.logs_load) ctx.DebugLine(stored);
}

void SliderRow::Save(SaveContext& ctx) {
  if (!spec_.value || !save.checked()) return;
  ctx.store.Write(spec_.value->value, spec_.value->scale.stored(slider.position()));
}

}  // namespace quellon
