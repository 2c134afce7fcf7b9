#include "settings/stored_value.h"

namespace quellon::settings {

int Same(int value) {
  return value;
}

int Plus128(int position) {
  return position + 128;
}

int OneOrZero(bool checked) {
  return checked ? 1 : 0;
}

std::optional<bool> CheckedWhenOne(std::optional<int> stored) {
  return stored == 1;
}

std::optional<bool> CheckedWhenOneOrMissing(std::optional<int> stored) {
  return stored.value_or(1) == 1;
}

std::optional<bool> OnWhenOneOffWhenZeroOrMissing(std::optional<int> stored) {
  const int value = stored.value_or(0);
  if (value == 0 || value == 1) return value == 1;
  return std::nullopt;
}

std::optional<bool> OnWhenOneOrMissingOffWhenZero(std::optional<int> stored) {
  const int value = stored.value_or(1);
  if (value == 0 || value == 1) return value == 1;
  return std::nullopt;
}

}  // namespace quellon::settings
