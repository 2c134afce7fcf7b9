// Reading values and listing names while the registry changes underneath: the sizes the registry
// reported a moment ago are not trusted.

#include "registry/registry_util.h"

#include <gtest/gtest.h>

#include "registry/cp1252.h"
#include "testing/forwarding_registry.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

// Makes a value longer (by more than a first read takes) just before each of the next `times` reads
// of its data, as another program writing it at that moment would. Counts the queries.
class GrowingRegistry : public ForwardingRegistry {
 public:
  GrowingRegistry(RegistryApi& inner, int times) : ForwardingRegistry(inner), times_(times) {}

  RegStatus QueryValue(RegHandle key, const std::string& name, RegType* type, std::uint8_t* data,
                       std::uint32_t* size) override {
    ++queries;
    if (data != nullptr && times_ > 0) {
      --times_;
      grown_.append(600, 'g');
      EXPECT_EQ(
          kErrorSuccess,
          inner().SetValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(grown_.data()),
                           static_cast<std::uint32_t>(grown_.size())));
    }
    return inner().QueryValue(key, name, type, data, size);
  }

  std::string grown_ = "text";
  int queries = 0;

 private:
  int times_;
};

// Answers as the ANSI calls do in a double-byte code page, where a name takes two bytes per
// character, so that a name near the limit does not fit a buffer of the limit. Key information
// is not to be asked for: a listing does without it.
class DoubleByteNamesRegistry : public ForwardingRegistry {
 public:
  using ForwardingRegistry::ForwardingRegistry;
  RegStatus QueryInfoKey(RegHandle, RegKeyInfo*) override {
    ADD_FAILURE() << "a listing asked for the key information";
    return kErrorAccessDenied;
  }
  RegStatus EnumKey(RegHandle key, std::uint32_t index, char* name,
                    std::uint32_t* length) override {
    return Doubled(true, key, index, name, length);
  }
  RegStatus EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length,
                      RegType*, std::uint8_t*, std::uint32_t*) override {
    return Doubled(false, key, index, name, length);
  }

 private:
  RegStatus Doubled(bool subKeys, RegHandle key, std::uint32_t index, char* name,
                    std::uint32_t* length) {
    std::string inner_name(kMaxValueNameChars + 1, '\0');
    std::uint32_t inner_length = static_cast<std::uint32_t>(inner_name.size());
    const RegStatus status = subKeys ? inner().EnumKey(key, index, inner_name.data(), &inner_length)
                                     : inner().EnumValue(key, index, inner_name.data(),
                                                         &inner_length, nullptr, nullptr, nullptr);
    if (status != kErrorSuccess) return status;
    std::string doubled;
    for (std::uint32_t i = 0; i < inner_length; ++i) doubled.append(2, inner_name[i]);
    if (doubled.size() + 1 > *length) return kErrorMoreData;
    std::copy(doubled.begin(), doubled.end(), name);
    name[doubled.size()] = '\0';
    *length = static_cast<std::uint32_t>(doubled.size());
    return kErrorSuccess;
  }
};

TEST(ReadValue, ReadsAgainWhenTheValueGrewSinceTheSizeQuery) {
  MemoryRegistry memory;
  const std::uint8_t data[] = {'a', 'b'};
  ASSERT_EQ(kErrorSuccess, memory.SetValue(kHkeyCurrentUser, "v", kRegSz, data, 2));
  GrowingRegistry growing(memory, 2);
  RegValue value;
  ASSERT_EQ(kErrorSuccess, ReadValue(growing, kHkeyCurrentUser, "v", &value));
  EXPECT_EQ(std::vector<std::uint8_t>(growing.grown_.begin(), growing.grown_.end()), value.data);
}

TEST(ReadValue, ReadsAShortValueInOneCall) {
  MemoryRegistry memory;
  const std::uint8_t data[] = {'a', 'b'};
  ASSERT_EQ(kErrorSuccess, memory.SetValue(kHkeyCurrentUser, "v", kRegSz, data, 2));
  GrowingRegistry still(memory, 0);
  RegValue value;
  ASSERT_EQ(kErrorSuccess, ReadValue(still, kHkeyCurrentUser, "v", &value));
  EXPECT_EQ(std::vector<std::uint8_t>({'a', 'b'}), value.data);
  EXPECT_EQ(1, still.queries);
}

TEST(ReadValue, GivesUpOnAValueThatNeverStopsGrowing) {
  MemoryRegistry memory;
  const std::uint8_t data[] = {'a'};
  ASSERT_EQ(kErrorSuccess, memory.SetValue(kHkeyCurrentUser, "v", kRegSz, data, 1));
  GrowingRegistry growing(memory, 1000);
  RegValue value;
  EXPECT_EQ(kErrorMoreData, ReadValue(growing, kHkeyCurrentUser, "v", &value));
}

TEST(ListNames, GrowsTheBufferWhenANameDoesNotFit) {
  MemoryRegistry memory;
  const std::string longKey(200, 'k');
  const std::string longValue(10000, 'v');
  RegKey key;
  ASSERT_EQ(kErrorSuccess,
            RegKey::Create(memory, kHkeyCurrentUser, "a\\" + longKey, kKeyAllAccess, &key));
  ASSERT_EQ(kErrorSuccess, RegKey::Create(memory, kHkeyCurrentUser, "a\\b", kKeyAllAccess, &key));
  const std::uint8_t one[4] = {1, 0, 0, 0};
  ASSERT_EQ(kErrorSuccess, memory.SetValue(kHkeyCurrentUser, longValue, kRegDword, one, 4));
  ASSERT_EQ(kErrorSuccess, memory.SetValue(kHkeyCurrentUser, "x", kRegDword, one, 4));

  key.Close();
  DoubleByteNamesRegistry doubleByte(memory);
  RegKey parent;
  ASSERT_EQ(kErrorSuccess, RegKey::Open(doubleByte, kHkeyCurrentUser, "a", kKeyAllAccess, &parent));
  std::vector<std::string> names;
  ASSERT_EQ(kErrorSuccess, ListSubKeyNames(doubleByte, parent.get(), &names));
  EXPECT_EQ(std::vector<std::string>({"bb", std::string(400, 'k')}), names);
  ASSERT_EQ(kErrorSuccess, ListValueNames(doubleByte, kHkeyCurrentUser, &names));
  EXPECT_EQ(std::vector<std::string>({std::string(20000, 'v'), "xx"}), names);
}

TEST(DeleteKeyTree, RemovesEverythingBelowTheKey) {
  MemoryRegistry memory;
  RegKey key;
  for (const char* path : {"T\\a\\b\\c", "T\\a\\d", "T\\e", "Kept"}) {
    ASSERT_EQ(kErrorSuccess, RegKey::Create(memory, kHkeyCurrentUser, path, kKeyAllAccess, &key));
  }
  key.Close();
  EXPECT_EQ(kErrorSuccess, DeleteKeyTree(memory, kHkeyCurrentUser, "t"));
  EXPECT_EQ(kErrorFileNotFound, DeleteKeyTree(memory, kHkeyCurrentUser, "T"));
  std::vector<std::string> names;
  ASSERT_EQ(kErrorSuccess, ListSubKeyNames(memory, kHkeyCurrentUser, &names));
  EXPECT_EQ(std::vector<std::string>({"Kept"}), names);
  EXPECT_EQ(0u, memory.OpenHandleCount());
}

// Every pair of bytes: the fold that hashes names says "equal" exactly where the comparison does,
// and the comparison agrees with the registry on the letters outside ASCII.
TEST(RegNames, FoldingAgreesWithTheComparison) {
  for (int a = 1; a < 256; ++a) {
    for (int b = 1; b < 256; ++b) {
      const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
      ASSERT_EQ(CompareRegNames(x, y) == 0, FoldRegByte(a) == FoldRegByte(b)) << a << " " << b;
    }
  }
  EXPECT_TRUE(
      RegNamesEqual("\x8a\x8c\x8e\x9f\xc9", "\x9a\x9c\x9e\xff\xe9"));  // S-caron ... E-acute
  EXPECT_FALSE(RegNamesEqual("\xd7", "\xf7"));  // multiplication and division signs
  EXPECT_LT(CompareRegNames("DriverData", "driverdatas"), 0);
  EXPECT_GT(CompareRegNames("0010\\DriverData", "0009\\driverdata"), 0);
  EXPECT_EQ(HashRegName("Enum\\PCI\\\x8a"), HashRegName("enum\\pci\\\x9a"));
}

}  // namespace
}  // namespace quellon
