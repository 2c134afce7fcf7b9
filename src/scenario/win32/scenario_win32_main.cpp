// quellon-scenario-win32: runs a scenario script against the real window under the system
// registry and prints what the script asks to see, as quellon-scenario does headless.
// Exit codes: 0 done, 1 an expectation failed, 2 the script is wrong.

#include <windows.h>

// clang-format off
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include "base/win32/handles_win32.h"
#include "scenario/script_file.h"
#include "scenario/win32/window_driver_win32.h"

int main(int argc, char** argv) {
  using namespace quellon::scenario;
  quellon::win32::ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  return RunScriptFromCommandLine(argc, argv, "quellon-scenario-win32", [] {
    return std::make_unique<WindowDriver>(GetModuleHandleA(nullptr));
  });
}
