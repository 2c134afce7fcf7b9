// What the backup adds to a save, on the real registry and files (under Wine: bench/run-backup on
// the demo machine). A save with every box ticked runs in turns with its backup and without it
// (each round the other goes first), after one of each that is not counted; the backup alone is
// timed too. Prints the medians, minima and maxima of each and the difference of the medians.
// The backups go to the user's %LOCALAPPDATA%\Quellon\Backups, where the newest 50 are kept, so
// that after 50 rounds every backup also removes the oldest one, as it does on a used machine.
//
// Usage: bench_save_backup [ROUNDS]   (default 40)

// clang-format off
#include <windows.h>
// clang-format on

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/form1.h"
#include "devices/no_devices.h"
#include "full_save.h"
#include "registry/win32/registry_win32.h"
#include "safety/program_catalogue.h"
#include "safety/transfer.h"
#include "safety/win32/file_system_win32.h"
#include "testing/headless_platform.h"

namespace {

double Millis(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

void Print(const char* label, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-22s median %8.2f ms   min %8.2f   max %8.2f   (%zu runs)\n", label,
              ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
}

double Median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quellon;
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
  Win32Registry registry;
  Win32FileSystem files;
  ui::HeadlessPlatform platform;
  ui::Application app(platform);
  NoDevices devices;
  TForm1 form(app, registry, devices, files);
  form.FormActivate();
  PrepareFullSave(form);
  std::printf("catalogue on this machine: %zu values\n", ProgramCatalogue(registry).size());

  const auto with_backup = [&] { form.SetSettingsInRegistry(); };
  const auto without = [&] { form.WriteSettingsWithoutBackup(); };
  Millis(with_backup);
  Millis(without);
  std::vector<double> with_ms, without_ms, backup_ms;
  for (int round = 0; round < rounds; ++round) {
    if (round % 2 == 0) with_ms.push_back(Millis(with_backup));
    without_ms.push_back(Millis(without));
    if (round % 2 == 1) with_ms.push_back(Millis(with_backup));
    backup_ms.push_back(Millis([&] { TakeProgramBackup(registry, files, BackupReason::kSave); }));
  }
  Print("save with its backup", with_ms);
  Print("save without it", without_ms);
  Print("backup alone", backup_ms);
  std::printf("the backup adds %.2f ms to a save (difference of the medians)\n",
              Median(with_ms) - Median(without_ms));
  return 0;
}
