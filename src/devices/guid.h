#pragma once
// A COM class or category identifier, kept portable so that the device search can compare and
// print them without the Windows headers.

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quellon {

struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  auto operator<=>(const Guid&) const = default;
};

inline constexpr Guid kGuidNull{};

// The registry form with braces, "{17CCA71B-ECD7-11D0-B908-00A0C9223196}"; hex digits in either
// case. Anything else, including blanks around it, is rejected.
[[nodiscard]] std::optional<Guid> ParseGuid(std::string_view text);
// The same form in upper case.
std::string FormatGuid(const Guid& g);

// The categories and the filter class the device search works with.
extern const Guid kActiveMovieCategories;     // {DA4E3DA0-D07D-11D0-BD50-00A0C911CE86}
extern const Guid kVideoInputDeviceCategory;  // {860BB310-5D01-11D0-BD3B-00A0C911CE86}
extern const Guid kEncoderCategory;           // {19689BF6-C384-48FD-AD51-90E58C79F70B}
extern const Guid kProxyClass;                // {17CCA71B-ECD7-11D0-B908-00A0C9223196}

}  // namespace quellon
