#pragma once
// The errors a device operation ends with; the application's default error report shows their
// text. Each keeps the system's failure code (an HRESULT).

#include <cstdint>
#include <string>
#include <system_error>

#include "base/status_error.h"

namespace quellon {

// The category of the COM failure codes (HRESULTs) the device errors keep.
const std::error_category& ComCategory();

class DeviceError : public StatusError {
 public:
  DeviceError(std::uint32_t code, const std::string& text)
      : StatusError(static_cast<int>(code), ComCategory(), text) {}
};

// E_NOINTERFACE: what a filter answers for an interface it does not offer.
inline constexpr std::uint32_t kNoInterface = 0x80004002;

// The binding has no live filter, or the filter lacks the interface asked for.
class InterfaceNotSupported : public DeviceError {
 public:
  InterfaceNotSupported() : DeviceError(kNoInterface, "Interface not supported") {}
};

// The system rejected a device's "CLSID" text; the text is the system's message for the code.
class ClassStringError : public DeviceError {
 public:
  using DeviceError::DeviceError;
};

// CO_E_CLASSSTRING: what the system's conversion returns for a text that names no class.
inline constexpr std::uint32_t kInvalidClassString = 0x800401F3;

// The text an error box shows for a failure code: the system's message when it has one, otherwise
// "OLE error XXXXXXXX".
std::string OleErrorText(std::uint32_t code, const std::string& system_message);

}  // namespace quellon
