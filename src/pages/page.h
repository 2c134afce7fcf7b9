#pragma once
// What every page frame shares: the operations the main window calls, the help panel, and the hover
// hook that walks the page's hover table.

#include <functional>
#include <string>
#include <vector>

#include "pages/help_entry.h"
#include "pages/page_host.h"
#include "ui/controls.h"
#include "ui/message.h"

namespace quellon {

class Page : public ui::Frame {
 public:
  Page(std::string name, ui::Control* parent, PageHost& host)
      : ui::Frame(std::move(name), parent), host_(host) {}

  virtual void SetEditBoxen() = 0;
  virtual void UnCheckSaveSettings() = 0;
  virtual void FontsNormal() = 0;
  // The page's application-message hook: a pointer move runs the enter of every hover-table entry
  // under the pointer, in table order, so the last match decides.
  void HoverInfo(const ui::Message& m);

  PageHost& host() const { return host_; }

 protected:
  struct HoverEntry {
    const ui::Control* control;
    std::function<void()> enter;
  };
  // The rows' controls are laid out in this container's client coordinates.
  void SetHoverSpace(const ui::Control& space) { hover_space_ = &space; }
  void AddHover(const ui::Control& control, std::function<void()> enter) {
    hover_table_.push_back({&control, std::move(enter)});
  }
  // Shows a help entry, building a ranged body from the slider.
  void ShowHelp(const HelpEntry& entry, const ui::Slider* slider = nullptr);

 private:
  PageHost& host_;
  const ui::Control* hover_space_ = this;
  std::vector<HoverEntry> hover_table_;
};

}  // namespace quellon
