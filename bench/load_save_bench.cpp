// Prints how long a full load and a full save take on a machine with many device instances, and
// what one fan-out costs. Nothing is cached between registry calls, so these grow with the number
// of instances below the media class key.

#include <chrono>
#include <cstdio>
#include <string>

#include "app/form1.h"
#include "devices/no_devices.h"
#include "settings/device_keys.h"
#include "settings/keys.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace {

using Clock = std::chrono::steady_clock;

void Seed(quellon::RegistryOps& ops, int instances) {
  for (int i = 0; i < instances; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d", i);
    const std::string key =
        std::string(quellon::settings::keys::kMediaClass) + "\\" + name + "\\DriverData";
    ops.SetRegIntKeyHKLM(key, "IsStaticTemporal", 1);
    ops.SetRegIntKeyHKLM(key, "StaticTemporalLevel", 4);
  }
}

template <class F>
double Millis(int repeats, F&& work) {
  const auto start = Clock::now();
  for (int i = 0; i < repeats; ++i) work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / repeats;
}

}  // namespace

int main() {
  for (const int instances : {10, 100, 1000}) {
    quellon::MemoryRegistry registry;
    quellon::RegistryOps ops(registry);
    Seed(ops, instances);
    quellon::ui::HeadlessPlatform platform;
    quellon::ui::Application app(platform);
    quellon::NoDevices devices;
    quellon::MemoryFileSystem files;
    quellon::TForm1 form(app, registry, devices, files);
    form.Frame150.brightness.save.SetChecked(true);
    const double read = Millis(20, [&] {
      static_cast<void>(
          quellon::settings::GetRegIntKeyHKLM_all150subkeys(ops.api(), "IsStaticTemporal"));
    });
    const double load = Millis(10, [&] { form.GetSettingsFromRegistry(); });
    const double save = Millis(10, [&] { form.SetSettingsInRegistry(); });
    std::printf("instances %5d: fan-out read %8.3f ms, full load %8.3f ms, save %8.3f ms\n",
                instances, read, load, save);
  }
}
