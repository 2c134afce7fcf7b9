// The safety net over memory: snapshots, the backup store, and import and restore against a
// small catalogue of their own.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/reg_file.h"
#include "registry/reg_file_text.h"
#include "registry/registry_util.h"
#include "safety/backup_list.h"
#include "safety/snapshot.h"
#include "safety/transfer.h"
#include "testing/faulty_registry.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

const std::string kFolder = "C:\\Users\\User\\AppData\\Local\\Quellon\\Backups";

class SafetyTest : public ::testing::Test {
 protected:
  SafetyTest() {
    Seed(
        "[HKEY_LOCAL_MACHINE\\Card\\DriverData]\n\"hcwBRIGHTNESS\"=dword:5\n\"Other\"=\"x\"\n"
        "[HKEY_CURRENT_USER\\Viewer]\n\"Path\"=\"C:\\\\tv\"\n");
    catalogue_.Add(kHkeyLocalMachine, "Card\\DriverData", "HcwBrightness");
    catalogue_.Add(kHkeyLocalMachine, "Card\\DriverData", "HcwContrast");
    catalogue_.Add(kHkeyCurrentUser, "Viewer", "Path");
    catalogue_.Add(kHkeyLocalMachine, "Absent\\Key", "Flag");
    catalogue_.Add(kHkeyLocalMachine, "CARD\\driverdata", "hcwbrightness");  // listed already
  }

  void Seed(const std::string& body) { ApplyRegFile(memory_, "REGEDIT4\n" + body); }

  std::string Dump() {
    return DumpRegFile(memory_, kHkeyLocalMachine, "") + DumpRegFile(memory_, kHkeyCurrentUser, "");
  }

  void Tick() { now_ = AddSeconds(now_, 1); }

  MemoryRegistry memory_;
  FaultyRegistry registry_{memory_};
  Catalogue catalogue_;
  LocalTime now_{2026, 12, 8, 14, 55, 3};
  MemoryFileSystem files_{[this] { return now_; }};
  BackupStore backups_{files_};
};

TEST_F(SafetyTest, SnapshotRecordsPresentValuesAndMissingOnesAsDeletions) {
  EXPECT_EQ(4u, catalogue_.size());
  EXPECT_TRUE(catalogue_.Contains(kHkeyCurrentUser, "VIEWER", "path"));
  EXPECT_FALSE(catalogue_.Contains(kHkeyLocalMachine, "Viewer", "Path"));
  EXPECT_TRUE(catalogue_.HasKey(kHkeyLocalMachine, "absent\\KEY"));
  EXPECT_FALSE(catalogue_.HasKey(kHkeyLocalMachine, "Card"));

  const auto text = [](const std::vector<RegFileOperation>& ops) {
    return FormatRegFile(ops, RegFileEncoding::kRegedit4);
  };
  EXPECT_EQ(text(Snapshot(registry_, catalogue_).operations),
            "REGEDIT4\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\Card\\DriverData]\r\n"
            "\"hcwBRIGHTNESS\"=dword:00000005\r\n"  // the registry's own spelling
            "\"HcwContrast\"=-\r\n"
            "\r\n[HKEY_CURRENT_USER\\Viewer]\r\n\"Path\"=\"C:\\\\tv\"\r\n"
            "\r\n[HKEY_LOCAL_MACHINE\\Absent\\Key]\r\n\"Flag\"=-\r\n\r\n");

  // A key that is there but cannot be read is no missing value: it is left out and named in a
  // comment line, and so is a key whose name a .reg file cannot carry.
  registry_.FailOpenOf(kHkeyCurrentUser, "Viewer", kErrorAccessDenied);
  catalogue_.Add(kHkeyLocalMachine, "Card\n2", "HcwHue");
  const SettingsSnapshot snapshot = Snapshot(registry_, catalogue_);
  EXPECT_EQ(snapshot.unread, (std::vector<std::string>{
                                 "HKEY_CURRENT_USER\\Viewer (error 5)",
                                 "HKEY_LOCAL_MACHINE\\Card\n2 (its name holds a line break, which "
                                 "a .reg file cannot carry)"}));
  const std::string file = snapshot.File(RegFileEncoding::kRegedit4);
  EXPECT_PRED2(
      [](const std::string& a, const std::string& b) { return a.starts_with(b); }, file,
      "REGEDIT4\r\n"
      "; Not recorded, as Quellon could not read it: HKEY_CURRENT_USER\\Viewer (error 5)\r\n"
      "; Not recorded, as Quellon could not read it: HKEY_LOCAL_MACHINE\\Card\\n2 (its name "
      "holds a line break, which a .reg file cannot carry)\r\n");
  EXPECT_EQ(ParseRegFile(snapshot.File()).size(), 5u);  // readers skip the comments
  EXPECT_EQ(0u, memory_.OpenHandleCount());
}

// On 64-bit Windows this program's SOFTWARE keys lie below SOFTWARE\WOW6432Node for every other
// program: files name them there, and either spelling comes back into the program's own key.
TEST_F(SafetyTest, OnA64BitWindowsFilesNameSoftwareKeysWhereTheyLie) {
  memory_.SetWow64View(true);
  Seed("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Viewer]\n\"Path\"=\"C:\\\\tv\"\n");
  Catalogue catalogue;
  catalogue.Add(kHkeyLocalMachine, "Software\\Viewer", "Path");
  catalogue.Add(kHkeyLocalMachine, "Card\\DriverData", "HcwBrightness");
  EXPECT_EQ(Snapshot(registry_, catalogue).File(RegFileEncoding::kRegedit4),
            "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\WOW6432Node\\Viewer]\r\n"
            "\"Path\"=\"C:\\\\tv\"\r\n\r\n[HKEY_LOCAL_MACHINE\\Card\\DriverData]\r\n"
            "\"hcwBRIGHTNESS\"=dword:00000005\r\n\r\n");
  for (const std::string key : {"SOFTWARE\\wow6432node\\Viewer", "SOFTWARE\\Viewer"}) {
    files_.Write("in.reg", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + key + "]\n\"Path\"=\"" +
                               std::to_string(key.size()) + "\"\n");
    ImportSettings(registry_, catalogue, backups_, "in.reg");
    EXPECT_EQ(DumpRegFile(memory_, kHkeyLocalMachine, "SOFTWARE"),
              "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Viewer]\r\n\"Path\"=\"" +
                  std::to_string(key.size()) + "\"\r\n\r\n");
  }
}

TEST_F(SafetyTest, BackupNamesSortAsTheyWereMadeAndTheNewest50AreKept) {
  files_.MakeFolders(kFolder);
  files_.Write(kFolder + "\\notes.txt", "mine");
  files_.Write(kFolder + "\\quellon-2026-12-08_999999.reg", "no time");
  EXPECT_EQ(kFolder + "\\quellon-2026-12-08_145503.reg", backups_.Write("1"));
  EXPECT_EQ(kFolder + "\\quellon-2026-12-08_145503_02.reg", backups_.Write("2"));
  now_ = {2026, 12, 31, 23, 59, 59};
  EXPECT_EQ(kFolder + "\\quellon-2026-12-31_235959.reg", backups_.Write("3"));
  now_ = {2026, 12, 31, 23, 0, 0};  // the clock went back: the name still sorts last
  EXPECT_EQ(kFolder + "\\quellon-2027-01-01_000000.reg", backups_.Write("4"));
  EXPECT_EQ("4", files_.Read(backups_.PathOf(*backups_.Newest())));

  now_ = {2027, 1, 2, 8, 0, 0};
  for (int i = 0; i < 50; ++i, Tick()) backups_.Write("later");
  const std::vector<std::string> names = backups_.List();
  ASSERT_EQ(kBackupsKept, names.size());
  EXPECT_EQ("quellon-2027-01-02_080049.reg", names.front());
  EXPECT_EQ("quellon-2027-01-02_080000.reg", names.back());
  EXPECT_EQ(52u, files_.List(kFolder).size());  // the files that are no backups stay

  // A backup that cannot be removed stays; the new one is written all the same.
  files_.FailRemoves(kFileAccessDenied);
  backups_.Write("kept");
  EXPECT_EQ(kBackupsKept + 1, backups_.List().size());
}

// Every name stays in the form the list reads, so the newest backup listed is the one made last:
// the 100th backup of one second takes the next second, and a file planted under the last name
// there is stops new backups instead of hiding them behind it.
TEST_F(SafetyTest, BackupNamesStayInTheFormTheListReads) {
  for (int i = 1; i <= 100; ++i) backups_.Write(std::to_string(i));
  const std::vector<std::string> names = backups_.List();
  EXPECT_EQ("quellon-2026-12-08_145504.reg", names.at(0));
  EXPECT_EQ("quellon-2026-12-08_145503_99.reg", names.at(1));
  EXPECT_EQ("100", files_.Read(backups_.PathOf(names.at(0))));

  files_.Write(kFolder + "\\quellon-9999-12-31_235959_99.reg", "planted");
  try {
    TakeBackup(registry_, catalogue_, backups_, BackupReason::kSave);
    FAIL() << "no error";
  } catch (const BackupError& e) {
    EXPECT_STREQ(("The backup failed: Cannot write a backup into \"" + kFolder +
                  "\": no backup name is left after \"quellon-9999-12-31_235959_99.reg\"; move "
                  "that file away to take new backups.\nNothing was written to the registry.")
                     .c_str(),
                 e.what());
  }
  EXPECT_EQ(names.size() + 1, files_.List(kFolder).size());
}

// The backups' folders are the user's to change without elevation: a backup refuses a folder
// turned into a link, and rotation neither lists nor removes a link, whatever its name.
TEST_F(SafetyTest, BackupsFollowNoLinks) {
  for (const std::string& folder : {kFolder.substr(0, kFolder.rfind('\\')), kFolder}) {
    MemoryFileSystem files;
    BackupStore backups(files);
    files.MakeFolders(kFolder);
    files.MarkLink(folder);
    try {
      TakeBackup(registry_, catalogue_, backups, BackupReason::kSave);
      FAIL() << "no error";
    } catch (const BackupError& e) {
      EXPECT_STREQ(("The backup failed: Cannot use the folder \"" + folder +
                    "\": It is a link to another place (a junction or symbolic link), which "
                    "Quellon does not follow.\nNothing was written to the registry.")
                       .c_str(),
                   e.what());
    }
    EXPECT_TRUE(files.List(kFolder).empty());
  }

  files_.MakeFolders(kFolder);
  const std::string link = kFolder + "\\quellon-2000-01-01_000000.reg";
  files_.Write(link, "a link");
  files_.MarkLink(link);
  for (int i = 0; i < 51; ++i, Tick()) backups_.Write("new");
  EXPECT_EQ(kBackupsKept, backups_.List().size());
  EXPECT_EQ("quellon-2026-12-08_145504.reg", backups_.List().back());
  EXPECT_TRUE(files_.Exists(link));
}

TEST_F(SafetyTest, ABackupThatCannotBeWrittenNamesTheFileAndTheReason) {
  files_.FailWritesBelow(kFolder, kDiskFull);
  try {
    TakeBackup(registry_, catalogue_, backups_, BackupReason::kSave);
    FAIL() << "no error";
  } catch (const BackupError& e) {
    EXPECT_STREQ(("The backup failed: Cannot create the folder \"" + kFolder +
                  "\": There is not enough space on the disk.\n"
                  "Nothing was written to the registry.")
                     .c_str(),
                 e.what());
  }
  files_.MakeFolders("C:\\Users\\User\\AppData\\Local\\Quellon");
  files_.SetLocalAppData("");
  EXPECT_THROW(TakeBackup(registry_, catalogue_, backups_, BackupReason::kSave), BackupError);

  // An import whose backup fails writes nothing.
  files_.SetLocalAppData("C:\\Users\\User\\AppData\\Local");
  files_.Write("in.reg", "REGEDIT4\n[HKEY_CURRENT_USER\\Viewer]\n\"Path\"=\"D:\\\\\"\n");
  const std::string before = Dump();
  EXPECT_THROW(ImportSettings(registry_, catalogue_, backups_, "in.reg"), BackupError);
  EXPECT_EQ(before, Dump());
}

TEST_F(SafetyTest, AnImportNamingAnythingOutsideTheCatalogueIsRefusedWhole) {
  files_.Write("in.reg",
               "REGEDIT4\n"
               "[HKEY_CURRENT_USER\\Viewer]\n\"path\"=\"D:\\\\\"\n"
               "[HKEY_LOCAL_MACHINE\\Card\\DriverData]\n\"Other\"=-\n@=\"x\"\n"
               "[-HKEY_LOCAL_MACHINE\\Absent\\Key]\n"
               "[HKEY_LOCAL_MACHINE\\Card]\n");
  const std::string before = Dump();
  try {
    ImportSettings(registry_, catalogue_, backups_, "in.reg");
    FAIL() << "not refused";
  } catch (const ImportRefused& e) {
    EXPECT_STREQ(
        "\"in.reg\" was not imported: it names keys or values outside the settings that Quellon "
        "writes, so nothing was written:\n"
        "  line 5: \"Other\" in [HKEY_LOCAL_MACHINE\\Card\\DriverData]\n"
        "  line 6: @ in [HKEY_LOCAL_MACHINE\\Card\\DriverData]\n"
        "  line 7: [-HKEY_LOCAL_MACHINE\\Absent\\Key]\n"
        "  line 8: [HKEY_LOCAL_MACHINE\\Card]",
        e.what());
  }
  EXPECT_EQ(before, Dump());
  EXPECT_TRUE(backups_.List().empty());  // refused before its backup
}

// A refusal lists 20 lines at most and counts the rest.
TEST_F(SafetyTest, ARefusalListsTwentyLinesAndCountsTheRest) {
  for (const int values : {20, 22}) {
    std::string file = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Card\\DriverData]\n";
    for (int i = 1; i <= values; ++i) file += "\"V" + std::to_string(i) + "\"=-\n";
    files_.Write("in.reg", file);
    try {
      ImportSettings(registry_, catalogue_, backups_, "in.reg");
      FAIL() << "not refused";
    } catch (const ImportRefused& e) {
      const std::string text = e.what();
      EXPECT_TRUE(text.ends_with("\n  line 22: \"V20\" in [HKEY_LOCAL_MACHINE\\Card\\DriverData]" +
                                 std::string(values == 22 ? "\n  ... and 2 more" : "")))
          << text;
    }
  }
}

TEST_F(SafetyTest, AFailingWriteStopsTheImportAndNamesTheBackupThatUndoesIt) {
  files_.Write("in.reg",
               "Windows Registry Editor Version 5.00\n"
               "[HKEY_LOCAL_MACHINE\\Card\\DriverData]\n\"HcwContrast\"=dword:7\n"
               "\"HcwBrightness\"=dword:9\n");
  const std::string before = Dump();
  registry_.FailWritesOf("HcwBrightness", kErrorAccessDenied);
  try {
    ImportSettings(registry_, catalogue_, backups_, "in.reg");
    FAIL() << "no error";
  } catch (const WriteStopped& e) {
    EXPECT_STREQ(
        "The import of \"in.reg\" stopped: line 4: setting 'HcwBrightness' failed with error 5.\n"
        "What it wrote before can be undone by restoring the backup "
        "quellon-2026-12-08_145503.reg.",
        e.what());
    EXPECT_EQ("quellon-2026-12-08_145503.reg", e.backup());
  }
  EXPECT_NE(before, Dump());
  registry_.ClearFaults();
  Tick();
  const TransferReport report = RestoreBackup(registry_, catalogue_, backups_, std::nullopt);
  EXPECT_EQ(before, Dump());
  EXPECT_EQ("quellon-2026-12-08_145503.reg", report.source);
  EXPECT_EQ(kFolder + "\\quellon-2026-12-08_145504.reg", report.backup);
  EXPECT_EQ(4u, report.values);
}

// A device removed since the backup: its values are left out, and its key is not made again.
TEST_F(SafetyTest, ARestoreLeavesOutWhatTheCatalogueNoLongerHolds) {
  TakeBackup(registry_, catalogue_, backups_, std::nullopt);
  Seed("[HKEY_CURRENT_USER\\Viewer]\n\"Path\"=\"D:\\\\\"\n");
  Seed("[-HKEY_LOCAL_MACHINE\\Card]\n");
  Catalogue now;
  now.Add(kHkeyCurrentUser, "Viewer", "Path");
  Tick();
  const TransferReport report =
      RestoreBackup(registry_, now, backups_, "quellon-2026-12-08_145503.reg");
  EXPECT_EQ(1u, report.values);
  EXPECT_EQ((std::vector<std::string>{
                "line 3: [HKEY_LOCAL_MACHINE\\Card\\DriverData]",
                "line 4: \"hcwBRIGHTNESS\" in [HKEY_LOCAL_MACHINE\\Card\\DriverData]",
                "line 5: \"HcwContrast\" in [HKEY_LOCAL_MACHINE\\Card\\DriverData]",
                "line 10: [HKEY_LOCAL_MACHINE\\Absent\\Key]",
                "line 11: \"Flag\" in [HKEY_LOCAL_MACHINE\\Absent\\Key]"}),
            report.skipped);
  EXPECT_EQ(
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER]\r\n\r\n[HKEY_CURRENT_USER\\Viewer]\r\n"
      "\"Path\"=\"C:\\\\tv\"\r\n\r\n",
      DumpRegFile(memory_, kHkeyCurrentUser, ""));
  RegKey gone;
  EXPECT_EQ(kErrorFileNotFound, RegKey::Open(memory_, kHkeyLocalMachine, "Card", kKeyRead, &gone));
  EXPECT_THROW(RestoreBackup(registry_, now, backups_, "..\\x.reg"), std::runtime_error);
}

// What took a backup comes from the whole lines right below the header at its file's start alone,
// and only in the program's own words: the backups' folder is anyone's to write.
TEST(BackupReasonTest, OnlyTheProgramsOwnWordsBelowTheHeaderCount) {
  const std::string header = "Windows Registry Editor Version 5.00\r\n";
  const auto unicode = [](const std::string& text) {
    return "\xFF\xFE" + regfile::EncodeUtf16(text);
  };
  for (BackupReason reason : {BackupReason::kSave, BackupReason::kDefaults, BackupReason::kImport,
                              BackupReason::kRestore, BackupReason::kProfile}) {
    EXPECT_EQ(ReadBackupReason(unicode(header + "; " + BackupReasonComment(reason) + "\r\n")),
              reason);
  }
  EXPECT_EQ(ReadBackupReason("REGEDIT4\n; Taken before: import\n"), BackupReason::kImport);
  EXPECT_EQ(ReadBackupReason(header + "; Taken before: restore\r\n; Taken before: save\r\n"),
            BackupReason::kRestore);
  // What follows the bytes read changes nothing.
  EXPECT_EQ(ReadBackupReason(header + "; Taken before: save\r\n" + std::string(1 << 20, '\xFF')),
            BackupReason::kSave);

  std::string wide_word = unicode(header + "; Taken before: sav");
  wide_word += std::string("\x65\x01\r\0\n\0", 6);  // U+0165, which narrows to no letter
  const std::string hostile[] = {
      "",
      "; Taken before: save\r\n",  // no header
      header + "; Taken before: Save\r\n",
      header + "; Taken before: save \r\n",
      header + "; Taken before: save",                                  // cut off
      header + "\r\n\r\n\r\n; Taken before: save\r\n",                  // below the lines read
      header + std::string(600, ';') + "\r\n; Taken before: save\r\n",  // past the bytes read
      header + std::string("; Taken before: save\0\r\n", 23),
      wide_word,
      unicode("REGEDIT5\r\n; Taken before: save\r\n"),
  };
  for (const std::string& head : hostile)
    EXPECT_EQ(ReadBackupReason(head), std::nullopt) << head.substr(0, 80);
}

// The list of backups: a backup without the line says nothing, and the last backup to restore is
// the newest no restore took.
TEST_F(SafetyTest, TheListSaysWhatTookEachBackupAndTheLastOneNoRestoreTook) {
  TakeBackup(registry_, catalogue_, backups_, std::nullopt);
  Tick();
  TakeBackup(registry_, catalogue_, backups_, BackupReason::kSave);
  static_cast<void>(RestoreBackup(registry_, catalogue_, backups_, std::nullopt));
  const std::vector<BackupEntry> entries = ListBackupEntries(backups_);
  ASSERT_EQ(3u, entries.size());
  EXPECT_EQ("2026-12-08 14:55:04 (2)  before a restore", BackupRowText(entries[0]));
  EXPECT_EQ("2026-12-08 14:55:04  before a save", BackupRowText(entries[1]));
  EXPECT_EQ("2026-12-08 14:55:03", BackupRowText(entries[2]));
  EXPECT_EQ(entries[1].name, NewestNotFromRestore(entries)->name);
  EXPECT_FALSE(NewestNotFromRestore({entries[0]}));
}

}  // namespace
}  // namespace quellon
