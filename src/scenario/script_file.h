#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "scenario/driver.h"

namespace quellon::scenario {

// Parses the script's text and runs it with a driver from `make_driver`, printing to `out`; files
// the script names are taken from `base_dir`. Returns the runner's exit code: a wrong script ends
// with kExitUsage and a message that names its line.
int RunScriptText(const std::string& text, const std::string& base_dir,
                  const std::function<std::unique_ptr<Driver>()>& make_driver, std::ostream& out);

// The common entry of both runners: reads SCRIPT from the command line, parses it, makes the
// driver and runs the script, printing to stdout. Returns the runner's exit code.
int RunScriptFromCommandLine(int argc, char** argv, const std::string& program,
                             const std::function<std::unique_ptr<Driver>()>& make_driver);

}  // namespace quellon::scenario
