#include "app/form1.h"

namespace quellon {
namespace {

constexpr const char* kRestingTitle = "Item information:";

// The window's client area, and the place of the pages in it: below the title, left of the help
// panel's bevel.
constexpr ui::Rect kClient{0, 0, 800, 544};
constexpr ui::Rect kTitle{8, 32, 784, 26};
constexpr int kFrameBelowTitle = 34;
constexpr int kPanelLeft = 504;

constexpr bool FitsThePageArea(int width, int height) {
  return kTitle.left + width <= kPanelLeft &&
         kTitle.top + kFrameBelowTitle + height <= kClient.top + kClient.height;
}
// A row added to a page makes it taller; the window does not grow with it.
static_assert(FitsThePageArea(fr150::kPageWidth, fr150::kPageHeight), "150/500 past the window");
static_assert(FitsThePageArea(fr250::kPageWidth, fr250::kPageHeight), "250/350 past the window");
static_assert(FitsThePageArea(wintv2k::kPageWidth, wintv2k::kPageHeight),
              "Wintv2k past the window");

}  // namespace

TForm1::TForm1(ui::Application& app, RegistryApi& registry, DeviceSystem& devices,
               FileSystem& files)
    : ui::Form("Form1"), app_(app), registry_(registry), devices_(devices), files_(files) {
  LayOut();
  AddSystemMenu();
  TabControl1.OnChange = [this] { TabControl1Change(); };
  Reset.OnClick = [this] { ResetClick(); };
  Save.OnClick = [this] { SaveClick(); };
  FilterGraph1.Loaded();
  FormCreate();
}

// The window description: where each fixed control sits and how it starts.
void TForm1::LayOut() {
  SetCaption("Quellon");
  // Down to 8 pixels below the lowest buttons, as the title stands 8 below the tabs: on a small
  // screen every pixel of height counts.
  SetBounds(kClient);
  TabControl1.SetTabs({"Intro", "Wintv2k", "250/350", "150/500", "150/500 Advanced"});
  TabControl1.SetBounds({0, 0, 800, 24});
  TabControl1.SetAccessibleName("Pages");
  TitleLabel.SetBounds(kTitle);
  TitleLabel.SetBold(true);
  TitleLabel.italic = true;
  TitleLabel.font_size = 14;
  IntroLabel.SetBounds({8, 40, 480, 496});
  IntroLabel.word_wrap = true;
  Bevel1.SetBounds({kPanelLeft, 66, 288, 396});
  InfoLabelTitle.SetBounds({512, 74, 272, 40});
  InfoLabelTitle.SetBold(true);
  InfoLabelTitle.italic = true;
  InfoLabelTitle.font_size = 11;
  InfoLabelTitle.word_wrap = true;
  InfoLabelContent.SetBounds({512, 118, 272, 336});
  InfoLabelContent.word_wrap = true;
  Reset.SetCaption("Reset");
  Reset.SetBounds({504, 472, 140, 28});
  Save.SetCaption("Save settings");
  Save.SetBounds({652, 472, 140, 28});
  Button3.SetCaption("Import settings");
  Button3.SetBounds({504, 508, 140, 28});
  Button3.SetEnabled(false);
  Button4.SetCaption("Export settings");
  Button4.SetBounds({652, 508, 140, 28});
  Button4.SetEnabled(false);
  Memo1.SetBounds({504, 544, 288, 48});
  Memo1.SetVisible(false);
  Memo1.SetLines({"Memo1"});
  for (Page* page : PagesInOrder()) page->SetVisible(false);
}

void TForm1::FormCreate() {
  IntroLabel.SetCaption(kWelcomeText);
  ShowInfo(kRestingTitle, "");
  TitleLabel.SetCaption("");
  for (Page* page : PagesInOrder()) {
    page->SetLeft(TitleLabel.left());
    page->SetTop(TitleLabel.top() + kFrameBelowTitle);
  }
  FirstActivation = true;
}

void TForm1::FormActivate() {
  if (!FirstActivation) return;
  FirstActivation = false;
  GetSettingsFromRegistry();
  Frame150.VolLinked.SetChecked(true);
  // The load moves sliders whose handlers write help; the window starts at rest all the same.
  ShowInfo(kRestingTitle, "");
}

void TForm1::ShowInfo(const std::string& title, const std::string& body) {
  InfoLabelTitle.SetCaption(title);
  InfoLabelContent.SetCaption(body);
}

void TForm1::ShowRestingInfo() {
  ShowInfo(kRestingTitle, "");
}

Page* TForm1::PageAt(int tab_index) {
  switch (tab_index) {
    case 1:
      return &FrameWintv2k;
    case 2:
      return &Frame250;
    case 3:
      return &Frame150;
    case 4:
      return &Frame150b;
    default:
      return nullptr;
  }
}

void TForm1::SelectFirstEntry(ui::ComboBox& list) {
  if (!list.items().empty()) list.SetItemIndex(0);
}

void TForm1::InstallHook(Page& page) {
  app_.SetHook([&page](const ui::Message& m) { page.HoverInfo(m); });
  app_.SetHookOwner(page.name());
}

void TForm1::TabControl1Change() {
  ShowInfo(kRestingTitle, "");
  TitleLabel.SetCaption("");
  for (Page* page : PagesInOrder()) {
    app_.DefocusWithin(*page);
    page->SetVisible(false);
  }
  app_.ClearHook();
  app_.SetHookOwner("");
  const int index = TabControl1.tab_index();
  IntroLabel.SetVisible(index == 0);
  // Each tab keeps its own order of steps: the order decides which help the panel ends on.
  switch (index) {
    case 1:
      TitleLabel.SetCaption("Settings for Wintv 2000");
      FrameWintv2k.SetEditBoxen();
      InstallHook(FrameWintv2k);
      FrameWintv2k.SetVisible(true);
      app_.SetFocus(FrameWintv2k.country_code.ForceCountry);
      break;
    case 2:
      TitleLabel.SetCaption("Settings for the hauppauge PVR 250 and 350");
      Frame250.SetEditBoxen();
      ShowPvrPropPage(DeviceKind::Pvr250Capture);
      SelectFirstEntry(Frame250.capture_list.list);
      InstallHook(Frame250);
      Frame250.SetVisible(true);
      app_.SetFocus(Frame250.tuner_volume.slider);
      break;
    case 3:
      if (Frame150.VolLinked.checked()) Frame150.line_in_right.slider.SetEnabled(false);
      if (Frame150.VolLinked.checked()) Frame150.line_in_right.edit.SetEnabled(false);
      if (Frame150.VolLinked.checked()) Frame150.line_in_right.caption.SetEnabled(false);
      InstallHook(Frame150);
      Frame150.SetEditBoxen();
      TitleLabel.SetCaption("Settings for the hauppauge PVR 150 and 500");
      Frame150.SetVisible(true);
      app_.SetFocus(Frame150.tuner_volume.slider);
      break;
    case 4:
      InstallHook(Frame150b);
      Frame150b.SetEditBoxen();
      TitleLabel.SetCaption("Settings for the hauppauge PVR 150 and 500");
      ShowPvrPropPage(DeviceKind::Pvr150Capture);
      SelectFirstEntry(Frame150b.capture_list.list);
      ShowPvrPropPage(DeviceKind::Pvr150Encoder);
      SelectFirstEntry(Frame150b.encoder_list.list);
      Frame150b.SetVisible(true);
      app_.SetFocus(Frame150b.static_temporal.box);
      break;
    default:
      break;
  }
}

void TForm1::SaveClick() {
  SetSettingsInRegistry();
  app_.platform().ShowMessage("Settings saved");
  ResetClick();
}

std::array<Page*, 4> TForm1::PagesInOrder() {
  return {&Frame150, &Frame150b, &Frame250, &FrameWintv2k};
}

void TForm1::ResetClick() {
  GetSettingsFromRegistry();
  for (Page* page : PagesInOrder()) page->SetEditBoxen();
  for (Page* page : PagesInOrder()) page->UnCheckSaveSettings();
}

}  // namespace quellon
