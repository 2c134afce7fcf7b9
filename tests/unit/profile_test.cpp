// Settings profiles over whole machines: a profile that sets every setting, applied on one
// machine, saved, applied on a second machine whose card instances are numbered differently, and
// saved there again, comes back the same; and the registry view a dry run saves through.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/dry_run.h"
#include "registry/reg_file.h"
#include "registry/registry_util.h"
#include "safety/program_catalogue.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

constexpr const char* kMedia =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}";

// Every setting, none at the value a fresh machine shows.
constexpr const char* kEverySetting =
    "; Quellon settings profile, format 1\r\n"
    "[Wintv2k]\r\nForce Country = 44\r\nSoftware Decoder = off\r\nLive preview = on\r\n"
    "Timeshift Channel Change = on\r\nRecord/Pause Drop Speed = 100\r\n"
    "LiveTV buffer location = E:\\Buffer\\live.tvr\r\nSnapshot resolution = 768:576\r\n"
    "[250/350]\r\nVolume-Tuner = -20\r\nClosed Caption = on\r\nSharpness = 2\r\n"
    "[150/500]\r\nVolume-Tuner = -7\r\nVolume-Line in (L) = -10.5\r\n"
    "Volume-Line in (R) = -0.5\r\nAutomatic Gain = off\r\nAGC Target level = -11\r\n"
    "Brightness = -40\r\nContrast = 200\r\nSaturation = 30\r\nHue = 17\r\nSharpness = 1\r\n"
    "Set Wintv2k = off\r\n"
    "[150/500 Advanced]\r\nStatic Temporal Filter = off\r\nTemporal Filter (Blur) = 30\r\n"
    "Static Spatial Filter = off\r\nSpatial Filter = 9\r\n";

// A machine with both drivers and card instances with driver data at the given numbers, the
// 250/350 one marked for closed captions.
void Seed(MemoryRegistry& registry, const std::vector<std::string>& instances) {
  std::string reg =
      "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData]"
      "\r\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Globespan\\Parameters\\ivac15\\"
      "Driver]\r\n";
  for (const std::string& instance : instances)
    reg += "[HKEY_LOCAL_MACHINE\\" + std::string(kMedia) + "\\" + instance + "\\DriverData]\r\n";
  reg += "[HKEY_LOCAL_MACHINE\\" + std::string(kMedia) +
         "\\0009\\Driver]\r\n\"EnableVIMProtection\"=dword:00000001\r\n";
  ApplyRegFile(registry, reg);
}

struct Machine {
  MemoryRegistry registry;
  MemoryFileSystem files;
  std::string out, err;

  int Run(std::vector<std::string> args) {
    out.clear();
    err.clear();
    const ConsoleServices services{registry, files, &ProgramCatalogue};
    return RunConsoleCommand(ParseCommandLine(args), "test", services, out, err);
  }
};

TEST(Profiles, ARoundTripOverTwoMachinesGivesTheSameProfile) {
  Machine first, second;
  Seed(first.registry, {"0001", "0004"});
  Seed(second.registry, {"0003", "0007", "0012"});
  first.files.Write("every.ini", kEverySetting);
  ASSERT_EQ(first.Run({"/apply", "every.ini"}), kExitSuccess) << first.err;
  ASSERT_EQ(first.Run({"/profile", "first.ini"}), kExitSuccess) << first.err;
  const std::string saved = first.files.Read("first.ini");
  // The save of every row writes each value the profile names, except two: "Set Wintv2k" is an
  // option, which a load does not show, and the 150/500 tuner volume is WinTV2000's own
  // "Scart1_Volume", into which the 250/350 page, saved later, copies its tuner volume.
  std::string_view given = kEverySetting;
  for (std::size_t end; (end = given.find("\r\n")) != std::string_view::npos;
       given.remove_prefix(end + 2)) {
    const std::string line(given.substr(0, end));
    if (line == "Set Wintv2k = off" || line == "Volume-Tuner = -7") continue;
    EXPECT_NE(saved.find(line + "\r\n"), std::string::npos) << line;
  }
  EXPECT_NE(saved.find("Set Wintv2k = on\r\n"), std::string::npos);

  second.files.Write("first.ini", saved);
  ASSERT_EQ(second.Run({"/apply", "first.ini"}), kExitSuccess) << second.err;
  ASSERT_EQ(second.Run({"/profile", "second.ini"}), kExitSuccess) << second.err;
  EXPECT_EQ(second.files.Read("second.ini"), saved);
  EXPECT_EQ(second.Run({"/check", "first.ini"}), kExitSuccess) << second.out;
  // The second machine's own instances took the values; none of the first's was made.
  for (const char* instance : {"0003", "0007", "0012"}) {
    RegKey key;
    ASSERT_EQ(RegKey::Open(second.registry, kHkeyLocalMachine,
                           std::string(kMedia) + "\\" + instance + "\\DriverData", kKeyRead, &key),
              kErrorSuccess);
    RegValue value;
    ASSERT_EQ(ReadValue(second.registry, key.get(), "StaticSpatialLevel", &value), kErrorSuccess);
    EXPECT_EQ(DwordFromBytes(value.data.data()), 9U) << instance;
  }
  RegKey stray;
  EXPECT_EQ(RegKey::Open(second.registry, kHkeyLocalMachine, std::string(kMedia) + "\\0001",
                         kKeyRead, &stray),
            kErrorFileNotFound);
}

TEST(Profiles, TheDryRunViewKeepsEveryChangeToItself) {
  MemoryRegistry below;
  ApplyRegFile(
      below,
      "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\A\\B]\r\n\"x\"=dword:00000001\r\n\"z\"=\"text\"\r\n"
      "\"same\"=dword:00000005\r\n");
  const std::string before = DumpRegFile(below, kHkeyLocalMachine, "A");
  CapturingRegistry view(below);
  RegKey b, c, a;
  ASSERT_EQ(RegKey::Create(view, kHkeyLocalMachine, "a\\b", kKeyAllAccess, &b), kErrorSuccess);
  ASSERT_EQ(RegKey::Create(view, kHkeyLocalMachine, "A\\C\\D", kKeyAllAccess, &c), kErrorSuccess);
  const auto two = DwordToBytes(2), five = DwordToBytes(5);
  ASSERT_EQ(view.SetValue(b.get(), "X", kRegDword, two.data(), 4), kErrorSuccess);
  ASSERT_EQ(view.SetValue(b.get(), "same", kRegDword, five.data(), 4), kErrorSuccess);
  ASSERT_EQ(view.SetValue(c.get(), "y", kRegDword, five.data(), 4), kErrorSuccess);
  ASSERT_EQ(view.DeleteValue(b.get(), "z"), kErrorSuccess);
  EXPECT_EQ(view.DeleteValue(b.get(), "z"), kErrorFileNotFound);

  // Reads and listings see the changes; the registry below is as it was.
  RegValue x;
  ASSERT_EQ(ReadValue(view, b.get(), "x", &x), kErrorSuccess);
  EXPECT_EQ(DwordFromBytes(x.data.data()), 2U);
  ASSERT_EQ(RegKey::Open(view, kHkeyLocalMachine, "A", kKeyRead, &a), kErrorSuccess);
  std::vector<std::string> keys, values;
  EXPECT_EQ(ListSubKeyNames(view, a.get(), &keys), kErrorSuccess);
  EXPECT_EQ(keys, (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(ListValueNames(view, b.get(), &values), kErrorSuccess);
  EXPECT_EQ(values, (std::vector<std::string>{"same", "x"}));
  EXPECT_EQ(DumpRegFile(below, kHkeyLocalMachine, "A"), before);

  std::vector<std::string> lines;
  for (const ValueChange& change : ChangesOf(view, below)) lines.push_back(ChangeLine(change));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "HKEY_LOCAL_MACHINE\\a\\b \"X\": dword:00000001 -> dword:00000002",
                       "HKEY_LOCAL_MACHINE\\A\\C\\D \"y\": (missing) -> dword:00000005",
                       "HKEY_LOCAL_MACHINE\\a\\b \"z\": \"text\" -> (missing)"}));
}

}  // namespace
}  // namespace quellon
