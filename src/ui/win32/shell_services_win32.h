#pragma once
// The shell's folder browser and the folder test, for the Win32 platform.

#include <windows.h>

#include <optional>
#include <string>

namespace quellon::ui {

// The system's modal folder browser over `owner`, titled `title`: file-system folders only, rooted
// at the desktop, nothing preselected. Returns the chosen folder's path as the shell gives it (no
// trailing backslash except for a drive root), or nothing when the user cancels or picks
// something that has no file-system path.
[[nodiscard]] std::optional<std::string> BrowseForFolderWin32(HWND owner, const std::string& title);

// True when `path` names an existing folder (a trailing backslash is allowed).
bool FolderExistsWin32(const std::string& path);

}  // namespace quellon::ui
