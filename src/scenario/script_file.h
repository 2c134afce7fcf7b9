#pragma once

#include <functional>
#include <memory>
#include <string>

#include "scenario/driver.h"

namespace quellon::scenario {

// The common entry of both runners: reads SCRIPT from the command line, parses it, makes the
// driver and runs the script, printing to stdout. Returns the runner's exit code.
int RunScriptFromCommandLine(int argc, char** argv, const std::string& program,
                             const std::function<std::unique_ptr<Driver>()>& make_driver);

}  // namespace quellon::scenario
