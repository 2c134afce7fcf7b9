// The form's own commands in the window's system menu (Alt+Space, or a click on the window's
// icon), after the system's commands and a separator.

#include <windows.h>

#include "ui/win32/mirror_win32.h"

namespace quellon::ui::win32 {
namespace {

// The system keeps the low four bits of a command for itself and uses 0xF000 and up; ours lie
// below, 16 apart.
constexpr UINT kFirstCommand = 0x0100;
constexpr UINT kCommandStep = 0x10;

}  // namespace

void Win32Mirror::AddSystemMenu() {
  if (form_.system_menu.empty()) return;
  const HMENU menu = GetSystemMenu(form_window_, FALSE);
  if (!menu) return;
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  UINT command = kFirstCommand;
  for (const MenuCommand& item : form_.system_menu) {
    AppendMenuA(menu, MF_STRING, command, item.caption.c_str());
    command += kCommandStep;
  }
}

bool Win32Mirror::RunSystemCommand(WPARAM command) {
  const UINT id = static_cast<UINT>(command) & 0xFFF0;
  if (id < kFirstCommand) return false;
  const std::size_t index = (id - kFirstCommand) / kCommandStep;
  if (index >= form_.system_menu.size()) return false;
  Dispatch(form_.system_menu[index].run);
  return true;
}

}  // namespace quellon::ui::win32
