#pragma once
// What quellon.exe does with its arguments. Without any it opens the window; with a switch it runs
// one console command instead, writes to the console it was started from and ends with an exit
// code.

#include <span>
#include <string>
#include <string_view>

#include "safety/catalogue.h"
#include "safety/file_system.h"

namespace quellon {

enum class CommandAction {
  kShowWindow,
  kPrintVersion,
  kShowUsage,
  kExport,
  kImport,
  kRestore,
  kListBackups,
  kSaveProfile,
  kApplyProfile,
  kDryRun,
  kCheckProfile,
  kListMachine,
  kUsageError  // stays last: the switch table is checked against every action before it
};

struct Command {
  CommandAction action = CommandAction::kShowWindow;
  std::string argument;  // the FILE of /export, /import and the profiles, the NAME of /restore
  bool has_argument = false;
  std::string usage_error;  // for kUsageError: one line naming the fault and the switches
};

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Switches start with '/', '-' or "--" and ignore case, like those of Windows' own programs. The
// argument a switch takes is the next one, unless that starts with '/'.
Command ParseCommandLine(std::span<const std::string> args);

// What the console commands work on: the registry, the files and the catalogue of the values the
// program writes, made when a command needs it.
struct ConsoleServices {
  RegistryApi& registry;
  FileSystem& files;
  CatalogueProvider catalogue;
};

// Runs a console command (any action but kShowWindow): its output is appended to `out`, a failure
// or a usage error to `err`. Returns the program's exit code. Plain strings rather than streams:
// the streams would bring the whole locale library into quellon.exe.
int RunConsoleCommand(const Command& command, std::string_view version,
                      const ConsoleServices& services, std::string& out, std::string& err);

}  // namespace quellon
