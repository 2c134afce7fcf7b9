#pragma once
// The list of one kind of card filter with its "Open" button: the main window fills the list when
// the page is shown, and "Open" opens the chosen filter's property pages.

#include <memory>

#include "devices/device_kind.h"
#include "pages/help_entry.h"
#include "pages/row.h"
#include "ui/controls.h"

namespace quellon {

struct FilterListDef {
  const char* caption_name = "";
  const char* caption = "";
  const char* list_name = "";
  const char* button_name = "";
  // A save box that is never shown: it only carries the row's hover region into the save column.
  const char* save_name = nullptr;
  ui::Rect caption_bounds{};
  ui::Rect list_bounds{};
  ui::Rect button_bounds{};
  ui::Rect save_bounds{};
  DeviceKind kind = DeviceKind::Pvr150Capture;
  HelpEntry help{};
};

class FilterListRow : public Row {
 public:
  FilterListRow(Page& page, ui::Control& parent, const FilterListDef& def);

  DeviceKind kind() const { return def_.kind; }

  void Enter() override;
  ui::Control& Caption() override { return caption; }
  ui::CheckBox* SaveBox() override { return save.get(); }

  ui::Label caption;
  ui::ComboBox list;
  ui::Button open;
  std::unique_ptr<ui::CheckBox> save;

 private:
  void OpenChosen();

  const FilterListDef& def_;
};

}  // namespace quellon
