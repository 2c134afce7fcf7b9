#pragma once
// The file services over the system's own calls (kernel32, shell32), with the system's texts for
// its errors.

#include <cstdint>
#include <string>

#include "base/win32/handles_win32.h"
#include "safety/file_system.h"

namespace quellon {

class Win32FileSystem : public FileSystem {
 public:
  // Relative paths are taken from `base` when it is given, otherwise from the current directory.
  explicit Win32FileSystem(std::string base = {}) : base_(std::move(base)) {}

  // %LOCALAPPDATA% from the environment, or the shell's local application data folder where the
  // environment has none (Windows XP).
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

 protected:
  const std::string& base() const { return base_; }

 private:
  std::string Resolve(const std::string& path) const;
  win32::UniqueFile OpenToRead(const std::string& path, long long* size) const;

  std::string base_;
};

// The system's text for a Win32 error code (FormatMessageA), without its line end; "error N" when
// the system has none.
std::string SystemErrorText(std::uint32_t code);

}  // namespace quellon
