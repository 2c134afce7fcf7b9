#include "safety/program_catalogue.h"

#include <string>
#include <vector>

#include "registry/registry_ops.h"
#include "settings/catalogue.h"
#include "settings/closed_caption.h"

namespace quellon {
namespace {

// A walk that stops part-way keeps the keys it found before; what it could not list is noted, so
// that a backup names it instead of failing: the save itself meets the same key and reports it.
void Check(RegStatus status, const std::string& what, Catalogue* catalogue) {
  if (status != kErrorSuccess) {
    catalogue->NoteUnlisted(what + " (error " + std::to_string(static_cast<int>(status)) + ")");
  }
}

std::vector<std::string> FanOutKeys(RegistryApi& api, Catalogue* catalogue) {
  std::vector<std::string> keys;
  Check(ForEachFanOutInstance(api,
                              [&](RegHandle, const std::string& instance) {
                                keys.push_back(std::string(MediaClassKey) + "\\" + instance +
                                               "\\DriverData");
                              }),
        "the device instances below HKEY_LOCAL_MACHINE\\" + std::string(MediaClassKey), catalogue);
  return keys;
}

std::vector<std::string> MarkedKeys(RegistryApi& api, Catalogue* catalogue) {
  std::vector<std::string> keys;
  Check(settings::ForEachMarkedDriverKey(
            api, [&](RegHandle, const std::string& path) { keys.push_back(path); }),
        "the media driver keys of the closed captions", catalogue);
  return keys;
}

}  // namespace

Catalogue ProgramCatalogue(RegistryApi& api) {
  using settings::Where;
  Catalogue catalogue;
  const std::vector<std::string> instances = FanOutKeys(api, &catalogue);
  const std::vector<std::string> marked = MarkedKeys(api, &catalogue);
  for (const settings::Value* value : settings::WrittenValues()) {
    if (value->where == Where::Plain || value->where == Where::PlainThenFanOut)
      catalogue.Add(kHkeyLocalMachine, value->key, value->name);
    if (value->where == Where::FanOut || value->where == Where::PlainThenFanOut)
      for (const std::string& key : instances) catalogue.Add(kHkeyLocalMachine, key, value->name);
    if (value->where == Where::MarkedDriverKeys)
      for (const std::string& key : marked) catalogue.Add(kHkeyLocalMachine, key, value->name);
  }
  return catalogue;
}

}  // namespace quellon
