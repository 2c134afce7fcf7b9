#pragma once
// What a backup was taken before. The backup names it in a comment line right below the .reg
// file's header ("; Taken before: save"), which every reader of the format skips, so that the list
// of backups can say what each one undoes. The backups' folder is the user's to write without
// elevation: the reader looks at a few lines of a bounded start of the file and takes only the
// words below.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quellon {

enum class BackupReason { kSave, kDefaults, kImport, kRestore, kProfile };

// The comment a backup carries below its header, without its "; ": "Taken before: save".
std::string BackupReasonComment(BackupReason reason);

// How the list of backups says it: "before a save", "before Load and Set Defaults", ...
std::string_view ShownReason(BackupReason reason);

// How much of a backup's start ReadBackupReason looks at.
inline constexpr std::size_t kBackupHeadBytes = 512;

// The reason the start of a backup file records (UTF-16LE with its byte order mark, UTF-8 or
// Windows-1252 text), or nothing for a file without one (taken by an older Quellon), with another
// header or with words not in the table. Only whole lines within the first kBackupHeadBytes bytes
// count.
std::optional<BackupReason> ReadBackupReason(std::string_view head);

}  // namespace quellon
