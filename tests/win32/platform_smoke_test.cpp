// First checks of the Windows build: the test exe starts (under Wine in the cross build), finds an
// NT-family Windows with the Windows-1252 code page that the program's texts are written in, and
// can write, read back and delete registry values through the same ANSI functions the program uses.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/win32/handles_win32.h"

namespace {

TEST(PlatformSmoke, RunsOnNtFamilyWithWindows1252) {
  const DWORD version = GetVersion();
  EXPECT_EQ(version & 0x80000000u, 0u) << "not an NT-family Windows";
  EXPECT_GE(LOBYTE(LOWORD(version)), 5) << "older than Windows 2000";
  EXPECT_EQ(GetACP(), 1252u) << "texts with \\x92 would not keep their bytes";
}

// Each run uses its own key below HKCU and removes it again, so that runs cannot see each other.
class RegistrySmoke : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = "Software\\Quellon-smoke-" + std::to_string(GetCurrentProcessId());
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    key_.reset(key);
  }
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str()); }

  void SetString(const char* name, const std::string& text) {
    ASSERT_EQ(
        RegSetValueExA(key_.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)),
        ERROR_SUCCESS);
  }
  std::string GetString(const char* name) {
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key_.get(), name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    std::string text(size, '\0');
    EXPECT_EQ(RegQueryValueExA(key_.get(), name, nullptr, nullptr,
                               reinterpret_cast<BYTE*>(text.data()), &size),
              ERROR_SUCCESS);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }

  std::string path_;
  quellon::win32::UniqueKey key_;
};

TEST_F(RegistrySmoke, DwordKeepsAllBitsIncludingNegativeValues) {
  for (const int value : {0, 1, -9999, 0x7fffffff, static_cast<int>(0x80000000u)}) {
    const DWORD stored = static_cast<DWORD>(value);
    ASSERT_EQ(RegSetValueExA(key_.get(), "Number", 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&stored), sizeof stored),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD read = 0;
    DWORD size = sizeof read;
    ASSERT_EQ(RegQueryValueExA(key_.get(), "Number", nullptr, &type, reinterpret_cast<BYTE*>(&read),
                               &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, sizeof read);
    EXPECT_EQ(static_cast<int>(read), value);
  }
}

TEST_F(RegistrySmoke, AnsiStringsKeepTheirBytes) {
  const std::string apostrophe = "Don\x92t ask again";
  const std::string long_text(2000, 'x');
  SetString("Text", apostrophe);
  SetString("Long", long_text);
  SetString("Empty", "");
  EXPECT_EQ(GetString("Text"), apostrophe);
  EXPECT_EQ(GetString("Long"), long_text);
  EXPECT_EQ(GetString("Empty"), "");
}

TEST_F(RegistrySmoke, MissingValueAndDeletedKeyAreReportedAsNotFound) {
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExA(key_.get(), "Absent", nullptr, nullptr, nullptr, &size),
            ERROR_FILE_NOT_FOUND);

  ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str()), ERROR_SUCCESS);
  HKEY reopened = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &reopened),
            ERROR_FILE_NOT_FOUND);
  const quellon::win32::UniqueKey owned(reopened);
}

}  // namespace
