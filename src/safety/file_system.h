#pragma once
// The few file services the safety net asks of the system: the user's local application data
// folder, folders, whole files and the local time that names backups. The Win32 backend
// (file_system_win32.cpp) calls the system; MemoryFileSystem keeps everything in memory for tests
// and scenarios. Paths are Windows paths; a relative one is taken from the current folder.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/status_error.h"

namespace quellon {

struct LocalTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

// The time `seconds` later, across days, months and years.
LocalTime AddSeconds(const LocalTime& time, long long seconds);

// The category of the Win32 error codes the file services keep.
const std::error_category& FileCategory();

// A file operation the system refused, with the system's error code. The text names the file and
// the system's reason: Cannot write "C:\x\y.reg": Access is denied.
class FileError : public StatusError {
 public:
  // `action` completes "Cannot ...": "read", "write", "create the folder", ...
  FileError(const std::string& action, const std::string& path, const std::string& reason,
            std::uint32_t code);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A file or folder refused because it is a link (a junction or symbolic link), which the program
// does not follow: Cannot use the folder "C:\x": It is a link to another place ...
FileError LinkRefused(const std::string& action, const std::string& path);

// Why a folder cannot be made where a file of its name stands. The program's own words, as the
// system's own ("Cannot create a file when that file already exists.") name the wrong thing and
// differ from one system to the next.
inline constexpr const char* kFileInTheWay = "A file of that name is in the way.";

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The user's local application data folder (%LOCALAPPDATA%).
  virtual std::string LocalAppData() = 0;
  // Creates the folder and every missing folder above it.
  virtual void MakeFolders(const std::string& path) = 0;
  // The names of the plain files in a folder, in no particular order (neither folders nor links);
  // none when it is missing.
  virtual std::vector<std::string> List(const std::string& folder) = 0;
  // True when `path` is a link to another place, file or folder: a symbolic link or a junction.
  virtual bool IsLink(const std::string& path) = 0;
  // True when `path` names a file (not a folder).
  virtual bool Exists(const std::string& path) = 0;
  virtual std::string Read(const std::string& path) = 0;
  // The first `bytes` bytes of the file, or all of a shorter one; like Read, never through a link.
  virtual std::string ReadStart(const std::string& path, std::size_t bytes) = 0;
  // Writes the whole file under a temporary name beside it and then puts that in place of `path`,
  // so that a write that fails leaves an earlier file of that name as it was. The temporary name
  // is new and unpredictable: the folder may belong to someone who could plant a file there.
  virtual void Write(const std::string& path, std::string_view contents) = 0;
  virtual void Remove(const std::string& path) = 0;
  virtual LocalTime Now() = 0;
};

}  // namespace quellon
