#pragma once
// One numeric setting: caption, slider, value box and save box, kept in step with silent range
// checks.

#include "pages/help_entry.h"
#include "pages/page.h"
#include "ui/controls.h"

namespace quellon {

enum class RowKind {
  Integer,   // the value box shows the slider position
  HalfStep,  // the slider counts half units; the value box shows position / 2
};

class SettingRow {
 public:
  SettingRow(Page& page, ui::Label& caption, ui::Slider& slider, ui::Edit& edit, ui::CheckBox& save,
             RowKind kind, HelpEntry help)
      : page_(page),
        caption_(caption),
        slider_(slider),
        edit_(edit),
        save_(save),
        kind_(kind),
        help_(std::move(help)) {}

  // Row enter: all captions normal, this one bold, the help panel shows the row's entry.
  void Enter();
  // Slider moved: the value box follows only when the slider itself has the focus.
  void SliderChanged();
  // Value box changed. Returns false when the text did not parse, so that a page's follow-up
  // steps (the channel link) are skipped only then.
  bool EditChanged();
  // Row left: this caption normal; the box shows an accepted value or the slider's.
  void Exit();
  // The value box from the slider, as SetEditBoxen fills it.
  void FillEditBox();
  std::string FormattedPosition() const;

  ui::Label& caption() const { return caption_; }
  ui::Slider& slider() const { return slider_; }
  ui::Edit& edit() const { return edit_; }
  ui::CheckBox& save() const { return save_; }
  RowKind kind() const { return kind_; }
  const HelpEntry& help() const { return help_; }

 private:
  char Separator() const;
  bool HasFocus(const ui::Control& c) const;

  Page& page_;
  ui::Label& caption_;
  ui::Slider& slider_;
  ui::Edit& edit_;
  ui::CheckBox& save_;
  RowKind kind_;
  HelpEntry help_;
};

}  // namespace quellon
