// Every script starts from an empty registry: the keys the program and the scripts touch are
// removed from the system registry first.

#include <string>

#include "registry/registry_util.h"
#include "registry/win32/registry_win32.h"
#include "scenario/win32/window_driver_win32.h"

namespace quellon::scenario {
namespace {

constexpr char kClassKey[] = "SYSTEM\\CurrentControlSet\\Control\\Class";

// What will not go stays; the script then sees it, and its output tells.
void DeleteTree(RegistryApi& registry, RegHandle root, const std::string& path) {
  static_cast<void>(DeleteKeyTree(registry, root, path));
}

}  // namespace

std::set<std::string> SystemClasses() {
  Win32Registry registry;
  RegKey key;
  std::vector<std::string> names;
  if (RegKey::Open(registry, kHkeyLocalMachine, kClassKey, kKeyRead, &key) == kErrorSuccess) {
    // The classes listed before a failure are all the reset can know of.
    static_cast<void>(ListSubKeyNames(registry, key.get(), &names));
  }
  return {names.begin(), names.end()};
}

void RemoveClassesAddedSince(const std::set<std::string>& before) {
  Win32Registry registry;
  for (const std::string& name : SystemClasses())
    if (!before.count(name)) DeleteTree(registry, kHkeyLocalMachine, kClassKey + ("\\" + name));
}

void RemoveDisplayClasses() {
  Win32Registry registry;
  for (const char* display_class : {"{4D36E968-E325-11CE-BFC1-08002BE10318}",   // adapters
                                    "{4D36E96E-E325-11CE-BFC1-08002BE10318}"})  // monitors
    DeleteTree(registry, kHkeyLocalMachine, kClassKey + std::string("\\") + display_class);
}

void ClearProgramKeys() {
  Win32Registry registry;
  for (const char* path :
       {"SOFTWARE\\Hauppauge", "SYSTEM\\CurrentControlSet\\Services\\hcwPP2",
        "SYSTEM\\CurrentControlSet\\Services\\Globespan",
        "SYSTEM\\CurrentControlSet\\Services\\Class", "SYSTEM\\CurrentControlSet\\Control\\Class"})
    DeleteTree(registry, kHkeyLocalMachine, path);
  DeleteTree(registry, kHkeyCurrentUser, "Software\\Quellon-scenario");
}

}  // namespace quellon::scenario
