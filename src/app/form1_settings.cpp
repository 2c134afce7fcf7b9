// The loader and the saver of the main window: every page's rows, the pages in one fixed order.

#include "app/form1.h"
#include "safety/transfer.h"
#include "settings/pvr150_values.h"
#include "settings/store.h"

namespace quellon {

void TForm1::GetSettingsFromRegistry() {
  const settings::Store store(registry_);
  LoadContext ctx{store, Memo1, std::nullopt};
  for (Page* page : PagesInOrder()) page->Load(ctx);
}

void TForm1::SetSettingsInRegistry() {
  SaveWithBackup(save_reason_);
}

void TForm1::SetDefaultsInRegistry() {
  SaveWithBackup(BackupReason::kDefaults);
}

// One backup per user action: "Save settings" and "Load and Set Defaults" each save once.
void TForm1::SaveWithBackup(BackupReason reason) {
  last_backup_.clear();
  last_backup_ = TakeProgramBackup(registry_.api(), files_, reason);
  WriteSettingsWithoutBackup();
}

void TForm1::WriteSettingsWithoutBackup() {
  const settings::Store store(registry_);
  store.Write(settings::pvr150::kSaveEncoderSettings, 1);
  SaveContext ctx{store};
  for (Page* page : PagesInOrder()) page->Save(ctx);
}

}  // namespace quellon
