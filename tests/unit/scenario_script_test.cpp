// The scenario tool on wrong scripts: every malformed line ends the run with exit code 2 and a
// message naming that line, never with a crash or a half-done command.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "registry/registry_ops.h"
#include "scenario/model_driver.h"
#include "scenario/runner.h"
#include "scenario/script_file.h"

namespace quellon::scenario {
namespace {

TEST(ScenarioScripts, MalformedLinesEndWithTheirLineNamed) {
  const char* const kLines[] = {
      "reg",
      "reg frob K",
      "reg get K",
      "reg get K N extra",
      "reg import \"\"",
      "reg import .",
      "reg delkey \"\"",
      "reg delkey HKCU\\",
      "reg mkkey A\\\\B",
      "reg set K N dword 4294967296",
      "reg set K N dword 0x",
      "reg set K N dword --1",
      "reg set K N hex:x 00",
      "reg set K N hex:4 -1",
      "reg fail-nth 0",
      "reg fail-nth x",
      "tab 4294967299",
      "choose Frame150b.CaptureBox 4294967296",
      "point Frame150.Edit1 2147483647 0",
      "print Nothing.Text",
      "type Frame150.Edit1 \"unterminated",
      "type Frame150.Edit1 \"\\q\"",
      "type Frame150.Edit1 \"\\x4\"",
      "frob",
  };
  for (const char* line : kLines) {
    std::ostringstream out;
    const int code = RunScriptText(
        "start\n" + std::string(line) + "\nreg set K N dword 1\n", ".",
        [] { return std::make_unique<ModelDriver>(); }, out);
    EXPECT_EQ(code, kExitUsage) << line;
    EXPECT_EQ(out.str().rfind("error at line 2: ", 0), 0u) << line << " printed " << out.str();
  }
}

// A driver whose user folder cannot be found, as on a system that has none.
class NoLocalAppData final : public ModelDriver {
 public:
  NoLocalAppData() { files_.SetLocalAppData(""); }
  FileSystem& Files() override { return files_; }

 private:
  MemoryFileSystem files_;
};

// The program's services failing where no command reports it (a user folder that cannot be
// found) end the run as a wrong line does, not with a crash.
TEST(ScenarioScripts, ServicesThatFailEndTheRunWithTheirLineNamed) {
  std::ostringstream shown;
  EXPECT_EQ(RunScriptText(
                "start\nmenu restore\nprint messages\n", ".",
                [] { return std::make_unique<NoLocalAppData>(); }, shown),
            kExitUsage);
  EXPECT_EQ(shown.str(),
            "error at line 3: Cannot find the folder \"%LOCALAPPDATA%\": The system "
            "cannot find the path specified.\n");
}

}  // namespace
}  // namespace quellon::scenario
