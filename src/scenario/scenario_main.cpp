// quellon-scenario: runs a scenario script against the real application code and prints what the
// script asks to see. Exit codes: 0 done, 1 an expectation failed, 2 the script is wrong.

#include "scenario/model_driver.h"
#include "scenario/script_file.h"

int main(int argc, char** argv) {
  using namespace quellon::scenario;
  return RunScriptFromCommandLine(argc, argv, "quellon-scenario",
                                  [] { return std::make_unique<ModelDriver>(); });
}
