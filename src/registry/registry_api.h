#pragma once
// The registry as the program sees it: an interface shaped after the advapi32 calls, so that the
// operations run unchanged over the real registry (Win32Registry) and over MemoryRegistry.

#include <cstdint>
#include <string>
#include <system_error>

#include "base/status_error.h"
#include "registry/reg_codes.h"

namespace quellon {

// A key handle issued by a RegistryApi. The two root keys have fixed values, as in advapi32.
using RegHandle = std::uintptr_t;
inline constexpr RegHandle kNoKey = 0;
inline constexpr RegHandle kHkeyCurrentUser = 0x80000001;
inline constexpr RegHandle kHkeyLocalMachine = 0x80000002;

// What RegQueryInfoKeyA tells about a key.
struct RegKeyInfo {
  std::uint32_t subKeys = 0;
  std::uint32_t maxSubKeyLen = 0;  // characters, without the terminating zero
  std::uint32_t values = 0;
  std::uint32_t maxValueNameLen = 0;  // characters, without the terminating zero
  std::uint32_t maxValueLen = 0;      // bytes; only an upper bound for string data
};

// The category of the Win32 error codes (RegStatus) the registry calls return.
const std::error_category& RegistryCategory();

// Every error the registry layer raises: the call's Win32 error code, and the text the user is
// shown ("Failed to set data for 'HcwSharpness'"), which is all what() gives.
class RegistryError : public StatusError {
 public:
  RegistryError(RegStatus status, const std::string& text)
      : StatusError(static_cast<int>(status), RegistryCategory(), text) {}
  RegStatus status() const { return static_cast<RegStatus>(code().value()); }
};

// Names are ANSI (Windows-1252) and end at their first zero byte, as in the ...A calls. Subkey
// paths are relative to `parent`, backslash separated; "" names the parent itself and, for values,
// the default value. Every call returns a Win32 error code.
class RegistryApi {
 public:
  virtual ~RegistryApi() = default;

  // RegOpenKeyExA: opens an existing key.
  virtual RegStatus OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                            RegHandle* result) = 0;
  // RegCreateKeyExA with REG_OPTION_NON_VOLATILE: opens the key, creating it and every missing
  // key on its path.
  virtual RegStatus CreateKey(RegHandle parent, const std::string& subKey, RegAccess access,
                              RegHandle* result) = 0;
  // RegQueryValueExA. `type` may be null. With `data` null only *size is set. Otherwise *size
  // holds the buffer size and receives the data size; kErrorMoreData when the data does not fit.
  virtual RegStatus QueryValue(RegHandle key, const std::string& name, RegType* type,
                               std::uint8_t* data, std::uint32_t* size) = 0;
  // RegSetValueExA: stores exactly `size` bytes under `type`, replacing any value of that name.
  virtual RegStatus SetValue(RegHandle key, const std::string& name, RegType type,
                             const std::uint8_t* data, std::uint32_t size) = 0;
  // RegDeleteValueA.
  virtual RegStatus DeleteValue(RegHandle key, const std::string& name) = 0;
  // RegDeleteKeyA: deletes a key that has no subkeys (kErrorAccessDenied otherwise).
  virtual RegStatus DeleteKey(RegHandle parent, const std::string& subKey) = 0;
  // RegQueryInfoKeyA.
  virtual RegStatus QueryInfoKey(RegHandle key, RegKeyInfo* info) = 0;
  // RegEnumKeyExA and RegEnumValueA, by index from 0. *length holds the buffer size in characters
  // including room for the terminating zero and receives the name length without it.
  // kErrorMoreData when the name does not fit, kErrorNoMoreItems past the last name.
  // RegEnumValueA also gives the value's type and data, as QueryValue does: `type`, `data` and
  // `size` may be null; kErrorMoreData with *size set to what the data needs when it does not fit.
  virtual RegStatus EnumKey(RegHandle key, std::uint32_t index, char* name,
                            std::uint32_t* length) = 0;
  virtual RegStatus EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length,
                              RegType* type, std::uint8_t* data, std::uint32_t* size) = 0;
  // RegCloseKey. Closing a root key does nothing.
  virtual RegStatus CloseKey(RegHandle key) = 0;
  // True in the 32-bit view of a 64-bit Windows (WoW64), where this program's
  // HKEY_LOCAL_MACHINE\SOFTWARE lies below SOFTWARE\WOW6432Node for every 64-bit program.
  virtual bool IsWow64View() { return false; }
};

// An open key that is closed when it goes out of scope, on every path.
class RegKey {
 public:
  RegKey() = default;
  RegKey(RegistryApi& api, RegHandle handle) noexcept : api_(&api), handle_(handle) {}
  RegKey(RegKey&& other) noexcept;
  RegKey& operator=(RegKey&& other) noexcept;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() { Close(); }

  // Open or create `subKey` below `parent`; on failure *result is left closed.
  static RegStatus Open(RegistryApi& api, RegHandle parent, const std::string& subKey,
                        RegAccess access, RegKey* result);
  static RegStatus Create(RegistryApi& api, RegHandle parent, const std::string& subKey,
                          RegAccess access, RegKey* result);

  bool is_open() const { return handle_ != kNoKey; }
  RegHandle get() const { return handle_; }
  void Close() noexcept;

 private:
  RegistryApi* api_ = nullptr;
  RegHandle handle_ = kNoKey;
};

}  // namespace quellon
