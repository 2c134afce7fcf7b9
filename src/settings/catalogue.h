#pragma once
// Every registry value the program may write, as static data: what a backup, or an export and
// import of the settings, has to cover. Each is below HKEY_LOCAL_MACHINE; a fan-out value stands
// for that value on every device instance below MediaClassKey, the closed-caption flag for every
// media driver key that carries its marker. Some keys appear in two spellings of one key.

#include <span>

#include "settings/stored_value.h"

namespace quellon::settings {

std::span<const Value* const> WrittenValues();

}  // namespace quellon::settings
