#pragma once
// One line of a page: the controls that show one setting or option, the caption that turns bold
// while the line is active, its save box, and how the loader and the saver move its value. The
// page's operations (SetEditBoxen, UnCheckSaveSettings, FontsNormal, the hover hook, the load and
// the save) are loops over its rows.

#include <memory>
#include <string>

#include "pages/load_save.h"
#include "ui/controls.h"

namespace quellon {

class Page;

// What brings a row forward (its caption bold, its help shown) besides the focus entering its
// own control, and what leaving it does. A page's table gives each row its set.
enum Reacts : unsigned {
  kSaveFocus = 1U << 0,    // the focus entering its save box
  kSliderMove = 1U << 1,   // its slider moving, whoever moves it, before the value box follows
  kPointer = 1U << 2,      // the pointer moving over its boxes, or onto its caption
  kHover = 1U << 3,        // the page's hover hook, over every control of the row
  kHoverSlider = 1U << 4,  // the page's hover hook, over the slider only
  kClick = 1U << 5,        // a click on the check box that is the setting
  kClickSave = 1U << 6,    // a click on its save box
  kExitUnbolds = 1U << 7,  // leaving the box or its save box sets its own caption normal
  kExitResets = 1U << 8,   // leaving them sets every caption of the page normal
};

class Row {
 public:
  // Joins the page's rows. `step` is the row's place in the page's load and save order; 0 for a
  // row that is neither loaded nor saved.
  Row(Page& page, int step);
  virtual ~Row() = default;
  Row(const Row&) = delete;
  Row& operator=(const Row&) = delete;

  int step() const { return step_; }

  // The row comes forward: every caption of the page normal, this one bold, its help shown.
  virtual void Enter() = 0;
  virtual ui::Control& Caption() = 0;
  // The box that marks the row for the next save; none for an option.
  virtual ui::CheckBox* SaveBox() { return nullptr; }
  // The value box from the slider, as SetEditBoxen fills it.
  virtual void FillEditBox() {}
  virtual void Load(LoadContext&) {}
  virtual void Save(SaveContext&) {}

 protected:
  Page& page() const { return page_; }
  // The focus entering `control`, or the pointer over it, brings the row forward.
  void EnterOnFocus(ui::Control& control);
  void EnterOnPointer(ui::Control& control);
  // The page's hover hook tests `control` for this row.
  void Hover(const ui::Control& control);

 private:
  Page& page_;
  int step_;
};

// What a screen reader calls the save box of the row captioned `caption`.
std::string SaveBoxName(const std::string& caption);

// A check box that some rows have and others do not: none without a name.
std::unique_ptr<ui::CheckBox> OptionalCheckBox(ui::Control& parent, const char* name,
                                               const ui::Rect& bounds);

}  // namespace quellon
