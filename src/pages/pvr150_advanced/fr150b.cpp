#include "pages/pvr150_advanced/fr150b.h"

namespace quellon {

TFr150b::TFr150b(ui::Control* parent, PageHost& host) : Page("Frame150b", parent, host) {
  using namespace fr150b;
  SetBounds({0, 0, 479, 394});
  GroupBox1.SetBounds(kGroup);
  GroupBox1.SetCaption("Picture");
  Label10.SetBounds({kSaveLeft - 32, kHeadingTop, 72, 13});
  Label10.SetCaption("Save setting");
  // The divider runs across the box; the rule in front of the save column runs from below the
  // heading down to it, since the device rows below have no save boxes to show.
  Bevel1.SetBounds({4, kDividerTop, 437 - 8, 2});
  Bevel2.SetBounds({kRuleLeft, kStaticTemporalTop, 2, kDividerTop - kStaticTemporalTop});
  static_temporal.box.OnClick = [this] { ApplyStaticRule(); };
  static_spatial.box.OnClick = [this] { ApplyStaticRule(); };
}

void TFr150b::SetEditBoxen() {
  Page::SetEditBoxen();
  ApplyStaticRule();
}

void TFr150b::ApplyStaticRule() {
  for (auto [box, level] :
       {std::pair{&static_temporal, &temporal_level}, std::pair{&static_spatial, &spatial_level}}) {
    for (ui::Control* c :
         {static_cast<ui::Control*>(&level->slider), static_cast<ui::Control*>(&level->edit),
          static_cast<ui::Control*>(&level->save), static_cast<ui::Control*>(&level->caption)})
      c->SetEnabled(box->box.checked());
  }
}

}  // namespace quellon
