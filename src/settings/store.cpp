#include "settings/store.h"

#include "registry/registry_ops.h"
#include "settings/device_keys.h"

namespace quellon::settings {

std::optional<int> Store::Read(const Value& value) const {
  if (value.where == Where::FanOut)
    return GetRegIntKeyHKLM_all150subkeys(registry_.api(), value.name);
  return registry_.GetRegIntKeyHKLM(value.key, value.name);
}

std::optional<std::string> Store::ReadText(const Value& value) const {
  return registry_.GetRegStrKeyHKLM(value.key, value.name);
}

void Store::Write(const Value& value, int stored) const {
  if (value.where == Where::MarkedDriverKeys) return SetCCKey(registry_.api(), stored != 0);
  if (value.where != Where::FanOut) registry_.SetRegIntKeyHKLM(value.key, value.name, stored);
  if (value.where != Where::Plain)
    SetRegIntKeyHKLM_all150subkeys(registry_.api(), value.name, stored);
}

void Store::WriteText(const Value& value, const std::string& text) const {
  registry_.SetRegStrKeyHKLM(value.key, value.name, text);
}

bool Store::TryWrite(const Value& value, int stored) const {
  try {
    Write(value, stored);
    return true;
  } catch (const RegistryError&) {
    return false;
  }
}

void Store::Delete(const Value& value) const {
  registry_.DeleteRegKeyValueHKLM(value.key, value.name);
}

}  // namespace quellon::settings
