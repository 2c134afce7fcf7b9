// Reading .reg files into the registry and writing subtrees back out.

#include "registry/reg_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/registry_util.h"
#include "testing/faulty_registry.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N>
Bytes B(const char (&text)[N]) {
  return Bytes(text, text + N - 1);
}

RegValue Raw(RegistryApi& api, RegHandle root, const std::string& key, const std::string& name) {
  RegKey opened;
  RegValue value;
  EXPECT_EQ(kErrorSuccess, RegKey::Open(api, root, key, kKeyRead, &opened)) << key;
  EXPECT_EQ(kErrorSuccess, ReadValue(api, opened.get(), name, &value)) << name;
  return value;
}

bool Exists(RegistryApi& api, RegHandle root, const std::string& key) {
  RegKey opened;
  return RegKey::Open(api, root, key, kKeyRead, &opened) == kErrorSuccess;
}

TEST(RegFileReader, ReadsEveryFormOfRegedit4) {
  MemoryRegistry reg;
  ApplyRegFile(reg,
               "\r\nREGEDIT4\r\n"
               "; a comment\r\n"
               "\r\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test]\r\n"
               "@=\"default\"\r\n"
               "\"Quote \\\"and\\\\ slash\"=\"C:\\\\Dir \\\"x\\\"\"\r\n"
               "\"Number\" = dword:DEADbeef\r\n"
               "\"Bin\"=hex:00,ff,\\\r\n"
               "  10,\\\r\n"
               "  \t20\r\n"
               "\"Expand\"=hex(2):25,41,25,00\r\n"
               "\"Odd\"=hex(12345):01\r\n"
               "\"Empty\"=hex:\r\n"
               "\"Gone\"=dword:00000001\r\n"
               "\"Gone\"=-\r\n"
               "[hkey_current_user\\Other]\n"
               "\"\xE9t\xE9\"=\"\x92\"\n");
  const std::string key = "SOFTWARE\\Test";
  EXPECT_EQ(B("default\0"), Raw(reg, kHkeyLocalMachine, key, "").data);
  EXPECT_EQ(B("C:\\Dir \"x\"\0"), Raw(reg, kHkeyLocalMachine, key, "Quote \"and\\ slash").data);
  const RegValue number = Raw(reg, kHkeyLocalMachine, key, "Number");
  EXPECT_EQ(kRegDword, number.type);
  EXPECT_EQ(Bytes({0xEF, 0xBE, 0xAD, 0xDE}), number.data);
  EXPECT_EQ(Bytes({0x00, 0xFF, 0x10, 0x20}), Raw(reg, kHkeyLocalMachine, key, "Bin").data);
  const RegValue expand = Raw(reg, kHkeyLocalMachine, key, "Expand");
  EXPECT_EQ(kRegExpandSz, expand.type);
  EXPECT_EQ(B("%A%\0"), expand.data);
  EXPECT_EQ(0x12345u, Raw(reg, kHkeyLocalMachine, key, "Odd").type);
  EXPECT_EQ(Bytes(), Raw(reg, kHkeyLocalMachine, key, "Empty").data);
  RegKey opened;
  ASSERT_EQ(kErrorSuccess, RegKey::Open(reg, kHkeyLocalMachine, key, kKeyRead, &opened));
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorFileNotFound, reg.QueryValue(opened.get(), "Gone", nullptr, nullptr, &size));
  EXPECT_EQ(B("\x92\0"), Raw(reg, kHkeyCurrentUser, "Other", "\xC9T\xC9").data);
}

TEST(RegFileReader, DeletesKeysWithEverythingBelowThem) {
  MemoryRegistry reg;
  ApplyRegFile(
      reg, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\\B\\C]\n\"v\"=dword:1\n[HKEY_LOCAL_MACHINE\\A\\D]\n");
  ApplyRegFile(reg, "REGEDIT4\n[-HKEY_LOCAL_MACHINE\\a\\b]\n[-HKEY_LOCAL_MACHINE\\Never\\There]\n");
  EXPECT_FALSE(Exists(reg, kHkeyLocalMachine, "A\\B"));
  EXPECT_TRUE(Exists(reg, kHkeyLocalMachine, "A\\D"));
}

// UTF-16 text with a byte order mark, as the registry editor exports it.
std::string Utf16File(const std::u16string& text) {
  std::string out = "\xFF\xFE";
  for (const char16_t c : text) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

TEST(RegFileReader, UnicodeFilesAndTheirUtf16StringData) {
  MemoryRegistry reg;
  ApplyRegFile(reg, Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n"
                              u"[HKEY_CURRENT_USER\\Caf\u00e9]\r\n"
                              u"\"\u20ac\"=\"\u2019s\"\r\n"
                              u"\"Path\"=hex(2):25,00,41,00,ac,20,00,00\r\n"
                              u"\"Bin\"=hex:ac,20\r\n"));
  EXPECT_EQ(B("\x92s\0"), Raw(reg, kHkeyCurrentUser, "Caf\xE9", "\x80").data);
  EXPECT_EQ(B("%A\x80\0"), Raw(reg, kHkeyCurrentUser, "Caf\xE9", "Path").data);
  EXPECT_EQ(Bytes({0xAC, 0x20}), Raw(reg, kHkeyCurrentUser, "Caf\xE9", "Bin").data);

  ApplyRegFile(reg,
               "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\U]\n"
               "\"\xC3\xA9\"=\"\xE2\x82\xAC\"\n");
  EXPECT_EQ(B("\x80\0"), Raw(reg, kHkeyCurrentUser, "U", "\xE9").data);
}

TEST(RegFileReader, BadInputNamesTheLineAndChangesNothing) {
  const std::vector<std::pair<std::string, std::size_t>> cases = {
      {"", 1},
      {"\n\nREGEDIT5\n", 3},
      {"REGEDIT4\n\"v\"=dword:1\n", 2},
      {"REGEDIT4\n[HKEY_CLASSES_ROOT\\x]\n", 2},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x\n", 2},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=\"a\\nb\"\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v=\"a\"\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=\"a\" junk\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\" dword:1\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=dword:123456789\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=dword:\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=qword:1\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=hex:1,2,\\\n 3,zz\n", 4},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=hex:123\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=hex(2:00\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=hex:01,\\\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\nstray text\n", 3},
      {"REGEDIT4\n[-HKEY_LOCAL_MACHINE\\x]\n\"v\"=dword:1\n", 3},
      {"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\x]\n\"v\"=hex(1):41\n", 3},
      {Utf16File(u"Windows Registry Editor Version 5.00\n\n\"\u4e2d\"=dword:1\n"), 3},
  };
  for (const auto& [text, line] : cases) {
    MemoryRegistry reg;
    try {
      ApplyRegFile(reg, text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const RegFileError& error) {
      EXPECT_EQ(line, error.line()) << text << ": " << error.what();
      EXPECT_EQ("line " + std::to_string(line) + ": ",
                std::string(error.what()).substr(0, 7 + std::to_string(line).size()));
    }
    EXPECT_FALSE(Exists(reg, kHkeyLocalMachine, "x")) << text;
  }
}

TEST(RegFileReader, ARefusedChangeNamesItsLine) {
  MemoryRegistry memory;
  FaultyRegistry faulty(memory);
  faulty.FailWritesOf("Second", kErrorAccessDenied);
  try {
    ApplyRegFile(faulty,
                 "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"First\"=dword:1\n\"Second\"=dword:2\n");
    FAIL() << "no error";
  } catch (const RegistryError& error) {
    EXPECT_STREQ("line 4: setting 'Second' failed with error 5", error.what());
  }
  EXPECT_EQ(0u, memory.OpenHandleCount());
}

// A subtree with everything the format has to carry.
void SeedAwkwardValues(RegistryApi& api) {
  RegKey key;
  ASSERT_EQ(kErrorSuccess,
            RegKey::Create(api, kHkeyLocalMachine, "Tree\\Inner", kKeyAllAccess, &key));
  auto set = [&](const std::string& name, RegType type, const Bytes& data) {
    ASSERT_EQ(kErrorSuccess, api.SetValue(key.get(), name, type, data.data(),
                                          static_cast<std::uint32_t>(data.size())));
  };
  set("", kRegSz, B("default\0"));
  set("Plain", kRegSz, B("C:\\Dir \"quoted\" \x92\0"));
  set("NoZero", kRegSz, B("abc"));
  set("Inner zero", kRegSz, B("ab\0cd\0"));
  set("Lines", kRegSz, B("one\r\ntwo\0"));
  set("Empty", kRegSz, B(""));
  set("Dword", kRegDword, {1, 2, 3, 4});
  set("ShortDword", kRegDword, {1, 2});
  set("Multi", kRegMultiSz, B("a\0b\0\0"));
  set("Odd type", 0xABCDEF, {7});
  Bytes big(256 << 10);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i % 251);
  set("Big", kRegBinary, big);
  set("\"\\ name", kRegBinary, {});
  RegKey empty;
  ASSERT_EQ(kErrorSuccess,
            RegKey::Create(api, kHkeyLocalMachine, "Tree\\Empty]key", kKeyAllAccess, &empty));
}

// Both encodings carry every value unchanged: the REGEDIT4 dump, and the same operations written
// as a Unicode file.
TEST(RegFileWriter, DumpReadsBackIntoTheSameTree) {
  MemoryRegistry original;
  SeedAwkwardValues(original);
  const std::string dump = DumpRegFile(original, kHkeyLocalMachine, "Tree");
  EXPECT_EQ(0u, dump.find("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Tree]\r\n"));
  EXPECT_NE(std::string::npos, dump.find("\"Plain\"=\"C:\\\\Dir \\\"quoted\\\" \x92\"\r\n"));
  EXPECT_NE(std::string::npos, dump.find("\"Dword\"=dword:04030201\r\n"));
  EXPECT_NE(std::string::npos, dump.find("\"NoZero\"=hex(1):61,62,63\r\n"));

  for (const std::string& file :
       {dump, FormatRegFile(ParseRegFile(dump), RegFileEncoding::kUnicode)}) {
    MemoryRegistry copy;
    ApplyRegFile(copy, file);
    EXPECT_EQ(dump, DumpRegFile(copy, kHkeyLocalMachine, "Tree"));
    std::vector<std::string> names;
    RegKey inner;
    ASSERT_EQ(kErrorSuccess,
              RegKey::Open(original, kHkeyLocalMachine, "Tree\\Inner", kKeyRead, &inner));
    ASSERT_EQ(kErrorSuccess, ListValueNames(original, inner.get(), &names));
    ASSERT_EQ(12u, names.size());
    for (const std::string& name : names) {
      const RegValue before = Raw(original, kHkeyLocalMachine, "Tree\\Inner", name);
      const RegValue after = Raw(copy, kHkeyLocalMachine, "Tree\\Inner", name);
      EXPECT_EQ(before.type, after.type) << name;
      EXPECT_EQ(before.data, after.data) << name;
    }
    EXPECT_TRUE(Exists(copy, kHkeyLocalMachine, "Tree\\Empty]key"));
  }
}

RegFileOperation Op(RegFileOperation::Kind kind, RegHandle root, const std::string& key,
                    const std::string& name = "", RegType type = kRegNone, Bytes data = {}) {
  RegFileOperation op;
  op.kind = kind;
  op.root = root;
  op.key = key;
  op.name = name;
  op.type = type;
  op.data = std::move(data);
  return op;
}

// The file as the registry editor writes it, byte for byte: UTF-16LE with a byte order mark, CRLF,
// string data in hex form as UTF-16, hex data broken where a line would pass 80 columns.
TEST(RegFileWriter, WritesUnicodeFilesAsTheRegistryEditorDoes) {
  using Kind = RegFileOperation::Kind;
  const std::string key = "SOFTWARE\\Test";
  Bytes counting(50);
  for (std::size_t i = 0; i < counting.size(); ++i) counting[i] = static_cast<std::uint8_t>(i);
  const std::vector<RegFileOperation> ops = {
      Op(Kind::kCreateKey, kHkeyLocalMachine, key),
      Op(Kind::kSetValue, kHkeyLocalMachine, key, "", kRegSz, B("default\0")),
      Op(Kind::kSetValue, kHkeyLocalMachine, key, "Path \"q\"", kRegSz, B("C:\\Dir \"x\" \x92\0")),
      Op(Kind::kSetValue, kHkeyLocalMachine, key, "Count", kRegDword, {10, 0, 0, 0}),
      Op(Kind::kSetValue, kHkeyLocalMachine, key, "Expand", kRegExpandSz, B("%A%\0")),
      Op(Kind::kSetValue, kHkeyLocalMachine, key, "Multi", kRegMultiSz, B("a\0\x92\0\0")),
      Op(Kind::kSetValue, kHkeyLocalMachine, key, "Settings", kRegBinary, counting),
      Op(Kind::kDeleteValue, kHkeyLocalMachine, key, "Gone"),
      // A value under another key opens a section of its own.
      Op(Kind::kDeleteValue, kHkeyCurrentUser, "Missing", "x"),
  };
  const std::string expected = Utf16File(
      u"Windows Registry Editor Version 5.00\r\n"
      u"\r\n"
      u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test]\r\n"
      u"@=\"default\"\r\n"
      u"\"Path \\\"q\\\"\"=\"C:\\\\Dir \\\"x\\\" \u2019\"\r\n"
      u"\"Count\"=dword:0000000a\r\n"
      u"\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n"
      u"\"Multi\"=hex(7):61,00,00,00,19,20,00,00,00,00\r\n"
      u"\"Settings\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\r\n"
      u"  15,16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,\\\r\n"
      u"  2e,2f,30,31\r\n"
      u"\"Gone\"=-\r\n"
      u"\r\n"
      u"[HKEY_CURRENT_USER\\Missing]\r\n"
      u"\"x\"=-\r\n"
      u"\r\n");
  const std::string written = FormatRegFile(ops);
  EXPECT_EQ(expected, written);

  // Read back, the operations are the same, the section the last one opened included.
  const std::vector<RegFileOperation> read = ParseRegFile(written);
  ASSERT_EQ(ops.size() + 1, read.size());
  EXPECT_EQ(Kind::kCreateKey, read[8].kind);
  for (std::size_t i = 0, j = 0; i < ops.size(); ++i, ++j) {
    if (i == 8) ++j;
    EXPECT_EQ(ops[i].kind, read[j].kind) << i;
    EXPECT_EQ(ops[i].root, read[j].root) << i;
    EXPECT_EQ(ops[i].key, read[j].key) << i;
    EXPECT_EQ(ops[i].name, read[j].name) << i;
    EXPECT_EQ(ops[i].type, read[j].type) << i;
    EXPECT_EQ(ops[i].data, read[j].data) << i;
  }
}

TEST(RegFileWriter, RefusesWhatTheFormatCannotCarry) {
  MemoryRegistry reg;
  const std::uint8_t one[4] = {1, 0, 0, 0};
  RegKey key;
  ASSERT_EQ(kErrorSuccess, RegKey::Create(reg, kHkeyCurrentUser, "K", kKeyAllAccess, &key));
  ASSERT_EQ(kErrorSuccess, reg.SetValue(key.get(), "two\nlines", kRegDword, one, 4));
  EXPECT_THROW(DumpRegFile(reg, kHkeyCurrentUser, "K"), RegistryError);
  EXPECT_THROW(DumpRegFile(reg, kHkeyCurrentUser, "Absent"), RegistryError);
}

}  // namespace
}  // namespace quellon
