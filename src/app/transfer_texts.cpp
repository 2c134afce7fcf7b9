#include "app/transfer_texts.h"

namespace quellon {
namespace {

std::string Values(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " value" : " values");
}

// What was done comes first; the backup that undoes it after.
std::string Report(const TransferReport& report, const std::string& done) {
  std::string text = done + "\nBackup written first: " + report.backup + "\n";
  if (report.skipped.empty()) return text;
  text += "Left out, as Quellon does not write them on this machine now:\n";
  for (const std::string& line : report.skipped) text += "  " + line + "\n";
  return text;
}

}  // namespace

std::string ExportedText(const ExportReport& report, const std::string& file) {
  std::string text = "Exported " + Values(report.values) + " to \"" + file + "\".\n";
  if (report.unread == 0) return text;
  const std::string what = report.unread == 1 ? " key or value" : " keys or values";
  return text + "Not exported, as Quellon could not read them: " + std::to_string(report.unread) +
         what + ", each named in a comment line of the file.\n";
}

std::string ImportedText(const TransferReport& report) {
  return Report(report, "Imported " + Values(report.values) + " from \"" + report.source + "\".");
}

std::string RestoredText(const TransferReport& report) {
  return Report(report, "Restored " + Values(report.values) + " from " + report.source + ".");
}

std::string RestoreQuestion(const BackupStore& backups, const BackupEntry& entry) {
  std::string when = BackupTimeText(entry.stamp);
  if (entry.reason) when += ", taken " + std::string(ShownReason(*entry.reason));
  return "Restore the settings from the backup \"" + backups.PathOf(entry.name) + "\" (" + when +
         ")?\n\nQuellon backs up the settings as they are now first.";
}

}  // namespace quellon
