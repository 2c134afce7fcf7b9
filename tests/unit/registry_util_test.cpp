// Reading values and listing names while the registry changes underneath: the sizes the registry
// reported a moment ago are not trusted.

#include "registry/registry_util.h"

#include <gtest/gtest.h>

#include "testing/forwarding_registry.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

// Makes a value longer just before each of the next `times` reads of its data, as another program
// writing it at that moment would.
class GrowingRegistry : public ForwardingRegistry {
 public:
  GrowingRegistry(RegistryApi& inner, int times) : ForwardingRegistry(inner), times_(times) {}

  RegStatus QueryValue(RegHandle key, const std::string& name, RegType* type, std::uint8_t* data,
                       std::uint32_t* size) override {
    if (data != nullptr && times_ > 0) {
      --times_;
      grown_.push_back('g');
      EXPECT_EQ(
          kErrorSuccess,
          inner().SetValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(grown_.data()),
                           static_cast<std::uint32_t>(grown_.size())));
    }
    return inner().QueryValue(key, name, type, data, size);
  }

  std::string grown_ = "text";

 private:
  int times_;
};

// Reports every name as empty in the key information, as a key that gained longer names after the
// query would.
class StaleInfoRegistry : public ForwardingRegistry {
 public:
  using ForwardingRegistry::ForwardingRegistry;
  RegStatus QueryInfoKey(RegHandle key, RegKeyInfo* info) override {
    const RegStatus status = inner().QueryInfoKey(key, info);
    info->maxSubKeyLen = 0;
    info->maxValueNameLen = 0;
    return status;
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
  const std::string longValue(5000, 'v');
  RegKey key;
  ASSERT_EQ(kErrorSuccess,
            RegKey::Create(memory, kHkeyCurrentUser, "a\\" + longKey, kKeyAllAccess, &key));
  ASSERT_EQ(kErrorSuccess, RegKey::Create(memory, kHkeyCurrentUser, "a\\b", kKeyAllAccess, &key));
  const std::uint8_t one[4] = {1, 0, 0, 0};
  ASSERT_EQ(kErrorSuccess, memory.SetValue(kHkeyCurrentUser, longValue, kRegDword, one, 4));
  ASSERT_EQ(kErrorSuccess, memory.SetValue(kHkeyCurrentUser, "x", kRegDword, one, 4));

  key.Close();
  StaleInfoRegistry stale(memory);
  RegKey parent;
  ASSERT_EQ(kErrorSuccess, RegKey::Open(stale, kHkeyCurrentUser, "a", kKeyAllAccess, &parent));
  std::vector<std::string> names;
  ASSERT_EQ(kErrorSuccess, ListSubKeyNames(stale, parent.get(), &names));
  EXPECT_EQ(std::vector<std::string>({"b", longKey}), names);
  ASSERT_EQ(kErrorSuccess, ListValueNames(stale, kHkeyCurrentUser, &names));
  EXPECT_EQ(std::vector<std::string>({longValue, "x"}), names);
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

}  // namespace
}  // namespace quellon
