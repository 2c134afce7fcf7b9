#pragma once
// A numeric setting: caption, slider, value box, an optional unit label and a save box, kept in
// step with silent range checks. Its table entry (SliderDef) says everything about it.

#include <memory>
#include <optional>
#include <string>

#include "devices/procamp.h"
#include "pages/help_entry.h"
#include "pages/row.h"
#include "settings/stored_value.h"
#include "ui/controls.h"

namespace quellon {

enum class RowKind {
  Integer,   // the value box shows the slider position
  HalfStep,  // the slider counts half units; the value box shows position / 2
};

struct SliderBounds {
  ui::Rect caption, slider, edit, unit, save;
};

// Where a page lines its slider rows up: the columns and widths of their controls, and how far
// below the slider's top edge the caption (and a unit label), the value box and the save box
// start.
struct RowColumns {
  int caption_left, caption_width, caption_dy;
  int slider_left, slider_width;
  int edit_left, edit_width, edit_dy;
  int unit_left;
  int save_left, save_dy;

  // The bounds of the row whose slider's top edge is `top`.
  constexpr SliderBounds At(int top) const {
    return {{caption_left, top + caption_dy, caption_width, 13},
            {slider_left, top, slider_width, 24},
            {edit_left, top + edit_dy, edit_width, 21},
            {unit_left, top + caption_dy, 16, 13},
            {save_left, top + save_dy, 17, 17}};
  }
};

struct SliderDef {
  int step = 0;                   // place in the page's load and save order; 0: neither
  int number = 0;                 // N of its controls TrackBarN, EditN and CheckBoxN
  const char* caption_name = "";  // its caption label
  const char* caption = "";
  const char* unit_name = nullptr;  // a "dB" label right of the value box, or none
  int min = 0;
  int max = 0;
  int design = 0;  // the position until the first load, and the default of a picture value
  RowKind kind = RowKind::Integer;
  SliderBounds bounds{};
  HelpEntry help{};
  const settings::SliderValue* value = nullptr;  // none: never loaded or saved
  unsigned reacts = 0;                           // Reacts
  bool logs_load = false;                        // the loader's debug line follows this row's read
  bool filled = false;  // the value box shows the design position from the start
  bool enabled = true;
  bool visible = true;
  // A picture value: the capture filter's property it also goes to, and WinTV2000's copy of it.
  std::optional<ProcampProperty> procamp{};
  const settings::SliderValue* wintv2k_copy = nullptr;
};

// A picture row that a page carries without using it: 0 to 255 at 128, never loaded, saved or
// wired. A hidden one keeps its controls enabled, as it always has; a shown one is greyed out.
constexpr SliderDef UnusedPictureRow(int number, const char* caption_name, const char* caption,
                                     const SliderBounds& bounds, bool hidden) {
  return {.number = number,
          .caption_name = caption_name,
          .caption = caption,
          .min = 0,
          .max = 255,
          .design = 128,
          .bounds = bounds,
          .enabled = hidden,
          .visible = !hidden};
}

// The controls alone, made in the order the window shows them, with their captions, range, design
// position, bounds and state; the rows a page only shows (greyed or hidden) are no more than this.
struct SliderControls {
  SliderControls(ui::Control& parent, const SliderDef& def);

  ui::Label caption;
  ui::Slider slider;
  ui::Edit edit;
  std::unique_ptr<ui::Label> unit;
  ui::CheckBox save;
};

class SliderRow : public Row, public SliderControls {
 public:
  SliderRow(Page& page, ui::Control& parent, const SliderDef& def);

  const SliderDef& def() const { return def_; }

  void Enter() override;
  ui::Control& Caption() override { return caption; }
  ui::CheckBox* SaveBox() override { return &save; }
  void FillEditBox() override;
  void Load(LoadContext& ctx) override;
  void Save(SaveContext& ctx) override;

  // Slider moved: the value box follows only when the slider itself has the focus.
  void SliderChanged();
  // Value box changed. False when the text did not parse, so that a page's follow-up steps (the
  // channel link) are skipped only then.
  [[nodiscard]] bool EditChanged();
  // Row left: this caption normal; the box shows an accepted value or the slider's.
  void Exit();
  std::string FormattedPosition() const;

 private:
  char Separator() const;
  bool HasFocus(const ui::Control& c) const;

  const SliderDef& def_;
};

}  // namespace quellon
