#pragma once
// The machine the registry benchmark runs on: the demo machine's settings and cards, grown to a
// given number of device instances below the media class key, in the system registry of a
// throwaway Wine prefix.

#include <string>

namespace bench {

// Replaces the keys the program touches by the demo machine (the text of a .reg file) and
// `instances` device instances in all ("0000" to the last, four digits). Of the instances the
// file does not hold, every tenth is a sound card, every tenth (from the seventh on) a PVR-250
// with the closed-caption marker in its "Driver" key, "0018" an instance without "DriverData"
// (which a save creates), and the others PVR-150s whose "DriverData" holds picture and filter
// values that differ from one instance to the next. The first driver tree gets two devices, one
// with the marker.
void SeedMachine(const std::string& machine_reg, int instances);

// Everything below the keys the program touches, as .reg text.
std::string DumpMachine();

}  // namespace bench
