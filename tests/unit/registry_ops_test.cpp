// The registry operations over the memory registry, seeded from .reg text, and the settings'
// fan-out over the device instances.

#include "registry/registry_ops.h"

#include <gtest/gtest.h>

#include <string>

#include "registry/reg_file.h"
#include "registry/registry_util.h"
#include "settings/device_keys.h"
#include "settings/keys.h"
#include "testing/faulty_registry.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

const std::string kKey = "SOFTWARE\\Hauppauge\\hcwTVWnd";
const std::string kInstances = std::string("HKEY_LOCAL_MACHINE\\") + settings::keys::kMediaClass;

class RegistryOpsTest : public ::testing::Test {
 protected:
  // Every operation closes what it opened, on the failing paths as well.
  void TearDown() override { EXPECT_EQ(0u, memory_.OpenHandleCount()); }

  void Seed(const std::string& body) { ApplyRegFile(memory_, "REGEDIT4\n" + body); }

  RegValue Raw(RegHandle root, const std::string& key, const std::string& name) {
    RegKey opened;
    RegValue value;
    EXPECT_EQ(kErrorSuccess, RegKey::Open(memory_, root, key, kKeyRead, &opened)) << key;
    EXPECT_EQ(kErrorSuccess, ReadValue(memory_, opened.get(), name, &value)) << name;
    return value;
  }

  bool KeyExists(const std::string& key) {
    RegKey opened;
    return RegKey::Open(memory_, kHkeyLocalMachine, key, kKeyRead, &opened) == kErrorSuccess;
  }

  std::string Instance(const std::string& name) {
    return std::string(settings::keys::kMediaClass) + "\\" + name + "\\DriverData";
  }

  // The fan-out read; the listing a load reads through gives the same.
  std::optional<int> FanOutRead(const std::string& name) {
    const auto read = settings::GetRegIntKeyHKLM_all150subkeys(faulty_, name);
    EXPECT_EQ(read, settings::FanOutListing(faulty_).Read(name)) << name;
    return read;
  }

  MemoryRegistry memory_;
  FaultyRegistry faulty_{memory_};
  RegistryOps ops_{faulty_};
};

TEST_F(RegistryOpsTest, IntegerReadersTakeOnlyFourByteDwords) {
  Seed("[HKEY_LOCAL_MACHINE\\" + kKey +
       "]\n"
       "\"Answer\"=dword:0000002a\n"
       "\"Negative\"=dword:fffffff6\n"
       "\"Marker\"=dword:ffffd8f1\n"
       "\"Text\"=\"42\"\n"
       "\"Binary\"=hex:2a,00,00,00\n"
       "\"Short\"=hex(4):2a,00\n"
       "\"Long\"=hex(4):2a,00,00,00,00,00,00,00\n");
  EXPECT_EQ(42, ops_.GetRegIntKeyHKLM(kKey, "answer"));
  EXPECT_EQ(-10, ops_.GetRegIntKeyHKLM(kKey, "Negative"));
  for (const char* name : {"Marker", "Text", "Binary", "Short", "Long", "Absent"}) {
    EXPECT_EQ(std::nullopt, ops_.GetRegIntKeyHKLM(kKey, name)) << name;
  }
  EXPECT_EQ(std::nullopt, ops_.GetRegIntKeyHKLM(kKey + "\\Absent", "Answer"));
}

TEST_F(RegistryOpsTest, StringReadersEndAtTheFirstZeroOrTheDataEnd) {
  Seed("[HKEY_LOCAL_MACHINE\\" + kKey +
       "]\n"
       "\"Dir\"=\"C:\\\\Capture\"\n"
       "\"Expand\"=hex(2):25,54,45,4d,50,25,00\n"
       "\"Inner\"=hex(1):61,62,00,63,64,00\n"
       "\"NoZero\"=hex(1):61,62,63\n"
       "\"Empty\"=hex(1):\n"
       "\"Number\"=dword:00000041\n");
  EXPECT_EQ("C:\\Capture", ops_.GetRegStrKeyHKLM(kKey, "DIR"));
  EXPECT_EQ("%TEMP%", ops_.GetRegStrKeyHKLM(kKey, "Expand"));
  EXPECT_EQ("ab", ops_.GetRegStrKeyHKLM(kKey, "Inner"));
  EXPECT_EQ("abc", ops_.GetRegStrKeyHKLM(kKey, "NoZero"));
  EXPECT_EQ("", ops_.GetRegStrKeyHKLM(kKey, "Empty"));
  EXPECT_EQ("", ops_.GetRegStrKeyHKLM(kKey, "Number"));
  EXPECT_EQ("", ops_.GetRegStrKeyHKLM(kKey, "Absent"));
  EXPECT_EQ(std::nullopt, ops_.GetRegStrKeyHKLM(kKey + "\\Absent", "Dir"));
}

TEST_F(RegistryOpsTest, AKeyTheUserMayNotWriteReadsAsMissing) {
  Seed("[HKEY_LOCAL_MACHINE\\" + kKey + "]\n\"Answer\"=dword:0000002a\n\"Dir\"=\"C:\\\\\"\n");
  memory_.DenyAccess(kHkeyLocalMachine, kKey, kKeySetValue);
  EXPECT_EQ(std::nullopt, ops_.GetRegIntKeyHKLM(kKey, "Answer"));
  EXPECT_EQ(std::nullopt, ops_.GetRegStrKeyHKLM(kKey, "Dir"));
  EXPECT_THROW(ops_.SetRegIntKeyHKLM(kKey, "Answer", 1), RegistryError);
  EXPECT_NO_THROW(ops_.DeleteRegKeyValueHKLM(kKey, "Answer"));
  EXPECT_EQ(42,
            static_cast<int>(DwordFromBytes(Raw(kHkeyLocalMachine, kKey, "Answer").data.data())));
}

TEST_F(RegistryOpsTest, WritersCreateTheKeyAndReplaceAnyType) {
  Seed("[HKEY_LOCAL_MACHINE\\" + kKey + "]\n\"Mode\"=\"text\"\n\"Dir\"=dword:00000001\n");
  ops_.SetRegIntKeyHKLM(kKey, "MODE", -2);
  ops_.SetRegStrKeyHKLM(kKey, "Dir", "E:\\Rec \x92");
  ops_.SetRegIntKeyHKLM(kKey + "\\New\\Deeper", "Fresh", 5);

  RegValue mode = Raw(kHkeyLocalMachine, kKey, "Mode");
  EXPECT_EQ(kRegDword, mode.type);
  EXPECT_EQ(std::vector<std::uint8_t>({0xFE, 0xFF, 0xFF, 0xFF}), mode.data);
  RegValue dir = Raw(kHkeyLocalMachine, kKey, "Dir");
  EXPECT_EQ(kRegSz, dir.type);
  EXPECT_EQ(DataFromText("E:\\Rec \x92"), dir.data);
  EXPECT_EQ(5, ops_.GetRegIntKeyHKLM(kKey + "\\New\\Deeper", "Fresh"));
}

TEST_F(RegistryOpsTest, AFailedWriteNamesTheValueVerbatim) {
  // A value name is never a format: "%s" and "%n" in it come out as they are.
  const std::string name = "Odd %s %n %% name";
  faulty_.FailWritesOf(name, kErrorWriteFault);
  try {
    ops_.SetRegStrKeyHKLM(kKey, name, "x");
    FAIL() << "no error";
  } catch (const RegistryError& error) {
    // The text alone, without the words std::system_error adds for the code it keeps.
    EXPECT_STREQ("Failed to set data for 'Odd %s %n %% name'", error.what());
    EXPECT_EQ(kErrorWriteFault, error.status());
    EXPECT_EQ(&RegistryCategory(), &error.code().category());
  }
  faulty_.ClearFaults();
  faulty_.FailOpenOf(kHkeyLocalMachine, kKey, kErrorAccessDenied);
  try {
    ops_.SetRegIntKeyHKLM(kKey, "HcwSharpness", 1);
    FAIL() << "no error";
  } catch (const RegistryError& error) {
    EXPECT_STREQ("Failed to set data for 'HcwSharpness'", error.what());
  }
}

TEST_F(RegistryOpsTest, DeleteCreatesAMissingKeyAndReportsNothing) {
  Seed("[HKEY_LOCAL_MACHINE\\" + kKey + "]\n\"Gone\"=dword:00000001\n\"Kept\"=dword:00000002\n");
  ops_.DeleteRegKeyValueHKLM(kKey, "GONE");
  EXPECT_EQ(std::nullopt, ops_.GetRegIntKeyHKLM(kKey, "Gone"));
  ops_.DeleteRegKeyValueHKLM(kKey, "NeverThere");
  ops_.DeleteRegKeyValueHKLM(kKey + "\\Absent", "Gone");
  EXPECT_TRUE(KeyExists(kKey + "\\Absent"));
  faulty_.FailWritesOf("Kept", kErrorAccessDenied);
  EXPECT_NO_THROW(ops_.DeleteRegKeyValueHKLM(kKey, "Kept"));
  EXPECT_EQ(2, ops_.GetRegIntKeyHKLM(kKey, "Kept"));
}

TEST_F(RegistryOpsTest, FanOutReadGivesTheLastInstanceThatHoldsTheValue) {
  EXPECT_EQ(std::nullopt, FanOutRead("HcwBrightness"));
  Seed("[" + kInstances + "\\0003\\DriverData]\n\"HcwBrightness\"=dword:00000001\n" + "[" +
       kInstances + "\\0005\\Settings]\n\"HcwBrightness\"=dword:00000009\n" + "[" + kInstances +
       "\\0007\\driverDATA]\n\"HCWBRIGHTNESS\"=dword:00000000\n" + "[" + kInstances +
       "\\0009\\DriverData]\n\"Other\"=dword:00000004\n");
  EXPECT_EQ(0, FanOutRead("hcwbrightness"));
  EXPECT_EQ(4, FanOutRead("Other"));
  EXPECT_EQ(std::nullopt, FanOutRead("Absent"));
  {
    // One listing serves every value a load reads.
    const settings::FanOutListing listing(faulty_);
    EXPECT_EQ(0, listing.Read("HcwBrightness"));
    EXPECT_EQ(4, listing.Read("other"));
    EXPECT_EQ(std::nullopt, listing.Read("Absent"));
  }
  // An instance whose parameters cannot be opened holds nothing.
  memory_.DenyAccess(kHkeyLocalMachine, Instance("0007"));
  EXPECT_EQ(1, FanOutRead("HcwBrightness"));
}

TEST_F(RegistryOpsTest, FanOutReadRaisesOnAWronglyTypedValue) {
  Seed("[" + kInstances + "\\0001\\DriverData]\n\"Text\"=\"1\"\n\"LongText\"=\"12345\"\n" +
       "\"Eight\"=hex(4):01,00,00,00,00,00,00,00\n\"Four\"=hex:01,00,00,00\n" +
       "\"Short\"=hex(4):05,00\n" + "[" + kInstances + "\\0000\\DriverData]\n" +
       "\"Short\"=dword:00000003\n");
  auto message_of = [](const auto& read) {
    try {
      static_cast<void>(read());
    } catch (const RegistryError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  auto message = [&](const std::string& name) {
    const std::string raised =
        message_of([&] { return settings::GetRegIntKeyHKLM_all150subkeys(faulty_, name); });
    EXPECT_EQ(raised, message_of([&] { return settings::FanOutListing(faulty_).Read(name); }));
    return raised;
  };
  EXPECT_EQ("Invalid data type for 'Text'", message("Text"));
  EXPECT_EQ("Invalid data type for 'Four'", message("Four"));
  EXPECT_EQ("Failed to get data for 'LongText'", message("LongText"));
  EXPECT_EQ("Failed to get data for 'Eight'", message("Eight"));
  // A REG_DWORD too short to hold an integer is passed over; the earlier instance's value stands.
  EXPECT_EQ(3, FanOutRead("Short"));
}

TEST_F(RegistryOpsTest, FanOutWriteReachesEveryDriverDataAndInstance0018) {
  Seed("[" + kInstances + "\\0000\\DriverData]\n" + "[" + kInstances + "\\0001\\Settings]\n" + "[" +
       kInstances + "\\0002\\driverdata]\n" + "[" + kInstances + "\\0018]\n" + "[" + kInstances +
       "\\00180]\n");
  settings::SetRegIntKeyHKLM_all150subkeys(faulty_, "HcwContrast", 77);
  for (const char* instance : {"0000", "0002", "0018"}) {
    EXPECT_EQ(77, ops_.GetRegIntKeyHKLM(Instance(instance), "HcwContrast")) << instance;
  }
  EXPECT_FALSE(KeyExists(Instance("0001")));
  EXPECT_FALSE(KeyExists(Instance("00180")));
  EXPECT_EQ(77, settings::GetRegIntKeyHKLM_all150subkeys(faulty_, "HcwContrast"));
}

TEST_F(RegistryOpsTest, FanOutWriteStopsAtTheFirstFailure) {
  Seed("[" + kInstances + "\\0000\\DriverData]\n" + "[" + kInstances + "\\0001\\DriverData]\n" +
       "[" + kInstances + "\\0002\\DriverData]\n");
  faulty_.FailNthWrite(2, kErrorWriteFault);
  EXPECT_THROW(
      {
        try {
          settings::SetRegIntKeyHKLM_all150subkeys(faulty_, "HcwHue", 3);
        } catch (const RegistryError& error) {
          EXPECT_STREQ("Failed to set data for 'HcwHue'", error.what());
          throw;
        }
      },
      RegistryError);
  EXPECT_EQ(3, ops_.GetRegIntKeyHKLM(Instance("0000"), "HcwHue"));
  EXPECT_EQ(std::nullopt, ops_.GetRegIntKeyHKLM(Instance("0001"), "HcwHue"));
  EXPECT_EQ(std::nullopt, ops_.GetRegIntKeyHKLM(Instance("0002"), "HcwHue"));
}

// A listing that fails part-way: a load reads the value as missing, a save ends with the error
// rather than writing to the instances listed so far only.
TEST_F(RegistryOpsTest, AListingThatFailsIsMissingToALoadAndEndsASave) {
  Seed("[" + kInstances + "\\0000\\DriverData]\n\"HcwHue\"=dword:00000001\n" + "[" + kInstances +
       "\\0001\\DriverData]\n\"HcwHue\"=dword:00000002\n");
  faulty_.FailListingOf(kHkeyLocalMachine, settings::keys::kMediaClass, kErrorKeyDeleted);
  EXPECT_EQ(std::nullopt, FanOutRead("HcwHue"));
  try {
    settings::SetRegIntKeyHKLM_all150subkeys(faulty_, "HcwHue", 7);
    FAIL() << "the failed listing went unreported";
  } catch (const RegistryError& error) {
    EXPECT_STREQ("Failed to set data for 'HcwHue'", error.what());
    EXPECT_EQ(kErrorKeyDeleted, error.status());
  }
  EXPECT_EQ(1, ops_.GetRegIntKeyHKLM(Instance("0000"), "HcwHue"));

  // One instance whose names cannot be listed: it holds nothing for a load and ends a save.
  faulty_.ClearFaults();
  faulty_.FailListingOf(kHkeyLocalMachine, Instance("0001"), kErrorKeyDeleted);
  Seed("[" + kInstances + "\\0001\\DriverData]\n\"Other\"=dword:00000003\n");
  EXPECT_EQ(1, FanOutRead("HcwHue"));
  faulty_.FailListingOf(kHkeyLocalMachine, std::string(settings::keys::kMediaClass) + "\\0001",
                        kErrorKeyDeleted);
  EXPECT_THROW(settings::SetRegIntKeyHKLM_all150subkeys(faulty_, "HcwHue", 7), RegistryError);
}

TEST_F(RegistryOpsTest, FanOutWriteWithoutTheClassKeyDoesNothing) {
  EXPECT_NO_THROW(settings::SetRegIntKeyHKLM_all150subkeys(faulty_, "HcwHue", 3));
  EXPECT_FALSE(KeyExists(settings::keys::kMediaClass));
}

}  // namespace
}  // namespace quellon
