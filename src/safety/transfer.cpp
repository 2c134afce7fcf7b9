#include "safety/transfer.h"

#include <algorithm>

#include "registry/cp1252.h"
#include "registry/reg_file.h"
#include "registry/wow64_spelling.h"
#include "safety/program_catalogue.h"
#include "safety/snapshot.h"

namespace quellon {
namespace {

// A refusal lists at most this many lines; the rest are counted.
constexpr std::size_t kListedLines = 20;

bool InCatalogue(const RegFileOperation& op, const Catalogue& catalogue) {
  switch (op.kind) {
    case RegFileOperation::Kind::kCreateKey:
      return catalogue.HasKey(op.root, op.key);
    case RegFileOperation::Kind::kDeleteKey:
      return false;  // it would take every value below the key with it
    default:
      return catalogue.Contains(op.root, op.key, op.name);
  }
}

std::string Describe(const RegFileOperation& op) {
  const bool deletes = op.kind == RegFileOperation::Kind::kDeleteKey;
  const std::string key = (deletes ? "[-" : "[") + RegFileKeyName(op.root, op.key) + "]";
  const std::string where = "line " + std::to_string(op.line) + ": ";
  if (!op.is_value()) return where + key;
  return where + (op.name.empty() ? "@" : "\"" + op.name + "\"") + " in " + key;
}

std::vector<std::string> Outside(const std::vector<RegFileOperation>& operations,
                                 const Catalogue& catalogue) {
  std::vector<std::string> lines;
  for (const RegFileOperation& op : operations) {
    if (!InCatalogue(op, catalogue)) lines.push_back(Describe(op));
  }
  return lines;
}

// The longest text the program writes: a path, which Windows takes up to 32767 characters long.
constexpr std::size_t kLongestText = 32767;

bool Fits(const RegFileOperation& op, ValueType type) {
  switch (type) {
    case ValueType::kDword:
      return op.type == kRegDword && op.data.size() == 4;
    case ValueType::kText:
      return op.type == kRegSz && !op.data.empty() && op.data.size() <= kLongestText + 1 &&
             std::find(op.data.begin(), op.data.end(), 0) == op.data.end() - 1;
    case ValueType::kAny:
      break;
  }
  return true;
}

// The values the file sets to a type or size that the program never writes there, which the
// loader and the pages would then meet; a deletion is always fine.
std::vector<std::string> Mistyped(const std::vector<RegFileOperation>& operations,
                                  const Catalogue& catalogue) {
  std::vector<std::string> lines;
  for (const RegFileOperation& op : operations) {
    if (op.kind != RegFileOperation::Kind::kSetValue) continue;
    const std::optional<ValueType> type = catalogue.TypeOf(op.root, op.key, op.name);
    if (type && !Fits(op, *type))
      lines.push_back(Describe(op) +
                      (*type == ValueType::kDword ? ": not a dword of 4 bytes" : ": not a string"));
  }
  return lines;
}

std::string Listing(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size() && i < kListedLines; ++i) text += "\n  " + lines[i];
  if (lines.size() > kListedLines) {
    text += "\n  ... and " + std::to_string(lines.size() - kListedLines) + " more";
  }
  return text;
}

std::string NameOf(const std::string& path) {
  return path.substr(path.find_last_of('\\') + 1);
}

// Only a name that the list of backups would show reaches the system as a file of the backups'
// folder: any other ("CON", "NUL", "LPT1.txt", ".", "..", "", a path) would open something else.
// The name may be given without its ".reg".
std::string BackupFileName(const std::string& given) {
  std::string name = given;
  if (name.size() < 4 || !RegNamesEqual(std::string_view(name).substr(name.size() - 4), ".reg"))
    name += ".reg";
  if (!ParseBackupName(name)) {
    throw std::runtime_error("\"" + given +
                             "\" is no backup's name: a backup is named by its file name alone, "
                             "as the list of backups shows it.");
  }
  return name;
}

// A file names this program's SOFTWARE keys as they lie on 64-bit Windows, or as the program
// spells them; both come back to the program's own spelling, which the catalogue knows.
std::vector<RegFileOperation> ReadRegFile(FileSystem& files, const std::string& file) {
  const std::string contents = files.Read(file);
  std::vector<RegFileOperation> operations;
  try {
    operations = ParseRegFile(contents);
  } catch (const RegFileError& e) {
    throw RegistryError(e.status(), "\"" + file + "\", " + e.what());
  }
  for (RegFileOperation& op : operations) op.key = ProgramSpelling(op.root, op.key);
  return operations;
}

bool KeyExists(RegistryApi& api, const RegFileOperation& section) {
  RegKey key;
  return RegKey::Open(api, section.root, section.key, kKeyRead, &key) != kErrorFileNotFound;
}

// Deleting values from a key that is not there changes nothing, and creating the key for it would:
// such a section is left out.
std::vector<RegFileOperation> WithoutIdleSections(RegistryApi& api,
                                                  std::vector<RegFileOperation> operations) {
  std::vector<RegFileOperation> kept;
  for (auto at = operations.begin(); at != operations.end();) {
    const auto end = std::find_if(at + 1, operations.end(),
                                  [](const RegFileOperation& op) { return !op.is_value(); });
    const bool idle = at->kind == RegFileOperation::Kind::kCreateKey &&
                      std::all_of(at + 1, end,
                                  [](const auto& op) {
                                    return op.kind == RegFileOperation::Kind::kDeleteValue;
                                  }) &&
                      !KeyExists(api, *at);
    if (!idle) kept.insert(kept.end(), std::make_move_iterator(at), std::make_move_iterator(end));
    at = end;
  }
  return kept;
}

// Only a backup that cannot be written stops what it guards: what it cannot read, the action
// meets in the registry as well and reports in its own words.
BackupError BackupFailed(const std::string& reason) {
  return BackupError("The backup failed: " + reason + "\nNothing was written to the registry.");
}

// Backs up, then applies; `what` names the import or restore in the text of a failed write.
TransferReport BackUpAndApply(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                              const std::vector<RegFileOperation>& operations,
                              const std::string& what, BackupReason reason) {
  TransferReport report;
  report.backup = TakeBackup(api, catalogue, backups, reason);
  report.values = CountValues(operations);
  try {
    ApplyRegFile(api, WithoutIdleSections(api, operations));
  } catch (const RegistryError& e) {
    const std::string backup = NameOf(report.backup);
    throw WriteStopped("The " + what + " stopped: " + e.what() +
                           ".\nWhat it wrote before can be undone by restoring the backup " +
                           backup + ".",
                       backup);
  }
  return report;
}

// The snapshot as a backup file; `text` reads it and gives the file's text below the comments
// it is handed, and may throw RegistryError.
template <class Text>
std::string WriteBackup(Text text, BackupStore& backups, std::optional<BackupReason> reason) {
  std::string contents;
  std::vector<std::string> first;
  if (reason) first.push_back(BackupReasonComment(*reason));
  try {
    contents = text(std::move(first));
  } catch (const RegistryError& e) {
    throw BackupFailed(std::string(e.what()) + ".");
  }
  try {
    return backups.Write(contents);
  } catch (const FileError& e) {
    throw BackupFailed(e.what());
  }
}

}  // namespace

std::string TakeBackup(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                       std::optional<BackupReason> reason) {
  return WriteBackup(
      [&](std::vector<std::string> first) {
        return SnapshotFile(api, catalogue, {}, RegFileEncoding::kUnicode, std::move(first));
      },
      backups, reason);
}

std::string TakeProgramBackup(RegistryApi& api, FileSystem& files, BackupReason reason) {
  BackupStore backups(files);
  return WriteBackup(
      [&](std::vector<std::string> first) {
        return ProgramSnapshotFile(api, RegFileEncoding::kUnicode, std::move(first));
      },
      backups, reason);
}

ExportReport ExportSettings(RegistryApi& api, const Catalogue& catalogue, FileSystem& files,
                            const std::string& file) {
  const SettingsSnapshot snapshot = Snapshot(api, catalogue);
  files.Write(file, snapshot.File());
  return {CountValues(snapshot.operations), snapshot.unread.size()};
}

CheckedImport CheckImport(const Catalogue& catalogue, FileSystem& files, const std::string& file) {
  CheckedImport checked{file, ReadRegFile(files, file)};
  const std::vector<std::string> outside = Outside(checked.operations, catalogue);
  if (!outside.empty()) {
    throw ImportRefused("\"" + file +
                        "\" was not imported: it names keys or values outside the settings that "
                        "Quellon writes, so nothing was written:" +
                        Listing(outside));
  }
  const std::vector<std::string> mistyped = Mistyped(checked.operations, catalogue);
  if (!mistyped.empty()) {
    throw ImportRefused("\"" + file +
                        "\" was not imported: it gives settings a type or size that Quellon does "
                        "not write, so nothing was written:" +
                        Listing(mistyped));
  }
  return checked;
}

TransferReport ApplyImport(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                           const CheckedImport& checked) {
  TransferReport report =
      BackUpAndApply(api, catalogue, backups, checked.operations,
                     "import of \"" + checked.file + "\"", BackupReason::kImport);
  report.source = checked.file;
  return report;
}

TransferReport ImportSettings(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                              const std::string& file) {
  return ApplyImport(api, catalogue, backups, CheckImport(catalogue, backups.files(), file));
}

std::runtime_error NoBackup(const BackupStore& backups) {
  return std::runtime_error("There is no backup in \"" + backups.Folder() + "\".");
}

TransferReport RestoreBackup(RegistryApi& api, const Catalogue& catalogue, BackupStore& backups,
                             const std::optional<std::string>& name) {
  std::string chosen;
  if (name) {
    chosen = *name;
  } else if (const std::optional<std::string> newest = backups.Newest()) {
    chosen = *newest;
  } else {
    throw NoBackup(backups);
  }
  chosen = BackupFileName(chosen);
  std::vector<RegFileOperation> operations = ReadRegFile(backups.files(), backups.PathOf(chosen));
  std::vector<std::string> skipped;
  std::erase_if(operations, [&](const RegFileOperation& op) {
    if (InCatalogue(op, catalogue)) return false;
    skipped.push_back(Describe(op));
    return true;
  });
  TransferReport report = BackUpAndApply(api, catalogue, backups, operations,
                                         "restore of " + chosen, BackupReason::kRestore);
  report.source = chosen;
  report.skipped = std::move(skipped);
  return report;
}

}  // namespace quellon
