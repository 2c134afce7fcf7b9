#include "safety/backup_store.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace quellon {
namespace {

constexpr int kLastSequence = 99;
constexpr std::uint32_t kErrorFileExists = 80;  // ERROR_FILE_EXISTS

// Reads `digits` decimal digits at `at`, or -1.
int Digits(std::string_view text, std::size_t at, std::size_t digits) {
  if (at + digits > text.size()) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool SortsBefore(const BackupStamp& a, const BackupStamp& b) {
  return a.time != b.time ? a.time < b.time : a.sequence < b.sequence;
}

}  // namespace

std::string BackupName(const LocalTime& time, int sequence) {
  char name[64];
  std::snprintf(name, sizeof name, "quellon-%04d-%02d-%02d_%02d%02d%02d", time.year, time.month,
                time.day, time.hour, time.minute, time.second);
  std::string result = name;
  if (sequence > 1) {
    std::snprintf(name, sizeof name, "_%02d", sequence);
    result += name;
  }
  return result + ".reg";
}

std::optional<BackupStamp> ParseBackupName(std::string_view name) {
  // quellon-YYYY-MM-DD_HHMMSS[_NN].reg, in any letter case
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  if (!lower.starts_with("quellon-") || !lower.ends_with(".reg")) return std::nullopt;
  const std::string_view stem = std::string_view(lower).substr(0, lower.size() - 4);
  if ((stem.size() != 25 && stem.size() != 28) || stem[12] != '-' || stem[15] != '-' ||
      stem[18] != '_') {
    return std::nullopt;
  }
  BackupStamp stamp;
  stamp.time = {Digits(stem, 8, 4),  Digits(stem, 13, 2), Digits(stem, 16, 2),
                Digits(stem, 19, 2), Digits(stem, 21, 2), Digits(stem, 23, 2)};
  if (stem.size() == 28) {
    stamp.sequence = stem[25] == '_' ? Digits(stem, 26, 2) : -1;
    if (stamp.sequence < 2) return std::nullopt;
  }
  const LocalTime& t = stamp.time;
  if (t.year < 0 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 ||
      t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
    return std::nullopt;
  }
  return stamp;
}

std::string BackupStore::Folder() const {
  return files_.LocalAppData() + "\\Quellon\\Backups";
}

// The folders below %LOCALAPPDATA% are the user's to change without elevation: one turned into a
// link would lead the writes and removals of this elevated program into any other folder.
void BackupStore::RefuseLinks() const {
  const std::string quellon = files_.LocalAppData() + "\\Quellon";
  for (const std::string& folder : {quellon, quellon + "\\Backups"}) {
    if (files_.IsLink(folder)) throw LinkRefused("use the folder", folder);
  }
}

std::vector<std::string> BackupStore::List() const {
  std::vector<std::pair<BackupStamp, std::string>> found;
  for (std::string& name : files_.List(Folder())) {
    if (const auto stamp = ParseBackupName(name)) found.emplace_back(*stamp, std::move(name));
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return SortsBefore(b.first, a.first); });
  std::vector<std::string> names;
  for (auto& entry : found) names.push_back(std::move(entry.second));
  return names;
}

std::optional<std::string> BackupStore::Newest() const {
  std::vector<std::string> names = List();
  if (names.empty()) return std::nullopt;
  return names.front();
}

// The name sorts after the newest backup even when the clock went back (the end of summer
// time): such a backup takes the second after the newest one, so that the newest backup is
// always the one made last.
std::string BackupStore::Write(std::string_view contents) {
  const std::string folder = Folder();
  std::vector<std::string> names = List();
  const std::optional<std::string> newest =
      names.empty() ? std::nullopt : std::optional<std::string>(names.front());
  BackupStamp stamp{files_.Now(), 1};
  if (newest) {
    const BackupStamp last = *ParseBackupName(*newest);
    if (stamp.time == last.time && last.sequence < kLastSequence) {
      stamp.sequence = last.sequence + 1;
    } else if (!SortsBefore(last, stamp)) {
      stamp.time = AddSeconds(last.time, 1);
    }
  }
  const std::string name = BackupName(stamp.time, stamp.sequence);
  // A name the list cannot read (past the year 9999, after a planted quellon-9999-12-31_235959_99)
  // would not be listed: each new backup would replace the last one, and the planted file would
  // stay the newest. Refusing keeps the newest backup listed the one made last.
  if (!ParseBackupName(name)) {
    throw FileError("write a backup into", folder,
                    newest ? "no backup name is left after \"" + *newest +
                                 "\"; move that file away to take new backups."
                           : "the clock is past the year 9999.",
                    kErrorFileExists);
  }
  const std::string path = folder + "\\" + name;
  RefuseLinks();
  files_.MakeFolders(folder);
  RefuseLinks();  // and one that took the place of a folder meanwhile
  files_.Write(path, contents);
  // The new backup sorts before every one listed, so the folder is not listed again.
  names.insert(names.begin(), name);
  for (std::size_t i = kBackupsKept; i < names.size(); ++i) {
    try {
      files_.Remove(folder + "\\" + names[i]);
    } catch (const FileError&) {
      // An old backup that cannot go (locked, read-only) costs room, not safety.
    }
  }
  return path;
}

}  // namespace quellon
