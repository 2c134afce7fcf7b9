#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <stdexcept>

namespace quellon {
namespace {

struct Switch {
  std::string_view name;  // lower case, without its leading '/'
  CommandAction action;
};

// Every switch the program knows, in the order the usage hint lists them.
constexpr Switch kSwitches[] = {{"version", CommandAction::kPrintVersion}};

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
  std::string line = fault + ". Usage: quellon.exe";
  for (const Switch& s : kSwitches) line += " [/" + std::string(s.name) + "]";
  return {CommandAction::kUsageError, line};
}

}  // namespace

Command ParseCommandLine(std::span<const std::string> args) {
  Command command;
  for (const std::string& arg : args) {
    const std::optional<std::string> name = SwitchName(arg);
    if (!name) return UsageError("Unexpected argument \"" + arg + "\"");
    const auto known = std::ranges::find(kSwitches, std::string_view(*name), &Switch::name);
    if (known == std::end(kSwitches)) return UsageError("Unknown switch \"" + arg + "\"");
    if (command.action != CommandAction::kShowWindow) return UsageError("One switch at a time");
    command.action = known->action;
  }
  return command;
}

int RunConsoleCommand(const Command& command, std::string_view version, std::string& out,
                      std::string& err) {
  switch (command.action) {
    case CommandAction::kPrintVersion:
      out += "Quellon " + std::string(version) + "\n";
      return kExitSuccess;
    case CommandAction::kUsageError:
      err += command.usage_error + "\n";
      return kExitUsage;
    case CommandAction::kShowWindow:
      break;
  }
  throw std::logic_error("the window is no console command");
}

}  // namespace quellon
