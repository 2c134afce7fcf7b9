#include "settings/store.h"

#include "registry/registry_ops.h"
#include "settings/device_keys.h"

namespace quellon::settings {

Store::Store(const RegistryOps& registry) : registry_(registry) {}

Store::~Store() = default;

// A load reads several fan-out values: listing every device instance once for all of them spares
// a registry call per value name of every instance at each further value.
std::optional<int> Store::Read(const Value& value) const {
  if (value.where != Where::FanOut) return registry_.GetRegIntKeyHKLM(value.key, value.name);
  if (!fan_out_) fan_out_ = std::make_unique<FanOutListing>(registry_.api());
  return fan_out_->Read(value.name);
}

std::optional<std::string> Store::ReadText(const Value& value) const {
  return registry_.GetRegStrKeyHKLM(value.key, value.name);
}

void Store::Write(const Value& value, int stored) const {
  fan_out_.reset();
  if (value.where == Where::MarkedDriverKeys) return SetCCKey(registry_.api(), stored != 0);
  if (value.where != Where::FanOut) registry_.SetRegIntKeyHKLM(value.key, value.name, stored);
  if (value.where != Where::Plain)
    SetRegIntKeyHKLM_all150subkeys(registry_.api(), value.name, stored);
}

void Store::WriteText(const Value& value, const std::string& text) const {
  fan_out_.reset();
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
  fan_out_.reset();
  registry_.DeleteRegKeyValueHKLM(value.key, value.name);
}

}  // namespace quellon::settings
