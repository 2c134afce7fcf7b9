#pragma once
// The errors a device operation ends with; the application's default error report shows their
// text.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quellon {

class DeviceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The binding has no live filter, or the filter lacks the interface asked for.
class InterfaceNotSupported : public DeviceError {
 public:
  InterfaceNotSupported() : DeviceError("Interface not supported") {}
};

// The system rejected a device's "CLSID" text; the text is the system's message for the code.
class ClassStringError : public DeviceError {
 public:
  ClassStringError(std::uint32_t code, const std::string& message)
      : DeviceError(message), code_(code) {}
  std::uint32_t code() const { return code_; }

 private:
  std::uint32_t code_;
};

// CO_E_CLASSSTRING: what the system's conversion returns for a text that names no class.
inline constexpr std::uint32_t kInvalidClassString = 0x800401F3;

// The text an error box shows for a failure code: the system's message when it has one, otherwise
// "OLE error XXXXXXXX".
std::string OleErrorText(std::uint32_t code, const std::string& system_message);

}  // namespace quellon
