// What the program relies on from the registry, stated once and run against every backend. Under
// Windows it runs against the system registry (a throwaway Wine prefix in the cross build); the
// memory backend must answer the same way.

#include "contract/registry_contract.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "registry/registry_ops.h"
#include "registry/registry_util.h"

namespace quellon {
namespace {

constexpr const char* kScratch = "Software\\QuellonContract";

using Bytes = std::vector<std::uint8_t>;

// The bytes of a literal, zeros inside included, without the terminating zero.
template <std::size_t N>
Bytes B(const char (&text)[N]) {
  return Bytes(text, text + N - 1);
}

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    api_ = MakeContractRegistry();
    RemoveScratch();  // left over by an aborted run
    scratch_ = Create(kHkeyCurrentUser, kScratch);
  }

  void TearDown() override {
    scratch_.Close();
    RemoveScratch();
    RegKey gone;
    EXPECT_EQ(kErrorFileNotFound, RegKey::Open(api(), kHkeyCurrentUser, kScratch, kKeyRead, &gone));
  }

  void RemoveScratch() {
    for (RegHandle root : {kHkeyCurrentUser, kHkeyLocalMachine}) {
      const RegStatus status = DeleteKeyTree(api(), root, kScratch);
      ASSERT_TRUE(status == kErrorSuccess || status == kErrorFileNotFound) << status;
    }
  }

  RegistryApi& api() { return *api_; }

  RegKey Create(RegHandle parent, const std::string& path) {
    RegKey key;
    EXPECT_EQ(kErrorSuccess, RegKey::Create(api(), parent, path, kKeyAllAccess, &key)) << path;
    return key;
  }

  RegStatus Open(RegHandle parent, const std::string& path) {
    RegKey key;
    return RegKey::Open(api(), parent, path, kKeyAllAccess, &key);
  }

  void Set(const RegKey& key, const std::string& name, RegType type, const Bytes& data) {
    ASSERT_EQ(kErrorSuccess, api().SetValue(key.get(), name, type, data.data(),
                                            static_cast<std::uint32_t>(data.size())))
        << name;
  }

  RegValue Read(const RegKey& key, const std::string& name) {
    RegValue value;
    EXPECT_EQ(kErrorSuccess, ReadValue(api(), key.get(), name, &value)) << name;
    return value;
  }

  std::vector<std::string> SubKeys(const RegKey& key) {
    std::vector<std::string> names;
    EXPECT_EQ(kErrorSuccess, ListSubKeyNames(api(), key.get(), &names));
    return names;
  }

  std::unique_ptr<RegistryApi> api_;
  RegKey scratch_;
};

TEST_F(RegistryContract, CreateMakesEveryMissingKeyOnThePath) {
  RegKey deep = Create(scratch_.get(), "One\\Two\\Three");
  EXPECT_EQ(kErrorSuccess, Open(kHkeyCurrentUser, std::string(kScratch) + "\\One\\Two"));
  EXPECT_EQ(kErrorSuccess, Open(scratch_.get(), "One\\Two\\Three"));
  EXPECT_EQ(kErrorFileNotFound, Open(scratch_.get(), "One\\Missing"));
  EXPECT_EQ(kErrorFileNotFound, Open(scratch_.get(), "Missing\\Two"));
  // "" reopens the key itself.
  RegKey again;
  ASSERT_EQ(kErrorSuccess, RegKey::Open(api(), deep.get(), "", kKeyAllAccess, &again));
  Set(again, "v", kRegDword, {1, 0, 0, 0});
  EXPECT_EQ(Bytes({1, 0, 0, 0}), Read(deep, "v").data);
  // The same on the other root, where the program keeps its settings.
  RegKey machine = Create(kHkeyLocalMachine, std::string(kScratch) + "\\A\\B");
  EXPECT_EQ(kErrorSuccess, Open(kHkeyLocalMachine, std::string(kScratch) + "\\A"));
  EXPECT_EQ(kErrorFileNotFound, Open(kHkeyCurrentUser, std::string(kScratch) + "\\A"));
}

TEST_F(RegistryContract, PathSpellingsAndLimits) {
  Create(scratch_.get(), "P\\Q");
  EXPECT_EQ(kErrorSuccess, Open(scratch_.get(), "P\\\\Q"));
  EXPECT_EQ(kErrorSuccess, Open(scratch_.get(), "P\\Q\\"));
  EXPECT_EQ(kErrorBadPathname, Open(scratch_.get(), "\\P"));
  RegKey longest;
  EXPECT_EQ(kErrorSuccess,
            RegKey::Create(api(), scratch_.get(), std::string(255, 'n'), kKeyAllAccess, &longest));
  EXPECT_NE(kErrorSuccess,
            RegKey::Create(api(), scratch_.get(), std::string(300, 'n'), kKeyAllAccess, &longest));
  std::string longPath;
  while (longPath.size() < 300) longPath += "abcdefgh\\";
  EXPECT_NE(kErrorSuccess,
            RegKey::Create(api(), scratch_.get(), longPath, kKeyAllAccess, &longest));
  // Names are plain text otherwise.
  for (const char* name : {".", "..", "a/b", " lead", "x*?"}) Create(scratch_.get(), name);
}

TEST_F(RegistryContract, NamesMatchWithoutCaseAndKeepTheirFirstSpelling) {
  Create(scratch_.get(), "MixedCase");
  Create(scratch_.get(), "MIXEDCASE\\Child");
  Create(scratch_.get(), "\xC9t\xE9");  // upper and lower case outside ASCII
  EXPECT_EQ(kErrorSuccess, Open(scratch_.get(), "mixedcase\\CHILD"));
  EXPECT_EQ(kErrorSuccess, Open(scratch_.get(), "\xE9T\xC9"));
  EXPECT_EQ(std::vector<std::string>({"MixedCase", "\xC9t\xE9"}), SubKeys(scratch_));

  Set(scratch_, "ValueName", kRegSz, B("first\0"));
  Set(scratch_, "VALUENAME", kRegDword, {7, 0, 0, 0});
  const RegValue value = Read(scratch_, "valuename");
  EXPECT_EQ(kRegDword, value.type);
  EXPECT_EQ(Bytes({7, 0, 0, 0}), value.data);
  std::vector<std::string> names;
  ASSERT_EQ(kErrorSuccess, ListValueNames(api(), scratch_.get(), &names));
  EXPECT_EQ(std::vector<std::string>({"ValueName"}), names);
}

TEST_F(RegistryContract, SubkeysEnumerateSortedByLowerCaseName) {
  for (const char* name : {"b", "A_", "AB", "a", "Zed", "_x", "0018", "0002", "[y", "e", "ab1"}) {
    Create(scratch_.get(), name);
  }
  // Compared in lower case, '[' and '_' come before the letters; a prefix comes first.
  EXPECT_EQ(std::vector<std::string>(
                {"0002", "0018", "[y", "_x", "a", "A_", "AB", "ab1", "b", "e", "Zed"}),
            SubKeys(scratch_));
}

TEST_F(RegistryContract, ValuesEnumerateEachOnceWithTheDefaultValueAsEmptyName) {
  // The order of values differs between systems (creation order, or sorted like the keys); the
  // program never depends on it.
  for (const char* name : {"zeta", "Alpha", "", "mid"})
    Set(scratch_, name, kRegDword, {1, 0, 0, 0});
  std::vector<std::string> names;
  ASSERT_EQ(kErrorSuccess, ListValueNames(api(), scratch_.get(), &names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::vector<std::string>({"", "Alpha", "mid", "zeta"}), names);
}

TEST_F(RegistryContract, AnyTypeAndAnyBytesAreStoredAsGiven) {
  const std::vector<std::pair<RegType, Bytes>> cases = {
      {kRegSz, B("abc")},                  // no terminating zero
      {kRegSz, B("ab\0cd\0")},             // zero inside
      {kRegSz, B("caf\xE9\x92\x80\0")},    // Windows-1252 beyond ASCII
      {kRegSz, B("")},                     // nothing at all
      {kRegExpandSz, B("%SystemRoot%x")},  // unexpanded, unterminated
      {kRegMultiSz, B("a\0bc")},           // odd length
      {kRegDword, {1, 2}},                 // short
      {kRegDword, {1, 2, 3, 4, 5, 6}},     // long
      {kRegBinary, {}},                    //
      {kRegBinary, {0, 0xFF, 0x80, 0x0D, 0x0A}},
      {0x12345, {9, 8, 7}},  // a type the system does not know
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::string name = std::to_string(i) + "v";
    Set(scratch_, name, cases[i].first, cases[i].second);
    const RegValue value = Read(scratch_, name);
    EXPECT_EQ(cases[i].first, value.type) << name;
    EXPECT_EQ(cases[i].second, value.data) << name;
  }
}

TEST_F(RegistryContract, SizeQueriesAndShortBuffers) {
  Set(scratch_, "s", kRegSz, B("abc"));
  RegType type = kRegNone;
  std::uint32_t size = 0;
  ASSERT_EQ(kErrorSuccess, api().QueryValue(scratch_.get(), "s", &type, nullptr, &size));
  EXPECT_EQ(kRegSz, type);
  EXPECT_EQ(3u, size);

  std::uint8_t buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), 0xEE);
  size = 2;
  EXPECT_EQ(kErrorMoreData, api().QueryValue(scratch_.get(), "s", &type, buffer, &size));
  EXPECT_EQ(3u, size);
  // An exact buffer gets the bytes and nothing after them.
  size = 3;
  ASSERT_EQ(kErrorSuccess, api().QueryValue(scratch_.get(), "s", &type, buffer, &size));
  EXPECT_EQ(3u, size);
  EXPECT_EQ(0xEE, buffer[3]);
  // With room to spare the system terminates unterminated text, but does not count the zero.
  size = sizeof buffer;
  ASSERT_EQ(kErrorSuccess, api().QueryValue(scratch_.get(), "s", &type, buffer, &size));
  EXPECT_EQ(3u, size);
  EXPECT_EQ(0, buffer[3]);
  EXPECT_EQ(0xEE, buffer[4]);

  EXPECT_EQ(kErrorFileNotFound, api().QueryValue(scratch_.get(), "none", &type, nullptr, &size));
}

TEST_F(RegistryContract, MegabyteValuesReadBackWhole) {
  Bytes big(3 << 20);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7 + 1);
  Set(scratch_, "bin", kRegBinary, big);
  EXPECT_EQ(big, Read(scratch_, "bin").data);
  Bytes text(1 << 20, 'x');  // no zero byte anywhere
  Set(scratch_, "text", kRegSz, text);
  EXPECT_EQ(text, Read(scratch_, "text").data);
  // A listing with the data grows its buffer to each value's size and reads it whole.
  std::vector<NamedRegValue> listed;
  ASSERT_EQ(kErrorSuccess, ListValues(api(), scratch_.get(), &listed));
  ASSERT_EQ(2u, listed.size());
  EXPECT_EQ("bin", listed[0].name);
  EXPECT_EQ(kRegBinary, listed[0].value.type);
  EXPECT_EQ(big, listed[0].value.data);
  EXPECT_EQ(text, listed[1].value.data);
  const RegistryOps ops(api());
  RegKey machine = Create(kHkeyLocalMachine, std::string(kScratch) + "\\Big");
  Set(machine, "text", kRegSz, text);
  EXPECT_EQ(std::string(text.begin(), text.end()),
            ops.GetRegStrKeyHKLM(std::string(kScratch) + "\\Big", "text"));
}

TEST_F(RegistryContract, KeyInfoSizesTheEnumeration) {
  Create(scratch_.get(), "short");
  Create(scratch_.get(), "muchlonger");
  Set(scratch_, "name", kRegBinary, Bytes(100, 1));
  Set(scratch_, "a_longer_name", kRegSz, B("text\0"));
  RegKeyInfo info;
  ASSERT_EQ(kErrorSuccess, api().QueryInfoKey(scratch_.get(), &info));
  EXPECT_EQ(2u, info.subKeys);
  EXPECT_EQ(10u, info.maxSubKeyLen);
  EXPECT_EQ(2u, info.values);
  EXPECT_EQ(13u, info.maxValueNameLen);
  EXPECT_GE(info.maxValueLen, 100u);

  char name[16];
  std::uint32_t length = 10;  // no room for the terminating zero
  EXPECT_EQ(kErrorMoreData, api().EnumKey(scratch_.get(), 0, name, &length));
  length = 11;
  ASSERT_EQ(kErrorSuccess, api().EnumKey(scratch_.get(), 0, name, &length));
  EXPECT_EQ(10u, length);
  EXPECT_STREQ("muchlonger", name);
  length = sizeof name;
  EXPECT_EQ(kErrorNoMoreItems, api().EnumKey(scratch_.get(), 2, name, &length));
  length = 4;
  EXPECT_EQ(kErrorMoreData,
            api().EnumValue(scratch_.get(), 0, name, &length, nullptr, nullptr, nullptr));
  length = sizeof name;
  EXPECT_EQ(kErrorNoMoreItems,
            api().EnumValue(scratch_.get(), 2, name, &length, nullptr, nullptr, nullptr));
  // Data that does not fit: kErrorMoreData, and the size it needs.
  std::uint8_t data[8];
  std::uint32_t size = sizeof data;
  RegType type = kRegNone;
  length = sizeof name;
  EXPECT_EQ(kErrorMoreData, api().EnumValue(scratch_.get(), 1, name, &length, &type, data, &size));
  EXPECT_EQ(100u, size);
}

TEST_F(RegistryContract, ValueNamesUpToTheLimit) {
  Set(scratch_, std::string(kMaxValueNameChars, 'v'), kRegDword, {1, 0, 0, 0});
  const std::string tooLong(kMaxValueNameChars + 1, 'v');
  const std::uint8_t one[4] = {1, 0, 0, 0};
  EXPECT_EQ(kErrorInvalidParameter, api().SetValue(scratch_.get(), tooLong, kRegDword, one, 4));
  std::vector<std::string> names;
  ASSERT_EQ(kErrorSuccess, ListValueNames(api(), scratch_.get(), &names));
  EXPECT_EQ(std::vector<std::string>({std::string(kMaxValueNameChars, 'v')}), names);
}

TEST_F(RegistryContract, Deleting) {
  Set(scratch_, "v", kRegDword, {1, 0, 0, 0});
  EXPECT_EQ(kErrorSuccess, api().DeleteValue(scratch_.get(), "V"));
  EXPECT_EQ(kErrorFileNotFound, api().DeleteValue(scratch_.get(), "v"));

  Create(scratch_.get(), "Parent\\Child");
  EXPECT_EQ(kErrorAccessDenied, api().DeleteKey(scratch_.get(), "Parent"));
  RegHandle child = kNoKey;
  ASSERT_EQ(kErrorSuccess, api().CreateKey(scratch_.get(), "Parent\\Child", kKeyAllAccess, &child));
  EXPECT_EQ(kErrorSuccess, api().DeleteKey(scratch_.get(), "parent\\child"));
  EXPECT_EQ(kErrorFileNotFound, api().DeleteKey(scratch_.get(), "Parent\\Child"));
  // A handle to a deleted key stays valid to close, and refuses everything else.
  const std::uint8_t one[4] = {1, 0, 0, 0};
  EXPECT_EQ(kErrorKeyDeleted, api().SetValue(child, "x", kRegDword, one, 4));
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorKeyDeleted, api().QueryValue(child, "x", nullptr, nullptr, &size));
  RegKey under;
  EXPECT_EQ(kErrorKeyDeleted, RegKey::Create(api(), child, "c", kKeyAllAccess, &under));
  EXPECT_EQ(kErrorSuccess, api().CloseKey(child));
}

// The program's own operations over this backend, where the backends' ways with data meet them.
TEST_F(RegistryContract, OperationsReadWhatTheyWrote) {
  const RegistryOps ops(api());
  const std::string key = std::string(kScratch) + "\\Ops\\Deeper";
  ops.SetRegIntKeyHKLM(key, "Int", -5);
  ops.SetRegStrKeyHKLM(key, "Str", "C:\\Video \x92s");
  EXPECT_EQ(-5, ops.GetRegIntKeyHKLM(key, "INT"));
  EXPECT_EQ("C:\\Video \x92s", ops.GetRegStrKeyHKLM(key, "str"));
  EXPECT_EQ("", ops.GetRegStrKeyHKLM(key, "absent"));
  EXPECT_EQ(std::nullopt, ops.GetRegStrKeyHKLM(key + "\\Absent", "Str"));

  RegKey opened = Create(kHkeyLocalMachine, key);
  Set(opened, "NoZero", kRegSz, B("abc"));
  Set(opened, "Short", kRegDword, {1, 2});
  EXPECT_EQ("abc", ops.GetRegStrKeyHKLM(key, "NoZero"));
  EXPECT_EQ(std::nullopt, ops.GetRegIntKeyHKLM(key, "Short"));

  ops.DeleteRegKeyValueHKLM(key + "\\Fresh", "Nothing");
  EXPECT_EQ(kErrorSuccess, Open(kHkeyLocalMachine, key + "\\Fresh"));
  ops.DeleteRegKeyValueHKLM(key, "int");
  EXPECT_EQ(std::nullopt, ops.GetRegIntKeyHKLM(key, "Int"));

  // A value of the same path below the current user's root is no value of the machine's.
  Set(scratch_, "User", kRegDword, {42, 0, 0, 0});
  EXPECT_EQ(std::nullopt, ops.GetRegIntKeyHKLM(kScratch, "User"));
}

}  // namespace
}  // namespace quellon
