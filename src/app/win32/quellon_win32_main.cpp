// quellon.exe: COM for the GUI thread, the main window over the real registry and devices, and the
// message loop until the window is closed. With arguments it runs a console command instead.

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/form1.h"
#include "app/res/resource_ids.h"
#include "app/win32/console_win32.h"
#include "base/win32/handles_win32.h"
#include "devices/win32/directshow_devices_win32.h"
#include "quellon_version.h"
#include "registry/win32/registry_win32.h"
#include "safety/program_catalogue.h"
#include "safety/win32/file_system_win32.h"
#include "ui/application.h"
#include "ui/win32/message_loop_win32.h"
#include "ui/win32/mirror_win32.h"
#include "ui/win32/platform_win32.h"

// The runtime's own handler for an exception that nothing catches writes the exception's demangled
// type to a console that a window program does not have, and brings the demangler along. Every
// handler of the program catches what it throws; should one slip through, ending is all there is.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

namespace {

int RunProgram(HINSTANCE instance, int show) {
  using namespace quellon;
  win32::ComApartment com;  // before the window: the filter graph lives in this apartment
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  Win32Registry registry;
  HWND form_window = nullptr;  // the owner of the filters' property frames, once it exists
  DirectShowDevices devices([&form_window] { return form_window; });
  Win32FileSystem files;
  ui::win32::Win32Platform platform;
  ui::Application app(platform);
  TForm1 form(app, registry, devices, files);
  ui::win32::Win32Mirror mirror(app, form, instance, kIconId);
  platform.AttachMirror(&mirror);
  form_window = mirror.form_window();
  mirror.on_activate = [&form] { form.FormActivate(); };
  mirror.Show(show);
  ui::win32::MessageLoop loop(app, mirror);
  const int code = loop.Run();
  platform.AttachMirror(nullptr);
  return code;
}

int RunCommand(const quellon::Command& command) {
  quellon::Win32Registry registry;
  quellon::Win32FileSystem files;
  const quellon::ConsoleServices services{registry, files, &quellon::ProgramCatalogue};
  std::string out, err;
  const int code = quellon::RunConsoleCommand(command, QUELLON_VERSION_TEXT, services, out, err);
  const quellon::ConsoleStreams console;
  console.WriteOut(out);
  console.WriteErr(err);
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  // The runtime has split the command line into __argv the way Windows programs quote arguments.
  const std::vector<std::string> args(__argv + 1, __argv + __argc);
  const quellon::Command command = quellon::ParseCommandLine(args);
  if (command.action != quellon::CommandAction::kShowWindow) return RunCommand(command);
  try {
    return RunProgram(instance, show);
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), "Error", MB_OK | MB_ICONERROR);
    return 1;
  }
}
