// The main window's two device operations: listing and opening the card filters of one kind, and
// pushing the ticked picture values into every PVR-150/500 capture filter.

#include "app/form1.h"
#include "app/procamp_rows.h"
#include "devices/device_error.h"
#include "devices/device_search.h"
#include "devices/filter_pages.h"

namespace quellon {

ui::ComboBox& TForm1::DeviceListBox(DeviceKind kind) {
  switch (kind) {
    case DeviceKind::Pvr250Capture:
      return Frame250.CaptureBox;
    case DeviceKind::Pvr150Capture:
      return Frame150b.CaptureBox;
    case DeviceKind::Pvr150Encoder:
      break;
  }
  return Frame150b.EncoderBox;
}

// The pages' "Open" buttons call only for list position 1 or more; a smaller `wanted` matches no
// device, so it opens nothing here either.
void TForm1::ShowPvrPropPage(DeviceKind kind, int wanted, bool list_only) {
  if (list_only) {
    ListDevices(kind);
    return;
  }
  DeviceSearch search(devices_, FilterGraph1);
  search.ForEachMatch(kind, [&](const DeviceEntry&, int position, int match) {
    if (match != wanted) return true;
    search.Bind(position);
    // A filter without pages or without a name opens nothing, and nothing is said about it.
    static_cast<void>(OpenFilterPages(devices_, &search.DeviceFilter.QueryBaseFilter()));
    return false;
  });
}

// A device the system describes wrongly must not keep the user from the page: the error is shown
// and the list keeps what was found before it.
void TForm1::ListDevices(DeviceKind kind) {
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

void TForm1::SetProcampSettings(DeviceKind kind) {
  const std::vector<ProcampRow> rows = TickedProcampRows(Frame150);
  DeviceSearch search(devices_, FilterGraph1);
  search.ForEachMatch(kind, [&](const DeviceEntry&, int position, int) {
    search.Bind(position);
    const auto procamp = search.DeviceFilter.QueryProcAmp();
    if (kind == DeviceKind::Pvr150Capture)
      for (const ProcampRow& row : rows) procamp->Set(row.property, row.value, kProcampFlagsAuto);
    return true;
  });
}

}  // namespace quellon
