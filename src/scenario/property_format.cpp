#include "scenario/property_format.h"

#include "scenario/driver.h"
#include "scenario/script.h"
#include "ui/controls.h"

namespace quellon::scenario {
namespace {

std::string Bool(bool b) {
  return b ? "true" : "false";
}

std::string List(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + Quote(items[i]);
  return out + "]";
}

}  // namespace

std::string FormatProperty(ui::Control& c, const std::string& p, const ui::Application& app) {
  if (p == "Enabled") return Bool(c.enabled());
  if (p == "Visible") return Bool(c.visible());
  if (p == "Bold") return Bool(c.bold());
  if (p == "Focused") return Bool(app.focused() == &c);
  if (p == "Caption") return Quote(c.caption());
  if (auto* s = dynamic_cast<ui::Slider*>(&c)) {
    if (p == "Position") return std::to_string(s->position());
    if (p == "Min") return std::to_string(s->min());
    if (p == "Max") return std::to_string(s->max());
  }
  if (auto* t = dynamic_cast<ui::TextControl*>(&c); t && p == "Text") return Quote(t->text());
  if (auto* b = dynamic_cast<ui::CheckBox*>(&c); b && p == "Checked") return Bool(b->checked());
  if (auto* l = dynamic_cast<ui::ComboBox*>(&c)) {
    if (p == "ItemIndex") return std::to_string(l->item_index());
    if (p == "Items") return List(l->items());
  }
  if (auto* tabs = dynamic_cast<ui::TabControl*>(&c)) {
    if (p == "ItemIndex") return std::to_string(tabs->tab_index());
    if (p == "Items") return List(tabs->tabs());
  }
  if (auto* m = dynamic_cast<ui::Memo*>(&c); m && p == "Items") return List(m->lines());
  throw UsageError(c.name() + " has no property " + p);
}

}  // namespace quellon::scenario
