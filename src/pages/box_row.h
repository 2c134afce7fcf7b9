#pragma once
// A setting that is itself a check box, with its save box beside it, or an option box that a save
// only consults. Its table entry (BoxDef) says everything about it.

#include <memory>

#include "pages/help_entry.h"
#include "pages/row.h"
#include "settings/stored_value.h"
#include "ui/controls.h"

namespace quellon {

struct BoxDef {
  int step = 0;  // place in the page's load and save order; 0: neither
  const char* box_name = "";
  const char* caption = "";         // stands left of the box
  const char* save_name = nullptr;  // an option has none
  ui::Rect box_bounds{};
  ui::Rect save_bounds{};
  bool design_checked = false;
  HelpEntry help{};  // none: entering the row only makes its caption bold
  const settings::BoxValue* value = nullptr;
  unsigned reacts = 0;  // Reacts
};

class BoxRow : public Row {
 public:
  BoxRow(Page& page, ui::Control& parent, const BoxDef& def);

  const BoxDef& def() const { return def_; }

  void Enter() override;
  ui::Control& Caption() override { return box; }
  ui::CheckBox* SaveBox() override { return save.get(); }
  void Load(LoadContext& ctx) override;
  void Save(SaveContext& ctx) override;

  ui::CheckBox box;
  std::unique_ptr<ui::CheckBox> save;

 private:
  const BoxDef& def_;
};

}  // namespace quellon
