#include "pages/page.h"

#include "pages/hit_tests.h"

namespace quellon {

void Page::HoverInfo(const ui::Message& m) {
  if (m.kind != ui::Message::Kind::MouseMove) return;
  // The pointer's position now, not the one the message carries.
  const ui::Point cursor = host_.app().platform().CursorPos();
  const ui::Point origin = hover_space_->OriginInForm();
  const int x = cursor.x - origin.x;
  const int y = cursor.y - origin.y;
  for (const HoverEntry& entry : hover_table_)
    if (InXY(*entry.control, x, y)) entry.enter();
}

void Page::ShowHelp(const HelpEntry& entry, const ui::Slider* slider) {
  host_.ShowInfo(entry.title, entry.Body(slider));
}

}  // namespace quellon
