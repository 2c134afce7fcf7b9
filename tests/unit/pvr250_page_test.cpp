// The 250/350 page on its own, over a host that records what the page asks of the main window:
// what "Open" passes on, and a layout a native window can take as it is.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/pvr250/fr250.h"
#include "testing/headless_platform.h"
#include "ui/application.h"

namespace quellon {
namespace {

struct OpenCall {
  DeviceKind kind;
  int wanted;
};

class RecordingHost : public PageHost {
 public:
  ui::Application& app() override { return app_; }
  void ShowInfo(const std::string& title, const std::string&) override { shown = title; }
  ui::Memo& DebugLog() override { return memo_; }
  void ResetClick() override {}
  void SetSettingsInRegistry() override {}
  void ShowPvrPropPage(DeviceKind kind, int wanted) override { calls.push_back({kind, wanted}); }
  void SetProcampSettings(DeviceKind) override {}

  std::string shown;
  std::vector<OpenCall> calls;

 private:
  ui::HeadlessPlatform platform_;
  ui::Application app_{platform_};
  ui::Form form_{"Form1"};
  ui::Memo memo_{"Memo1", &form_};
};

class Pvr250Page : public ::testing::Test {
 protected:
  RecordingHost host;
  ui::Form form{"Form1"};
  TFr250 page{&form, host};
};

TEST_F(Pvr250Page, OpenPassesOnlyADeviceEntryOn) {
  page.capture_list.list.AddItem("-> Select Capture Source");
  page.capture_list.list.AddItem("Capture A");
  page.capture_list.list.AddItem("Capture B");

  page.capture_list.open.Press();  // nothing selected yet
  page.capture_list.list.SetItemIndex(0);
  page.capture_list.open.Press();  // the heading
  page.capture_list.list.SetItemIndex(2);
  page.capture_list.list.TypeKey('x');  // typed text selects nothing
  page.capture_list.open.Press();
  EXPECT_TRUE(host.calls.empty());

  page.capture_list.list.Choose(2);
  page.capture_list.open.Press();
  ASSERT_EQ(host.calls.size(), 1u);
  EXPECT_EQ(host.calls[0].kind, DeviceKind::Pvr250Capture);
  EXPECT_EQ(host.calls[0].wanted, 2);
}

TEST_F(Pvr250Page, ControlsFitTheGroupBoxWithoutOverlapping) {
  EXPECT_LE(page.width(), 488);
  EXPECT_LE(page.height(), 520);
  const ui::Rect group = page.GroupBox1.bounds();
  EXPECT_LE(group.left + group.width, page.width());
  EXPECT_LE(group.top + group.height, page.height());
  const auto& controls = page.GroupBox1.children();
  for (size_t i = 0; i < controls.size(); ++i) {
    const ui::Rect r = controls[i]->bounds();
    SCOPED_TRACE(controls[i]->name());
    EXPECT_GT(r.width, 0);
    EXPECT_GT(r.height, 0);
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 16);  // below the group box's caption
    EXPECT_LE(r.left + r.width, group.width);
    EXPECT_LE(r.top + r.height, group.height);
    for (size_t j = i + 1; j < controls.size(); ++j)
      EXPECT_FALSE(ui::Overlap(r, controls[j]->bounds())) << "overlaps " << controls[j]->name();
  }
}

}  // namespace
}  // namespace quellon
