#pragma once
// What quellon.exe does with its arguments. Without any it opens the window; with a switch it runs
// one console command instead, writes to the console it was started from and ends with an exit
// code.

#include <span>
#include <string>
#include <string_view>

namespace quellon {

enum class CommandAction { kShowWindow, kPrintVersion, kUsageError };

struct Command {
  CommandAction action = CommandAction::kShowWindow;
  std::string usage_error;  // for kUsageError: one line naming the fault and the switches
};

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 2;

// Switches start with '/', '-' or "--" and ignore case, like those of Windows' own programs.
Command ParseCommandLine(std::span<const std::string> args);

// Runs a console command (any action but kShowWindow): its output is appended to `out`, a usage
// error to `err`. Returns the program's exit code. Plain strings rather than streams: the streams
// would bring the whole locale library into quellon.exe.
int RunConsoleCommand(const Command& command, std::string_view version, std::string& out,
                      std::string& err);

}  // namespace quellon
