#pragma once
// The main window: tabs, welcome text, page title, the four page frames, the help panel, the
// "Reset" and "Save settings" buttons and the hidden debug log.

#include <string>

#include "devices/device_kind.h"
#include "devices/device_system.h"
#include "devices/filter_graph.h"
#include "pages/page_host.h"
#include "pages/pvr150/fr150.h"
#include "pages/pvr150_advanced/fr150b.h"
#include "pages/pvr250/fr250.h"
#include "pages/wintv2000/wintv2k.h"
#include "registry/registry_ops.h"
#include "ui/application.h"
#include "ui/controls.h"

namespace quellon {

extern const char* const kWelcomeText;

class TForm1 : public ui::Form, public PageHost {
 private:
  // Declared first so that they exist before the members below use them.
  ui::Application& app_;
  RegistryOps registry_;
  DeviceSystem& devices_;

 public:
  TForm1(ui::Application& app, RegistryApi& registry, DeviceSystem& devices);

  // Members in the order the window declares them.
  ui::TabControl TabControl1{"TabControl1", this};
  ui::Label IntroLabel{"IntroLabel", this};
  ui::Label InfoLabelContent{"InfoLabelContent", this};
  ui::Label InfoLabelTitle{"InfoLabelTitle", this};
  ui::Bevel Bevel1{"Bevel1", this};
  ui::Button Reset{"Reset", this};
  ui::Button Save{"Save", this};
  TFr150 Frame150{this, *this};
  ui::Memo Memo1{"Memo1", this};
  ui::Button Button3{"Button3", this};
  ui::Button Button4{"Button4", this};
  ui::Label TitleLabel{"TitleLabel", this};
  TFr250 Frame250{this, *this};
  TWintv2k FrameWintv2k{this, *this};
  TFr150b Frame150b{this, *this};
  TFilterGraph FilterGraph1{devices_};

  bool FirstActivation = false;

  void FormCreate();
  void FormActivate();
  void TabControl1Change();
  void SaveClick();
  void ResetClick() override;

  void GetSettingsFromRegistry();
  void SetSettingsInRegistry() override;

  void ShowPvrPropPage(DeviceKind kind, int wanted, bool list_only) override;
  void SetProcampSettings(DeviceKind kind);

  const RegistryOps& registry() const { return registry_; }
  DeviceSystem& devices() const { return devices_; }

  // PageHost
  ui::Application& app() override { return app_; }
  void ShowInfo(const std::string& title, const std::string& body) override;
  ui::Memo& DebugLog() override { return Memo1; }

  // The page frames in the order the reload visits them.
  Page* PageAt(int tab_index);

 private:
  void LayOut();
  void InstallHook(Page& page);
  void SelectFirstEntry(ui::ComboBox& list);
  // The list that listing a device kind fills.
  ui::ComboBox& DeviceListBox(DeviceKind kind);
  void ListDevices(DeviceKind kind);
};

}  // namespace quellon
