// The closed-caption fan-out over a registry that watches it: which Driver keys take the flag, that
// it holds one key at a time and creates nothing, and how a failing write ends it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "registry/registry_util.h"
#include "settings/device_keys.h"
#include "testing/faulty_registry.h"
#include "testing/forwarding_registry.h"
#include "testing/memory_registry.h"

namespace quellon::settings {
namespace {

const std::string kMedia = "System\\CurrentControlSet\\Services\\Class\\MEDIA";
const std::string kClasses = "System\\CurrentControlSet\\Control\\Class";

// Passes every call on, counting the keys open at once and every attempt to create one.
class WatchingRegistry final : public ForwardingRegistry {
 public:
  using ForwardingRegistry::ForwardingRegistry;
  std::size_t most_open = 0;
  int creates = 0;

  RegStatus OpenKey(RegHandle parent, const std::string& sub, RegAccess access,
                    RegHandle* result) override {
    const RegStatus s = inner().OpenKey(parent, sub, access, result);
    if (s == kErrorSuccess) most_open = std::max(most_open, ++open_);
    return s;
  }
  RegStatus CreateKey(RegHandle parent, const std::string& sub, RegAccess access,
                      RegHandle* result) override {
    ++creates;
    return inner().CreateKey(parent, sub, access, result);
  }
  RegStatus CloseKey(RegHandle key) override {
    --open_;
    return inner().CloseKey(key);
  }

 private:
  std::size_t open_ = 0;
};

class CCFanout : public ::testing::Test {
 protected:
  void SetDword(const std::string& path, const std::string& name, std::uint32_t v) {
    RegKey key;
    ASSERT_EQ(RegKey::Create(reg, kHkeyLocalMachine, path, kKeyAllAccess, &key), kErrorSuccess);
    const auto bytes = DwordToBytes(v);
    ASSERT_EQ(reg.SetValue(key.get(), name, kRegDword, bytes.data(), 4), kErrorSuccess);
  }
  // "missing", or the REG_DWORD stored under the name.
  std::string Flag(const std::string& path) {
    RegKey key;
    if (RegKey::Open(reg, kHkeyLocalMachine, path, kKeyAllAccess, &key) != kErrorSuccess)
      return "no key";
    RegValue value;
    if (ReadValue(reg, key.get(), "InsertCCinDVD", &value) != kErrorSuccess) return "missing";
    if (value.type != kRegDword || value.data.size() != 4) return "wrong type";
    return std::to_string(DwordFromBytes(value.data.data()));
  }
  // Driver keys that carry the marker (in its own or another letter case), one that does not,
  // and one a level too deep.
  void InstallCard() {
    SetDword(kMedia + "\\0000\\Driver", "EnableVIMProtection", 0);
    SetDword(kMedia + "\\0001\\Driver", "enablevimPROTECTION", 1);
    SetDword(kMedia + "\\0002\\Driver", "EnableVIMProtectionX", 1);
    SetDword(kClasses + "\\{media}\\0003\\Driver", "ENABLEVIMPROTECTION", 1);
    SetDword(kClasses + "\\{media}\\0004\\Driver", "Other", 1);
    SetDword(kClasses + "\\{media}\\0005\\Sub\\Driver", "EnableVIMProtection", 1);
    SetDword(kClasses + "\\{other}\\0000\\Driver", "EnableVIMProtection", 1);
  }

  MemoryRegistry reg;
};

TEST_F(CCFanout, WritesOnlyWhereTheMarkerIsAtTheLevelsWalked) {
  InstallCard();
  SetCCKey(reg, true);
  EXPECT_EQ(Flag(kMedia + "\\0000\\Driver"), "1");
  EXPECT_EQ(Flag(kMedia + "\\0001\\Driver"), "1");
  EXPECT_EQ(Flag(kMedia + "\\0002\\Driver"), "missing");
  EXPECT_EQ(Flag(kClasses + "\\{media}\\0003\\Driver"), "1");
  EXPECT_EQ(Flag(kClasses + "\\{media}\\0004\\Driver"), "missing");
  EXPECT_EQ(Flag(kClasses + "\\{media}\\0005\\Sub\\Driver"), "missing");
  EXPECT_EQ(Flag(kClasses + "\\{other}\\0000\\Driver"), "1");

  SetCCKey(reg, false);
  EXPECT_EQ(Flag(kMedia + "\\0000\\Driver"), "0");
  EXPECT_EQ(Flag(kClasses + "\\{media}\\0003\\Driver"), "0");
  EXPECT_EQ(reg.OpenHandleCount(), 0u);
}

TEST_F(CCFanout, HoldsOneKeyAtATimeAndCreatesNothing) {
  InstallCard();
  // An instance without a Driver key must not get one.
  SetDword(kClasses + "\\{media}\\0006", "EnableVIMProtection", 1);
  WatchingRegistry watching(reg);
  SetCCKey(watching, true);
  EXPECT_EQ(watching.most_open, 1u);
  EXPECT_EQ(watching.creates, 0);
  EXPECT_EQ(Flag(kClasses + "\\{media}\\0006\\Driver"), "no key");
}

TEST_F(CCFanout, SkipsKeysItCannotOpen) {
  SetCCKey(reg, true);  // neither tree exists: nothing to do, nothing reported
  EXPECT_EQ(Flag(kMedia), "no key");

  InstallCard();
  // A device name so long that its Driver path exceeds what the ANSI calls take (the key itself
  // was made one level at a time): skipped like any key that does not open, the walk goes on.
  {
    RegKey media, device, driver;
    ASSERT_EQ(RegKey::Open(reg, kHkeyLocalMachine, kMedia, kKeyAllAccess, &media), kErrorSuccess);
    ASSERT_EQ(RegKey::Create(reg, media.get(), std::string(250, 'x'), kKeyAllAccess, &device),
              kErrorSuccess);
    ASSERT_EQ(RegKey::Create(reg, device.get(), "Driver", kKeyAllAccess, &driver), kErrorSuccess);
    const auto bytes = DwordToBytes(1);
    ASSERT_EQ(reg.SetValue(driver.get(), "EnableVIMProtection", kRegDword, bytes.data(), 4),
              kErrorSuccess);
  }
  reg.DenyAccess(kHkeyLocalMachine, kMedia + "\\0000\\Driver");
  reg.DenyAccess(kHkeyLocalMachine, kClasses + "\\{media}");
  SetCCKey(reg, true);
  EXPECT_EQ(Flag(kMedia + "\\0001\\Driver"), "1");
  EXPECT_EQ(Flag(kClasses + "\\{media}\\0003\\Driver"), "missing");
  EXPECT_EQ(Flag(kClasses + "\\{other}\\0000\\Driver"), "1");
}

TEST_F(CCFanout, AFailingWriteEndsTheWalk) {
  InstallCard();
  FaultyRegistry faulty(reg);
  faulty.FailNthWrite(2, kErrorAccessDenied);
  try {
    SetCCKey(faulty, true);
    FAIL() << "the failed write went unreported";
  } catch (const RegistryError& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'InsertCCinDVD'");
  }
  EXPECT_EQ(Flag(kMedia + "\\0000\\Driver"), "1");
  EXPECT_EQ(Flag(kMedia + "\\0001\\Driver"), "missing");
  EXPECT_EQ(Flag(kClasses + "\\{media}\\0003\\Driver"), "missing");
  EXPECT_EQ(reg.OpenHandleCount(), 0u);

  // So does any listing of the walk that cannot be read to its end, at every level: no card is
  // passed over silently.
  FaultyRegistry listing(reg);
  listing.FailListingOf(kHkeyLocalMachine, kMedia, kErrorKeyDeleted);
  EXPECT_THROW(SetCCKey(listing, false), RegistryError);
  EXPECT_EQ(Flag(kMedia + "\\0000\\Driver"), "1");
  for (const std::string& path : {kMedia + "\\0001\\Driver", kClasses, kClasses + "\\{media}",
                                  kClasses + "\\{media}\\0003\\Driver"}) {
    FaultyRegistry deeper(reg);
    deeper.FailListingOf(kHkeyLocalMachine, path, kErrorKeyDeleted);
    EXPECT_THROW(SetCCKey(deeper, false), RegistryError) << path;
  }
}

}  // namespace
}  // namespace quellon::settings
