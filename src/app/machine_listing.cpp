// /machine: what the settings go to on this machine. The card drivers' service keys the program
// knows, the device instances the 150/500 values fan out to and the media driver keys that take
// the closed-caption flag, found by the very walks the save uses.

#include <string>
#include <vector>

#include "app/profile_commands.h"
#include "registry/reg_file.h"
#include "registry/registry_util.h"
#include "settings/device_keys.h"
#include "settings/keys.h"

namespace quellon {
namespace {

struct Driver {
  const char* cards;
  const char* key;  // the driver's own key, below its service key
};

constexpr Driver kDrivers[] = {{"PVR-150/500", settings::keys::kPvr150Driver},
                               {"PVR-250/350", settings::keys::kPvr250Driver}};

// "SYSTEM\CurrentControlSet\Services\NAME": the first four names of the driver's key.
std::string ServiceKey(const std::string& key) {
  std::size_t end = 0;
  for (int i = 0; i < 4 && end != std::string::npos; ++i) end = key.find('\\', end + (i ? 1 : 0));
  return key.substr(0, end);
}

bool KeyExists(RegistryApi& api, const std::string& key) {
  RegKey open;
  return RegKey::Open(api, kHkeyLocalMachine, key, kKeyRead, &open) == kErrorSuccess;
}

// The instance's "DriverDesc", the name the device manager shows.
std::string Description(RegistryApi& api, const std::string& instance) {
  RegKey key;
  RegValue value;
  if (RegKey::Open(api, kHkeyLocalMachine,
                   std::string(settings::keys::kMediaClass) + "\\" + instance, kKeyRead,
                   &key) != kErrorSuccess ||
      ReadValue(api, key.get(), "DriverDesc", &value) != kErrorSuccess ||
      (value.type != kRegSz && value.type != kRegExpandSz))
    return "";
  return TextFromData(value.data);
}

std::string Stopped(RegStatus status) {
  if (status == kErrorSuccess) return "";
  return "  (the listing stopped here: error " + std::to_string(static_cast<int>(status)) + ")\n";
}

}  // namespace

int ListMachineCommand(RegistryApi& registry, std::string& out) {
  out += "Card drivers (service keys below HKEY_LOCAL_MACHINE):\n";
  for (const Driver& driver : kDrivers) {
    const std::string service = ServiceKey(driver.key);
    out += "  " + std::string(driver.cards) + ": " + service +
           (KeyExists(registry, service) ? " installed" : " not installed") + "\n";
  }

  std::vector<std::string> instances;
  const RegStatus fan_out = settings::ForEachFanOutInstance(
      registry, [&](RegHandle, const std::string& instance) { instances.push_back(instance); });
  out += "Device instances whose DriverData key takes the 150/500 settings, below " +
         RegFileKeyName(kHkeyLocalMachine, settings::keys::kMediaClass) + ":\n";
  if (instances.empty() && fan_out == kErrorSuccess) out += "  none\n";
  for (const std::string& instance : instances) {
    const std::string description = Description(registry, instance);
    out += "  " + instance + (description.empty() ? "" : "  " + description) + "\n";
  }
  out += Stopped(fan_out);

  std::vector<std::string> marked;
  const RegStatus cc = settings::ForEachMarkedDriverKey(
      registry, [&](RegHandle, const std::string& path, const auto&) { marked.push_back(path); });
  out +=
      "Media driver keys marked \"EnableVIMProtection\", which take the 250/350 closed "
      "captions:\n";
  if (marked.empty() && cc == kErrorSuccess) out += "  none\n";
  for (const std::string& path : marked)
    out += "  " + RegFileKeyName(kHkeyLocalMachine, path) + "\n";
  out += Stopped(cc);
  return kExitSuccess;
}

}  // namespace quellon
