#pragma once
// Counting registry calls by function: the bare sequences count their own, the program's are
// counted by a decorator around its registry.

#include "testing/forwarding_registry.h"

namespace bench {

struct CallCounts {
  long open = 0, create = 0, query = 0, set = 0, enum_key = 0, enum_value = 0, info = 0, close = 0;
  long Total() const { return open + create + query + set + enum_key + enum_value + info + close; }
};

class CountingRegistry final : public quellon::ForwardingRegistry {
 public:
  using ForwardingRegistry::ForwardingRegistry;
  using Handle = quellon::RegHandle;
  using Status = quellon::RegStatus;

  Status OpenKey(Handle parent, const std::string& sub, quellon::RegAccess access,
                 Handle* result) override {
    ++calls.open;
    return inner().OpenKey(parent, sub, access, result);
  }
  Status CreateKey(Handle parent, const std::string& sub, quellon::RegAccess access,
                   Handle* result) override {
    ++calls.create;
    return inner().CreateKey(parent, sub, access, result);
  }
  Status QueryValue(Handle key, const std::string& name, quellon::RegType* type, std::uint8_t* data,
                    std::uint32_t* size) override {
    ++calls.query;
    return inner().QueryValue(key, name, type, data, size);
  }
  Status SetValue(Handle key, const std::string& name, quellon::RegType type,
                  const std::uint8_t* data, std::uint32_t size) override {
    ++calls.set;
    return inner().SetValue(key, name, type, data, size);
  }
  Status QueryInfoKey(Handle key, quellon::RegKeyInfo* info) override {
    ++calls.info;
    return inner().QueryInfoKey(key, info);
  }
  Status EnumKey(Handle key, std::uint32_t index, char* name, std::uint32_t* length) override {
    ++calls.enum_key;
    return inner().EnumKey(key, index, name, length);
  }
  Status EnumValue(Handle key, std::uint32_t index, char* name, std::uint32_t* length,
                   quellon::RegType* type, std::uint8_t* data, std::uint32_t* size) override {
    ++calls.enum_value;
    return inner().EnumValue(key, index, name, length, type, data, size);
  }
  Status CloseKey(Handle key) override {
    ++calls.close;
    return inner().CloseKey(key);
  }

  CallCounts calls;
};

}  // namespace bench
