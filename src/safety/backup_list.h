#pragma once
// The backups as the user chooses among them: each with the time its name holds and what took it,
// newest first, and the row the list shows for it.

#include <optional>
#include <string>
#include <vector>

#include "safety/backup_reason.h"
#include "safety/backup_store.h"

namespace quellon {

struct BackupEntry {
  std::string name;  // as BackupStore::List gives it
  BackupStamp stamp;
  std::optional<BackupReason> reason;  // nothing for a backup that does not say
};

// Every backup, newest first, each with the reason the start of its file records. A file that
// cannot be read says nothing.
std::vector<BackupEntry> ListBackupEntries(const BackupStore& backups);

// "2026-12-08 14:55:03", and " (2)" after it for the second backup of that second.
std::string BackupTimeText(const BackupStamp& stamp);

// "2026-12-08 14:55:03  before a save"; the time alone when the backup does not say.
std::string BackupRowText(const BackupEntry& entry);

// The newest backup that no restore took: restoring it again and again leaves the settings as
// that backup holds them, where the newest backup would flip between the last two states.
std::optional<BackupEntry> NewestNotFromRestore(const std::vector<BackupEntry>& entries);

}  // namespace quellon
