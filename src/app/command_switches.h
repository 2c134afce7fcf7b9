#pragma once
// The switches quellon.exe knows, shared by the parser and the usage texts.

#include <string>
#include <string_view>

#include "app/command_line.h"

namespace quellon {

enum class SwitchArgument { kNone, kRequired, kOptional };

struct Switch {
  std::string_view name;  // lower case, without its leading '/'
  CommandAction action;
  SwitchArgument argument;
  std::string_view argument_name;
  std::string_view help;  // what /? says of it
};

// In the order the usage texts list them.
inline constexpr Switch kSwitches[] = {
    {"version", CommandAction::kPrintVersion, SwitchArgument::kNone, "",
     "prints the version of Quellon"},
    {"export", CommandAction::kExport, SwitchArgument::kRequired, "FILE",
     "writes the settings Quellon changes, as they stand, into the .reg file FILE"},
    {"import", CommandAction::kImport, SwitchArgument::kRequired, "FILE",
     "takes a backup, then applies the .reg file FILE; a file that holds anything but those "
     "settings is refused whole"},
    {"restore", CommandAction::kRestore, SwitchArgument::kOptional, "NAME",
     "takes a backup, then restores the newest backup, or the one named"},
    {"backups", CommandAction::kListBackups, SwitchArgument::kNone, "",
     "lists the backups, newest first, each with its time and what it was taken before"},
    {"profile", CommandAction::kSaveProfile, SwitchArgument::kRequired, "FILE",
     "writes every setting of the pages, as this machine holds them, into the settings profile "
     "FILE"},
    {"apply", CommandAction::kApplyProfile, SwitchArgument::kRequired, "FILE",
     "saves the settings the profile FILE names, as \"Save settings\" does (backup first); a "
     "profile with a bad line is refused whole"},
    {"dryrun", CommandAction::kDryRun, SwitchArgument::kRequired, "FILE",
     "lists each registry value that /apply FILE (or /import FILE, for a .reg file) would "
     "change, and writes nothing"},
    {"check", CommandAction::kCheckProfile, SwitchArgument::kRequired, "FILE",
     "ends with exit code 0 when this machine holds every setting of the profile FILE, 1 and "
     "a list of the differences otherwise"},
    {"machine", CommandAction::kListMachine, SwitchArgument::kNone, "",
     "lists the card drivers, the device instances and the closed-caption keys the settings "
     "go to on this machine"},
    {"?", CommandAction::kShowUsage, SwitchArgument::kNone, "", "shows this text"},
};

// Every action a switch asks for has its row, each once: an action added to CommandAction without
// one (or given two) does not build. kShowWindow (no switch) and kUsageError (no action) have none.
constexpr bool EveryActionHasOneSwitch() {
  for (int a = 0; a < static_cast<int>(CommandAction::kUsageError); ++a) {
    const auto action = static_cast<CommandAction>(a);
    int rows = 0;
    for (const Switch& s : kSwitches) rows += s.action == action ? 1 : 0;
    if (rows != (action == CommandAction::kShowWindow ? 0 : 1)) return false;
  }
  return true;
}
static_assert(EveryActionHasOneSwitch(), "a CommandAction without its row in kSwitches");

// "/export FILE", "/restore [NAME]".
std::string SwitchSyntax(const Switch& s);

// "quellon.exe [/version] [/export FILE] ...", as a usage error ends.
std::string UsageLine();

}  // namespace quellon
