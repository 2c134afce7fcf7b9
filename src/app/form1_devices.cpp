// The main window's device operations: listing and opening the card filters of one kind, and
// pushing the ticked picture values into the PVR-150/500 capture filters.

#include "app/form1.h"
#include "devices/device_error.h"
#include "devices/device_search.h"
#include "devices/filter_operations.h"

namespace quellon {

ui::ComboBox& TForm1::DeviceListBox(DeviceKind kind) {
  switch (kind) {
    case DeviceKind::Pvr250Capture:
      return Frame250.capture_list.list;
    case DeviceKind::Pvr150Capture:
      return Frame150b.capture_list.list;
    case DeviceKind::Pvr150Encoder:
      break;
  }
  return Frame150b.encoder_list.list;
}

// A device the system describes wrongly must not keep the user from the page: the error is shown
// and the list keeps what was found before it.
void TForm1::ShowPvrPropPage(DeviceKind kind) {
  ui::ComboBox& list = DeviceListBox(kind);
  list.Clear();
  list.AddItem(InfoFor(kind).heading);
  try {
    DeviceSearch search(devices_, FilterGraph1);
    search.ForEachMatch(kind, [&](const DeviceEntry& entry, int position, int) {
      list.AddItem(entry.FriendlyName + " (" + std::to_string(position + 1) + ")");
      return true;
    });
  } catch (const ClassStringError& e) {
    app_.platform().ShowError(e.what());
  }
}

// The pages' "Open" buttons call only for list position 1 or more; a smaller `wanted` matches no
// device, so it opens nothing here either.
void TForm1::ShowPvrPropPage(DeviceKind kind, int wanted) {
  OpenMatchingFilter(devices_, FilterGraph1, kind, wanted);
}

// Only the PVR-150/500 capture filters take the values; the filters of the other kinds are bound
// and asked for their ProcAmp all the same.
void TForm1::SetProcampSettings(DeviceKind kind) {
  const std::vector<ProcampValue> values = kind == DeviceKind::Pvr150Capture
                                               ? Frame150.TickedProcampValues()
                                               : std::vector<ProcampValue>{};
  SetProcampValues(devices_, FilterGraph1, kind, values);
}

}  // namespace quellon
