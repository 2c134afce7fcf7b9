#include "safety/backup_list.h"

#include <algorithm>
#include <cstdio>

namespace quellon {

std::vector<BackupEntry> ListBackupEntries(const BackupStore& backups) {
  std::vector<BackupEntry> entries;
  for (std::string& name : backups.List()) {
    BackupEntry entry{name, *ParseBackupName(name), std::nullopt};
    try {
      entry.reason =
          ReadBackupReason(backups.files().ReadStart(backups.PathOf(name), kBackupHeadBytes));
    } catch (const FileError&) {
      // Locked or gone since it was listed: it is still there to choose, without its reason.
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string BackupTimeText(const BackupStamp& stamp) {
  const LocalTime& t = stamp.time;
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  std::string result = text;
  if (stamp.sequence > 1) result += " (" + std::to_string(stamp.sequence) + ")";
  return result;
}

std::string BackupRowText(const BackupEntry& entry) {
  std::string text = BackupTimeText(entry.stamp);
  if (entry.reason) text += "  " + std::string(ShownReason(*entry.reason));
  return text;
}

std::optional<BackupEntry> NewestNotFromRestore(const std::vector<BackupEntry>& entries) {
  const auto found = std::find_if(entries.begin(), entries.end(), [](const BackupEntry& e) {
    return e.reason != BackupReason::kRestore;
  });
  if (found == entries.end()) return std::nullopt;
  return *found;
}

}  // namespace quellon
