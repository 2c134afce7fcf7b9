#include "safety/program_catalogue.h"

#include <string>
#include <vector>

#include "registry/registry_ops.h"
#include "settings/catalogue.h"
#include "settings/closed_caption.h"

namespace quellon {
namespace {

void Check(RegStatus status, const std::string& what) {
  if (status != kErrorSuccess) {
    throw RegistryError(status, "Cannot list " + what + " (error " +
                                    std::to_string(static_cast<int>(status)) + ")");
  }
}

std::vector<std::string> FanOutKeys(RegistryApi& api) {
  std::vector<std::string> keys;
  Check(ForEachFanOutInstance(api,
                              [&](RegHandle, const std::string& instance) {
                                keys.push_back(std::string(MediaClassKey) + "\\" + instance +
                                               "\\DriverData");
                              }),
        "the device instances below HKEY_LOCAL_MACHINE\\" + std::string(MediaClassKey));
  return keys;
}

std::vector<std::string> MarkedKeys(RegistryApi& api) {
  std::vector<std::string> keys;
  Check(settings::ForEachMarkedDriverKey(
            api, [&](RegHandle, const std::string& path) { keys.push_back(path); }),
        "the media driver keys of the closed captions");
  return keys;
}

}  // namespace

Catalogue ProgramCatalogue(RegistryApi& api) {
  using settings::Where;
  const std::vector<std::string> instances = FanOutKeys(api);
  const std::vector<std::string> marked = MarkedKeys(api);
  Catalogue catalogue;
  for (const settings::Value* value : settings::WrittenValues()) {
    const ValueType type =
        value->type == settings::Type::Text ? ValueType::kText : ValueType::kDword;
    const auto add = [&](const std::string& key) {
      catalogue.Add(kHkeyLocalMachine, key, value->name, type);
    };
    if (value->where == Where::Plain || value->where == Where::PlainThenFanOut) add(value->key);
    if (value->where == Where::FanOut || value->where == Where::PlainThenFanOut)
      for (const std::string& key : instances) add(key);
    if (value->where == Where::MarkedDriverKeys)
      for (const std::string& key : marked) add(key);
  }
  return catalogue;
}

}  // namespace quellon
