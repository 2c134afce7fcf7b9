// quellon-scenario: runs a scenario script against the real application code and prints what the
// script asks to see. Exit codes: 0 done, 1 an expectation failed, 2 the script is wrong.

#include <fstream>
#include <iostream>
#include <sstream>

#include "scenario/model_driver.h"
#include "scenario/runner.h"

int main(int argc, char** argv) {
  using namespace quellon::scenario;
  if (argc != 2) {
    std::cerr << "usage: quellon-scenario SCRIPT\n";
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
  const std::string base = slash == std::string::npos ? "." : path.substr(0, slash);
  try {
    const auto commands = ParseScript(text.str());
    ModelDriver driver;
    Runner runner(driver, std::cout, base);
    return runner.Run(commands);
  } catch (const ScriptError& e) {
    std::cout << "error at " << e.what() << "\n";
    return kExitUsage;
  }
}
