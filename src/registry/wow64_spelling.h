#pragma once
// On 64-bit Windows this 32-bit program sees the 32-bit view of the registry: its
// HKEY_LOCAL_MACHINE\SOFTWARE\X is HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432Node\X to every 64-bit
// program, the system's own `reg import` and registry editor among them. A .reg file the program
// writes names each key where it really lies, so that any importer restores the right values; a
// file it reads may name a key either way.

#include <string>
#include <string_view>

#include "registry/registry_api.h"

namespace quellon {

// SOFTWARE\X below HKEY_LOCAL_MACHINE as SOFTWARE\WOW6432Node\X; every other key as it is.
std::string Wow64Spelling(RegHandle root, std::string_view key);

// Either spelling as this program names the key: SOFTWARE\WOW6432Node\X below
// HKEY_LOCAL_MACHINE as SOFTWARE\X; every other key as it is.
std::string ProgramSpelling(RegHandle root, std::string_view key);

}  // namespace quellon
