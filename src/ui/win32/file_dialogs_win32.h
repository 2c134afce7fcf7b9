#pragma once
// The common file dialogs (comdlg32), for the Win32 platform.

#include <windows.h>

#include <optional>
#include <string>

#include "ui/platform.h"

namespace quellon::ui {

// The system's modal dialog that opens or saves a file over `owner`: the chosen file's full path,
// or nothing when the user cancels or the dialog fails. The open dialog takes only a file that
// exists; neither changes the current folder.
[[nodiscard]] std::optional<std::string> ChooseFileWin32(HWND owner, const FileDialog& dialog);

}  // namespace quellon::ui
