#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quellon {
namespace {

Command Parse(std::vector<std::string> args) {
  return ParseCommandLine(args);
}

TEST(CommandLine, VersionSwitchAndUsageErrors) {
  EXPECT_EQ(Parse({}).action, CommandAction::kShowWindow);
  for (const char* spelling : {"/version", "-version", "--version", "/VERSION", "-Version"}) {
    EXPECT_EQ(Parse({spelling}).action, CommandAction::kPrintVersion) << spelling;
  }
  std::string out, err;
  EXPECT_EQ(RunConsoleCommand(Parse({"/version"}), "2.3.4", out, err), kExitSuccess);
  EXPECT_EQ(out, "Quellon 2.3.4\n");
  EXPECT_EQ(err, "");

  // A stray word, an unknown switch or a second switch: one line on err naming the fault, exit 2.
  const std::vector<std::vector<std::string>> faults = {
      {"settings.reg"}, {"/frobnicate"}, {"/"}, {"/version", "/version"}, {"/version", "x"}};
  for (const auto& args : faults) {
    std::string fault_out, fault_err;
    const Command command = Parse(args);
    ASSERT_EQ(command.action, CommandAction::kUsageError) << args.back();
    EXPECT_EQ(RunConsoleCommand(command, "2.3.4", fault_out, fault_err), kExitUsage);
    EXPECT_EQ(fault_out, "");
    const std::string& line = fault_err;
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
    EXPECT_TRUE(line.ends_with(". Usage: quellon.exe [/version]\n")) << line;
  }
  EXPECT_EQ(Parse({"/frobnicate"}).usage_error,
            "Unknown switch \"/frobnicate\". Usage: quellon.exe [/version]");
  EXPECT_EQ(Parse({"settings.reg"}).usage_error,
            "Unexpected argument \"settings.reg\". Usage: quellon.exe [/version]");
}

}  // namespace
}  // namespace quellon
