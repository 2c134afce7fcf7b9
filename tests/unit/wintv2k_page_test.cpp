// The "Wintv2k" page: the buffer path's parts, the page's layout as a native mirror will build it,
// and the drop speed help that follows the slider's range.

#include <gtest/gtest.h>

#include <vector>

#include "app/form1.h"
#include "devices/no_devices.h"
#include "pages/wintv2000/buffer_path.h"
#include "testing/faulty_registry.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

TEST(BufferPath, SplitsAtTheLastBackslashOrColon) {
  EXPECT_EQ(buffer_path::FolderPart("C:\\Buffer\\LiveTV.tmp"), "C:\\Buffer\\");
  EXPECT_EQ(buffer_path::FileNamePart("C:\\Buffer\\LiveTV.tmp"), "LiveTV.tmp");
  EXPECT_EQ(buffer_path::FolderPart("C:LiveTV.tmp"), "C:");
  EXPECT_EQ(buffer_path::FileNamePart("C:LiveTV.tmp"), "LiveTV.tmp");
  EXPECT_EQ(buffer_path::FolderPart("D:\\Work\\"), "D:\\Work\\");
  EXPECT_EQ(buffer_path::FileNamePart("D:\\Work\\"), "");
  EXPECT_EQ(buffer_path::FolderPart("LiveTV.tmp"), "");
  EXPECT_EQ(buffer_path::FileNamePart("LiveTV.tmp"), "LiveTV.tmp");
  EXPECT_EQ(buffer_path::FolderPart(""), "");
}

TEST(BufferPath, JoinsWithExactlyOneBackslash) {
  EXPECT_EQ(buffer_path::Join("D:\\Work", "LiveTV.tmp"), "D:\\Work\\LiveTV.tmp");
  EXPECT_EQ(buffer_path::Join("E:\\", "LiveTV.tmp"), "E:\\LiveTV.tmp");
  EXPECT_EQ(buffer_path::Join("\\\\server\\share", "b.tmp"), "\\\\server\\share\\b.tmp");
  EXPECT_EQ(buffer_path::Join("D:\\Work", ""), "D:\\Work\\");
}

class WintvPage : public ::testing::Test {
 protected:
  MemoryRegistry registry;
  FaultyRegistry faults{registry};
  ui::HeadlessPlatform platform;
  ui::Application app{platform};
  NoDevices devices;
  MemoryFileSystem files;
  TForm1 form{app, faults, devices, files};
  TWintv2k& page = form.FrameWintv2k;
};

// A native mirror creates each control from its bounds: the page must fit the page area, every
// control its container, and no two shown controls may cover each other.
TEST_F(WintvPage, ShownControlsFitAndDoNotOverlap) {
  EXPECT_LE(page.width(), 488);
  EXPECT_LE(page.height(), 520);
  const ui::Rect box = page.GroupBox1.bounds();
  EXPECT_LE(box.left + box.width, page.width());
  EXPECT_LE(box.top + box.height, page.height());
  std::vector<const ui::Control*> shown;
  for (const ui::Control* c : page.GroupBox1.children()) {
    const ui::Rect r = c->bounds();
    EXPECT_GT(r.width, 0) << c->name();
    EXPECT_GT(r.height, 0) << c->name();
    EXPECT_GE(r.left, 0) << c->name();
    EXPECT_GE(r.top, 16) << c->name() << " would cover the group box caption";
    EXPECT_LE(r.left + r.width, box.width) << c->name();
    EXPECT_LE(r.top + r.height, box.height) << c->name();
    if (c->visible()) shown.push_back(c);
  }
  for (size_t i = 0; i < shown.size(); ++i)
    for (size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(ui::Overlap(shown[i]->bounds(), shown[j]->bounds()))
          << shown[i]->name() << " and " << shown[j]->name();
}

TEST_F(WintvPage, EveryControlHasItsOwnName) {
  const auto& children = page.GroupBox1.children();
  for (size_t i = 0; i < children.size(); ++i) {
    EXPECT_EQ(page.Find(children[i]->name()), children[i]) << children[i]->name();
  }
}

TEST_F(WintvPage, PictureRowsCannotBeReached) {
  page.SetVisible(true);
  for (const ui::Control* c : {static_cast<ui::Control*>(&page.hidden_brightness.slider),
                               static_cast<ui::Control*>(&page.hidden_contrast.edit),
                               static_cast<ui::Control*>(&page.hidden_saturation.save)}) {
    EXPECT_FALSE(c->CanTakeFocus()) << c->name();
  }
}

// The body is built when it is shown, so it tells the slider's range of that moment.
TEST_F(WintvPage, DropSpeedHelpShowsTheCurrentRange) {
  page.drop_speed.Enter();
  EXPECT_NE(form.InfoLabelContent.caption().find("Range: 0 to 128 (higher values"),
            std::string::npos);
  page.drop_speed.slider.SetRange(10, 50);
  page.drop_speed.Enter();
  EXPECT_NE(form.InfoLabelContent.caption().find("Range: 10 to 50 (higher values"),
            std::string::npos);
  EXPECT_TRUE(page.drop_speed.caption.bold());
}

// Loading and saving know nothing of the picture rows: whatever they hold survives both.
TEST_F(WintvPage, LoadAndSaveLeaveThePictureRowsAlone) {
  page.hidden_brightness.slider.SetPosition(3);
  page.hidden_contrast.save.SetChecked(true);
  page.hidden_saturation.edit.SetText("x");
  form.GetSettingsFromRegistry();
  form.SetSettingsInRegistry();
  EXPECT_EQ(page.hidden_brightness.slider.position(), 3);
  EXPECT_TRUE(page.hidden_contrast.save.checked());
  EXPECT_EQ(page.hidden_saturation.edit.text(), "x");
}

}  // namespace
}  // namespace quellon
