#pragma once
// The advapi32 status codes, value types and access masks the registry layer uses, spelled out so
// that portable code never needs <windows.h>. registry_win32.cpp checks them against the real ones.

#include <cstddef>
#include <cstdint>

namespace quellon {

// What every RegistryApi call returns: a Win32 error code, kErrorSuccess when it worked. The type
// is [[nodiscard]]: no call's status can be dropped without saying so (static_cast<void>), the
// virtual calls of RegistryApi included.
enum class [[nodiscard]] RegStatus : std::int32_t{};

inline constexpr RegStatus kErrorSuccess{0};
inline constexpr RegStatus kErrorFileNotFound{2};
inline constexpr RegStatus kErrorAccessDenied{5};
inline constexpr RegStatus kErrorInvalidHandle{6};
inline constexpr RegStatus kErrorOutOfMemory{14};
inline constexpr RegStatus kErrorInvalidData{13};
inline constexpr RegStatus kErrorWriteFault{29};
inline constexpr RegStatus kErrorInvalidParameter{87};
inline constexpr RegStatus kErrorBadPathname{161};
inline constexpr RegStatus kErrorMoreData{234};
inline constexpr RegStatus kErrorNoMoreItems{259};
inline constexpr RegStatus kErrorKeyDeleted{1018};
inline constexpr RegStatus kErrorDatatypeMismatch{1629};

using RegType = std::uint32_t;

inline constexpr RegType kRegNone = 0;
inline constexpr RegType kRegSz = 1;
inline constexpr RegType kRegExpandSz = 2;
inline constexpr RegType kRegBinary = 3;
inline constexpr RegType kRegDword = 4;
inline constexpr RegType kRegDwordBigEndian = 5;
inline constexpr RegType kRegLink = 6;
inline constexpr RegType kRegMultiSz = 7;
inline constexpr RegType kRegQword = 11;

// The types whose data the system converts between code pages (and that RegSetValueExA/
// RegQueryValueExA treat specially around the terminating zero).
constexpr bool IsStringType(RegType type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

using RegAccess = std::uint32_t;

inline constexpr RegAccess kKeyQueryValue = 0x0001;
inline constexpr RegAccess kKeySetValue = 0x0002;
inline constexpr RegAccess kKeyCreateSubKey = 0x0004;
inline constexpr RegAccess kKeyEnumerateSubKeys = 0x0008;
inline constexpr RegAccess kKeyNotify = 0x0010;
inline constexpr RegAccess kKeyCreateLink = 0x0020;
inline constexpr RegAccess kKeyRead = 0x20019;
inline constexpr RegAccess kKeyWrite = 0x20006;
inline constexpr RegAccess kKeyAllAccess = 0xF003F;

// The limits the ANSI registry calls enforce: a key name component of at most 255 characters, a
// subkey path argument of at most 260 characters, a value name of at most 16383 characters.
inline constexpr std::size_t kMaxKeyNameChars = 255;
inline constexpr std::size_t kMaxSubKeyPathChars = 260;
inline constexpr std::size_t kMaxValueNameChars = 16383;

}  // namespace quellon
