// The long-use soak: the real window (the scenario runner's window driver, in this process, over
// the system registry seeded with the demo machine) goes through CYCLES cycles of "Reset", every
// tab in turn, six save boxes of the 150/500 page ticked and "Save settings" (with "Set Capture
// Filter" ticked, as it starts). Every EVERY cycles it counts what the process holds (kernel
// handles, GDI objects, windows and menus, heap bytes and blocks, the blocks also by heap: the C
// runtime's, where the program's own objects live, and the process heap) and prints it with the
// time a cycle took since the last count; at the end the first and last counts and their slope per
// 1,000 cycles, and the heap's growth split into what the debug log explains (it grows by design),
// what the system keeps of the message boxes the saves show, and what is left. The demo's stand-in
// cards are installed (a capture and an encoder filter for each of the two card families), as a
// user's machine has cards; "nodevices" leaves them out. With cards, as many bare cycles of the
// program's calls to the system's device enumerator (no code of the program) are made in the same
// process after the soak (1,000 at most), and the handles and blocks both gained per cycle are
// printed side by side, the handles by name.
//
// Usage: soak MACHINE.reg CYCLES [EVERY] [nodevices]   (run by bench/run-soak)

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include <dshow.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/win32/handles_win32.h"
#include "registry/reg_file.h"
#include "scenario/win32/window_driver_win32.h"
#include "soak_bare_cycle_win32.h"
#include "soak_counts_win32.h"

namespace {

using quellon::scenario::WindowDriver;

struct Sample {
  int cycle;
  double seconds;
  bench::Counts counts;
  long memo_lines;  // the hidden debug log grows by design: every load adds its lines
};

double Seconds() {
  LARGE_INTEGER frequency{}, now{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Cycle(WindowDriver& driver) {
  driver.Click("Form1.Reset");
  for (int tab = 0; tab < 5; ++tab) driver.SelectTab(tab);
  driver.SelectTab(3);
  for (const char* box : {"Frame150.CheckBox1", "Frame150.CheckBox2", "Frame150.CheckBox5",
                          "Frame150.CheckBox6", "Frame150.CheckBox7", "Frame150.CheckBox8"})
    driver.Click(box);
  driver.Click("Form1.Save");
  static_cast<void>(driver.TakeShown());  // "Settings saved", answered already
  // The stand-in cards record every value they are given, for the scenarios: taken, it stays small.
  static_cast<void>(driver.TakeProcamp());
}

void Print(const Sample& s, double ms_per_cycle) {
  const bench::Counts& c = s.counts;
  std::printf("%7d %8.1f %8.1f %8ld %6ld %8ld %6ld %10.1f %8ld %8ld %8ld %8ld\n", s.cycle,
              s.seconds, ms_per_cycle, c.handles, c.gdi, c.windows, c.menus,
              static_cast<double>(c.heap_bytes) / 1024, c.heap_blocks, c.runtime_blocks,
              c.process_blocks, s.memo_lines);
  std::fflush(stdout);
}

using Measure = double (*)(const Sample&);

// Least squares over the samples after the first: the growth per 1,000 cycles.
double Slope(const std::vector<Sample>& samples, Measure of) {
  double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (size_t i = 1; i < samples.size(); ++i) {
    const double x = samples[i].cycle, y = of(samples[i]);
    n += 1, sx += x, sy += y, sxx += x * x, sxy += x * y;
  }
  const double d = n * sxx - sx * sx;
  return d == 0 ? 0 : 1000 * (n * sxy - sx * sy) / d;
}

// From the first count after a cycle: the first cycle makes the pages' windows.
void Summary(const std::vector<Sample>& samples, const std::vector<double>& cycle_ms) {
  const Sample& first = samples[std::min<size_t>(1, samples.size() - 1)];
  const Sample& last = samples.back();
  const std::pair<const char*, Measure> rows[] = {
      {"handles", [](const Sample& s) { return double(s.counts.handles); }},
      {"GDI objects", [](const Sample& s) { return double(s.counts.gdi); }},
      {"windows", [](const Sample& s) { return double(s.counts.windows); }},
      {"menus", [](const Sample& s) { return double(s.counts.menus); }},
      {"heap KB", [](const Sample& s) { return double(s.counts.heap_bytes) / 1024; }},
      {"heap blocks", [](const Sample& s) { return double(s.counts.heap_blocks); }},
      {"  runtime's", [](const Sample& s) { return double(s.counts.runtime_blocks); }},
      {"  process's", [](const Sample& s) { return double(s.counts.process_blocks); }},
      {"  others'",
       [](const Sample& s) {
         return double(s.counts.heap_blocks - s.counts.runtime_blocks - s.counts.process_blocks);
       }},
      {"log lines", [](const Sample& s) { return double(s.memo_lines); }},
  };
  const std::string from = "cycle " + std::to_string(first.cycle);
  std::printf("\n%-12s %10s %10s %10s %16s\n", "", from.c_str(), "last", "change",
              "per 1000 cycles");
  for (const auto& [name, of] : rows) {
    std::printf("%-12s %10.1f %10.1f %+10.1f %+16.2f\n", name, of(first), of(last),
                of(last) - of(first), Slope(samples, of));
  }
  if (cycle_ms.empty()) return;
  std::vector<double> sorted = cycle_ms;
  std::sort(sorted.begin(), sorted.end());
  std::printf(
      "ms per cycle: first count %.1f, last %.1f, median %.1f, min %.1f, max %.1f over %zu "
      "counts; %d cycles in %.0f s\n",
      cycle_ms.front(), cycle_ms.back(), sorted[sorted.size() / 2], sorted.front(), sorted.back(),
      cycle_ms.size(), last.cycle, last.seconds);
}

struct Growth {
  double kb = 0;
  long blocks = 0;
};

Growth Between(const bench::Counts& before, const bench::Counts& after) {
  return {(double(after.heap_bytes) - double(before.heap_bytes)) / 1024,
          after.heap_blocks - before.heap_blocks};
}

// The debug log grows by design: every load appends its lines to Memo1, in the model and in its
// native edit. The lines the log gained between the first and the last count are held once more,
// in a hidden edit of Memo1's style that already holds the lines it had at the first count,
// appended one at a time as the window appends them, and in a list of strings like the model's.
Growth LogShare(const std::vector<std::string>& log, const Sample& first, const Sample& last) {
  using quellon::win32::UniqueWindow;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const UniqueWindow parent(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr,
                                            nullptr, instance, nullptr));
  const UniqueWindow edit(CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", "",
      WS_CHILD | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0, 185,
      89, parent.get(), nullptr, instance, nullptr));
  const auto had = static_cast<size_t>(std::clamp<long>(first.memo_lines, 0, long(log.size())));
  const auto has = static_cast<size_t>(std::clamp<long>(last.memo_lines, 0, long(log.size())));
  // The window lifts Memo1's limit too; with the default of 30,000 characters the edit would
  // stop taking lines long before the log does.
  SendMessageA(edit.get(), EM_SETLIMITTEXT, 0, 0);
  std::vector<std::string> copy(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(had));
  std::string text;
  for (size_t i = 0; i < had; ++i) text += (i ? "\r\n" : "") + log[i];
  SetWindowTextA(edit.get(), text.c_str());
  const bench::Counts before = bench::CountResources();
  for (size_t i = had; i < has; ++i) {
    copy.push_back(log[i]);
    const std::string line = (i ? "\r\n" : "") + log[i];
    const auto end = static_cast<WPARAM>(GetWindowTextLengthA(edit.get()));
    SendMessageA(edit.get(), EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(edit.get(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
  }
  return Between(before, bench::CountResources());
}

// Every save ends with the message box "Settings saved". The same box, shown as often with
// MessageBoxA alone and answered the same way, measures what the system keeps of each.
Growth BoxShare(WindowDriver& driver, int boxes) {
  const bench::Counts before = bench::CountResources();
  for (int i = 0; i < boxes; ++i) {
    MessageBoxA(nullptr, "Settings saved", "Quellon", MB_OK);
    static_cast<void>(driver.TakeShown());
  }
  return Between(before, bench::CountResources());
}

// What the heap gained from the first count to the last, less the log's and the boxes' shares:
// what is left would be a leak of the program's own.
void PrintHeapShares(WindowDriver& driver, const std::vector<Sample>& samples) {
  const Sample& first = samples[std::min<size_t>(1, samples.size() - 1)];
  const Sample& last = samples.back();
  const Growth grown = Between(first.counts, last.counts);
  const Growth log = LogShare(driver.MemoLines(), first, last);
  const Growth boxes = BoxShare(driver, last.cycle - first.cycle);
  const auto row = [](const std::string& what, const Growth& g) {
    std::printf("%-44s %+10.1f KB %+8ld blocks\n", what.c_str(), g.kb, g.blocks);
  };
  row("heap from cycle " + std::to_string(first.cycle) + " to the end", grown);
  row("  the log's " + std::to_string(last.memo_lines - first.memo_lines) +
          " new lines held once more",
      log);
  row("  " + std::to_string(last.cycle - first.cycle) + " bare message boxes", boxes);
  row("  left", {grown.kb - log.kb - boxes.kb, grown.blocks - log.blocks - boxes.blocks});
}

// The handles `after` holds that `before` did not, by kind and name, per cycle of `cycles`, the
// most frequent first.
void PrintNewHandles(const std::string& what, const std::vector<std::string>& before,
                     const std::vector<std::string>& after, int cycles) {
  std::map<std::string, long> grown;
  for (const std::string& name : after) ++grown[name];
  for (const std::string& name : before) --grown[name];
  std::vector<std::pair<long, std::string>> rows;
  for (const auto& [name, count] : grown)
    if (count != 0) rows.emplace_back(count, name);
  std::sort(rows.rbegin(), rows.rend());
  std::printf("%s:%s\n", what.c_str(), rows.empty() ? " none" : "");
  for (size_t i = 0; i < rows.size() && i < 8; ++i)
    std::printf("  %+8.2f  %s\n", double(rows[i].first) / cycles, rows[i].second.c_str());
}

void PrintPerCycle(const std::string& what, const bench::Counts& from, const bench::Counts& to,
                   int cycles) {
  const auto per = [cycles](long a, long b) { return double(b - a) / cycles; };
  std::printf("%-36s %+8.2f handles %+8.2f runtime %+8.2f process blocks\n", what.c_str(),
              per(from.handles, to.handles), per(from.runtime_blocks, to.runtime_blocks),
              per(from.process_blocks, to.process_blocks));
}

// What the program gained per cycle, against what as many bare cycles (its calls to the device
// enumerator, no code of its own) keep: the same handles by the same names are the enumerator's.
void PrintDeviceShare(const std::vector<Sample>& samples,
                      const std::vector<std::string>& first_handles) {
  const Sample& first = samples[std::min<size_t>(1, samples.size() - 1)];
  const Sample& last = samples.back();
  const int cycles = std::max(1, last.cycle - first.cycle);
  const int bare = std::min(cycles, 1000);
  PrintNewHandles("\nhandles the program gained per cycle after the first count", first_handles,
                  bench::HandleNames(), cycles);
  // The program's graph is made once, at its first binding.
  quellon::win32::ComPtr<IGraphBuilder> graph;
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                              reinterpret_cast<void**>(graph.GetAddressOf()))))
    return;
  bench::BareDeviceCycle(*graph.Get());
  const std::vector<std::string> names = bench::HandleNames();
  const bench::Counts before = bench::CountResources();
  for (int i = 0; i < bare; ++i) bench::BareDeviceCycle(*graph.Get());
  const bench::Counts after = bench::CountResources();
  const std::string made = " (" + std::to_string(bare) + " made)";
  PrintNewHandles("handles per bare cycle" + made, names, bench::HandleNames(), bare);
  std::printf("\n");
  PrintPerCycle("per cycle of the program", first.counts, last.counts, cycles);
  PrintPerCycle("per bare cycle" + made, before, after, bare);
}

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int Soak(const std::string& machine, int cycles, int every, bool devices) {
  WindowDriver driver(GetModuleHandleA(nullptr));
  quellon::ApplyRegFile(driver.ScriptRegistry(), machine);
  if (devices) {
    const std::string proxy = "{17CCA71B-ECD7-11D0-B908-00A0C9223196}";
    for (const char* family : {"PVR PCI II", "PVR 350"}) {
      const std::string name = std::string("Hauppauge WinTV ") + family;
      driver.AddDevice({false, name + " Capture", proxy, true, true});
      driver.AddDevice({true, name + " Encoder", proxy, true, true});
    }
  }
  driver.Start();
  std::printf("%7s %8s %8s %8s %6s %8s %6s %10s %8s %8s %8s %8s\n", "cycle", "s", "ms/cyc",
              "handles", "GDI", "windows", "menus", "heap KB", "blocks", "runtime", "process",
              "log");
  const double start = Seconds();
  auto count = [&](int cycle, double seconds) {
    return Sample{cycle, seconds, bench::CountResources(),
                  static_cast<long>(driver.MemoLines().size())};
  };
  std::vector<Sample> samples{count(0, 0)};
  std::vector<double> cycle_ms;
  std::vector<std::string> first_handles;
  Print(samples.back(), 0);
  double segment = Seconds();
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    Cycle(driver);
    if (cycle % every != 0 && cycle != cycles) continue;
    const double now = Seconds();
    const int done = cycle - samples.back().cycle;
    cycle_ms.push_back(1000 * (now - segment) / done);
    // Named before the count: the names' own blocks are then in every count after it.
    if (samples.size() == 1) first_handles = bench::HandleNames();
    samples.push_back(count(cycle, now - start));
    Print(samples.back(), cycle_ms.back());
    segment = Seconds();  // the counting itself is not a cycle's time
  }
  Summary(samples, cycle_ms);
  PrintHeapShares(driver, samples);
  if (devices) PrintDeviceShare(samples, first_handles);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: soak MACHINE.reg CYCLES [EVERY] [nodevices]\n");
    return 2;
  }
  quellon::win32::ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const int cycles = std::max(1, std::atoi(argv[2]));
  const int every = argc > 3 ? std::max(1, std::atoi(argv[3])) : 100;
  const bool devices = !(argc > 4 && std::string(argv[4]) == "nodevices");
  try {
    return Soak(ReadFile(argv[1]), cycles, every, devices);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "soak: %s\n", e.what());
    return 1;
  }
}
