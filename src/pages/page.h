#pragma once
// What every page frame shares: its rows, and the page operations the main window calls, each a
// loop over the rows; the one highlight step; and the hover hook that walks the rows' hover
// regions.

#include <string>
#include <vector>

#include "pages/help_entry.h"
#include "pages/load_save.h"
#include "pages/page_host.h"
#include "pages/row.h"
#include "ui/controls.h"
#include "ui/message.h"

namespace quellon {

class Page : public ui::Frame {
 public:
  Page(std::string name, ui::Control* parent, PageHost& host)
      : ui::Frame(std::move(name), parent), host_(host) {}

  // Fills every value box from its slider.
  virtual void SetEditBoxen();
  // Unticks every save box; setting and option boxes stay as they are.
  void UnCheckSaveSettings();
  // Every caption of the page in normal weight.
  void FontsNormal();
  // The page's application-message hook: a pointer move runs the enter of every row with a hover
  // region under the pointer, in the order the rows made them, so the last match decides. Edges
  // count as inside; hidden and disabled controls count as well.
  void HoverInfo(const ui::Message& m);

  // The loader and the saver: the rows that have a step, in step order.
  void Load(LoadContext& ctx);
  void Save(SaveContext& ctx);

  // The one highlight step: every caption normal, `caption` bold, and the help in the panel when
  // there is one; a ranged help reads `range`'s limits, halved for a half-step row.
  void Highlight(ui::Control& caption, const HelpEntry& help, const ui::Slider* range = nullptr,
                 bool halved = false);

  PageHost& host() const { return host_; }
  // In the order the window shows them.
  const std::vector<Row*>& rows() const { return rows_; }

  struct HoverRegion {
    const ui::Control* control;
    Row* row;
  };
  const std::vector<HoverRegion>& hover_regions() const { return hover_regions_; }

  // Called by the rows as they are made. Throws std::logic_error for a step that two rows share.
  void AddRow(Row& row);
  void AddHover(const ui::Control& control, Row& row);

 private:
  std::vector<Row*> InSteps() const;

  PageHost& host_;
  std::vector<Row*> rows_;
  std::vector<HoverRegion> hover_regions_;
};

}  // namespace quellon
