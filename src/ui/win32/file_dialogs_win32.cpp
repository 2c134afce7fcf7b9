#include "ui/win32/file_dialogs_win32.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>  // needs the types of windows.h
// clang-format on

#include "base/win32/handles_win32.h"

namespace quellon::ui {

std::optional<std::string> ChooseFileWin32(HWND owner, const FileDialog& dialog) {
  // Pairs of the shown name and its pattern, each ended by a zero, and one more zero at the end.
  const std::string filter =
      dialog.filter + '\0' + dialog.pattern + '\0' + "All files (*.*)" + '\0' + "*.*" + '\0' + '\0';
  char path[MAX_PATH] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.lpstrTitle = dialog.title.c_str();
  ofn.lpstrDefExt = dialog.extension.empty() ? nullptr : dialog.extension.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (!dialog.save) ofn.Flags |= OFN_FILEMUSTEXIST;
  const auto save = win32::SystemFunction<decltype(GetSaveFileNameA)>(
      win32::SystemDll::kCommonDialogs, "GetSaveFileNameA");
  const auto open = win32::SystemFunction<decltype(GetOpenFileNameA)>(
      win32::SystemDll::kCommonDialogs, "GetOpenFileNameA");
  const BOOL chosen = dialog.save ? save(&ofn) : open(&ofn);
  if (!chosen || path[0] == '\0') return std::nullopt;
  return std::string(path);
}

}  // namespace quellon::ui
