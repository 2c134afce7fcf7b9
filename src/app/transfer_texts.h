#pragma once
// What the console commands and the window's menu commands say of an export, an import or a
// restore: the same words in both places, each line ended.

#include <cstddef>
#include <string>

#include "safety/backup_list.h"
#include "safety/transfer.h"

namespace quellon {

// "Exported 33 values to "FILE".", then how many keys or values it could not read.
std::string ExportedText(const ExportReport& report, const std::string& file);
// "Imported 1 value from "FILE"." or "Restored 33 values from NAME.", then "Backup written first:
// PATH", then the lines a restore left out.
std::string ImportedText(const TransferReport& report);
std::string RestoredText(const TransferReport& report);

// The question before a restore from the window: the backup's path, its time and what took it.
std::string RestoreQuestion(const BackupStore& backups, const BackupEntry& entry);

}  // namespace quellon
