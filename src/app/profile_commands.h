#pragma once
// The console commands of settings profiles (/profile, /apply, /dryrun, /check) and the list of
// what the settings go to on this machine (/machine). Each returns the exit code; what it says
// is appended to `out`, a failure's text is thrown (RunConsoleCommand prints it).

#include <string>

#include "app/command_line.h"

namespace quellon {

int SaveProfileCommand(const ConsoleServices& services, const std::string& file, std::string& out);
// The save's messages go to `out`, its errors to `err`.
int ApplyProfileCommand(const ConsoleServices& services, const std::string& file, std::string& out,
                        std::string& err);
int DryRunCommand(const ConsoleServices& services, const std::string& file, std::string& out);
int CheckProfileCommand(const ConsoleServices& services, const std::string& file, std::string& out);
int ListMachineCommand(RegistryApi& registry, std::string& out);

}  // namespace quellon
