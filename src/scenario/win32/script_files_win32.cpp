// The folder of a script's run for the program's files, and its removal with everything in it.

#include <stdexcept>
#include <string>

#include "base/win32/handles_win32.h"
#include "scenario/win32/window_driver_win32.h"

namespace quellon::scenario {
namespace {

std::string MakeRunFolder() {
  char temp[MAX_PATH] = {};
  if (!GetTempPathA(sizeof temp, temp)) throw std::runtime_error("no temporary folder");
  const std::string folder =
      std::string(temp) + "quellon-scenario-" + std::to_string(GetCurrentProcessId());
  if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    throw std::runtime_error("cannot make " + folder);
  return folder;
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  const win32::UniqueFind search(FindFirstFileA((folder + "\\*").c_str(), &found));
  if (search) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search.get(), &found));
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

ScriptFiles::ScriptFiles(ScriptClock& clock) : Win32FileSystem(MakeRunFolder()), clock_(clock) {}

ScriptFiles::~ScriptFiles() {
  RemoveTree(base());
}

}  // namespace quellon::scenario
