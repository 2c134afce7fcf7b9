// The 150/500 page inside the main window: a layout a native window can take as it is, and the
// line-in rows under a locale with a decimal comma.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "devices/no_devices.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

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
  MemoryFileSystem files;
  TForm1 form{app, registry, devices, files};
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
  const ui::Control* down[] = {
      &p.tuner_volume.slider, &p.line_in_left.slider, &p.VolLinked,         &p.line_in_right.slider,
      &p.auto_gain.box,       &p.agc_target.slider,   &p.Label15,           &p.brightness.slider,
      &p.contrast.slider,     &p.saturation.slider,   &p.hue.slider,        &p.sharpness.slider,
      &p.set_filter.box,      &p.SetProcampDefaults,  &p.motion_blur.slider};
  for (size_t i = 1; i < std::size(down); ++i)
    EXPECT_GE(down[i]->top(), down[i - 1]->top() + down[i - 1]->height())
        << down[i]->name() << " should lie below " << down[i - 1]->name();
  EXPECT_EQ(p.set_filter.box.top(), p.set_wintv2k.box.top());
  EXPECT_LT(p.set_filter.box.left() + p.set_filter.box.width(), p.set_wintv2k.box.left());
  const ui::CheckBox& first_save = p.tuner_volume.save;
  for (const Row* r : p.rows()) {
    const auto* row = dynamic_cast<const SliderRow*>(r);
    if (!row) continue;
    EXPECT_LT(row->caption.left() + row->caption.width(), row->slider.left()) << row->slider.name();
    EXPECT_LT(row->slider.left() + row->slider.width(), row->edit.left()) << row->slider.name();
    EXPECT_LT(row->edit.left() + row->edit.width(), row->save.left()) << row->slider.name();
    EXPECT_EQ(row->save.left(), first_save.left()) << "save boxes share one column";
  }
  EXPECT_EQ(p.auto_gain.save->left(), first_save.left());
  EXPECT_LT(p.Label10.top() + p.Label10.height(), first_save.top()) << "heading above the column";
}

TEST_F(Pvr150Page, LineInRowsFollowTheLocalesDecimalComma) {
  platform.SetDecimalSeparator(',');
  RegistryOps(registry).SetRegIntKeyHKLM("SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData",
                                         "8775Reg14", 206);
  ShowPage();
  SliderRow& left = page().line_in_left;
  SliderRow& right = page().line_in_right;
  EXPECT_EQ(left.edit.text(), "-0,5");
  EXPECT_EQ(right.edit.text(), "-0,5");
  app.Run([&] { app.TabInto(left.edit); });
  for (const char key : std::string("-5,5")) app.Run([&] { left.edit.TypeKey(key); });
  EXPECT_EQ(left.slider.position(), -11);
  EXPECT_EQ(right.slider.position(), -11);
  EXPECT_EQ(right.edit.text(), "-5,5");
  // A full stop is not this locale's separator: the text is left as it is and ignored.
  app.Run([&] { left.edit.SetText("-2.5"); });
  EXPECT_EQ(left.slider.position(), -11);
  app.Run([&] { app.SetFocus(page().tuner_volume.slider); });
  EXPECT_EQ(left.edit.text(), "-5,5");
}

// The hidden motion-blur row is never reached by focus or pointer; its help is built all the same.
TEST_F(Pvr150Page, HiddenRowHelpCarriesItsRange) {
  EXPECT_EQ(fr150::kMotionBlur.help.Body(&page().motion_blur.slider, false),
            "This setting changes the motion blur, in wintv2k and some third party "
            "applications.\r\rRange: 0 to 8");
}

}  // namespace
}  // namespace quellon
