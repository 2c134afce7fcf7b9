#pragma once
// Files kept in memory, for tests and the headless scenarios: paths compare without regard to case
// as on Windows, a file goes only into a folder that exists (a relative path's current folder
// always does), and faults make writes and removals fail as a full disk or a locked file would.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "safety/file_system.h"

namespace quellon {

inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kPathNotFound = 3;
inline constexpr std::uint32_t kFileAccessDenied = 5;
inline constexpr std::uint32_t kDiskFull = 112;
inline constexpr std::uint32_t kAlreadyExists = 183;

class MemoryFileSystem final : public FileSystem {
 public:
  // `clock` gives the local time; without one it is always the start of the year 2000.
  explicit MemoryFileSystem(std::function<LocalTime()> clock = {});

  std::string LocalAppData() override;
  void MakeFolders(const std::string& path) override;
  std::vector<std::string> List(const std::string& folder) override;
  bool IsLink(const std::string& path) override;
  bool Exists(const std::string& path) override;
  std::string Read(const std::string& path) override;
  std::string ReadStart(const std::string& path, std::size_t bytes) override;
  void Write(const std::string& path, std::string_view contents) override;
  void Remove(const std::string& path) override;
  LocalTime Now() override;

  // "" makes the folder unknown, as on a system that has none.
  void SetLocalAppData(std::string path) { local_app_data_ = std::move(path); }
  // Every write and folder creation below `folder` fails with `code` from now on.
  void FailWritesBelow(const std::string& folder, std::uint32_t code);
  // The file or folder at `path` is a link (a symbolic link or a junction) from now on; where
  // nothing is, a folder link is made.
  void MarkLink(const std::string& path);
  // Every removal fails with `code` from now on.
  void FailRemoves(std::uint32_t code) { remove_fault_ = code; }
  // The texts Windows gives for the codes this class raises.
  static std::string Reason(std::uint32_t code);

 private:
  struct File {
    std::string name;  // as it was written, without its folder
    std::string contents;
  };
  bool FolderExists(const std::string& key) const;
  void CheckWritable(const std::string& key, const std::string& action,
                     const std::string& path) const;

  std::function<LocalTime()> clock_;
  std::string local_app_data_ = "C:\\Users\\User\\AppData\\Local";
  std::map<std::string, File> files_;  // by the lower-cased full path
  std::set<std::string> folders_;      // lower-cased
  std::set<std::string> links_;        // lower-cased, files or folders
  std::vector<std::pair<std::string, std::uint32_t>> write_faults_;
  std::uint32_t remove_fault_ = 0;
};

}  // namespace quellon
