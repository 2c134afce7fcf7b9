// quellon-scenario-win32: runs a scenario script against the real window under the system
// registry and prints what the script asks to see, as quellon-scenario does headless.
// Exit codes: 0 done, 1 an expectation failed, 2 the script is wrong.

#include <windows.h>

#include <fstream>
#include <iostream>
#include <sstream>

// clang-format off
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include "scenario/runner.h"
#include "scenario/window_driver_win32.h"
#include "ui/win32_handles_win32.h"

int main(int argc, char** argv) {
  using namespace quellon::scenario;
  if (argc != 2) {
    std::cerr << "usage: quellon-scenario-win32 SCRIPT\n";
    return kExitUsage;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "cannot read " << argv[1] << "\n";
    return kExitUsage;
  }
  std::stringstream text;
  text << in.rdbuf();
  const std::string path = argv[1];
  const size_t slash = path.find_last_of("/\\");
  const std::string base = slash == std::string::npos ? "." : path.substr(0, slash);
  quellon::ui::win32::ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    const auto commands = ParseScript(text.str());
    WindowDriver driver(GetModuleHandleA(nullptr));
    Runner runner(driver, std::cout, base);
    const int code = runner.Run(commands);
    std::cout.flush();
    return code;
  } catch (const ScriptError& e) {
    std::cout << "error at " << e.what() << "\n";
    return kExitUsage;
  }
}
