// Prints how long a backup takes (snapshot of every catalogue value, the .reg text, the file and
// the rotation) and how long an import of such a file takes, for catalogues of growing size: the
// fan-out's device instances make a catalogue grow with the machine.

#include <chrono>
#include <cstdio>
#include <string>

#include "registry/registry_ops.h"
#include "safety/transfer.h"
#include "settings/keys.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
double Millis(int repeats, F&& work) {
  const auto start = Clock::now();
  for (int i = 0; i < repeats; ++i) work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / repeats;
}

// Eight values in each instance's DriverData, every second one present.
quellon::Catalogue Seed(quellon::RegistryOps& ops, int instances) {
  quellon::Catalogue catalogue;
  for (int i = 0; i < instances; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d", i);
    const std::string key =
        std::string(quellon::settings::keys::kMediaClass) + "\\" + name + "\\DriverData";
    for (int v = 0; v < 8; ++v) {
      const std::string value = "Value" + std::to_string(v);
      if (v % 2 == 0) ops.SetRegIntKeyHKLM(key, value, v);
      catalogue.Add(quellon::kHkeyLocalMachine, key, value);
    }
  }
  return catalogue;
}

}  // namespace

int main() {
  for (const int instances : {4, 40, 400}) {
    quellon::MemoryRegistry registry;
    quellon::RegistryOps ops(registry);
    const quellon::Catalogue catalogue = Seed(ops, instances);
    quellon::LocalTime now{2026, 12, 8, 14, 55, 3};
    quellon::MemoryFileSystem files([&] { return now = quellon::AddSeconds(now, 1); });
    quellon::BackupStore backups(files);
    const double backup = Millis(60, [&] {
      quellon::TakeBackup(registry, catalogue, backups, quellon::BackupReason::kSave);
    });
    quellon::ExportSettings(registry, catalogue, files, "all.reg");
    const double import =
        Millis(20, [&] { quellon::ImportSettings(registry, catalogue, backups, "all.reg"); });
    std::printf("catalogue %5zu values (%6zu bytes as .reg): backup %8.3f ms, import %8.3f ms\n",
                catalogue.size(), files.Read("all.reg").size(), backup, import);
  }
}
