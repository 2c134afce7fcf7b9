#include "devices/guid.h"

#include <cstdio>

#include "base/hex.h"

namespace quellon {
namespace {

Guid Known(const char* text) {
  return *ParseGuid(text);
}

}  // namespace

std::optional<Guid> ParseGuid(std::string_view t) {
  // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}: 38 characters with the dashes at fixed places.
  if (t.size() != 38 || t[0] != '{' || t[37] != '}' || t[9] != '-' || t[14] != '-' ||
      t[19] != '-' || t[24] != '-')
    return std::nullopt;
  const auto d1 = ParseHex(t.substr(1, 8));
  const auto d2 = ParseHex(t.substr(10, 4));
  const auto d3 = ParseHex(t.substr(15, 4));
  if (!d1 || !d2 || !d3) return std::nullopt;
  Guid g{*d1, static_cast<std::uint16_t>(*d2), static_cast<std::uint16_t>(*d3), {}};
  // The last eight bytes: two before the fourth dash, six after it.
  for (int i = 0; i < 8; ++i) {
    const size_t at = i < 2 ? 20 + 2 * i : 25 + 2 * (i - 2);
    const auto byte = ParseHex(t.substr(at, 2));
    if (!byte) return std::nullopt;
    g.data4[i] = static_cast<std::uint8_t>(*byte);
  }
  return g;
}

std::string FormatGuid(const Guid& g) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.data1), g.data2, g.data3, g.data4[0], g.data4[1],
                g.data4[2], g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
  return buf;
}

const Guid kActiveMovieCategories = Known("{DA4E3DA0-D07D-11D0-BD50-00A0C911CE86}");
const Guid kVideoInputDeviceCategory = Known("{860BB310-5D01-11D0-BD3B-00A0C911CE86}");
const Guid kEncoderCategory = Known("{19689BF6-C384-48FD-AD51-90E58C79F70B}");
const Guid kProxyClass = Known("{17CCA71B-ECD7-11D0-B908-00A0C9223196}");

}  // namespace quellon
