#include "pages/row.h"

#include "pages/page.h"

namespace quellon {

Row::Row(Page& page, int step) : page_(page), step_(step) {
  page.AddRow(*this);
}

void Row::EnterOnFocus(ui::Control& control) {
  control.OnEnter = [this] { Enter(); };
}

void Row::EnterOnPointer(ui::Control& control) {
  control.OnMouseMove = [this] { Enter(); };
}

void Row::Hover(const ui::Control& control) {
  page_.AddHover(control, *this);
}

std::string SaveBoxName(const std::string& caption) {
  return "Save " + caption;
}

std::unique_ptr<ui::CheckBox> OptionalCheckBox(ui::Control& parent, const char* name,
                                               const ui::Rect& bounds) {
  if (!name) return nullptr;
  auto box = std::make_unique<ui::CheckBox>(name, &parent);
  box->SetBounds(bounds);
  return box;
}

}  // namespace quellon
