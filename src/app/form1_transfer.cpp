// The window's system menu commands that carry settings: an export to a .reg file, an import from
// one, and the restore of a backup: the newest one no restore took, or one chosen from the list.
// Each names its file before it writes anything to the registry and asks; an import and a restore
// take a backup first, and afterwards the pages show what the registry holds, as after a save.
// Failures reach the default error report.

#include <stdexcept>

#include "app/form1.h"
#include "app/transfer_texts.h"
#include "safety/backup_list.h"
#include "safety/program_catalogue.h"
#include "safety/transfer.h"

namespace quellon {
namespace {

ui::FileDialog RegFileDialog(bool save, std::string title) {
  return {save, std::move(title), "Registration files (*.reg)", "*.reg", "reg"};
}

// The texts end with a line break; a message box needs none.
std::string Shown(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// Asks, then restores the backup through the one restore path; false after a No.
bool RestoreAfterQuestion(ui::Platform& platform, RegistryApi& api, BackupStore& backups,
                          const BackupEntry& entry) {
  if (!platform.Confirm(RestoreQuestion(backups, entry))) return false;
  const TransferReport report = RestoreBackup(api, ProgramCatalogue(api), backups, entry.name);
  platform.ShowMessage(Shown(RestoredText(report)));
  return true;
}

}  // namespace

void TForm1::AddSystemMenu() {
  // Access keys the system's own commands (Restore, Move, Size, Minimize, Maximize, Close) leave
  // free.
  system_menu = {{"&Export to .reg file...", [this] { ExportToRegFileClick(); }},
                 {"&Import from .reg file...", [this] { ImportFromRegFileClick(); }},
                 {"Restore last &backup...", [this] { RestoreLastBackupClick(); }},
                 {"Res&tore a backup...", [this] { RestoreChosenBackupClick(); }},
                 {"Save settings &profile...", [this] { SaveProfileClick(); }},
                 {"&Apply settings profile...", [this] { ApplyProfileClick(); }}};
  // The buttons stay disabled; their hints say where their commands are.
  const auto use = [this](std::size_t command) {
    return "Use " + ui::WithoutAccessKeys(system_menu[command].caption) +
           " in the window menu (Alt+Space)";
  };
  Button3.SetHint(use(1));
  Button4.SetHint(use(0));
}

// Writes only a file: the question is the one the system asks before a file is replaced.
void TForm1::ExportToRegFileClick() {
  ui::Platform& platform = app_.platform();
  const std::optional<std::string> file =
      platform.ChooseFile(RegFileDialog(true, "Export to .reg file"));
  if (!file) return;
  if (files_.Exists(*file) &&
      !platform.Confirm(*file + " already exists.\nDo you want to replace it?"))
    return;
  const ExportReport report =
      ExportSettings(registry_.api(), ProgramCatalogue(registry_.api()), files_, *file);
  platform.ShowMessage(Shown(ExportedText(report, *file)));
}

void TForm1::ImportFromRegFileClick() {
  ui::Platform& platform = app_.platform();
  const std::optional<std::string> file =
      platform.ChooseFile(RegFileDialog(false, "Import from .reg file"));
  if (!file) return;
  // A file that would be refused is refused before the question, not after a Yes.
  const Catalogue catalogue = ProgramCatalogue(registry_.api());
  const CheckedImport checked = CheckImport(catalogue, files_, *file);
  if (!platform.Confirm("Import the settings in \"" + *file +
                        "\" into the registry?\n\nQuellon backs up the settings it changes "
                        "first; \"Restore last backup...\" brings them back."))
    return;
  BackupStore backups(files_);
  const TransferReport report = ApplyImport(registry_.api(), catalogue, backups, checked);
  platform.ShowMessage(Shown(ImportedText(report)));
  ResetClick();
}

// The newest backup that no restore took, so that a second restore does not undo the first.
// Without a backup there is nothing to ask about.
void TForm1::RestoreLastBackupClick() {
  BackupStore backups(files_);
  const std::vector<BackupEntry> entries = ListBackupEntries(backups);
  if (entries.empty()) throw NoBackup(backups);
  const std::optional<BackupEntry> chosen = NewestNotFromRestore(entries);
  if (!chosen) {
    throw std::runtime_error("Every backup in \"" + backups.Folder() +
                             "\" was taken before a restore; \"Restore a backup...\" lists them "
                             "to choose from.");
  }
  if (RestoreAfterQuestion(app_.platform(), registry_.api(), backups, *chosen)) ResetClick();
}

void TForm1::RestoreChosenBackupClick() {
  BackupStore backups(files_);
  const std::vector<BackupEntry> entries = ListBackupEntries(backups);
  if (entries.empty()) throw NoBackup(backups);
  ui::ListDialog dialog{"Restore a backup", "&Backups, newest first:", {}, "&Restore"};
  for (const BackupEntry& entry : entries) dialog.rows.push_back(BackupRowText(entry));
  const std::optional<std::size_t> row = app_.platform().ChooseFromList(dialog);
  if (!row || *row >= entries.size()) return;
  if (RestoreAfterQuestion(app_.platform(), registry_.api(), backups, entries[*row])) ResetClick();
}

}  // namespace quellon
