// The main window's own behaviour: where it puts the pages, when it loads, and how a save ends.

#include "app/form1.h"

#include <gtest/gtest.h>

#include "devices/no_devices.h"
#include "testing/faulty_registry.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  std::optional<int> ReadInt(const std::string& key, const std::string& name) {
    return RegistryOps(registry).GetRegIntKeyHKLM(key, name);
  }

  MemoryRegistry registry;
  FaultyRegistry faults{registry};
  ui::HeadlessPlatform platform;
  ui::Application app{platform};
  NoDevices devices;
  MemoryFileSystem files;
  TForm1 form{app, faults, devices, files};
};

TEST_F(MainWindow, AllFourPagesShareOnePlaceBelowTheTitle) {
  for (const Page* page :
       {static_cast<Page*>(&form.Frame150), static_cast<Page*>(&form.Frame250),
        static_cast<Page*>(&form.FrameWintv2k), static_cast<Page*>(&form.Frame150b)}) {
    EXPECT_EQ(page->left(), form.TitleLabel.left()) << page->name();
    EXPECT_EQ(page->top(), form.TitleLabel.top() + 34) << page->name();
    EXPECT_FALSE(page->visible()) << page->name();
  }
  EXPECT_EQ(form.IntroLabel.caption(), kWelcomeText);
  EXPECT_EQ(form.InfoLabelTitle.caption(), "Item information:");
  EXPECT_EQ(form.Memo1.lines(), std::vector<std::string>{"Memo1"});
}

// The window is cut to its content, so that it fits small screens: nothing it shows lies below.
TEST_F(MainWindow, EveryControlItShowsLiesInsideTheWindow) {
  for (const ui::Control* c : form.children()) {
    if (c == &form.Memo1) continue;  // never shown
    EXPECT_GE(c->left(), 0) << c->name();
    EXPECT_GE(c->top(), 0) << c->name();
    EXPECT_LE(c->left() + c->width(), form.width()) << c->name();
    EXPECT_LE(c->top() + c->height(), form.height()) << c->name();
  }
}

// Hover regions are tested with their edges inside. No two of a page may even touch: then which
// region a pointer is over never depends on the order the hook tests them in.
TEST_F(MainWindow, NoTwoHoverRegionsOfAPageMeet) {
  for (const Page* page : form.PagesInOrder()) {
    const auto& regions = page->hover_regions();
    EXPECT_FALSE(regions.empty()) << page->name();
    for (size_t i = 0; i < regions.size(); ++i)
      for (size_t j = i + 1; j < regions.size(); ++j) {
        const ui::Rect& a = regions[i].control->bounds();
        const ui::Rect& b = regions[j].control->bounds();
        EXPECT_FALSE(a.left <= b.left + b.width && b.left <= a.left + a.width &&
                     a.top <= b.top + b.height && b.top <= a.top + a.height)
            << page->name() << ": " << regions[i].control->name() << " meets "
            << regions[j].control->name();
      }
  }
}

TEST_F(MainWindow, OnlyTheFirstActivationLoads) {
  form.FormActivate();
  EXPECT_FALSE(form.FirstActivation);
  const size_t lines = form.Memo1.lines().size();
  form.FormActivate();
  EXPECT_EQ(form.Memo1.lines().size(), lines);
  EXPECT_TRUE(form.Frame150.VolLinked.checked());
  EXPECT_EQ(form.InfoLabelTitle.caption(), "Item information:");
  EXPECT_EQ(form.InfoLabelContent.caption(), "");
}

// A save fails before its first write when its backup cannot be written (the error names the
// folder and the system's reason, and nothing is written), or at a write.
TEST_F(MainWindow, ASaveThatFailsShowsNoSuccessAndDoesNotReload) {
  form.FormActivate();
  const std::string local = files.LocalAppData();
  files.MakeFolders(local);
  files.Write(local + "\\Quellon", "in the way of the backups' folder");
  const size_t lines = form.Memo1.lines().size();
  app.Run([&] { form.SaveClick(); });
  auto shown = platform.TakeShown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].kind, ui::HeadlessPlatform::Shown::Kind::Error);
  EXPECT_EQ(shown[0].text, "The backup failed: Cannot create the folder \"" + local +
                               "\\Quellon\": A file of that name is in the way.\n"
                               "Nothing was written to the registry.");
  EXPECT_EQ(
      ReadInt("SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData", "HcwSaveEncoderSettings"),
      std::nullopt);

  files.Remove(local + "\\Quellon");
  faults.FailWritesOf("HcwSaveEncoderSettings", kErrorAccessDenied);
  app.Run([&] { form.SaveClick(); });
  shown = platform.TakeShown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].kind, ui::HeadlessPlatform::Shown::Kind::Error);
  EXPECT_EQ(shown[0].text, "Failed to set data for 'HcwSaveEncoderSettings'");
  EXPECT_EQ(form.Memo1.lines().size(), lines);  // the reload would have added debug lines
}

TEST_F(MainWindow, ASaveSetsTheEncoderFlagAndReloads) {
  form.FormActivate();
  const size_t lines = form.Memo1.lines().size();
  app.Run([&] { form.SaveClick(); });
  EXPECT_EQ(
      ReadInt("SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData", "HcwSaveEncoderSettings"),
      1);
  const auto shown = platform.TakeShown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Settings saved");
  EXPECT_GT(form.Memo1.lines().size(), lines);
}

TEST_F(MainWindow, ATabSwitchHandsTheHookToTheShownPageOnly) {
  app.Run([&] { form.TabControl1.Select(3); });
  EXPECT_TRUE(app.HasHook());
  EXPECT_EQ(app.hook_owner(), "Frame150");
  EXPECT_TRUE(form.Frame150.visible());
  app.Run([&] { form.TabControl1.Select(0); });
  EXPECT_FALSE(app.HasHook());
  EXPECT_FALSE(form.Frame150.visible());
  EXPECT_TRUE(form.IntroLabel.visible());
  EXPECT_TRUE(platform.TakeShown().empty());
}

}  // namespace
}  // namespace quellon
