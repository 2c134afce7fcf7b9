// What the memory registry and the fault decorator add beyond the shared backend contract: denied
// keys, handle bookkeeping, and faults that hit exactly the calls they were set up for.

#include <gtest/gtest.h>

#include "testing/faulty_registry.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

const std::uint8_t kOne[4] = {1, 0, 0, 0};

RegStatus Open(RegistryApi& api, RegHandle parent, const std::string& path,
               RegAccess access = kKeyAllAccess) {
  RegKey key;
  return RegKey::Open(api, parent, path, access, &key);
}

RegStatus Create(RegistryApi& api, RegHandle parent, const std::string& path) {
  RegKey key;
  return RegKey::Create(api, parent, path, kKeyAllAccess, &key);
}

TEST(MemoryRegistry, DeniedKeysRefuseTheDeniedRightsOnly) {
  MemoryRegistry reg;
  ASSERT_EQ(kErrorSuccess, Create(reg, kHkeyLocalMachine, "Locked\\Inner"));
  reg.DenyAccess(kHkeyLocalMachine, "Locked");
  EXPECT_EQ(kErrorAccessDenied, Open(reg, kHkeyLocalMachine, "LOCKED", kKeyRead));
  EXPECT_EQ(kErrorAccessDenied, Create(reg, kHkeyLocalMachine, "Locked"));
  EXPECT_EQ(kErrorAccessDenied, Create(reg, kHkeyLocalMachine, "Locked\\New"));
  EXPECT_EQ(kErrorSuccess, Open(reg, kHkeyLocalMachine, "Locked\\Inner"));  // no traverse check
  reg.DenyAccess(kHkeyLocalMachine, "Leaf");
  EXPECT_EQ(kErrorAccessDenied, reg.DeleteKey(kHkeyLocalMachine, "Leaf"));

  reg.DenyAccess(kHkeyLocalMachine, "ReadOnly", kKeySetValue | kKeyCreateSubKey);
  EXPECT_EQ(kErrorSuccess, Open(reg, kHkeyLocalMachine, "ReadOnly", kKeyRead));
  EXPECT_EQ(kErrorAccessDenied, Open(reg, kHkeyLocalMachine, "ReadOnly", kKeyAllAccess));
  EXPECT_EQ(0u, reg.OpenHandleCount());
}

TEST(MemoryRegistry, HandlesAreCountedAndCheckedUntilClosed) {
  MemoryRegistry reg;
  RegKey first;
  ASSERT_EQ(kErrorSuccess, RegKey::Create(reg, kHkeyCurrentUser, "A", kKeyAllAccess, &first));
  RegKey moved = std::move(first);
  EXPECT_FALSE(first.is_open());
  EXPECT_EQ(1u, reg.OpenHandleCount());
  const RegHandle stale = moved.get();
  moved.Close();
  EXPECT_EQ(0u, reg.OpenHandleCount());
  EXPECT_EQ(kErrorInvalidHandle, reg.SetValue(stale, "v", kRegDword, kOne, 4));
  EXPECT_EQ(kErrorInvalidHandle, reg.CloseKey(stale));
  EXPECT_EQ(kErrorSuccess, reg.CloseKey(kHkeyCurrentUser));  // roots are never really open
}

TEST(MemoryRegistry, NamesEndAtTheirFirstZeroByte) {
  MemoryRegistry reg;
  ASSERT_EQ(kErrorSuccess,
            reg.SetValue(kHkeyCurrentUser, std::string("ab\0cd", 5), kRegDword, kOne, 4));
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorSuccess, reg.QueryValue(kHkeyCurrentUser, "AB", nullptr, nullptr, &size));
  EXPECT_EQ(kErrorSuccess, Create(reg, kHkeyCurrentUser, std::string("key\0tail", 8)));
  EXPECT_EQ(kErrorSuccess, Open(reg, kHkeyCurrentUser, "key"));
}

class FaultyRegistryTest : public ::testing::Test {
 protected:
  RegStatus Write(RegHandle key, const std::string& name) {
    return faulty_.SetValue(key, name, kRegDword, kOne, 4);
  }

  MemoryRegistry memory_;
  FaultyRegistry faulty_{memory_};
};

TEST_F(FaultyRegistryTest, NamedWritesFailInEveryKeyAndOthersPass) {
  faulty_.FailWritesOf("HcwHue", kErrorWriteFault);
  EXPECT_EQ(kErrorWriteFault, Write(kHkeyLocalMachine, "hcwhue"));
  EXPECT_EQ(kErrorWriteFault, Write(kHkeyCurrentUser, "HcwHue"));
  EXPECT_EQ(kErrorWriteFault, faulty_.DeleteValue(kHkeyCurrentUser, "HcwHue"));
  EXPECT_EQ(kErrorSuccess, Write(kHkeyLocalMachine, "HcwHue2"));
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorFileNotFound,
            memory_.QueryValue(kHkeyLocalMachine, "HcwHue", nullptr, nullptr, &size));
  faulty_.ClearFaults();
  EXPECT_EQ(kErrorSuccess, Write(kHkeyLocalMachine, "HcwHue"));
}

TEST_F(FaultyRegistryTest, TheNthWriteFailsOnce) {
  faulty_.FailNthWrite(3, kErrorAccessDenied);
  EXPECT_EQ(kErrorSuccess, Write(kHkeyLocalMachine, "a"));
  EXPECT_EQ(kErrorSuccess, faulty_.DeleteValue(kHkeyLocalMachine, "a"));
  EXPECT_EQ(kErrorAccessDenied, Write(kHkeyLocalMachine, "b"));
  EXPECT_EQ(kErrorSuccess, Write(kHkeyLocalMachine, "c"));
}

TEST_F(FaultyRegistryTest, AKeyFailsToOpenHoweverItIsReached) {
  ASSERT_EQ(kErrorSuccess, Create(memory_, kHkeyLocalMachine, "System\\Services\\Driver"));
  faulty_.FailOpenOf(kHkeyLocalMachine, "SYSTEM\\Services\\Driver", kErrorAccessDenied);
  EXPECT_EQ(kErrorAccessDenied, Open(faulty_, kHkeyLocalMachine, "system\\services\\driver"));
  EXPECT_EQ(kErrorAccessDenied, Create(faulty_, kHkeyLocalMachine, "System\\\\Services\\Driver\\"));
  RegKey services;
  ASSERT_EQ(kErrorSuccess,
            RegKey::Open(faulty_, kHkeyLocalMachine, "System\\Services", kKeyAllAccess, &services));
  EXPECT_EQ(kErrorAccessDenied, Open(faulty_, services.get(), "Driver"));
  RegKey reopened;
  ASSERT_EQ(kErrorSuccess, RegKey::Open(faulty_, services.get(), "", kKeyAllAccess, &reopened));
  EXPECT_EQ(kErrorAccessDenied, Open(faulty_, reopened.get(), "Driver"));
  EXPECT_EQ(kErrorSuccess, Open(faulty_, kHkeyLocalMachine, "System\\Services"));
  EXPECT_EQ(kErrorFileNotFound, Open(faulty_, kHkeyCurrentUser, "System\\Services\\Driver"));
}

}  // namespace
}  // namespace quellon
