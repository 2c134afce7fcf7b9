// libFuzzer harness for the settings profile reader: any bytes are read as a profile against the
// rows of one headless main window. A refusal is an answer; a crash, a sanitizer report or another
// escaping exception is a finding. A profile that is taken is filled into the pages, and the
// profile then written from them must be taken in turn: what a save writes always reads back.
// fuzz/run --profile builds and runs it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/form1.h"
#include "app/profile.h"
#include "devices/no_devices.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace {

struct Window {
  quellon::MemoryRegistry registry;
  quellon::ui::HeadlessPlatform platform;
  quellon::ui::Application app{platform};
  quellon::NoDevices devices;
  quellon::MemoryFileSystem files;
  quellon::TForm1 form{app, registry, devices, files};
  quellon::ProfileSettings settings = quellon::SettingsOf(form);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quellon;
  static Window window;
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    FillPages(window.form, ReadProfile(text, window.settings, "fuzz.ini"));
  } catch (const ProfileRefused&) {
    return 0;
  }
  static_cast<void>(window.platform.TakeShown());
  window.form.Memo1.SetLines({});
  const std::string written = WriteProfile(window.settings);
  try {
    static_cast<void>(ReadProfile(written, window.settings, "written.ini"));
  } catch (const ProfileRefused&) {
    std::abort();  // a profile the program wrote that it will not read
  }
  return 0;
}
