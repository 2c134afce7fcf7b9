#include "devices/device_error.h"

#include <cstdio>

namespace quellon {

std::string OleErrorText(std::uint32_t code, const std::string& system_message) {
  // System messages end in a line break and often a full stop; the box shows neither.
  std::string text = system_message;
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
    text.pop_back();
  if (!text.empty()) return text;
  char buf[32];
  std::snprintf(buf, sizeof buf, "OLE error %08X", static_cast<unsigned>(code));
  return buf;
}

}  // namespace quellon
