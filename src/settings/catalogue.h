#pragma once
// Every registry value the program may write, as static data: what a backup, or an export and
// import of the settings, has to cover. Each is below HKEY_LOCAL_MACHINE; a fan-out value stands
// for that value on every device instance below MediaClassKey, the closed-caption flag for every
// media driver key that carries its marker. Some keys appear in two spellings of one key.

#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "registry/registry_util.h"
#include "settings/stored_value.h"

namespace quellon::settings {

// In the order a save that has everything ticked writes them.
std::span<const Value* const> WrittenValues();

// One key a written value goes to on this machine, below HKEY_LOCAL_MACHINE.
struct WriteTarget {
  std::string_view key;  // spelt as the save spells it; the value's own or WriteTargets::keys
  const Value* value;
};

// Holds each device key once, however many values go there; the targets point into it, so it is
// moved, never copied.
struct WriteTargets {
  WriteTargets() = default;
  WriteTargets(WriteTargets&&) = default;
  WriteTargets& operator=(WriteTargets&&) = default;

  std::deque<std::string> keys;      // the device keys the walks found
  std::vector<WriteTarget> targets;  // in the order of WrittenValues()
  // What a walk could not list ("the device instances below ... (error 5)"): the targets it
  // would have found there are missing.
  std::vector<std::string> unlisted;
  // With DeviceKeys::kFindAndRead, each device key as the walk that found it read it.
  std::vector<ListedKey> read;
};

// Whether the walks also read the device keys they find, for a backup taken right away.
enum class DeviceKeys { kFind, kFindAndRead };

// Where a save may write on this machine now: each plain value below its key, each fan-out value
// in the "DriverData" key of every device instance the fan-out writes into, the closed-caption
// flag in every media driver key that carries its marker. Found by the very walks the save uses; a
// walk whose listing fails part-way keeps what it found before.
WriteTargets AllWriteTargets(RegistryApi& api, DeviceKeys devices = DeviceKeys::kFind);

}  // namespace quellon::settings
