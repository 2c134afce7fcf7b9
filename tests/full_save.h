#pragma once
// The window set up for a save that writes every value the program may write: every save box of
// every page ticked, the text boxes such a save needs filled, and every slider moved to its
// minimum, so that the values differ from most that a machine holds.

#include "app/form1.h"
#include "pages/slider_row.h"

namespace quellon {

inline void PrepareFullSave(TForm1& form) {
  TWintv2k& wintv = form.FrameWintv2k;
  wintv.country_code.ForceCountryEdit.SetText("44");
  wintv.country_code.ForceCountry.SetChecked(true);
  wintv.buffer_path.LiveDir.SetText("C:\\Buffer\\LiveTV.tmp");
  wintv.snapshot.Hres.SetText("720");
  wintv.snapshot.VRes.SetText("576");
  for (Page* page : form.PagesInOrder()) {
    for (Row* row : page->rows()) {
      if (auto* slider = dynamic_cast<SliderRow*>(row))
        slider->slider.SetPosition(slider->slider.min());
      if (ui::CheckBox* save = row->SaveBox()) save->SetChecked(true);
    }
  }
}

}  // namespace quellon
