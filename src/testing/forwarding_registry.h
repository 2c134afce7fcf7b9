#pragma once
// A registry that passes every call on to another one: the base of decorators that change only a
// few calls.

#include "registry/registry_api.h"

namespace quellon {

class ForwardingRegistry : public RegistryApi {
 public:
  explicit ForwardingRegistry(RegistryApi& inner) : inner_(inner) {}

  RegStatus OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                    RegHandle* result) override {
    return inner_.OpenKey(parent, subKey, access, result);
  }
  RegStatus CreateKey(RegHandle parent, const std::string& subKey, RegAccess access,
                      RegHandle* result) override {
    return inner_.CreateKey(parent, subKey, access, result);
  }
  RegStatus QueryValue(RegHandle key, const std::string& name, RegType* type, std::uint8_t* data,
                       std::uint32_t* size) override {
    return inner_.QueryValue(key, name, type, data, size);
  }
  RegStatus SetValue(RegHandle key, const std::string& name, RegType type, const std::uint8_t* data,
                     std::uint32_t size) override {
    return inner_.SetValue(key, name, type, data, size);
  }
  RegStatus DeleteValue(RegHandle key, const std::string& name) override {
    return inner_.DeleteValue(key, name);
  }
  RegStatus DeleteKey(RegHandle parent, const std::string& subKey) override {
    return inner_.DeleteKey(parent, subKey);
  }
  RegStatus QueryInfoKey(RegHandle key, RegKeyInfo* info) override {
    return inner_.QueryInfoKey(key, info);
  }
  RegStatus EnumKey(RegHandle key, std::uint32_t index, char* name,
                    std::uint32_t* length) override {
    return inner_.EnumKey(key, index, name, length);
  }
  RegStatus EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length,
                      RegType* type, std::uint8_t* data, std::uint32_t* size) override {
    return inner_.EnumValue(key, index, name, length, type, data, size);
  }
  RegStatus CloseKey(RegHandle key) override { return inner_.CloseKey(key); }
  bool IsWow64View() override { return inner_.IsWow64View(); }

 protected:
  RegistryApi& inner() { return inner_; }

 private:
  RegistryApi& inner_;
};

}  // namespace quellon
