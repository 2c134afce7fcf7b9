#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_switches.h"
#include "registry/reg_file_text.h"
#include "registry/registry_util.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

Command Parse(std::vector<std::string> args) {
  return ParseCommandLine(args);
}

// How every usage error ends: each switch of the table in its order, as /? shows its syntax.
const std::string kUsage = [] {
  std::string line = ". Usage: quellon.exe";
  for (const Switch& s : kSwitches) line += " [" + SwitchSyntax(s) + "]";
  return line + "\n";
}();

class CommandLineTest : public ::testing::Test {
 protected:
  CommandLineTest() {
    RegKey key;
    EXPECT_EQ(kErrorSuccess,
              RegKey::Create(registry_, kHkeyLocalMachine, "SOFTWARE\\Card", kKeyAllAccess, &key));
    const auto one = DwordToBytes(1);
    EXPECT_EQ(kErrorSuccess, registry_.SetValue(key.get(), "Level", kRegDword, one.data(), 4));
  }

  int Run(std::vector<std::string> args) {
    out_.clear();
    err_.clear();
    const ConsoleServices services{registry_, files_, [](RegistryApi&) {
                                     Catalogue catalogue;
                                     catalogue.Add(kHkeyLocalMachine, "SOFTWARE\\Card", "Level");
                                     return catalogue;
                                   }};
    return RunConsoleCommand(Parse(std::move(args)), "2.3.4", services, out_, err_);
  }

  MemoryRegistry registry_;
  MemoryFileSystem files_{[] { return LocalTime{2026, 12, 8, 14, 55, 3}; }};
  std::string out_, err_;
};

TEST_F(CommandLineTest, SwitchesTheirArgumentsAndUsageErrors) {
  EXPECT_EQ(Parse({}).action, CommandAction::kShowWindow);
  for (const char* spelling : {"/version", "-version", "--version", "/VERSION", "-Version"}) {
    EXPECT_EQ(Parse({spelling}).action, CommandAction::kPrintVersion) << spelling;
  }
  EXPECT_EQ(Run({"/version"}), kExitSuccess);
  EXPECT_EQ(out_, "Quellon 2.3.4\n");
  EXPECT_EQ(err_, "");

  const Command exported = Parse({"/Export", "-out.reg"});
  EXPECT_EQ(exported.action, CommandAction::kExport);
  EXPECT_EQ(exported.argument, "-out.reg");
  EXPECT_FALSE(Parse({"/restore"}).has_argument);
  EXPECT_EQ(Parse({"/restore", "quellon-x.reg"}).argument, "quellon-x.reg");

  // A stray word, an unknown switch, a second switch or a missing FILE: one line on err naming
  // the fault, exit 2.
  const std::vector<std::vector<std::string>> faults = {
      {"settings.reg"},         {"/frobnicate"},        {"/"},
      {"/version", "/version"}, {"/version", "x"},      {"/import"},
      {"/export", "/backups"},  {"/restore", "a", "b"}, {"/backups", "x"}};
  for (const auto& args : faults) {
    ASSERT_EQ(Parse(args).action, CommandAction::kUsageError) << args.back();
    EXPECT_EQ(Run(args), kExitUsage);
    EXPECT_EQ(out_, "");
    const std::string line = err_;
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
    EXPECT_TRUE(line.ends_with(kUsage)) << line;
  }
  EXPECT_EQ(Parse({"/frobnicate"}).usage_error + "\n", "Unknown switch \"/frobnicate\"" + kUsage);
  EXPECT_EQ(Parse({"/import"}).usage_error + "\n", "\"/import\" needs FILE" + kUsage);

  // /? lists every switch on out.
  EXPECT_EQ(Run({"/?"}), kExitSuccess);
  for (const char* shown :
       {"/version", "/export FILE", "/import FILE", "/restore [NAME]", "/backups", "/?"}) {
    EXPECT_NE(out_.find("\n  " + std::string(shown) + " "), std::string::npos) << shown;
  }
  EXPECT_EQ(err_, "");
}

// The commands end to end over memory: export, import after a backup, restore, the list.
TEST_F(CommandLineTest, ExportImportRestoreAndTheListOfBackups) {
  EXPECT_EQ(Run({"/backups"}), kExitSuccess);
  EXPECT_EQ(out_, "There is no backup in \"C:\\Users\\User\\AppData\\Local\\Quellon\\Backups\".\n");
  EXPECT_EQ(Run({"/restore"}), kExitFailure);
  EXPECT_EQ(err_, "There is no backup in \"C:\\Users\\User\\AppData\\Local\\Quellon\\Backups\".\n");

  EXPECT_EQ(Run({"/export", "out.reg"}), kExitSuccess);
  EXPECT_EQ(out_, "Exported 1 value to \"out.reg\".\n");
  files_.Write("two.reg",
               "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Card]\r\n\"Level\"=dword:2\r\n");
  EXPECT_EQ(Run({"/import", "two.reg"}), kExitSuccess);
  const std::string backup =
      "C:\\Users\\User\\AppData\\Local\\Quellon\\Backups\\quellon-2026-12-08_145503.reg";
  EXPECT_EQ(out_, "Imported 1 value from \"two.reg\".\nBackup written first: " + backup + "\n");
  // The backup is the export with what took it below the header.
  const std::string exported = files_.Read("out.reg");
  const std::size_t body = exported.find('\n') + 2;  // past the header's UTF-16 line end
  EXPECT_EQ(files_.Read(backup), exported.substr(0, body) +
                                     regfile::EncodeUtf16("; Taken before: import\r\n") +
                                     exported.substr(body));

  EXPECT_EQ(Run({"/restore"}), kExitSuccess);
  EXPECT_EQ(out_, "Restored 1 value from quellon-2026-12-08_145503.reg.\nBackup written first: " +
                      backup.substr(0, backup.size() - 4) + "_02.reg\n");
  EXPECT_EQ(Run({"/export", "again.reg"}), kExitSuccess);
  EXPECT_EQ(files_.Read("again.reg"), files_.Read("out.reg"));

  EXPECT_EQ(Run({"/backups"}), kExitSuccess);
  EXPECT_EQ(out_,
            "Backups in \"C:\\Users\\User\\AppData\\Local\\Quellon\\Backups\", newest first:\n"
            "quellon-2026-12-08_145503_02.reg  2026-12-08 14:55:03 (2)  before a restore\n"
            "quellon-2026-12-08_145503.reg  2026-12-08 14:55:03  before an import\n");

  // A failure: the reason on err, exit 1.
  EXPECT_EQ(Run({"/import", "absent.reg"}), kExitFailure);
  EXPECT_EQ(err_, "Cannot read \"absent.reg\": The system cannot find the file specified.\n");
}

}  // namespace
}  // namespace quellon
