// The message loop hands the real pointer moves to the installed hook, and a page's hover table
// counts a pointer on a control's right or bottom edge as over it, though the window system sends
// that move to the neighbour.

#include <gtest/gtest.h>
#include <windows.h>

#include "live_window.h"
#include "pages/page.h"

namespace quellon::testing {
namespace {

// What the page asks of its window: only the application (for the pointer) and the help panel.
class PanelHost : public PageHost {
 public:
  ui::Application& app() override { return *application; }
  void ShowInfo(const std::string& title, const std::string&) override { shown.push_back(title); }
  ui::Memo& DebugLog() override { return memo_; }
  void ResetClick() override {}
  void SetSettingsInRegistry() override {}
  void ShowPvrPropPage(DeviceKind, int) override {}
  void SetProcampSettings(DeviceKind) override {}
  ui::Application* application = nullptr;
  std::vector<std::string> shown;

 private:
  ui::Memo memo_{"Memo", nullptr};
};

// A row of one control, in the hover table: entering it shows the control's name in the panel.
class NamedRow : public Row {
 public:
  NamedRow(Page& page, ui::Control& control) : Row(page, 0), control_(control) { Hover(control); }
  void Enter() override { page().host().ShowInfo(control_.name(), ""); }
  ui::Control& Caption() override { return control_; }

 private:
  ui::Control& control_;
};

// A page whose group box holds an edit and, right of it, a label.
class HoverPage : public Page {
 public:
  HoverPage(ui::Control* parent, PageHost& host) : Page("HoverPage", parent, host) {
    SetBounds({8, 40, 300, 200});
    group.SetBounds({0, 0, 300, 200});
    edit.SetBounds({20, 30, 60, 21});
    label.SetBounds({120, 34, 50, 13});
  }

  ui::GroupBox group{"group", this};
  ui::Edit edit{"edit", &group};
  ui::Label label{"label", &group};
  NamedRow edit_row{*this, edit};
  NamedRow label_row{*this, label};
};

class WindowPointer : public ::testing::Test {
 protected:
  WindowPointer() {
    host.application = &live.app;
    live.app.SetHook([this](const ui::Message& m) { page.HoverInfo(m); });
  }
  static ui::Form& Sized(ui::Form& f) {
    f.SetBounds({0, 0, 320, 260});
    return f;
  }
  // Form coordinates of a point in the group box.
  static int X(int x) { return 8 + x; }
  static int Y(int y) { return 40 + y; }

  ui::Form form{"HoverForm"};
  PanelHost host;
  HoverPage page{&form, host};
  LiveWindow live{Sized(form)};
};

TEST_F(WindowPointer, HookSeesRealMovesAndEdgesOfTheHoverTableAreInclusive) {
  ASSERT_TRUE(live.MovePointerTo(X(50), Y(40)));
  ASSERT_EQ(host.shown, (std::vector<std::string>{"edit"}));

  // The bottom right corner: the system routes the move to the group box, the table takes it.
  ASSERT_TRUE(live.MovePointerTo(X(130), Y(40)));
  ASSERT_TRUE(live.MovePointerTo(X(80), Y(51)));
  POINT corner{live.mirror->Scale(X(80)), live.mirror->Scale(Y(51))};
  ClientToScreen(live.mirror->form_window(), &corner);
  EXPECT_NE(WindowFromPoint(corner), live.Window(page.edit));
  EXPECT_EQ(host.shown, (std::vector<std::string>{"edit", "label", "edit"}));

  // One pixel further is beside it: nothing changes.
  ASSERT_TRUE(live.MovePointerTo(X(130), Y(40)));
  ASSERT_TRUE(live.MovePointerTo(X(81), Y(51)));
  EXPECT_EQ(host.shown, (std::vector<std::string>{"edit", "label", "edit", "label"}));
}

}  // namespace
}  // namespace quellon::testing
