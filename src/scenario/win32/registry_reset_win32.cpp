// Every script starts from an empty registry: the keys the program and the scripts touch are
// removed from the system registry first.

#include <windows.h>

#include <string>

#include "scenario/win32/window_driver_win32.h"

namespace quellon::scenario {
namespace {

void DeleteTree(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  for (;;) {
    char name[256] = {};
    DWORD length = sizeof name;
    // Always the first subkey: the list shrinks as they go.
    if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    const std::string child = name;
    DeleteTree(key, child);
    HKEY check = nullptr;
    if (RegOpenKeyExA(key, child.c_str(), 0, KEY_READ, &check) == ERROR_SUCCESS) {
      RegCloseKey(check);
      break;  // it would not go: stop rather than loop
    }
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, path.c_str());
}

constexpr char kClassKey[] = "SYSTEM\\CurrentControlSet\\Control\\Class";

}  // namespace

std::set<std::string> SystemClasses() {
  std::set<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kClassKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return names;
  for (DWORD i = 0;; ++i) {
    char name[256] = {};
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.insert(name);
  }
  RegCloseKey(key);
  return names;
}

void RemoveClassesAddedSince(const std::set<std::string>& before) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kClassKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return;
  for (const std::string& name : SystemClasses())
    if (!before.count(name)) DeleteTree(key, name);
  RegCloseKey(key);
}

void RemoveDisplayClasses() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kClassKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return;
  DeleteTree(key, "{4D36E968-E325-11CE-BFC1-08002BE10318}");  // display adapters
  DeleteTree(key, "{4D36E96E-E325-11CE-BFC1-08002BE10318}");  // monitors
  RegCloseKey(key);
}

void ClearProgramKeys() {
  for (const char* path :
       {"SOFTWARE\\Hauppauge", "SYSTEM\\CurrentControlSet\\Services\\hcwPP2",
        "SYSTEM\\CurrentControlSet\\Services\\Globespan",
        "SYSTEM\\CurrentControlSet\\Services\\Class", "SYSTEM\\CurrentControlSet\\Control\\Class"})
    DeleteTree(HKEY_LOCAL_MACHINE, path);
  DeleteTree(HKEY_CURRENT_USER, "Software\\Quellon-scenario");
}

}  // namespace quellon::scenario
