#include "app/profile_values.h"

#include <climits>

#include "app/profile_text.h"

namespace quellon::profile_values {
namespace {

std::optional<long long> Unsigned(std::string_view text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<long long> Signed(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  const std::optional<long long> value = Unsigned(text);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

std::optional<int> Fit(std::optional<long long> value) {
  if (!value || *value < INT_MIN || *value > INT_MAX) return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace

std::optional<int> WholeNumber(std::string_view text) {
  return Fit(Signed(text));
}

std::optional<int> Halves(std::string_view text) {
  const std::size_t point = text.find_first_of(".,");
  const std::string_view whole = text.substr(0, point);
  const std::optional<long long> value = Signed(whole);
  if (!value || *value < INT_MIN / 2 || *value > INT_MAX / 2) return std::nullopt;
  long long halves = 2 * *value;
  if (point != std::string_view::npos) {
    const std::string_view fraction = text.substr(point + 1);
    if (fraction != "0" && fraction != "5") return std::nullopt;
    if (fraction == "5") halves += whole.starts_with('-') ? -1 : 1;
  }
  return Fit(halves);
}

std::string FormatHalves(int halves) {
  const long long h = halves;
  const std::string whole = std::to_string((h < 0 ? -h : h) / 2);
  return (h < 0 ? "-" : "") + whole + (h % 2 != 0 ? ".5" : "");
}

std::optional<bool> OnOff(std::string_view text) {
  if (SameName(text, "on")) return true;
  if (SameName(text, "off")) return false;
  return std::nullopt;
}

std::optional<int> Digits(std::string_view text) {
  return Fit(Unsigned(text));
}

}  // namespace quellon::profile_values
