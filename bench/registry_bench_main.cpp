// The registry calls of a load and a save under Wine: the program's loader and saver
// (GetSettingsFromRegistry, and the saver's writes over Win32Registry) against the bare advapi32
// sequence that makes the same changes (bare_registry_*_win32.cpp), in one process, taking turns,
// at several numbers of device instances below the media class key. A save has every save box
// ticked and "Set Capture Filter" unticked, so that it does registry work only; "save+CC" ticks
// the closed-caption box too, which adds the closed-caption walk over both driver trees. "backup"
// is the backup every save takes first (the real file, in %LOCALAPPDATA%\Quellon\Backups, where
// the newest 50 are kept) against the bare backup (bare_registry_backup_win32.cpp); "save+bk" is
// the save as the user's press of "Save settings" runs it, backup first, against the bare backup
// and the bare save. "save+SCF" is the save with "Set Capture Filter" ticked, as it is by default,
// against the bare save and the bare ProcAmp pass (bare_capture_filter_win32.cpp): the stand-in
// card filter is registered with the demo's four devices, one of them a PVR-150/500 capture
// device, as a user's machine has cards.
//
// For each size it first checks that both leave the registry in the same state (a dump after
// the program's save against one after the bare save, each from a fresh seed), counts the calls
// each makes, then times ROUNDS rounds and prints medians, spreads and ratios.
//
// Usage: registry_bench MACHINE.reg [ROUNDS] [INSTANCES...]   (run by bench/run-registry)
// Without ROUNDS (or with 0): 21 rounds below 1,000 instances, 11 below 10,000, 5 from there on.

// clang-format off
#include <windows.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bare_registry_win32.h"
#include "base/win32/handles_win32.h"
#include "devices/no_devices.h"
#include "devices/win32/directshow_devices_win32.h"
#include "registry/win32/registry_win32.h"
#include "registry_bench_calls.h"
#include "registry_bench_machine_win32.h"
#include "safety/program_catalogue.h"
#include "safety/transfer.h"
#include "safety/win32/file_system_win32.h"
#include "standin_setup_win32.h"
#include "testing/headless_platform.h"

namespace {

using namespace quellon;

// The main window without a screen, loaded once, then every save box ticked (the boxes of the
// country code and the snapshot size take a tick only with a value in place) and the filters left
// alone until SetCaptureFilter.
class Program {
 public:
  Program(RegistryApi& registry, DeviceSystem& devices)
      : registry_(registry), form_(app_, registry, devices, files_) {
    form_.GetSettingsFromRegistry();
    for (Page* page : form_.PagesInOrder())
      for (Row* row : page->rows())
        if (ui::CheckBox* save = row->SaveBox()) save->SetChecked(true);
    form_.Frame150.set_filter.box.SetChecked(false);
    form_.Frame150.set_wintv2k.box.SetChecked(true);
  }
  void Load() { form_.GetSettingsFromRegistry(); }
  void ClosedCaptions(bool ticked) { form_.Frame250.closed_caption.save->SetChecked(ticked); }
  void SetCaptureFilter(bool ticked) { form_.Frame150.set_filter.box.SetChecked(ticked); }
  // The saver's writes alone, its backup alone, and both as a press of "Save settings" runs them.
  void Save() { form_.WriteSettingsWithoutBackup(); }
  void Backup() { TakeProgramBackup(registry_, files_, BackupReason::kSave); }
  void SaveWithBackup() { form_.SetSettingsInRegistry(); }

 private:
  RegistryApi& registry_;
  ui::HeadlessPlatform platform_;
  ui::Application app_{platform_};
  Win32FileSystem files_;
  TForm1 form_;
};

bool StartsWith(const std::string& text, const std::string& start) {
  return text.size() >= start.size() && _strnicmp(text.c_str(), start.c_str(), start.size()) == 0;
}

// The keys of the plain settings a backup reads, as the program's catalogue finds them: every key
// but the device keys, which the bare backup finds itself.
std::vector<std::string> CatalogueKeys() {
  Win32Registry registry;
  std::vector<std::string> keys;
  const Catalogue catalogue = ProgramCatalogue(registry);
  for (const CatalogueKey& key : catalogue.keys()) {
    const bool device = StartsWith(key.key, std::string(bench::kMediaClass) + "\\") ||
                        StartsWith(key.key, "System\\CurrentControlSet\\Services\\Class\\") ||
                        StartsWith(key.key, "System\\CurrentControlSet\\Control\\Class\\");
    if (!device) keys.push_back(key.key);
  }
  return keys;
}

// The bare backups' folder, made afresh below %TEMP%.
std::string BareBackupFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "quellon-bench-bare";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

double Now() {
  LARGE_INTEGER frequency{}, now{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Millis(const std::function<void()>& work) {
  const double start = Now();
  work();
  return Now() - start;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string Spread(const std::vector<double>& v) {
  const auto [low, high] = std::minmax_element(v.begin(), v.end());
  char text[96];
  std::snprintf(text, sizeof text, "%9.2f (%.2f-%.2f)", Median(v), *low, *high);
  return text;
}

// The lines of `after` that `before` does not hold.
int ChangedLines(const std::string& before, const std::string& after) {
  auto lines = [](const std::string& text) {
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) v.push_back(line);
    std::sort(v.begin(), v.end());
    return v;
  };
  const auto a = lines(before), b = lines(after);
  std::vector<std::string> changed;
  std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(changed));
  return static_cast<int>(changed.size());
}

// Both saves from the same seed; false when the registry ends up different.
bool SameEndState(const std::string& machine, int instances, bool closed_captions) {
  bench::SeedMachine(machine, instances);
  const std::string seeded = bench::DumpMachine();
  {
    Win32Registry registry;
    NoDevices devices;
    Program program(registry, devices);
    program.Load();
    program.ClosedCaptions(closed_captions);
    program.Save();
  }
  const std::string by_program = bench::DumpMachine();
  bench::SeedMachine(machine, instances);
  bench::BareSave(bench::BareLoad(), closed_captions);
  const std::string by_bare = bench::DumpMachine();
  const char* what = closed_captions ? "save+CC" : "save";
  if (by_program == by_bare) {
    std::printf("  end state after %-7s identical to the bare sequence's (%d lines changed)\n",
                what, ChangedLines(seeded, by_program));
    return true;
  }
  std::printf(
      "  end state after %-7s DIFFERS: %d lines only after the program's save, %d only "
      "after the bare one\n",
      what, ChangedLines(by_bare, by_program), ChangedLines(by_program, by_bare));
  return false;
}

// The demo's cards: a capture and an encoder device for each card family.
void AddCards(StandinPrefix& standin) {
  const std::string proxy = "{17CCA71B-ECD7-11D0-B908-00A0C9223196}";
  for (const char* family : {"PVR PCI II", "PVR 350"}) {
    const std::string name = std::string("Hauppauge WinTV ") + family;
    standin.Add({false, name + " Capture", proxy, true, true});
    standin.Add({true, name + " Encoder", proxy, true, true});
  }
}

// Both give the stand-in filters the same ProcAmp values; false when they do not.
bool SameProcampSets(StandinPrefix& standin) {
  Win32Registry registry;
  DirectShowDevices cards([] { return HWND{}; });
  Program program(registry, cards);
  program.SetCaptureFilter(true);
  standin.TakeProcampLog();
  program.Save();
  const std::string by_program = standin.TakeProcampLog();
  bench::BareSetCaptureFilter(bench::BareLoad());
  const std::string by_bare = standin.TakeProcampLog();
  const bool same = !by_program.empty() && by_program == by_bare;
  std::printf("  ProcAmp values of save+SCF %s the bare pass's (%d set)\n",
              same ? "identical to" : "DIFFER from",
              static_cast<int>(std::count(by_program.begin(), by_program.end(), '\n')));
  if (!same) std::printf("program:\n%sbare:\n%s", by_program.c_str(), by_bare.c_str());
  return same;
}

void PrintCalls(const char* what, const bench::CallCounts& program, const bench::CallCounts& bare) {
  for (const auto& [who, c] : {std::pair{"program", program}, std::pair{"bare", bare}}) {
    std::printf("  %-8s %-8s %7ld %7ld %7ld %7ld %8ld %8ld %5ld %7ld %8ld\n", what, who, c.open,
                c.create, c.query, c.set, c.enum_key, c.enum_value, c.info, c.close, c.Total());
  }
}

// Counted on the second pass: the first writes what a save adds, which the next listing sees.
void CountCalls(const std::vector<std::string>& keys, const std::string& folder) {
  Win32Registry registry;
  bench::CountingRegistry counting(registry);
  NoDevices devices;
  Program program(counting, devices);
  std::printf("  calls             %7s %7s %7s %7s %8s %8s %5s %7s %8s\n", "open", "create",
              "query", "set", "enumkey", "enumval", "info", "close", "total");
  bench::Loaded loaded;
  for (const bool print : {false, true}) {
    for (const std::string what : {"load", "save", "save+CC", "backup"}) {
      const bool load = what == "load", cc = what == "save+CC";
      counting.calls = {};
      bench::BareCalls() = {};
      if (load) {
        program.Load();
        loaded = bench::BareLoad();
      } else if (what == "backup") {
        program.Backup();
        bench::BareBackup(keys, folder);
      } else {
        program.ClosedCaptions(cc);
        program.Save();
        bench::BareSave(loaded, cc);
      }
      if (print) PrintCalls(what.c_str(), counting.calls, bench::BareCalls());
    }
  }
}

struct Timing {
  std::vector<double> program, bare, ratio;
};

// The ratio of the medians, the median of the rounds' ratios with their spread, and the ratio of
// the fastest runs: on a busy machine the fastest run of each is the one least disturbed.
void PrintTiming(const char* what, const Timing& t) {
  const auto [low, high] = std::minmax_element(t.ratio.begin(), t.ratio.end());
  const double fastest = *std::min_element(t.program.begin(), t.program.end()) /
                         *std::min_element(t.bare.begin(), t.bare.end());
  std::printf("  %-8s program %s  bare %s  ratio %.3f, per round %.3f (%.3f-%.3f), fastest %.3f\n",
              what, Spread(t.program).c_str(), Spread(t.bare).c_str(),
              Median(t.program) / Median(t.bare), Median(t.ratio), *low, *high, fastest);
}

void TimeRounds(int rounds, const std::vector<std::string>& keys, const std::string& folder) {
  Win32Registry registry;
  NoDevices no_devices;
  Program program(registry, no_devices);
  DirectShowDevices cards([] { return HWND{}; });
  Program with_cards(registry, cards);
  with_cards.SetCaptureFilter(true);
  bench::Loaded loaded = bench::BareLoad();
  program.Load();
  Timing load, save, save_cc, backup, save_backup, save_scf;
  for (int round = 0; round < rounds; ++round) {
    const bool program_first = round % 2 == 0;
    auto both = [&](Timing& t, const std::function<void()>& by_program,
                    const std::function<void()>& by_bare) {
      double p = 0, b = 0;
      if (program_first) p = Millis(by_program);
      b = Millis(by_bare);
      if (!program_first) p = Millis(by_program);
      t.program.push_back(p);
      t.bare.push_back(b);
      t.ratio.push_back(p / b);
    };
    both(
        load, [&] { program.Load(); }, [&] { loaded = bench::BareLoad(); });
    program.ClosedCaptions(false);
    both(
        save, [&] { program.Save(); }, [&] { bench::BareSave(loaded, false); });
    program.ClosedCaptions(true);
    both(
        save_cc, [&] { program.Save(); }, [&] { bench::BareSave(loaded, true); });
    program.ClosedCaptions(false);
    both(
        backup, [&] { program.Backup(); }, [&] { bench::BareBackup(keys, folder); });
    both(
        save_backup, [&] { program.SaveWithBackup(); },
        [&] {
          bench::BareBackup(keys, folder);
          bench::BareSave(loaded, false);
        });
    both(
        save_scf, [&] { with_cards.Save(); },
        [&] {
          bench::BareSave(loaded, false);
          bench::BareSetCaptureFilter(loaded);
        });
  }
  std::printf("  ms, median (min-max) of %d rounds\n", rounds);
  PrintTiming("load", load);
  PrintTiming("save", save);
  PrintTiming("save+CC", save_cc);
  PrintTiming("backup", backup);
  PrintTiming("save+bk", save_backup);
  PrintTiming("save+SCF", save_scf);
}

// A round at 20 instances takes a fraction of a second under Wine, one at 10,000 minutes.
int DefaultRounds(int instances) {
  return instances < 1000 ? 21 : instances < 10000 ? 11 : 5;
}

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: registry_bench MACHINE.reg [ROUNDS] [INSTANCES...]\n");
    return 2;
  }
  const std::string machine = ReadFile(argv[1]);
  const int given_rounds = argc > 2 ? std::atoi(argv[2]) : 0;
  std::vector<int> sizes;
  for (int i = 3; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {20, 200, 2000, 10000};
  bool same = true;
  try {
    const quellon::win32::ComApartment com;
    StandinPrefix standin;
    AddCards(standin);
    for (const int instances : sizes) {
      std::printf("%d device instances\n", instances);
      same = SameEndState(machine, instances, false) && same;
      same = SameEndState(machine, instances, true) && same;
      same = SameProcampSets(standin) && same;
      const double seeding = Millis([&] { bench::SeedMachine(machine, instances); });
      std::printf("  seeded in %.0f ms\n", seeding);
      const std::vector<std::string> keys = CatalogueKeys();
      const std::string folder = BareBackupFolder();
      CountCalls(keys, folder);
      TimeRounds(given_rounds > 0 ? given_rounds : DefaultRounds(instances), keys, folder);
      std::fflush(stdout);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "registry_bench: %s\n", e.what());
    return 1;
  }
  return same ? 0 : 1;
}
