#include "app/transfer_texts.h"

namespace quellon {
namespace {

std::string Values(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " value" : " values");
}

std::string Report(const TransferReport& report, const std::string& done) {
  std::string text = "Backup written: " + report.backup + "\n" + done + "\n";
  if (report.skipped.empty()) return text;
  text += "Left out, as Quellon does not write them on this machine now:\n";
  for (const std::string& line : report.skipped) text += "  " + line + "\n";
  return text;
}

}  // namespace

std::string ExportedText(std::size_t values, const std::string& file) {
  return "Exported " + Values(values) + " to \"" + file + "\".\n";
}

std::string ImportedText(const TransferReport& report) {
  return Report(report, "Imported " + Values(report.values) + " from \"" + report.source + "\".");
}

std::string RestoredText(const TransferReport& report) {
  return Report(report, "Restored " + Values(report.values) + " from " + report.source + ".");
}

}  // namespace quellon
