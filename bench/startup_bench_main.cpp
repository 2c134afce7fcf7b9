// Start-up of quellon.exe against a bare window with the same resources, COM apartment and common
// controls (bare_window_main.cpp). Each program is started with CreateProcess and timed until its
// main window is on the screen with the start-up done, watched from outside: the process has
// gone idle once, its window is visible, for quellon.exe the first activation's load has run,
// which the hidden debug log shows by the lines the load adds to it, and then both are held to
// the same end: painted, with nothing left to paint. Then the window is closed.
// The two take turns (each round the other goes first) after one start of each that is not
// counted; the medians, their spreads and the ratios are printed.
//
// Usage: startup_bench QUELLON_EXE BARE_EXE [ROUNDS]   (run by bench/run-startup)

// clang-format off
#include <windows.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "base/win32/handles_win32.h"

namespace {

using quellon::win32::UniqueHandle;

constexpr DWORD kGiveUpMs = 30000;

struct Program {
  std::string label;
  std::string exe;
  const char* window_class;
  bool has_load;  // quellon.exe: shown is not enough, the load must have run
  std::vector<double> ms;
};

struct Search {
  DWORD process;
  const char* window_class;
  HWND found;
};

BOOL CALLBACK FindOwnWindow(HWND w, LPARAM p) {
  auto* search = reinterpret_cast<Search*>(p);
  DWORD process = 0;
  GetWindowThreadProcessId(w, &process);
  char name[64] = {};
  GetClassNameA(w, name, sizeof name);
  if (process != search->process || std::string(name) != search->window_class) return TRUE;
  search->found = w;
  return FALSE;
}

// The debug log is the form's only multi-line edit.
BOOL CALLBACK FindLog(HWND w, LPARAM p) {
  char name[16] = {};
  GetClassNameA(w, name, sizeof name);
  if (std::string(name) != "Edit" || !(GetWindowLongA(w, GWL_STYLE) & ES_MULTILINE)) return TRUE;
  *reinterpret_cast<HWND*>(p) = w;
  return FALSE;
}

// The log starts with one line; every load adds lines to it.
bool Loaded(HWND form) {
  HWND log = nullptr;
  EnumChildWindows(form, &FindLog, reinterpret_cast<LPARAM>(&log));
  char text[512] = {};
  DWORD_PTR copied = 0;
  return log &&
         SendMessageTimeoutA(log, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 1000, &copied) &&
         std::string(text).find("\r\n") != std::string::npos;
}

// A visible window of the program that still has something to paint stops the walk.
BOOL CALLBACK FindUnpainted(HWND w, LPARAM p) {
  if (!IsWindowVisible(w) || !GetUpdateRect(w, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(p) = false;
  return FALSE;
}

bool NothingToPaint(HWND form) {
  bool painted = !GetUpdateRect(form, nullptr, FALSE);
  if (painted) EnumChildWindows(form, &FindUnpainted, reinterpret_cast<LPARAM>(&painted));
  return painted;
}

// Painting takes the update region away when it starts (BeginPaint), not when it ends: the
// window counts as painted when it has nothing left to paint both before and after a message sent
// to it, which its thread takes only once back in its message loop, out of any paint.
bool Painted(HWND form) {
  DWORD_PTR result = 0;
  return NothingToPaint(form) &&
         SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) &&
         NothingToPaint(form);
}

double Now() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER now{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Starts the program, waits until its window is up, loaded and painted, closes it; the
// milliseconds.
double StartOnce(const Program& program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string command = "\"" + program.exe + "\"";
  const double start = Now();
  if (!CreateProcessA(program.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info))
    throw std::runtime_error("cannot start " + program.exe);
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);
  WaitForInputIdle(process.get(), kGiveUpMs);
  Search search{info.dwProcessId, program.window_class, nullptr};
  const DWORD began = GetTickCount();
  for (;;) {
    search.found = nullptr;
    EnumWindows(&FindOwnWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found && IsWindowVisible(search.found) &&
        (!program.has_load || Loaded(search.found)) && Painted(search.found))
      break;
    if (GetTickCount() - began > kGiveUpMs)
      throw std::runtime_error(program.exe + " showed no loaded window");
    Sleep(1);
  }
  const double took = Now() - start;
  PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0)
    TerminateProcess(process.get(), 1);
  return took;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// On a shared machine the slow rounds are those another load got in the way of: the median of
// the fastest half stands beside the plain one.
double FastHalfMedian(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  v.resize((v.size() + 1) / 2);
  return Median(v);
}

void PrintFigures(const Program& p) {
  const auto [low, high] = std::minmax_element(p.ms.begin(), p.ms.end());
  std::printf("%-12s median %7.1f ms, fastest half's %7.1f, min %7.1f, max %7.1f (%zu rounds)\n",
              p.label.c_str(), Median(p.ms), FastHalfMedian(p.ms), *low, *high, p.ms.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench QUELLON_EXE BARE_EXE [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 20;
  Program quellon{"quellon.exe", argv[1], "QuellonForm", true, {}};
  Program bare{"bare window", argv[2], "QuellonBareWindow", false, {}};
  try {
    StartOnce(quellon);  // the first start of each reads its files from disk
    StartOnce(bare);
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
      Program& first = round % 2 ? bare : quellon;
      Program& second = round % 2 ? quellon : bare;
      first.ms.push_back(StartOnce(first));
      second.ms.push_back(StartOnce(second));
      ratios.push_back(quellon.ms.back() / bare.ms.back());
    }
    PrintFigures(quellon);
    PrintFigures(bare);
    const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    std::printf(
        "ratio        of the medians %.2f (fastest halves %.2f); per round median %.2f, "
        "min %.2f, max %.2f\n",
        Median(quellon.ms) / Median(bare.ms), FastHalfMedian(quellon.ms) / FastHalfMedian(bare.ms),
        Median(ratios), *low, *high);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "startup_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
