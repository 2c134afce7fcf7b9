// The row behaviour every page shares: slider, value box, caption and help kept in step, and the
// hover walk over a page's table.

#include "pages/setting_row.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/help_entry.h"
#include "pages/hit_tests.h"
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
  void ShowPvrPropPage(DeviceKind, int, bool) override {}

  std::string title = "Item information:";
  std::string body;
  int shown = 0;
  ui::Memo memo{"Memo1", nullptr};

 private:
  ui::Application& app_;
};

// A page with one integer row (-114..12) and one half-step row (-206..48), wired the way the
// pages wire theirs. The group box sits off the frame's origin so that coordinate mix-ups show.
class TwoRowPage : public Page {
 public:
  TwoRowPage(ui::Control* parent, PageHost& host) : Page("Page", parent, host) {
    SetBounds({8, 66, 400, 200});
    Group.SetBounds({10, 20, 380, 170});
    Cap1.SetBounds({8, 10, 100, 13});
    Slider1.SetBounds({112, 5, 150, 24});
    Slider1.SetRange(-114, 12);
    Edit1.SetBounds({268, 7, 50, 21});
    Save1.SetBounds({340, 9, 17, 17});
    Cap2.SetBounds({8, 36, 100, 13});
    Slider2.SetBounds({112, 31, 150, 24});
    Slider2.SetRange(-206, 48);
    Slider2.SetPosition(-12);
    Edit2.SetBounds({268, 33, 50, 21});
    Save2.SetBounds({340, 35, 17, 17});
    Hidden.SetBounds({112, 31, 150, 24});  // lies exactly on Slider2
    Hidden.SetVisible(false);
    for (SettingRow* r : {&row1, &row2}) {
      r->slider().OnChange = [r] { r->SliderChanged(); };
      r->edit().OnChange = [r] { r->EditChanged(); };
      r->slider().OnExit = r->edit().OnExit = [r] { r->Exit(); };
      r->slider().OnEnter = r->edit().OnEnter = [r] { r->Enter(); };
    }
    SetHoverSpace(Group);
    AddHover(Slider1, [this] { row1.Enter(); });
    AddHover(Slider2, [this] { row2.Enter(); });
    AddHover(Hidden, [this] { hidden_entered = true; });
    AddHover(Edit2, [this] { row2.Enter(); });
    AddHover(Cap1, [this] { row1.Enter(); });
  }
  void SetEditBoxen() override {}
  void UnCheckSaveSettings() override {}
  void FontsNormal() override {
    Cap1.SetBold(false);
    Cap2.SetBold(false);
  }

  ui::GroupBox Group{"Group", this};
  ui::Label Cap1{"Cap1", &Group};
  ui::Slider Slider1{"Slider1", &Group};
  ui::Edit Edit1{"Edit1", &Group};
  ui::CheckBox Save1{"Save1", &Group};
  ui::Label Cap2{"Cap2", &Group};
  ui::Slider Slider2{"Slider2", &Group};
  ui::Edit Edit2{"Edit2", &Group};
  ui::CheckBox Save2{"Save2", &Group};
  ui::Slider Hidden{"Hidden", &Group};
  bool hidden_entered = false;

  SettingRow row1{*this,
                  Cap1,
                  Slider1,
                  Edit1,
                  Save1,
                  RowKind::Integer,
                  HelpEntry::Range("Tuner", "Volume.\r\rRange: ", "dB,  1 dB steps")};
  SettingRow row2{*this,
                  Cap2,
                  Slider2,
                  Edit2,
                  Save2,
                  RowKind::HalfStep,
                  HelpEntry::Range("Line in", "Line.\r\rRange: ", "dB", true)};
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
  Type(page.Edit1, "1");
  EXPECT_EQ(page.Slider1.position(), 1);
  Type(page.Edit1, "12");
  EXPECT_EQ(page.Slider1.position(), 12);
  Type(page.Edit1, "123");
  EXPECT_EQ(page.Slider1.position(), 12);
  EXPECT_EQ(page.Edit1.text(), "123");  // refused while typing, but left alone
  app.SetFocus(outside);
  EXPECT_EQ(page.Edit1.text(), "12");
  EXPECT_EQ(page.Slider1.position(), 12);
}

TEST_F(Rows, IntegerBoxIsRewrittenCanonicallyAsSoonAsItParses) {
  Type(page.Edit1, "007");
  EXPECT_EQ(page.Edit1.text(), "7");
  Type(page.Edit1, "+5");
  EXPECT_EQ(page.Edit1.text(), "5");
  EXPECT_EQ(page.Slider1.position(), 5);
  Type(page.Edit1, "-114");
  EXPECT_EQ(page.Slider1.position(), -114);
  Type(page.Edit1, "-115");
  EXPECT_EQ(page.Slider1.position(), -114);
}

TEST_F(Rows, AClearedBoxChangesNothingUntilLeft) {
  Type(page.Edit1, "-7");
  Type(page.Edit1, "");
  EXPECT_EQ(page.Slider1.position(), -7);
  EXPECT_FALSE(page.row1.EditChanged());  // no parse: the page's follow-up steps must not run
  app.SetFocus(outside);
  EXPECT_EQ(page.Edit1.text(), "-7");
}

TEST_F(Rows, LeavingARowUnboldsOnlyItsOwnCaption) {
  page.Cap2.SetBold(true);
  app.SetFocus(page.Edit1);
  EXPECT_TRUE(page.Cap1.bold());
  EXPECT_FALSE(page.Cap2.bold());  // entering ran FontsNormal
  page.Cap2.SetBold(true);
  app.SetFocus(outside);
  EXPECT_FALSE(page.Cap1.bold());
  EXPECT_TRUE(page.Cap2.bold());
}

TEST_F(Rows, HalfStepBoxTakesHalvesToTheSliderAndKeepsWhatWasTyped) {
  Type(page.Edit2, "-5.5");
  EXPECT_EQ(page.Slider2.position(), -11);
  Type(page.Edit2, "0.3");
  EXPECT_EQ(page.Slider2.position(), 0);
  EXPECT_EQ(page.Edit2.text(), "0.3");
  Type(page.Edit2, "-0.3");  // 2x = -0.6 rounds to -1, in range; truncated the slider stands at 0
  EXPECT_EQ(page.Slider2.position(), 0);
  Type(page.Edit2, "-5.50");
  EXPECT_EQ(page.Edit2.text(), "-5.50");  // a further 5 must make -5.505, not -5.55
  app.SetFocus(outside);
  EXPECT_EQ(page.Edit2.text(), "-5.5");
  EXPECT_EQ(page.Slider2.position(), -11);
}

// The canonical rewrite waits while it would change what the next keys make: the sign of a
// negative zero, a zero at the end of a fraction.
TEST_F(Rows, KeyByKeyTypingLosesNeitherSignNorFraction) {
  using Texts = std::vector<std::string>;
  EXPECT_EQ(TypeKeys(page.Edit2, "-0.5"), (Texts{"-", "-0", "-0.", "-0.5"}));
  EXPECT_EQ(page.Slider2.position(), -1);
  EXPECT_EQ(TypeKeys(page.Edit2, "1.05"), (Texts{"1", "1.", "1.0", "1.05"}));
  EXPECT_EQ(page.Slider2.position(), 2);
  EXPECT_EQ(TypeKeys(page.Edit2, "-00"), (Texts{"-", "-0", "-00"}));
  EXPECT_EQ(page.Slider2.position(), 0);
  app.SetFocus(outside);
  EXPECT_EQ(page.Edit2.text(), "0");
  EXPECT_EQ(TypeKeys(page.Edit1, "-05"), (Texts{"-", "-0", "-5"}));
  EXPECT_EQ(page.Slider1.position(), -5);
  EXPECT_EQ(TypeKeys(page.Edit1, "007"), (Texts{"0", "0", "7"}));
  EXPECT_EQ(TypeKeys(page.Edit1, "-0"), (Texts{"-", "-0"}));
  EXPECT_EQ(page.Slider1.position(), 0);
  app.SetFocus(outside);
  EXPECT_EQ(page.Edit1.text(), "0");
}

TEST_F(Rows, HalfStepRangeTestRoundsHalvesToEven) {
  Type(page.Edit2, "24.3");  // 48.6 -> 49: beyond 48
  EXPECT_EQ(page.Slider2.position(), -12);
  Type(page.Edit2, "24.25");  // 48.5 -> 48: accepted, the slider at 48
  EXPECT_EQ(page.Slider2.position(), 48);
  Type(page.Edit2, "24.75");  // 49.5 -> 50: refused
  EXPECT_EQ(page.Slider2.position(), 48);
  Type(page.Edit2, "-103.25");  // -206.5 -> -206: accepted
  EXPECT_EQ(page.Slider2.position(), -206);
  Type(page.Edit2, "-103.3");  // -206.6 -> -207: refused
  EXPECT_EQ(page.Slider2.position(), -206);
  Type(page.Edit2, "24.3");
  app.SetFocus(outside);
  EXPECT_EQ(page.Edit2.text(), "-103");
}

TEST_F(Rows, HalfStepBoxMovesTheSliderOnlyWhileItHasTheFocus) {
  page.Edit2.SetText("3");  // by program, as SetEditBoxen or a linked row does
  EXPECT_EQ(page.Slider2.position(), -12);
  EXPECT_EQ(page.Edit2.text(), "3");
}

TEST_F(Rows, HalfStepRowsUseTheLocaleSeparator) {
  platform.SetDecimalSeparator(',');
  page.row2.FillEditBox();
  EXPECT_EQ(page.Edit2.text(), "-6");
  Type(page.Edit2, "-5,5");
  EXPECT_EQ(page.Slider2.position(), -11);
  Type(page.Edit2, "-2.5");
  EXPECT_EQ(page.Slider2.position(), -11);
  app.SetFocus(outside);
  EXPECT_EQ(page.Edit2.text(), "-5,5");
}

TEST_F(Rows, SliderMovesReachTheBoxOnlyWhenTheSliderHasTheFocus) {
  page.Slider1.SetPosition(-20);  // a load
  EXPECT_EQ(page.Edit1.text(), "");
  app.SetFocus(page.Slider1);
  page.Slider1.SetPosition(-21);  // the user drags
  EXPECT_EQ(page.Edit1.text(), "-21");
  app.SetFocus(page.Slider2);
  page.Slider2.SetPosition(-13);
  EXPECT_EQ(page.Edit2.text(), "-6.5");
}

TEST_F(Rows, HelpIsBuiltFromTheSlidersCurrentRange) {
  app.SetFocus(page.Slider1);
  EXPECT_EQ(host.title, "Tuner");
  EXPECT_EQ(host.body, "Volume.\r\rRange: -114 to 12dB,  1 dB steps");
  page.Slider2.SetRange(-207, 49);  // halves truncate toward zero: -103.5 and 24.5
  app.SetFocus(page.Edit2);
  EXPECT_EQ(host.body, "Line.\r\rRange: -103 to 24dB");
  EXPECT_EQ(HelpEntry::Fixed("T", "Range: 0-7").Body(&page.Slider1), "Range: 0-7");
}

TEST_F(Rows, HoverCountsTheRightAndBottomEdgesAndLetsTheLastMatchWin) {
  PointAt(112 + 150, 5 + 24);  // bottom right corner of Slider1
  EXPECT_EQ(host.title, "Tuner");
  EXPECT_TRUE(page.Cap1.bold());
  // Slider2, the hidden slider on it and Edit2 are tested in that order; Edit2 misses here, so
  // the hidden control is still hit and its entry runs after Slider2's.
  PointAt(112, 31);
  EXPECT_EQ(host.title, "Line in");
  EXPECT_TRUE(page.hidden_entered);
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
  page.HoverInfo({ui::Message::Kind::MouseMove, &page.Slider2});
  EXPECT_EQ(host.title, "Tuner");
  EXPECT_TRUE(page.Cap1.bold());
}

TEST(HitTests, AllFourEdgesAreInside) {
  ui::Form form{"F"};
  ui::Label l{"L", &form};
  l.SetBounds({10, 20, 30, 40});
  EXPECT_TRUE(LabelInXY(l, 10, 20));
  EXPECT_TRUE(LabelInXY(l, 40, 60));
  EXPECT_FALSE(LabelInXY(l, 41, 60));
  EXPECT_FALSE(LabelInXY(l, 40, 61));
  EXPECT_FALSE(LabelInXY(l, 9, 30));
  EXPECT_FALSE(LabelInXY(l, 20, 19));
}

}  // namespace
}  // namespace quellon
