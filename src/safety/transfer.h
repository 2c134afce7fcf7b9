#pragma once
// Export, import and restore of the catalogue's values as .reg files, each import and restore
// after a backup. Nothing outside the catalogue is ever written: an import that names anything
// else is refused whole, before its backup; a restore leaves out what the catalogue no longer
// holds (a device removed since), so that it never recreates a key the program could not write now.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "registry/reg_file.h"
#include "safety/backup_reason.h"
#include "safety/backup_store.h"
#include "safety/catalogue.h"

namespace quellon {

// The backup could not be written, so nothing was written to the registry. The text starts with
// "The backup failed:" and names the file or folder and the system's reason.
class BackupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An import refused whole; the text lists what lies outside the catalogue.
class ImportRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A write failed part-way; the text gives the registry's error and the backup to restore from.
class WriteStopped : public std::runtime_error {
 public:
  WriteStopped(const std::string& text, std::string backup)
      : std::runtime_error(text), backup_(std::move(backup)) {}
  const std::string& backup() const { return backup_; }

 private:
  std::string backup_;  // its name, as BackupStore::List gives it
};

struct TransferReport {
  std::string source;                // the file imported, or the name of the backup restored
  std::string backup;                // the full path of the backup taken before the first write
  std::size_t values = 0;            // values set or deleted
  std::vector<std::string> skipped;  // a restore's lines that lie outside the catalogue now
};

// Writes the state of every catalogue value it can read as a new backup and returns its full path;
// the file's first comment names the reason, and each key or value it cannot read is named in a
// comment line after it. Throws BackupError ("The backup failed: ...") only when the file cannot
// be written.
std::string TakeBackup(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                       std::optional<BackupReason> reason);

// The backup a save takes before its first write: every value of the program's catalogue on this
// machine now, into the backups kept in `files`. Returns its full path. Throws BackupError as
// TakeBackup does, so that a backup changes nothing else of what a save does.
std::string TakeProgramBackup(RegistryApi& api, FileSystem& files, BackupReason reason);

struct ExportReport {
  std::size_t values = 0;  // set or deleted by the file
  std::size_t unread = 0;  // keys and values left out, each named in a comment line of the file
};

// Writes the state of every catalogue value into `file`. Throws FileError.
ExportReport ExportSettings(RegistryApi& api, const Catalogue& catalogue, FileSystem& files,
                            const std::string& file);

// A .reg file read whole and found to name only catalogue values, each of a type the program writes
// there: what an import may apply.
struct CheckedImport {
  std::string file;
  std::vector<RegFileOperation> operations;
};

// Reads and checks the whole file, writing nothing. Throws FileError or RegistryError for a file
// it cannot read, ImportRefused for one it refuses, each line named.
CheckedImport CheckImport(const Catalogue& catalogue, FileSystem& files, const std::string& file);

// Takes a backup, then applies a checked file in its order. Throws BackupError or WriteStopped.
TransferReport ApplyImport(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                           const CheckedImport& checked);

// CheckImport, then ApplyImport. Throws
// FileError or RegistryError for a file it cannot read (nothing written), ImportRefused,
// BackupError or WriteStopped.
TransferReport ImportSettings(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                              const std::string& file);

// "There is no backup in "FOLDER"."
std::runtime_error NoBackup(const BackupStore& backups);

// Restores the newest backup, or the one named (its name as the list of backups shows it, ".reg"
// may be left out), after taking a backup of the state it replaces. Throws std::runtime_error when
// there is none or the name is no backup's name, and as ImportSettings does.
TransferReport RestoreBackup(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                             const std::optional<std::string>& name);

}  // namespace quellon
