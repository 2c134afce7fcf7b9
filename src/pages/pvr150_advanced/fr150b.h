#pragma once
// The "150/500 Advanced" page: static or dynamic temporal and spatial filtering of the PVR-150/500
// driver with their static levels, and the lists of the card's capture and encoder filters with the
// buttons that open their property pages. Its rows are described in fr150b_table.h; this class adds
// the rule that greys a level row while its filter is dynamic.

#include "pages/box_row.h"
#include "pages/filter_list_row.h"
#include "pages/page.h"
#include "pages/pvr150_advanced/fr150b_table.h"
#include "pages/slider_row.h"
#include "ui/controls.h"

namespace quellon {

class TFr150b : public Page {
 public:
  TFr150b(ui::Control* parent, PageHost& host);

  void SetEditBoxen() override;

  ui::GroupBox GroupBox1{"GroupBox1", this};
  ui::Label Label10{"Label10", &GroupBox1};  // the "Save setting" column heading
  BoxRow static_temporal{*this, GroupBox1, fr150b::kStaticTemporal};
  SliderRow temporal_level{*this, GroupBox1, fr150b::kTemporalLevel};
  BoxRow static_spatial{*this, GroupBox1, fr150b::kStaticSpatial};
  SliderRow spatial_level{*this, GroupBox1, fr150b::kSpatialLevel};
  // The thin lines: below the filter rows, and in front of the save column.
  ui::Bevel Bevel1{"Bevel1", &GroupBox1};
  ui::Bevel Bevel2{"Bevel2", &GroupBox1};
  FilterListRow capture_list{*this, GroupBox1, fr150b::kCaptureList};
  FilterListRow encoder_list{*this, GroupBox1, fr150b::kEncoderList};

 private:
  // A level row is usable exactly while its static box is ticked. Greying a row leaves its slider
  // and its save box alone: a ticked level is still saved.
  void ApplyStaticRule();
};

}  // namespace quellon
