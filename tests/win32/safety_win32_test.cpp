// The safety net on the real system: the Win32 file services in a folder of their own, .reg files
// that the system's own registry tools (reg.exe, regedit.exe) and Quellon exchange, and on the demo
// machine the round trip of a save and a restore through the real quellon.exe.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/form1.h"
#include "base/win32/handles_win32.h"
#include "devices/no_devices.h"
#include "full_save.h"
#include "registry/reg_file.h"
#include "registry/registry_util.h"
#include "registry/win32/registry_win32.h"
#include "safety/transfer.h"
#include "safety/win32/file_system_win32.h"
#include "testing/headless_platform.h"

namespace quellon {
namespace {

using win32::UniqueHandle;

// Runs a command line of the system and returns its exit code.
DWORD RunTool(std::string command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process)) {
    ADD_FAILURE() << command << ": " << SystemErrorText(GetLastError());
    return 999;
  }
  const UniqueHandle owned_process(process.hProcess), owned_thread(process.hThread);
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 999;
  GetExitCodeProcess(process.hProcess, &code);
  return code;
}

// A folder below the temporary folder, with everything in it removed at the end, and the user's
// local application data pointed into it.
class SafetyWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
    folder_ = std::string(temp) + "quellon-safety-" + std::to_string(GetCurrentProcessId());
    key_ = "Software\\Quellon-safety-" + std::to_string(GetCurrentProcessId()) + "\\Card";
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    ASSERT_TRUE(SetEnvironmentVariableA("LOCALAPPDATA", (folder_ + "\\Local").c_str()));
  }
  void TearDown() override {
    SetEnvironmentVariableA("LOCALAPPDATA", nullptr);
    RunTool("cmd.exe /c rmdir /s /q \"" + folder_ + "\"");
    static_cast<void>(DeleteKeyTree(registry_, kHkeyCurrentUser, key_.substr(0, key_.rfind('\\'))));
  }

  void Set(const std::string& name, RegType type, const std::string& bytes) {
    RegKey key;
    ASSERT_EQ(kErrorSuccess,
              RegKey::Create(registry_, kHkeyCurrentUser, key_, kKeyAllAccess, &key));
    ASSERT_EQ(kErrorSuccess, registry_.SetValue(key.get(), name, type,
                                                reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                static_cast<std::uint32_t>(bytes.size())));
  }

  // Values of every type a backup carries, names and texts with quotes, backslashes and \x92.
  void SeedCard() {
    Set("", kRegSz, std::string("default\0", 8));
    Set("Count", kRegDword, std::string("\x0a\0\0\0", 4));
    Set("Path \"q\"", kRegSz, std::string("C:\\Dir \"x\" \x92\0", 13));
    Set("Expand", kRegExpandSz, std::string("%TEMP%\\\x92\0", 9));
    Set("Multi", kRegMultiSz, std::string("a\0b\x92\0\0", 6));
    std::string blob(50, '\0');
    for (std::size_t i = 0; i < blob.size(); ++i) blob[i] = static_cast<char>(i * 5);
    Set("Blob", kRegBinary, blob);
  }

  // Every value in the registry's order, and one that is missing.
  Catalogue CardCatalogue() {
    Catalogue catalogue;
    RegKey key;
    EXPECT_EQ(kErrorSuccess, RegKey::Open(registry_, kHkeyCurrentUser, key_, kKeyRead, &key));
    std::vector<std::string> names;
    EXPECT_EQ(kErrorSuccess, ListValueNames(registry_, key.get(), &names));
    for (const std::string& name : names) catalogue.Add(kHkeyCurrentUser, key_, name);
    return catalogue;
  }

  void Scramble() {
    for (const char* name : {"", "Count", "Path \"q\"", "Expand", "Multi", "Blob", "Gone"})
      Set(name, kRegDword, std::string("\x07\0\0\0", 4));
  }

  std::string Dump() { return DumpRegFile(registry_, kHkeyCurrentUser, key_); }

  std::string folder_;
  std::string key_;
  Win32Registry registry_;
  Win32FileSystem files_;
};

TEST_F(SafetyWin32Test, FileServicesAndTheSystemsReasons) {
  const std::string nested = folder_ + "\\a\\b\\c";
  files_.MakeFolders(nested);
  files_.MakeFolders(nested + "\\");  // there already
  files_.Write(nested + "\\one.reg", "first");
  files_.Write(nested + "\\one.reg", std::string("second\0", 7));
  files_.MakeFolders(nested + "\\sub");
  EXPECT_EQ(std::string("second\0", 7), files_.Read(nested + "\\one.reg"));
  EXPECT_EQ(std::vector<std::string>{"one.reg"}, files_.List(nested));  // no .tmp, no folder
  EXPECT_TRUE(files_.List(folder_ + "\\absent").empty());
  files_.Remove(nested + "\\one.reg");
  EXPECT_TRUE(files_.List(nested).empty());

  Win32FileSystem(nested).Write("two.reg", "x");
  EXPECT_EQ("x", files_.Read(nested + "\\two.reg"));

  try {
    files_.Read(nested + "\\absent.reg");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(
        "Cannot read \"" + nested + "\\absent.reg\": " + SystemErrorText(ERROR_FILE_NOT_FOUND),
        e.what());
    EXPECT_NE(std::string::npos, SystemErrorText(ERROR_FILE_NOT_FOUND).find_first_of("abcdefgh"));
  }
  EXPECT_THROW(files_.Write(nested + "\\absent\\x.reg", "x"), FileError);
  EXPECT_THROW(files_.MakeFolders(nested + "\\two.reg\\below"), FileError);

  EXPECT_EQ(folder_ + "\\Local", files_.LocalAppData());
  EXPECT_GE(files_.Now().year, 2020);
}

// Links planted where the backups go: a backup refuses the folder that is one, and a file that is
// one is neither listed nor read. Skipped where the system cannot make symbolic links (Windows XP,
// no privilege) or does not report them as reparse points.
TEST_F(SafetyWin32Test, LinksAreNeitherFollowedNorListed) {
  using MakeLink = BOOLEAN(WINAPI*)(const char*, const char*, DWORD);
  const auto make_link = reinterpret_cast<MakeLink>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA")));
  const std::string quellon = folder_ + "\\Local\\Quellon";
  const std::string elsewhere = folder_ + "\\elsewhere";
  files_.MakeFolders(folder_ + "\\Local");
  files_.MakeFolders(elsewhere);
  files_.Write(elsewhere + "\\a.reg", "REGEDIT4\r\n");
  if (!make_link || !make_link(quellon.c_str(), elsewhere.c_str(), 1 /* a folder */) ||
      !files_.IsLink(quellon))
    GTEST_SKIP() << "no symbolic links on this system";
  BackupStore backups(files_);
  EXPECT_THROW(TakeBackup(registry_, CardCatalogue(), backups, BackupReason::kSave), BackupError);
  EXPECT_EQ(std::vector<std::string>{"a.reg"}, files_.List(elsewhere));

  const std::string link = folder_ + "\\quellon-2000-01-01_000000.reg";
  ASSERT_TRUE(make_link(link.c_str(), (elsewhere + "\\a.reg").c_str(), 0));
  EXPECT_TRUE(files_.List(folder_).empty());
  EXPECT_THROW(files_.Read(link), FileError);
}

// A backup as the system's tools restore it: reg import and regedit /s bring back every value,
// and delete the one that was missing.
TEST_F(SafetyWin32Test, TheSystemsToolsRestoreQuellonsBackups) {
  SeedCard();
  Catalogue catalogue = CardCatalogue();
  catalogue.Add(kHkeyCurrentUser, key_, "Gone");
  const std::string before = Dump();
  BackupStore backups(files_);
  const std::string backup = TakeBackup(registry_, catalogue, backups, BackupReason::kSave);
  EXPECT_EQ(0u, backup.find(folder_ + "\\Local\\Quellon\\Backups\\quellon-"));

  for (const std::string& tool :
       {"reg.exe import \"" + backup + "\"", "regedit.exe /s \"" + backup + "\""}) {
    Scramble();
    ASSERT_NE(before, Dump());
    EXPECT_EQ(0u, RunTool(tool)) << tool;
    EXPECT_EQ(before, Dump()) << tool;
  }
}

// The demo machine (tools/demo/machine.reg) in the registry, the program's own catalogue and the
// real quellon.exe, whose paths the build gives in QUELLON_DEMO_MACHINE and QUELLON_EXE.
class DemoMachineTest : public SafetyWin32Test {
 protected:
  static constexpr const char* kTrees[] = {
      "SOFTWARE\\Hauppauge", "SYSTEM\\CurrentControlSet\\Services\\hcwPP2",
      "SYSTEM\\CurrentControlSet\\Services\\Globespan",
      "SYSTEM\\CurrentControlSet\\Services\\Class",
      "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}"};

  void SetUp() override {
    machine_ = WindowsPath(std::getenv("QUELLON_DEMO_MACHINE"));
    exe_ = WindowsPath(std::getenv("QUELLON_EXE"));
    if (machine_.empty() || exe_.empty()) GTEST_SKIP() << "QUELLON_DEMO_MACHINE, QUELLON_EXE unset";
    SafetyWin32Test::SetUp();
    RemoveTrees();
    ASSERT_EQ(0u, RunTool("regedit.exe /s \"" + machine_ + "\""));
    ASSERT_NE(std::string::npos, DumpMachine().find("\"HcwSaveEncoderSettings\"=dword:00000001"));
  }
  void TearDown() override {
    if (machine_.empty() || exe_.empty()) return;
    RemoveTrees();
    SafetyWin32Test::TearDown();
  }

  // A path the build gives, as Wine sees it.
  static std::string WindowsPath(const char* unix_path) {
    std::string path = unix_path ? unix_path : "";
    std::replace(path.begin(), path.end(), '/', '\\');
    return path.empty() ? path : "Z:" + path;
  }

  void RemoveTrees() {
    for (const char* tree : kTrees)
      static_cast<void>(DeleteKeyTree(registry_, kHkeyLocalMachine, tree));
  }

  std::string DumpMachine() {
    std::string dump;
    for (const char* tree : kTrees) {
      RegKey key;
      if (RegKey::Open(registry_, kHkeyLocalMachine, tree, kKeyRead, &key) == kErrorSuccess)
        dump += DumpRegFile(registry_, kHkeyLocalMachine, tree);
    }
    return dump;
  }

  // The window's save with every box ticked, over the real registry, its backup in the folder of
  // the test.
  void SaveEverything() {
    ui::HeadlessPlatform platform;
    ui::Application app(platform);
    NoDevices devices;
    TForm1 form(app, registry_, devices, files_);
    form.FormActivate();
    PrepareFullSave(form);
    form.SetSettingsInRegistry();
  }

  DWORD Quellon(const std::string& arguments) { return RunTool("\"" + exe_ + "\" " + arguments); }

  std::string machine_;
  std::string exe_;
};

// A save with every box ticked, then quellon.exe /restore: the registry is as it was.
TEST_F(DemoMachineTest, RestoreUndoesASaveOfEverything) {
  const std::string before = DumpMachine();
  SaveEverything();
  ASSERT_NE(before, DumpMachine());
  EXPECT_EQ(0u, Quellon("/restore"));
  EXPECT_EQ(before, DumpMachine());
}

// quellon.exe /export's file, imported by the system's reg import and regedit /s, brings back every
// value; reg export's file of a driver key, imported by quellon.exe /import, brings back that key.
TEST_F(DemoMachineTest, QuellonAndTheSystemsToolsReadEachOthersFiles) {
  const std::string exported = folder_ + "\\exported.reg";
  ASSERT_EQ(0u, Quellon("/export \"" + exported + "\""));
  const std::string before = DumpMachine();
  for (const std::string& tool :
       {"reg.exe import \"" + exported + "\"", "regedit.exe /s \"" + exported + "\""}) {
    SaveEverything();
    ASSERT_NE(before, DumpMachine());
    EXPECT_EQ(0u, RunTool(tool)) << tool;
    EXPECT_EQ(before, DumpMachine()) << tool;
  }

  const std::string driver = "SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData";
  const std::string driver_before = DumpRegFile(registry_, kHkeyLocalMachine, driver);
  const std::string made_by_reg = folder_ + "\\driver.reg";
  ASSERT_EQ(0u, RunTool("reg.exe export \"HKEY_LOCAL_MACHINE\\" + driver + "\" \"" + made_by_reg +
                        "\" /y"));
  SaveEverything();
  ASSERT_NE(driver_before, DumpRegFile(registry_, kHkeyLocalMachine, driver));
  EXPECT_EQ(0u, Quellon("/import \"" + made_by_reg + "\""));
  EXPECT_EQ(driver_before, DumpRegFile(registry_, kHkeyLocalMachine, driver));
}

}  // namespace
}  // namespace quellon
