#include "devices/device_error.h"

#include <cstdio>

namespace quellon {
namespace {

class Category : public std::error_category {
 public:
  const char* name() const noexcept override { return "COM"; }
  std::string message(int code) const override {
    char buf[32];
    std::snprintf(buf, sizeof buf, "HRESULT %08X", static_cast<unsigned>(code));
    return buf;
  }
};

}  // namespace

const std::error_category& ComCategory() {
  static const Category category;
  return category;
}

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
