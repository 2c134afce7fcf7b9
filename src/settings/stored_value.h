#pragma once
// How the program describes a setting it stores: the registry value (key, name, type, plain or on
// every device instance) and how a control's state converts to and from it. The descriptions are
// static data, so the values can be listed, backed up or exported without a window.

#include <optional>

namespace quellon::settings {

// Every value lies below HKEY_LOCAL_MACHINE, the only root the program writes.
enum class Where {
  Plain,            // below `key`
  FanOut,           // in the "DriverData" key of every device instance of the media class
  PlainThenFanOut,  // below `key`, and then on every device instance; read from `key`
  MarkedDriverKeys  // in every media driver key that carries the closed-caption marker
};

enum class Type { Dword, Text };

struct Value {
  const char* key;  // as this value has always spelt it; nullptr where `where` says it all
  const char* name;
  Type type = Type::Dword;
  Where where = Where::Plain;
};

// A slider position and the integer stored for it. `position` is null for a value that is only
// ever written.
struct Scale {
  int (*position)(int stored);
  int (*stored)(int position);
};

// A check box and the integer stored for it. `checked` gives nothing when the box is to stay as
// it is; it is told nothing for a value that is missing.
struct Flag {
  std::optional<bool> (*checked)(std::optional<int> stored);
  int (*stored)(bool checked);
};

struct SliderValue {
  Value value;
  Scale scale;
};

struct BoxValue {
  Value value;
  Flag flag;
};

// The conversions that several settings share.
int Same(int value);
int Plus128(int position);
int OneOrZero(bool checked);
std::optional<bool> CheckedWhenOne(std::optional<int> stored);
// Missing counts as 1.
std::optional<bool> CheckedWhenOneOrMissing(std::optional<int> stored);
// 1 ticks the box, 0 or missing unticks it; any other value leaves it as it is.
std::optional<bool> OnWhenOneOffWhenZeroOrMissing(std::optional<int> stored);
// 1 or missing ticks the box, 0 unticks it; any other value leaves it as it is.
std::optional<bool> OnWhenOneOrMissingOffWhenZero(std::optional<int> stored);

inline constexpr Scale kSame{&Same, &Same};
inline constexpr Flag kOneOrZero{&CheckedWhenOne, &OneOrZero};

}  // namespace quellon::settings
