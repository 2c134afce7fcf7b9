// The 150/500 page inside the main window: a layout a native window can take as it is, and the
// line-in rows under a locale with a decimal comma.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "pages/pvr150/fr150_help.h"
#include "testing/headless_platform.h"
#include "testing/memory_registry.h"
#include "testing/no_devices.h"

namespace quellon {
namespace {

class Pvr150Page : public ::testing::Test {
 protected:
  TFr150& page() { return form.Frame150; }
  void ShowPage() {
    app.Run([&] { form.FormActivate(); });
    app.Run([&] { form.TabControl1.Select(3); });
  }

  MemoryRegistry registry;
  ui::HeadlessPlatform platform;
  ui::Application app{platform};
  NoDevices devices;
  TForm1 form{app, registry, devices};
};

TEST_F(Pvr150Page, EveryControlFitsTheGroupBoxWithoutOverlap) {
  const ui::Rect box = page().GroupBox1.bounds();
  EXPECT_LE(page().left() + page().width(), 504) << "runs into the help panel";
  EXPECT_LE(box.width, 488);
  EXPECT_LE(box.height, 520);
  const std::vector<ui::Control*>& controls = page().GroupBox1.children();
  for (const ui::Control* c : controls) {
    EXPECT_GT(c->width(), 0) << c->name();
    EXPECT_GT(c->height(), 0) << c->name();
    EXPECT_GE(c->left(), 0) << c->name();
    EXPECT_GE(c->top(), 14) << c->name() << " covers the group box caption";
    EXPECT_LE(c->left() + c->width(), box.width) << c->name();
    EXPECT_LE(c->top() + c->height(), box.height) << c->name();
  }
  for (size_t i = 0; i < controls.size(); ++i)
    for (size_t j = i + 1; j < controls.size(); ++j)
      EXPECT_FALSE(ui::Overlap(controls[i]->bounds(), controls[j]->bounds()))
          << controls[i]->name() << " overlaps " << controls[j]->name();
}

TEST_F(Pvr150Page, RowsRunTopToBottomAndLeftToRightInTheirOrder) {
  TFr150& p = page();
  const ui::Control* down[] = {&p.TrackBar1, &p.TrackBar3,          &p.VolLinked, &p.TrackBar4,
                               &p.AutoGain,  &p.TrackBar10,         &p.Label15,   &p.TrackBar5,
                               &p.TrackBar6, &p.TrackBar7,          &p.TrackBar8, &p.TrackBar2,
                               &p.SetFilter, &p.SetProcampDefaults, &p.TrackBar9};
  for (size_t i = 1; i < std::size(down); ++i)
    EXPECT_GE(down[i]->top(), down[i - 1]->top() + down[i - 1]->height())
        << down[i]->name() << " should lie below " << down[i - 1]->name();
  EXPECT_EQ(p.SetFilter.top(), p.SetWintv2kProcamp.top());
  EXPECT_LT(p.SetFilter.left() + p.SetFilter.width(), p.SetWintv2kProcamp.left());
  for (int n = 1; n <= 10; ++n) {
    const SettingRow& row = p.Row(n);
    EXPECT_LT(row.caption().left() + row.caption().width(), row.slider().left()) << n;
    EXPECT_LT(row.slider().left() + row.slider().width(), row.edit().left()) << n;
    EXPECT_LT(row.edit().left() + row.edit().width(), row.save().left()) << n;
    EXPECT_EQ(row.save().left(), p.CheckBox1.left()) << "save boxes share one column";
  }
  EXPECT_EQ(p.AGCSave.left(), p.CheckBox1.left());
  EXPECT_LT(p.Label10.top() + p.Label10.height(), p.CheckBox1.top()) << "heading above the column";
}

TEST_F(Pvr150Page, LineInRowsFollowTheLocalesDecimalComma) {
  platform.SetDecimalSeparator(',');
  RegistryOps(registry).SetRegIntKeyHKLM("SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData",
                                         "8775Reg14", 206);
  ShowPage();
  EXPECT_EQ(page().Edit3.text(), "-0,5");
  EXPECT_EQ(page().Edit4.text(), "-0,5");
  app.Run([&] { app.TabInto(page().Edit3); });
  for (const char key : std::string("-5,5")) app.Run([&] { page().Edit3.TypeKey(key); });
  EXPECT_EQ(page().TrackBar3.position(), -11);
  EXPECT_EQ(page().TrackBar4.position(), -11);
  EXPECT_EQ(page().Edit4.text(), "-5,5");
  // A full stop is not this locale's separator: the text is left as it is and ignored.
  app.Run([&] { page().Edit3.SetText("-2.5"); });
  EXPECT_EQ(page().TrackBar3.position(), -11);
  app.Run([&] { app.SetFocus(page().TrackBar1); });
  EXPECT_EQ(page().Edit3.text(), "-5,5");
}

// The hidden motion-blur row is never reached by focus or pointer; its help is built all the same.
TEST_F(Pvr150Page, HiddenRowHelpCarriesItsRange) {
  EXPECT_EQ(Fr150RowHelp(9).Body(&page().TrackBar9),
            "This setting changes the motion blur, in wintv2k and some third party "
            "applications.\r\rRange: 0 to 8");
  EXPECT_THROW(Fr150RowHelp(11), std::out_of_range);
}

}  // namespace
}  // namespace quellon
