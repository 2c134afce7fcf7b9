#include "scenario/script_file.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "scenario/runner.h"
#include "scenario/script.h"

namespace quellon::scenario {

int RunScriptText(const std::string& text, const std::string& base_dir,
                  const std::function<std::unique_ptr<Driver>()>& make_driver, std::ostream& out) {
  std::vector<Command> commands;
  try {
    commands = ParseScript(text);
  } catch (const ScriptError& e) {
    out << "error at " << e.what() << "\n";
    return kExitUsage;
  }
  const std::unique_ptr<Driver> driver = make_driver();
  Runner runner(*driver, out, base_dir);
  const int code = runner.Run(commands);
  out.flush();
  return code;
}

int RunScriptFromCommandLine(int argc, char** argv, const std::string& program,
                             const std::function<std::unique_ptr<Driver>()>& make_driver) {
  if (argc != 2) {
    std::cerr << "usage: " << program << " SCRIPT\n";
    return kExitUsage;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "cannot read " << argv[1] << "\n";
    return kExitUsage;
  }
  std::stringstream text;
  text << in.rdbuf();
  const std::string path = argv[1];
  const size_t slash = path.find_last_of("/\\");
  // Files a script names (reg import) are found beside the script.
  const std::string base = slash == std::string::npos ? "." : path.substr(0, slash);
  return RunScriptText(text.str(), base, make_driver, std::cout);
}

}  // namespace quellon::scenario
