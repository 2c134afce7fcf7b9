// libFuzzer harness for the scenario tool: any text is read as a script and run headless. A wrong
// script must end with exit code 2 and its line named; a crash, a sanitizer report or an escaping
// exception is a finding. fuzz/run builds and runs it.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "scenario/model_driver.h"
#include "scenario/script_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quellon::scenario;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::ostringstream out;
  // Relative imports find nothing; the scenarios' own files are no seeds worth reading.
  RunScriptText(
      text, "/nonexistent", [] { return std::make_unique<ModelDriver>(); }, out);
  return 0;
}
