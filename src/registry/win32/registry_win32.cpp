#include "registry/win32/registry_win32.h"

#include <windows.h>

#include <vector>

namespace quellon {

// The portable codes are the system's own.
constexpr bool Same(RegStatus status, LSTATUS system) {
  return static_cast<LSTATUS>(status) == system;
}
static_assert(
    Same(kErrorSuccess, ERROR_SUCCESS) && Same(kErrorFileNotFound, ERROR_FILE_NOT_FOUND) &&
    Same(kErrorAccessDenied, ERROR_ACCESS_DENIED) &&
    Same(kErrorInvalidHandle, ERROR_INVALID_HANDLE) && Same(kErrorOutOfMemory, ERROR_OUTOFMEMORY) &&
    Same(kErrorInvalidData, ERROR_INVALID_DATA) && Same(kErrorWriteFault, ERROR_WRITE_FAULT) &&
    Same(kErrorInvalidParameter, ERROR_INVALID_PARAMETER) &&
    Same(kErrorBadPathname, ERROR_BAD_PATHNAME) && Same(kErrorMoreData, ERROR_MORE_DATA) &&
    Same(kErrorNoMoreItems, ERROR_NO_MORE_ITEMS) && Same(kErrorKeyDeleted, ERROR_KEY_DELETED) &&
    Same(kErrorDatatypeMismatch, ERROR_DATATYPE_MISMATCH));
static_assert(kRegNone == REG_NONE && kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ &&
              kRegBinary == REG_BINARY && kRegDword == REG_DWORD &&
              kRegDwordBigEndian == REG_DWORD_BIG_ENDIAN && kRegLink == REG_LINK &&
              kRegMultiSz == REG_MULTI_SZ && kRegQword == REG_QWORD);
static_assert(kKeyQueryValue == KEY_QUERY_VALUE && kKeySetValue == KEY_SET_VALUE &&
              kKeyCreateSubKey == KEY_CREATE_SUB_KEY &&
              kKeyEnumerateSubKeys == KEY_ENUMERATE_SUB_KEYS && kKeyNotify == KEY_NOTIFY &&
              kKeyCreateLink == KEY_CREATE_LINK && kKeyRead == KEY_READ && kKeyWrite == KEY_WRITE &&
              kKeyAllAccess == KEY_ALL_ACCESS);

namespace {

HKEY ToHkey(RegHandle handle) {
  if (handle == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
  if (handle == kHkeyCurrentUser) return HKEY_CURRENT_USER;
  return reinterpret_cast<HKEY>(handle);
}

RegHandle FromHkey(HKEY key) {
  return reinterpret_cast<RegHandle>(key);
}

RegStatus Status(LSTATUS status) {
  return static_cast<RegStatus>(status);
}

}  // namespace

RegStatus Win32Registry::OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                                 RegHandle* result) {
  HKEY key = nullptr;
  const LSTATUS status = RegOpenKeyExA(ToHkey(parent), subKey.c_str(), 0, access, &key);
  if (status == ERROR_SUCCESS) *result = FromHkey(key);
  return Status(status);
}

RegStatus Win32Registry::CreateKey(RegHandle parent, const std::string& subKey, RegAccess access,
                                   RegHandle* result) {
  HKEY key = nullptr;
  const LSTATUS status = RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, nullptr,
                                         REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
  if (status == ERROR_SUCCESS) *result = FromHkey(key);
  return Status(status);
}

RegStatus Win32Registry::QueryValue(RegHandle key, const std::string& name, RegType* type,
                                    std::uint8_t* data, std::uint32_t* size) {
  DWORD valueType = REG_NONE;
  DWORD valueSize = size != nullptr ? *size : 0;
  const LSTATUS status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data,
                                          size != nullptr ? &valueSize : nullptr);
  if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    if (type != nullptr) *type = valueType;
    if (size != nullptr) *size = valueSize;
  }
  return Status(status);
}

RegStatus Win32Registry::SetValue(RegHandle key, const std::string& name, RegType type,
                                  const std::uint8_t* data, std::uint32_t size) {
  if (!IsStringType(type) || size == 0) {
    return Status(RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size));
  }
  // For string data whose last byte is not zero, the system looks at the byte after the data and
  // counts it in when it is a zero, as a terminator the caller forgot. The data is stored as given
  // here, so that byte is made a non-zero one in a copy.
  std::vector<BYTE> copy(data, data + size);
  copy.push_back(0xFF);
  return Status(RegSetValueExA(ToHkey(key), name.c_str(), 0, type, copy.data(), size));
}

RegStatus Win32Registry::DeleteValue(RegHandle key, const std::string& name) {
  return Status(RegDeleteValueA(ToHkey(key), name.c_str()));
}

RegStatus Win32Registry::DeleteKey(RegHandle parent, const std::string& subKey) {
  return Status(RegDeleteKeyA(ToHkey(parent), subKey.c_str()));
}

RegStatus Win32Registry::QueryInfoKey(RegHandle key, RegKeyInfo* info) {
  DWORD subKeys = 0, maxSubKeyLen = 0, values = 0, maxValueNameLen = 0, maxValueLen = 0;
  const LSTATUS status =
      RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subKeys, &maxSubKeyLen, nullptr,
                       &values, &maxValueNameLen, &maxValueLen, nullptr, nullptr);
  if (status == ERROR_SUCCESS) {
    *info = RegKeyInfo{subKeys, maxSubKeyLen, values, maxValueNameLen, maxValueLen};
  }
  return Status(status);
}

RegStatus Win32Registry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                                 std::uint32_t* length) {
  DWORD chars = *length;
  const LSTATUS status =
      RegEnumKeyExA(ToHkey(key), index, name, &chars, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_SUCCESS) *length = chars;
  return Status(status);
}

RegStatus Win32Registry::EnumValue(RegHandle key, std::uint32_t index, char* name,
                                   std::uint32_t* length, RegType* type, std::uint8_t* data,
                                   std::uint32_t* size) {
  DWORD chars = *length;
  DWORD kind = REG_NONE;
  DWORD bytes = size != nullptr ? *size : 0;
  const LSTATUS status = RegEnumValueA(ToHkey(key), index, name, &chars, nullptr, &kind, data,
                                       size != nullptr ? &bytes : nullptr);
  if (status == ERROR_SUCCESS) *length = chars;
  if (type != nullptr) *type = static_cast<RegType>(kind);
  if (size != nullptr) *size = bytes;
  return Status(status);
}

RegStatus Win32Registry::CloseKey(RegHandle key) {
  if (key == kHkeyLocalMachine || key == kHkeyCurrentUser) return kErrorSuccess;
  return Status(RegCloseKey(ToHkey(key)));
}

// A 32-bit process on 64-bit Windows; a 64-bit process sees the registry as it lies. Asked once:
// it cannot change while the process runs, and a backup asks for every key it writes out.
bool Win32Registry::IsWow64View() {
  static const bool wow64 = [] {
    BOOL is = FALSE;
    return IsWow64Process(GetCurrentProcess(), &is) && is;
  }();
  return wow64;
}

}  // namespace quellon
