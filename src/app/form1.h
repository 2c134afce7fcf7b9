#pragma once
// The main window: tabs, welcome text, page title, the four page frames, the help panel, the
// "Reset" and "Save settings" buttons and the hidden debug log; its system menu carries settings
// to and from .reg files.

#include <array>
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
#include "safety/backup_reason.h"
#include "safety/file_system.h"
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
  FileSystem& files_;  // where the backups go

 public:
  TForm1(ui::Application& app, RegistryApi& registry, DeviceSystem& devices, FileSystem& files);

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
  // The system menu's commands: settings to and from .reg files, and a backup back: the newest
  // one no restore took, or one chosen from the list.
  void ExportToRegFileClick();
  void ImportFromRegFileClick();
  void RestoreLastBackupClick();
  void RestoreChosenBackupClick();
  // Settings profiles (form1_profiles.cpp): every row as the pages show it into a file, and a
  // file's settings into the pages with their save boxes ticked, for the user to save.
  void SaveProfileClick();
  void ApplyProfileClick();

  // The loader and the saver: every page's rows, the pages in the order of PagesInOrder(). The
  // saver first backs up every value the program may write; when that fails it writes nothing
  // and throws BackupError. The backup says what it was taken before: a save (or what
  // BackUpSavesAs says), or "Load and Set Defaults".
  void GetSettingsFromRegistry();
  void SetSettingsInRegistry() override;
  void SetDefaultsInRegistry() override;
  void BackUpSavesAs(BackupReason reason) { save_reason_ = reason; }
  // The saver's writes alone, without the backup: for the benchmark that times what the backup
  // adds to a save.
  void WriteSettingsWithoutBackup();
  // The full path of the backup the last save took; empty before one.
  const std::string& last_backup() const { return last_backup_; }

  // The window's two device operations: listing the card filters of a kind into the kind's list,
  // and opening the `wanted`-th one's property frame (from 1).
  void ShowPvrPropPage(DeviceKind kind);
  void ShowPvrPropPage(DeviceKind kind, int wanted) override;
  // Pushes the 150/500 page's ticked picture values into every card filter of the kind.
  void SetProcampSettings(DeviceKind kind) override;

  const RegistryOps& registry() const { return registry_; }
  DeviceSystem& devices() const { return devices_; }

  // PageHost
  ui::Application& app() override { return app_; }
  void ShowInfo(const std::string& title, const std::string& body) override;
  // The help panel at rest, as the window starts.
  void ShowRestingInfo();
  ui::Memo& DebugLog() override { return Memo1; }

  // The page frame a tab shows; none for "Intro".
  Page* PageAt(int tab_index);
  // The pages in the order the loader, the saver and the reset visit them.
  std::array<Page*, 4> PagesInOrder();

 private:
  void LayOut();
  void AddSystemMenu();
  void InstallHook(Page& page);
  void SelectFirstEntry(ui::ComboBox& list);
  // The list that listing a device kind fills.
  ui::ComboBox& DeviceListBox(DeviceKind kind);
  void SaveWithBackup(BackupReason reason);

  std::string last_backup_;
  BackupReason save_reason_ = BackupReason::kSave;
};

}  // namespace quellon
