// The "150/500 Advanced" page on its own, with a host that records what the page asks of it: the
// "Open" buttons, the layout the native window is built from, and the hover table's reach.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "pages/pvr150_advanced/fr150b.h"
#include "testing/headless_platform.h"
#include "ui/application.h"

namespace quellon {
namespace {

class RecordingHost : public PageHost {
 public:
  explicit RecordingHost(ui::Application& app) : app_(app) {}
  ui::Application& app() override { return app_; }
  void ShowInfo(const std::string& t, const std::string& b) override {
    title = t;
    body = b;
  }
  ui::Memo& DebugLog() override { return memo_; }
  void ResetClick() override {}
  void SetSettingsInRegistry() override {}
  void ShowPvrPropPage(DeviceKind kind, int wanted) override { opened.emplace_back(kind, wanted); }
  void SetProcampSettings(DeviceKind) override {}

  std::string title;
  std::string body;
  std::vector<std::pair<DeviceKind, int>> opened;

 private:
  ui::Application& app_;
  ui::Memo memo_{"Memo1", nullptr};
};

class AdvancedPage : public ::testing::Test {
 protected:
  void Fill(ui::ComboBox& list, const char* heading) {
    list.AddItem(heading);
    list.AddItem("Filter A");
    list.AddItem("Filter B");
  }
  // The pointer at (x, y) of the group box, then one pointer move through the hook.
  void Hover(int x, int y) {
    const ui::Point origin = page.GroupBox1.OriginInForm();
    platform.SetCursorPos({origin.x + x, origin.y + y});
    page.HoverInfo({ui::Message::Kind::MouseMove, nullptr});
  }

  ui::HeadlessPlatform platform;
  ui::Application app{platform};
  RecordingHost host{app};
  ui::Form form{"Form1"};
  TFr150b page{&form, host};
};

TEST_F(AdvancedPage, OpenButtonsOpenOnlyARealFilterOfTheirOwnKind) {
  Fill(page.capture_list.list, "-> Select Capture Source");
  Fill(page.encoder_list.list, "-> Select Encoder Source");

  page.capture_list.list.SetItemIndex(0);  // the heading
  page.capture_list.open.Press();
  page.encoder_list.open.Press();  // nothing selected at all
  EXPECT_TRUE(host.opened.empty());

  page.capture_list.list.SetItemIndex(2);
  page.capture_list.open.Press();
  page.encoder_list.list.SetItemIndex(1);
  page.encoder_list.open.Press();
  const std::vector<std::pair<DeviceKind, int>> want{{DeviceKind::Pvr150Capture, 2},
                                                     {DeviceKind::Pvr150Encoder, 1}};
  EXPECT_EQ(host.opened, want);

  // Typing into the list drops the selection: the button no longer names a filter.
  host.opened.clear();
  page.encoder_list.list.TypeKey('x');
  page.encoder_list.open.Press();
  EXPECT_TRUE(host.opened.empty());
}

// The native window is created from these bounds: every control must lie inside its container
// and no two controls of the group box may cover each other.
TEST_F(AdvancedPage, ControlsFitTheirContainersWithoutOverlapping) {
  const auto inside = [](const ui::Rect& r, int w, int h) {
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= w && r.top + r.height <= h;
  };
  EXPECT_TRUE(inside(page.bounds(), 488, 520));
  EXPECT_TRUE(inside(page.GroupBox1.bounds(), page.width(), page.height()));
  const auto& children = page.GroupBox1.children();
  for (const ui::Control* c : children)
    EXPECT_TRUE(inside(c->bounds(), page.GroupBox1.width(), page.GroupBox1.height())) << c->name();
  for (size_t i = 0; i < children.size(); ++i)
    for (size_t j = i + 1; j < children.size(); ++j) {
      EXPECT_FALSE(ui::Overlap(children[i]->bounds(), children[j]->bounds()))
          << children[i]->name() << " covers " << children[j]->name();
    }
}

// The hover table reaches the hidden save boxes and the disabled rows, and stops at the buttons.
TEST_F(AdvancedPage, HoverReachesHiddenAndGreyedRegionsButNotTheButtons) {
  page.static_temporal.box.SetChecked(false);  // greys the temporal level row
  ASSERT_FALSE(page.temporal_level.slider.enabled());

  const ui::Rect& capture_save = (*page.capture_list.save).bounds();
  // The bottom-right corner of the hidden capture save box.
  Hover(capture_save.left + capture_save.width, capture_save.top + capture_save.height);
  EXPECT_EQ(host.title, "Capture Filter Settings");
  EXPECT_TRUE(page.capture_list.caption.bold());

  Hover((*page.encoder_list.save).left(), (*page.encoder_list.save).top());  // its top-left corner
  EXPECT_EQ(host.title, "Encoder Settings");
  EXPECT_TRUE(page.encoder_list.caption.bold());
  EXPECT_FALSE(page.capture_list.caption.bold());

  Hover(200, 50);  // the greyed temporal slider
  EXPECT_EQ(host.title, "Temporal filtering / Motion blur");
  EXPECT_TRUE(page.temporal_level.caption.bold());

  Hover(page.capture_list.open.left() + 10,
        138);  // the capture "Open" button: no region, the panel stays
  EXPECT_EQ(host.title, "Temporal filtering / Motion blur");
  Hover(page.temporal_level.save.left() - 8, 60);  // between the vertical line and the save boxes
  EXPECT_EQ(host.title, "Temporal filtering / Motion blur");
}

// The range in a level's help comes from the slider itself, not from fixed text.
TEST_F(AdvancedPage, LevelHelpPrintsTheSlidersOwnRange) {
  page.spatial_level.Enter();
  EXPECT_EQ(host.body,
            "This setting changes the Spatial filtering, in wintv2k and some third party "
            "applications.\r\rRange: 0 to 15");
  page.temporal_level.slider.SetRange(2, 20);
  page.temporal_level.Enter();
  EXPECT_TRUE(host.body.ends_with("\r\rRange: 2 to 20")) << host.body;
}

}  // namespace
}  // namespace quellon
