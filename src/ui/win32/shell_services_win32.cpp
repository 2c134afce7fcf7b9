#include "ui/win32/shell_services_win32.h"

#include "base/win32/handles_win32.h"

namespace quellon::ui {

std::optional<std::string> BrowseForFolderWin32(HWND owner, const std::string& title) {
  char display_name[MAX_PATH] = {};
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;  // the desktop
  info.pszDisplayName = display_name;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  const auto browse = win32::SystemFunction<decltype(SHBrowseForFolderA)>(
      win32::SystemDll::kShell32, "SHBrowseForFolderA");
  const auto path_of = win32::SystemFunction<decltype(SHGetPathFromIDListA)>(
      win32::SystemDll::kShell32, "SHGetPathFromIDListA");
  const win32::ShellItemList chosen(browse(&info));
  if (!chosen) return std::nullopt;
  char path[MAX_PATH] = {};
  if (!path_of(chosen.get(), path) || path[0] == '\0') return std::nullopt;
  return std::string(path);
}

bool FolderExistsWin32(const std::string& path) {
  // An embedded NUL would test a shorter path than the one shown to the user.
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace quellon::ui
