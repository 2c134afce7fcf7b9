#include "pages/slider_row.h"

#include <cmath>

#include "pages/number_format.h"
#include "pages/page.h"

namespace quellon {
namespace {

std::string Numbered(const char* kind, int number) {
  return kind + std::to_string(number);
}

std::unique_ptr<ui::Label> UnitLabel(ui::Control& parent, const SliderDef& def) {
  if (!def.unit_name) return nullptr;
  auto unit = std::make_unique<ui::Label>(def.unit_name, &parent);
  unit->SetCaption("dB");
  unit->SetBounds(def.bounds.unit);
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

SliderControls::SliderControls(ui::Control& parent, const SliderDef& def)
    : caption(def.caption_name, &parent),
      slider(Numbered("TrackBar", def.number), &parent),
      edit(Numbered("Edit", def.number), &parent),
      unit(UnitLabel(parent, def)),
      save(Numbered("CheckBox", def.number), &parent) {
  caption.SetCaption(def.caption);
  caption.SetBounds(def.bounds.caption);
  slider.SetRange(def.min, def.max);
  slider.SetPosition(def.design);
  slider.SetBounds(def.bounds.slider);
  edit.SetBounds(def.bounds.edit);
  if (def.filled) edit.SetText(std::to_string(def.design));
  save.SetBounds(def.bounds.save);
  // The slider and its value box have no caption of their own: a screen reader reads the row's.
  slider.SetAccessibleName(def.caption);
  edit.SetAccessibleName(def.caption);
  save.SetAccessibleName(SaveBoxName(def.caption));
  for (ui::Control* c : {static_cast<ui::Control*>(&caption), static_cast<ui::Control*>(&slider),
                         static_cast<ui::Control*>(&edit), static_cast<ui::Control*>(unit.get()),
                         static_cast<ui::Control*>(&save)}) {
    if (!c) continue;
    c->SetEnabled(def.enabled);
    c->SetVisible(def.visible);
  }
}

SliderRow::SliderRow(Page& page, ui::Control& parent, const SliderDef& def)
    : Row(page, def.step), SliderControls(parent, def), def_(def) {
  EnterOnFocus(slider);
  EnterOnFocus(edit);
  if (def.reacts & kSaveFocus) EnterOnFocus(save);
  slider.OnChange = [this] {
    if (def_.reacts & kSliderMove) Enter();
    SliderChanged();
  };
  // Only the channel link asks whether the text parsed.
  edit.OnChange = [this] { static_cast<void>(EditChanged()); };
  slider.OnExit = edit.OnExit = [this] { Exit(); };
  if (def.reacts & kPointer) {
    EnterOnPointer(edit);
    EnterOnPointer(save);
    caption.OnMouseEnter = [this] { Enter(); };
  }
  if (def.reacts & (kHover | kHoverSlider)) Hover(slider);
  if (def.reacts & kHover) {
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
  return def_.kind == RowKind::Integer ? FormatInteger(slider.position())
                                       : FormatHalfStep(slider.position(), Separator());
}

void SliderRow::Enter() {
  page().Highlight(caption, def_.help, &slider, def_.kind == RowKind::HalfStep);
}

void SliderRow::SliderChanged() {
  if (HasFocus(slider)) edit.SetText(FormattedPosition());
}

bool SliderRow::EditChanged() {
  if (def_.kind == RowKind::Integer) {
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
  if (def_.kind == RowKind::Integer) {
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
  if (!def_.value) return;
  const auto stored = ctx.store.Read(def_.value->value);
  if (stored) slider.SetPosition(ctx.Computed(def_.value->scale.position(*stored)));
  if (def_.logs_load) ctx.DebugLine(stored);
}

void SliderRow::Save(SaveContext& ctx) {
  if (!def_.value || !save.checked()) return;
  ctx.store.Write(def_.value->value, def_.value->scale.stored(slider.position()));
}

}  // namespace quellon
