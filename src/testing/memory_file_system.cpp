#include "testing/memory_file_system.h"

#include <algorithm>
#include <cctype>

namespace quellon {
namespace {

// The path as a lookup key: backslashes only, lower case, no backslash at the end.
std::string Key(std::string_view path) {
  std::string key;
  for (const char c : path) {
    key += c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  while (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

std::string Parent(const std::string& key) {
  const std::size_t slash = key.rfind('\\');
  return slash == std::string::npos ? "" : key.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

MemoryFileSystem::MemoryFileSystem(std::function<LocalTime()> clock) : clock_(std::move(clock)) {}

std::string MemoryFileSystem::Reason(std::uint32_t code) {
  switch (code) {
    case kFileNotFound:
      return "The system cannot find the file specified.";
    case kPathNotFound:
      return "The system cannot find the path specified.";
    case kFileAccessDenied:
      return "Access is denied.";
    case kDiskFull:
      return "There is not enough space on the disk.";
    case kAlreadyExists:
      return "Cannot create a file when that file already exists.";
    default:
      return "error " + std::to_string(code);
  }
}

std::string MemoryFileSystem::LocalAppData() {
  if (local_app_data_.empty()) {
    throw FileError("find the folder", "%LOCALAPPDATA%", Reason(kPathNotFound), kPathNotFound);
  }
  return local_app_data_;
}

// The current folder of a relative path and a drive's root always exist.
bool MemoryFileSystem::FolderExists(const std::string& key) const {
  return key.empty() || (key.size() == 2 && key[1] == ':') || folders_.count(key) > 0;
}

void MemoryFileSystem::CheckWritable(const std::string& key, const std::string& action,
                                     const std::string& path) const {
  for (const auto& [folder, code] : write_faults_) {
    if (key == folder || key.starts_with(folder + "\\"))
      throw FileError(action, path, Reason(code), code);
  }
}

void MemoryFileSystem::FailWritesBelow(const std::string& folder, std::uint32_t code) {
  write_faults_.emplace_back(Key(folder), code);
}

// As on Windows, a failure names the folder that could not be made, and a file in the way of one
// is a file that exists already.
void MemoryFileSystem::MakeFolders(const std::string& path) {
  std::string shown = path;
  std::replace(shown.begin(), shown.end(), '/', '\\');
  while (!shown.empty() && shown.back() == '\\') shown.pop_back();
  for (std::size_t end = shown.find('\\');; end = shown.find('\\', end + 1)) {
    const std::string level = shown.substr(0, end);
    const std::string key = Key(level);
    if (!FolderExists(key)) {
      CheckWritable(key, "create the folder", level);
      if (files_.count(key))
        throw FileError("create the folder", level, kFileInTheWay, kAlreadyExists);
      folders_.insert(key);
    }
    if (end == std::string::npos) return;
  }
}

std::vector<std::string> MemoryFileSystem::List(const std::string& folder) {
  const std::string key = Key(folder);
  std::vector<std::string> names;
  for (const auto& [path, file] : files_) {
    if (Parent(path) == key && !links_.count(path)) names.push_back(file.name);
  }
  return names;
}

bool MemoryFileSystem::IsLink(const std::string& path) {
  return links_.count(Key(path)) > 0;
}

void MemoryFileSystem::MarkLink(const std::string& path) {
  const std::string key = Key(path);
  if (!files_.count(key)) folders_.insert(key);
  links_.insert(key);
}

bool MemoryFileSystem::Exists(const std::string& path) {
  return files_.count(Key(path)) > 0;
}

std::string MemoryFileSystem::Read(const std::string& path) {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) throw FileError("read", path, Reason(kFileNotFound), kFileNotFound);
  return found->second.contents;
}

std::string MemoryFileSystem::ReadStart(const std::string& path, std::size_t bytes) {
  return Read(path).substr(0, bytes);
}

void MemoryFileSystem::Write(const std::string& path, std::string_view contents) {
  const std::string key = Key(path);
  CheckWritable(key, "write", path);
  if (!FolderExists(Parent(key))) {
    throw FileError("write", path, Reason(kPathNotFound), kPathNotFound);
  }
  if (folders_.count(key))
    throw FileError("write", path, Reason(kFileAccessDenied), kFileAccessDenied);
  files_[key] = {NameOf(path), std::string(contents)};
}

void MemoryFileSystem::Remove(const std::string& path) {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) throw FileError("delete", path, Reason(kFileNotFound), kFileNotFound);
  if (remove_fault_) throw FileError("delete", path, Reason(remove_fault_), remove_fault_);
  files_.erase(found);
}

LocalTime MemoryFileSystem::Now() {
  return clock_ ? clock_() : LocalTime{};
}

}  // namespace quellon
