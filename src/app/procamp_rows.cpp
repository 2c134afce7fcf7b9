#include "app/procamp_rows.h"

#include "pages/pvr150/fr150.h"

namespace quellon {

std::vector<ProcampRow> TickedProcampRows(const TFr150& page) {
  struct Source {
    const ui::CheckBox& save;
    const ui::Slider& slider;
    int property;
  };
  const Source sources[] = {
      {page.CheckBox5, page.TrackBar5, 0},  // brightness
      {page.CheckBox6, page.TrackBar6, 1},  // contrast
      {page.CheckBox7, page.TrackBar7, 3},  // saturation
      {page.CheckBox8, page.TrackBar8, 2},  // hue
      {page.CheckBox2, page.TrackBar2, 4},  // sharpness
  };
  std::vector<ProcampRow> rows;
  for (const Source& s : sources)
    if (s.save.checked()) rows.push_back({s.property, s.slider.position()});
  return rows;
}

}  // namespace quellon
