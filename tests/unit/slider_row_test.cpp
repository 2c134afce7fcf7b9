// The row behaviour every page shares: slider, value box, caption and help kept in step, and the
// hover walk over a page's table.

#include "pages/slider_row.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/help_entry.h"
#include "pages/page.h"
#include "testing/headless_platform.h"
#include "ui/application.h"

namespace quellon {
namespace {

class FakeHost : public PageHost {
 public:
  explicit FakeHost(ui::Application& a) : app_(a) {}
  ui::Application& app() override { return app_; }
  void ShowInfo(const std::string& t, const std::string& b) override {
    title = t;
    body = b;
    ++shown;
  }
  ui::Memo& DebugLog() override { return memo; }
  void ResetClick() override {}
  void SetSettingsInRegistry() override {}
  void ShowPvrPropPage(DeviceKind, int) override {}
  void SetProcampSettings(DeviceKind) override {}

  std::string title = "Item information:";
  std::string body;
  int shown = 0;
  ui::Memo memo{"Memo1", nullptr};

 private:
  ui::Application& app_;
};

// Row tops 5 and 31 in a group box that sits off the frame's origin, so that coordinate mix-ups
// show.
constexpr SliderBounds Bounds(int top) {
  return {{8, top + 5, 100, 13},
          {112, top, 150, 24},
          {268, top + 2, 50, 21},
          {},
          {340, top + 4, 17, 17}};
}

constexpr SliderDef kInteger{.number = 1,
                             .caption_name = "Cap1",
                             .min = -114,
                             .max = 12,
                             .bounds = Bounds(5),
                             .help = RangedHelp("Tuner", "Volume.\r\rRange: ", "dB,  1 dB steps"),
                             .reacts = kHover};
constexpr SliderDef kHalfStep{.number = 2,
                              .caption_name = "Cap2",
                              .min = -206,
                              .max = 48,
                              .design = -12,
                              .kind = RowKind::HalfStep,
                              .bounds = Bounds(31),
                              .help = RangedHelp("Line in", "Line.\r\rRange: ", "dB"),
                              .reacts = kHover};
// Hidden, with its slider exactly on the half-step row's.
constexpr SliderDef kHidden{.number = 3,
                            .caption_name = "Cap3",
                            .bounds = Bounds(31),
                            .reacts = kHoverSlider,
                            .visible = false};

// A row that only notes that it was entered.
class NotingRow : public SliderRow {
 public:
  using SliderRow::SliderRow;
  void Enter() override { entered = true; }
  bool entered = false;
};

// A page with one integer row (-114..12) and one half-step row (-206..48), and a hidden row whose
// hover region lies on the second.
class TwoRowPage : public Page {
 public:
  TwoRowPage(ui::Control* parent, PageHost& host) : Page("Page", parent, host) {
    SetBounds({8, 66, 400, 200});
    Group.SetBounds({10, 20, 380, 170});
  }

  ui::GroupBox Group{"Group", this};
  SliderRow row1{*this, Group, kInteger};
  SliderRow row2{*this, Group, kHalfStep};
  NotingRow hidden{*this, Group, kHidden};
};

class Rows : public ::testing::Test {
 protected:
  // The user types into the box: it has the focus, and each key changes the whole text.
  void Type(ui::Edit& edit, const std::string& text) {
    app.SetFocus(edit);
    edit.SetText(text);
  }
  // The user types key by key over the box's whole text; returns the text after each key.
  std::vector<std::string> TypeKeys(ui::Edit& edit, const std::string& keys) {
    app.SetFocus(edit);
    edit.SelectAll();
    std::vector<std::string> seen;
    for (const char key : keys) {
      edit.TypeKey(key);
      seen.push_back(edit.text());
    }
    return seen;
  }
  void PointAt(int x_in_group, int y_in_group) {
    const ui::Point origin = page.Group.OriginInForm();
    platform.SetCursorPos({origin.x + x_in_group, origin.y + y_in_group});
    page.HoverInfo({ui::Message::Kind::MouseMove, nullptr});
  }

  ui::HeadlessPlatform platform;
  ui::Application app{platform};
  FakeHost host{app};
  ui::Form form{"Form1"};
  TwoRowPage page{&form, host};
  ui::CheckBox outside{"Outside", &form};
};

TEST_F(Rows, IntegerBoxMovesTheSliderOnlyForNumbersInRange) {
  Type(page.row1.edit, "1");
  EXPECT_EQ(page.row1.slider.position(), 1);
  Type(page.row1.edit, "12");
  EXPECT_EQ(page.row1.slider.position(), 12);
  Type(page.row1.edit, "123");
  EXPECT_EQ(page.row1.slider.position(), 12);
  EXPECT_EQ(page.row1.edit.text(), "123");  // refused while typing, but left alone
  app.SetFocus(outside);
  EXPECT_EQ(page.row1.edit.text(), "12");
  EXPECT_EQ(page.row1.slider.position(), 12);
}

TEST_F(Rows, IntegerBoxIsRewrittenCanonicallyAsSoonAsItParses) {
  Type(page.row1.edit, "007");
  EXPECT_EQ(page.row1.edit.text(), "7");
  Type(page.row1.edit, "+5");
  EXPECT_EQ(page.row1.edit.text(), "5");
  EXPECT_EQ(page.row1.slider.position(), 5);
  Type(page.row1.edit, "-114");
  EXPECT_EQ(page.row1.slider.position(), -114);
  Type(page.row1.edit, "-115");
  EXPECT_EQ(page.row1.slider.position(), -114);
}

TEST_F(Rows, AClearedBoxChangesNothingUntilLeft) {
  Type(page.row1.edit, "-7");
  Type(page.row1.edit, "");
  EXPECT_EQ(page.row1.slider.position(), -7);
  EXPECT_FALSE(page.row1.EditChanged());  // no parse: the page's follow-up steps must not run
  app.SetFocus(outside);
  EXPECT_EQ(page.row1.edit.text(), "-7");
}

TEST_F(Rows, LeavingARowUnboldsOnlyItsOwnCaption) {
  page.row2.caption.SetBold(true);
  app.SetFocus(page.row1.edit);
  EXPECT_TRUE(page.row1.caption.bold());
  EXPECT_FALSE(page.row2.caption.bold());  // entering ran FontsNormal
  page.row2.caption.SetBold(true);
  app.SetFocus(outside);
  EXPECT_FALSE(page.row1.caption.bold());
  EXPECT_TRUE(page.row2.caption.bold());
}

TEST_F(Rows, HalfStepBoxTakesHalvesToTheSliderAndKeepsWhatWasTyped) {
  Type(page.row2.edit, "-5.5");
  EXPECT_EQ(page.row2.slider.position(), -11);
  Type(page.row2.edit, "0.3");
  EXPECT_EQ(page.row2.slider.position(), 0);
  EXPECT_EQ(page.row2.edit.text(), "0.3");
  Type(page.row2.edit,
       "-0.3");  // 2x = -0.6 rounds to -1, in range; truncated the slider stands at 0
  EXPECT_EQ(page.row2.slider.position(), 0);
  Type(page.row2.edit, "-5.50");
  EXPECT_EQ(page.row2.edit.text(), "-5.50");  // a further 5 must make -5.505, not -5.55
  app.SetFocus(outside);
  EXPECT_EQ(page.row2.edit.text(), "-5.5");
  EXPECT_EQ(page.row2.slider.position(), -11);
}

// The canonical rewrite waits while it would change what the next keys make: the sign of a
// negative zero, a zero at the end of a fraction.
TEST_F(Rows, KeyByKeyTypingLosesNeitherSignNorFraction) {
  using Texts = std::vector<std::string>;
  EXPECT_EQ(TypeKeys(page.row2.edit, "-0.5"), (Texts{"-", "-0", "-0.", "-0.5"}));
  EXPECT_EQ(page.row2.slider.position(), -1);
  EXPECT_EQ(TypeKeys(page.row2.edit, "1.05"), (Texts{"1", "1.", "1.0", "1.05"}));
  EXPECT_EQ(page.row2.slider.position(), 2);
  EXPECT_EQ(TypeKeys(page.row2.edit, "-00"), (Texts{"-", "-0", "-00"}));
  EXPECT_EQ(page.row2.slider.position(), 0);
  app.SetFocus(outside);
  EXPECT_EQ(page.row2.edit.text(), "0");
  EXPECT_EQ(TypeKeys(page.row1.edit, "-05"), (Texts{"-", "-0", "-5"}));
  EXPECT_EQ(page.row1.slider.position(), -5);
  EXPECT_EQ(TypeKeys(page.row1.edit, "007"), (Texts{"0", "0", "7"}));
  EXPECT_EQ(TypeKeys(page.row1.edit, "-0"), (Texts{"-", "-0"}));
  EXPECT_EQ(page.row1.slider.position(), 0);
  app.SetFocus(outside);
  EXPECT_EQ(page.row1.edit.text(), "0");
}

TEST_F(Rows, HalfStepRangeTestRoundsHalvesToEven) {
  Type(page.row2.edit, "24.3");  // 48.6 -> 49: beyond 48
  EXPECT_EQ(page.row2.slider.position(), -12);
  Type(page.row2.edit, "24.25");  // 48.5 -> 48: accepted, the slider at 48
  EXPECT_EQ(page.row2.slider.position(), 48);
  Type(page.row2.edit, "24.75");  // 49.5 -> 50: refused
  EXPECT_EQ(page.row2.slider.position(), 48);
  Type(page.row2.edit, "-103.25");  // -206.5 -> -206: accepted
  EXPECT_EQ(page.row2.slider.position(), -206);
  Type(page.row2.edit, "-103.3");  // -206.6 -> -207: refused
  EXPECT_EQ(page.row2.slider.position(), -206);
  Type(page.row2.edit, "24.3");
  app.SetFocus(outside);
  EXPECT_EQ(page.row2.edit.text(), "-103");
}

TEST_F(Rows, HalfStepBoxMovesTheSliderOnlyWhileItHasTheFocus) {
  page.row2.edit.SetText("3");  // by program, as SetEditBoxen or a linked row does
  EXPECT_EQ(page.row2.slider.position(), -12);
  EXPECT_EQ(page.row2.edit.text(), "3");
}

TEST_F(Rows, HalfStepRowsUseTheLocaleSeparator) {
  platform.SetDecimalSeparator(',');
  page.row2.FillEditBox();
  EXPECT_EQ(page.row2.edit.text(), "-6");
  Type(page.row2.edit, "-5,5");
  EXPECT_EQ(page.row2.slider.position(), -11);
  Type(page.row2.edit, "-2.5");
  EXPECT_EQ(page.row2.slider.position(), -11);
  app.SetFocus(outside);
  EXPECT_EQ(page.row2.edit.text(), "-5,5");
}

TEST_F(Rows, SliderMovesReachTheBoxOnlyWhenTheSliderHasTheFocus) {
  page.row1.slider.SetPosition(-20);  // a load
  EXPECT_EQ(page.row1.edit.text(), "");
  app.SetFocus(page.row1.slider);
  page.row1.slider.SetPosition(-21);  // the user drags
  EXPECT_EQ(page.row1.edit.text(), "-21");
  app.SetFocus(page.row2.slider);
  page.row2.slider.SetPosition(-13);
  EXPECT_EQ(page.row2.edit.text(), "-6.5");
}

TEST_F(Rows, HelpIsBuiltFromTheSlidersCurrentRange) {
  app.SetFocus(page.row1.slider);
  EXPECT_EQ(host.title, "Tuner");
  EXPECT_EQ(host.body, "Volume.\r\rRange: -114 to 12dB,  1 dB steps");
  page.row2.slider.SetRange(-207, 49);  // halves truncate toward zero: -103.5 and 24.5
  app.SetFocus(page.row2.edit);
  EXPECT_EQ(host.body, "Line.\r\rRange: -103 to 24dB");
  EXPECT_EQ(FixedHelp("T", "Range: 0-7").Body(&page.row1.slider, false), "Range: 0-7");
}

TEST_F(Rows, HoverCountsTheRightAndBottomEdgesAndLetsTheLastMatchWin) {
  PointAt(112 + 150, 5 + 24);  // bottom right corner of Slider1
  EXPECT_EQ(host.title, "Tuner");
  EXPECT_TRUE(page.row1.caption.bold());
  // Slider2, the hidden slider on it and Edit2 are tested in that order; Edit2 misses here, so
  // the hidden control is still hit and its entry runs after Slider2's.
  PointAt(112, 31);
  EXPECT_EQ(host.title, "Line in");
  EXPECT_TRUE(page.hidden.entered);
}

TEST_F(Rows, HoverBetweenControlsOrOnOtherMessagesLeavesThePanel) {
  PointAt(110, 10);  // between Cap1 (ends at 108) and Slider1 (starts at 112)
  EXPECT_EQ(host.shown, 0);
  PointAt(130, 12);
  const int shown = host.shown;
  platform.SetCursorPos({0, 0});
  page.HoverInfo({ui::Message::Kind::Other, nullptr});
  EXPECT_EQ(host.shown, shown);
  // The hook reads the pointer's own position, in the group box's coordinates.
  platform.SetCursorPos({page.Group.OriginInForm().x + 10, page.Group.OriginInForm().y + 15});
  page.HoverInfo({ui::Message::Kind::MouseMove, &page.row2.slider});
  EXPECT_EQ(host.title, "Tuner");
  EXPECT_TRUE(page.row1.caption.bold());
}

}  // namespace
}  // namespace quellon
