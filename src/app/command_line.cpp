#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/command_switches.h"

namespace quellon {
namespace {

// The switch an argument names, in lower case, or nothing when it is no switch at all.
std::optional<std::string> SwitchName(std::string_view arg) {
  if (arg.starts_with("--")) {
    arg.remove_prefix(2);
  } else if (arg.starts_with('/') || arg.starts_with('-')) {
    arg.remove_prefix(1);
  } else {
    return std::nullopt;
  }
  std::string name(arg);
  std::ranges::transform(name, name.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

Command UsageError(const std::string& fault) {
  return {CommandAction::kUsageError, "", false, fault + ". Usage: " + UsageLine()};
}

}  // namespace

std::string SwitchSyntax(const Switch& s) {
  std::string shown = "/" + std::string(s.name);
  if (s.argument == SwitchArgument::kRequired) shown += " " + std::string(s.argument_name);
  if (s.argument == SwitchArgument::kOptional) shown += " [" + std::string(s.argument_name) + "]";
  return shown;
}

std::string UsageLine() {
  std::string line = "quellon.exe";
  for (const Switch& s : kSwitches) line += " [" + SwitchSyntax(s) + "]";
  return line;
}

Command ParseCommandLine(std::span<const std::string> args) {
  Command command;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::optional<std::string> name = SwitchName(arg);
    if (!name) return UsageError("Unexpected argument \"" + arg + "\"");
    const auto known = std::ranges::find(kSwitches, std::string_view(*name), &Switch::name);
    if (known == std::end(kSwitches)) return UsageError("Unknown switch \"" + arg + "\"");
    if (command.action != CommandAction::kShowWindow) return UsageError("One switch at a time");
    command.action = known->action;
    const bool next_is_argument = i + 1 < args.size() && !args[i + 1].starts_with('/');
    if (known->argument == SwitchArgument::kRequired && !next_is_argument) {
      return UsageError("\"" + arg + "\" needs " + std::string(known->argument_name));
    }
    if (known->argument != SwitchArgument::kNone && next_is_argument) {
      command.argument = args[++i];
      command.has_argument = true;
    }
  }
  return command;
}

}  // namespace quellon
