#pragma once
// The backups: .reg files in %LOCALAPPDATA%\Quellon\Backups, named from the local date and time
// so that their names sort as they were made (quellon-2026-12-08_145503.reg, and
// quellon-2026-12-08_145503_02.reg for a second one in the same second). The newest 50 are kept.
// Other files in the folder are never listed or removed, nor are links, and no backup is written
// through a folder that is a link.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "safety/file_system.h"

namespace quellon {

inline constexpr std::size_t kBackupsKept = 50;

class BackupStore {
 public:
  explicit BackupStore(FileSystem& files) : files_(files) {}

  std::string Folder() const;
  std::string PathOf(const std::string& name) const { return Folder() + "\\" + name; }

  // Writes a new backup under a name that sorts after every backup there is, then removes the
  // oldest beyond the newest 50. Returns its full path. Throws FileError naming the file that
  // could not be written, or the folder when no name is left after its newest backup; a backup
  // that cannot be removed stays.
  std::string Write(std::string_view contents);

  // The backups' names, newest first.
  std::vector<std::string> List() const;
  std::optional<std::string> Newest() const;

  FileSystem& files() const { return files_; }

 private:
  // Throws FileError naming the first folder of the backups that is a link.
  void RefuseLinks() const;

  FileSystem& files_;
};

// A backup's name for this time; `sequence` 2 and up tells apart backups of the same second.
std::string BackupName(const LocalTime& time, int sequence = 1);

// The time and sequence a backup's name holds, or nothing for a name that is no backup's.
struct BackupStamp {
  LocalTime time;
  int sequence = 1;
};
std::optional<BackupStamp> ParseBackupName(std::string_view name);

}  // namespace quellon
