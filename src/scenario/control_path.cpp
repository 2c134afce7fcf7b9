#include "scenario/control_path.h"

#include "scenario/driver.h"

namespace quellon::scenario {

ui::Control& FindControl(TForm1& form, const std::string& path) {
  const size_t dot = path.find('.');
  const std::string head = path.substr(0, dot);
  ui::Control* scope = head == form.name() ? &form : nullptr;
  for (ui::Control* child : form.children())
    if (!scope && child->name() == head && child->kind() == ui::ControlKind::Frame) scope = child;
  if (!scope) throw UsageError("unknown control " + path);
  if (dot == std::string::npos) return *scope;
  const std::string rest = path.substr(dot + 1);
  ui::Control* found = nullptr;
  if (scope == &form) {
    for (ui::Control* child : form.children())
      if (child->name() == rest) found = child;
  } else {
    found = scope->Find(rest);
  }
  if (!found) throw UsageError("unknown control " + path);
  return *found;
}

}  // namespace quellon::scenario
