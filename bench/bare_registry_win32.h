#pragma once
// The bare advapi32 sequence of a load and of a save, written by hand: the calls the program's
// loader and saver must make for their effect, and no others. Every listing runs by index until
// ERROR_NO_MORE_ITEMS into a buffer of the registry's name limit, every value is read in one call
// into a buffer it fits, every key is closed as soon as it has done its part. The order of keys,
// values and instances is the program's, so the two leave the registry in the same state
// (registry_bench_main.cpp compares them).

#include <windows.h>

#include <string>
#include <vector>

#include "registry_bench_calls.h"

struct IGraphBuilder;

namespace bench {

// The keys both sequences use, spelled as the program spells them.
constexpr char kMediaClass[] =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}";
constexpr char kAudioControls[] = "SOFTWARE\\Hauppauge\\hcwtvdlg\\audiocontrols";
constexpr char kPvr150[] = "SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData";
constexpr char kPvr250[] =
    "SYSTEM\\CurrentControlSet\\Services\\Globespan\\Parameters\\ivac15\\Driver";
constexpr char kTvWnd[] = "SOFTWARE\\Hauppauge\\hcwTVWnd";
constexpr char kTvWndCountry[] = "SOFTWARE\\Hauppauge\\HCWtvwnd";
constexpr char kPreferencesSlip[] = "SOFTWARE\\Hauppauge\\WinTV32\\Preferences";
constexpr char kPreferences[] = "Software\\Hauppauge\\WinTV32\\Preferences";

// The calls of the bare sequences since the last reset.
CallCounts& BareCalls();

// What a load reads, in load order. The bench machine holds every value.
struct Loaded {
  DWORD volume150 = 0;  // WinTV2000's tuner volume as the 150/500 page reads it
  DWORD line_in_left = 0, line_in_right = 0, agc_target = 0, auto_gain = 0;
  DWORD sharpness150 = 0, brightness = 0, contrast = 0, saturation = 0, hue = 0;
  DWORD static_temporal = 0, temporal_level = 0, static_spatial = 0, spatial_level = 0;
  DWORD volume250 = 0, sharpness250 = 0, closed_caption = 0;
  DWORD play_local = 0, live_preview = 0, country = 0, slip_change = 0;
  std::string buffer_file;
  DWORD animate_step = 0, snapshot_height = 0, snapshot_width = 0;
};

Loaded BareLoad();
// Writes every value a save with every box ticked (and "Set Capture Filter" unticked) writes, in
// the saver's order, from what `loaded` holds. The bench machine's values come back from the
// pages unchanged, so only the copies that the pages derive (WinTV2000's picture values, the
// 250/350 volume) are converted here. With `closed_captions` the closed-caption values and their
// fan-out too.
void BareSave(const Loaded& loaded, bool closed_captions);
// Gives every PVR-150/500 capture filter the loaded picture values, as "Set Capture Filter" does;
// with a graph, each filter is in it while it takes them. COM must be started on the thread.
void BareSetCaptureFilter(const Loaded& loaded, IGraphBuilder* graph = nullptr);

// Reads every value of each key (paths below HKEY_LOCAL_MACHINE: the plain settings' keys) and
// of the device keys a save writes into once, and writes them as a .reg text, in one write, as a
// new backup in `folder`, which keeps the newest 50.
void BareBackup(const std::vector<std::string>& keys, const std::string& folder);

// The pieces both use: a key opened with full access (nullptr when it does not open), a REG_DWORD
// written below a key that is created when missing, names compared as the program compares them.
HKEY OpenFull(HKEY parent, const char* path);
// The names below a key (a path below HKEY_LOCAL_MACHINE), closed again before anything else opens.
std::vector<std::string> SubKeysOf(const std::string& path);
// Whether the save writes into the instance's "DriverData": the instance lists one (or is "0018").
bool TakesFanOut(HKEY class_key, const char* instance);
void Close(HKEY key);
bool SameName(const char* a, const char* b);

}  // namespace bench
