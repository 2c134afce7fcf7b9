#include "pages/page.h"

#include <algorithm>
#include <stdexcept>

namespace quellon {

void Page::AddRow(Row& row) {
  for (const Row* other : rows_)
    if (row.step() != 0 && other->step() == row.step())
      throw std::logic_error(name() + " has two rows at step " + std::to_string(row.step()));
  rows_.push_back(&row);
}

void Page::AddHover(const ui::Control& control, Row& row) {
  hover_regions_.push_back({&control, &row});
}

void Page::SetEditBoxen() {
  for (Row* row : rows_) row->FillEditBox();
}

void Page::UnCheckSaveSettings() {
  for (Row* row : rows_)
    if (ui::CheckBox* save = row->SaveBox()) save->SetChecked(false);
}

void Page::FontsNormal() {
  for (Row* row : rows_) row->Caption().SetBold(false);
}

void Page::Highlight(ui::Control& caption, const HelpEntry& help, const ui::Slider* range,
                     bool halved) {
  FontsNormal();
  caption.SetBold(true);
  if (help.title) host_.ShowInfo(help.title, help.Body(range, halved));
}

void Page::HoverInfo(const ui::Message& m) {
  if (m.kind != ui::Message::Kind::MouseMove) return;
  // The pointer's position now, not the one the message carries.
  const ui::Point cursor = host_.app().platform().CursorPos();
  for (const HoverRegion& region : hover_regions_) {
    // Bounds are in the parent's client coordinates.
    const ui::Point origin = region.control->parent()->OriginInForm();
    if (ui::ContainsInclusive(region.control->bounds(), {cursor.x - origin.x, cursor.y - origin.y}))
      region.row->Enter();
  }
}

std::vector<Row*> Page::InSteps() const {
  std::vector<Row*> stepped;
  std::copy_if(rows_.begin(), rows_.end(), std::back_inserter(stepped),
               [](const Row* row) { return row->step() != 0; });
  std::sort(stepped.begin(), stepped.end(),
            [](const Row* a, const Row* b) { return a->step() < b->step(); });
  return stepped;
}

void Page::Load(LoadContext& ctx) {
  for (Row* row : InSteps()) row->Load(ctx);
}

void Page::Save(SaveContext& ctx) {
  for (Row* row : InSteps()) row->Save(ctx);
}

}  // namespace quellon
