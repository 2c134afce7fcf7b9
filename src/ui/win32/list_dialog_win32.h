#pragma once
// The list dialog of the Win32 platform: a modal dialog with a label, a list box and the buttons
// to take a row or cancel, laid out at the DPI the main window is drawn at.

#include <windows.h>

#include <cstddef>
#include <optional>

#include "ui/platform.h"

namespace quellon::ui::win32 {

// The dialog's control ids, for tests that drive it.
inline constexpr int kListDialogList = 100;
inline constexpr int kListDialogLabel = 101;

// Runs the dialog over `owner` at `dpi`: the row taken (Enter, a double click, the take button),
// or nothing when the user cancels (Esc, Cancel, the close box) or it cannot be shown.
[[nodiscard]] std::optional<std::size_t> ChooseFromListWin32(HWND owner, const ListDialog& dialog,
                                                             int dpi);

}  // namespace quellon::ui::win32
