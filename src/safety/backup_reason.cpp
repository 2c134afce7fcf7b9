#include "safety/backup_reason.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace quellon {
namespace {

struct ReasonWords {
  BackupReason reason;
  std::string_view word;   // in the file
  std::string_view shown;  // in the list
};

constexpr ReasonWords kReasons[] = {
    {BackupReason::kSave, "save", "before a save"},
    {BackupReason::kDefaults, "Load and Set Defaults", "before Load and Set Defaults"},
    {BackupReason::kImport, "import", "before an import"},
    {BackupReason::kRestore, "restore", "before a restore"},
    {BackupReason::kProfile, "profile", "before a settings profile was applied"},
};

constexpr std::string_view kPrefix = "Taken before: ";
// The header and the lines right below it, where the writer puts the reason.
constexpr std::size_t kLinesRead = 4;

const ReasonWords& WordsOf(BackupReason reason) {
  const auto found = std::find_if(std::begin(kReasons), std::end(kReasons),
                                  [&](const ReasonWords& w) { return w.reason == reason; });
  if (found == std::end(kReasons)) throw std::logic_error("a backup reason without its words");
  return *found;
}

// The start as single-byte text: UTF-16 code units outside ASCII become '?', which no word holds.
std::string Narrow(std::string_view head) {
  head = head.substr(0, kBackupHeadBytes);
  if (head.starts_with("\xFF\xFE")) {
    std::string text;
    for (std::size_t i = 2; i + 1 < head.size(); i += 2) {
      const bool ascii = head[i + 1] == 0 && static_cast<unsigned char>(head[i]) < 0x80;
      text.push_back(ascii ? head[i] : '?');
    }
    return text;
  }
  if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
  return std::string(head);
}

// The whole lines of `text`, at most `count`, without their line ends; a last line that the
// bounded read may have cut is left out.
std::vector<std::string_view> WholeLines(std::string_view text, std::size_t count) {
  std::vector<std::string_view> lines;
  std::size_t end = 0;
  while (lines.size() < count && (end = text.find('\n')) != std::string_view::npos) {
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

std::string BackupReasonComment(BackupReason reason) {
  return std::string(kPrefix) + std::string(WordsOf(reason).word);
}

std::string_view ShownReason(BackupReason reason) {
  return WordsOf(reason).shown;
}

std::optional<BackupReason> ReadBackupReason(std::string_view head) {
  const std::string text = Narrow(head);
  const std::vector<std::string_view> lines = WholeLines(text, kLinesRead);
  if (lines.empty() ||
      (lines[0] != "Windows Registry Editor Version 5.00" && lines[0] != "REGEDIT4"))
    return std::nullopt;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (!line.starts_with("; ")) continue;
    line.remove_prefix(2);
    if (!line.starts_with(kPrefix)) continue;
    line.remove_prefix(kPrefix.size());
    for (const ReasonWords& words : kReasons) {
      if (line == words.word) return words.reason;
    }
    return std::nullopt;  // the first such line decides
  }
  return std::nullopt;
}

}  // namespace quellon
