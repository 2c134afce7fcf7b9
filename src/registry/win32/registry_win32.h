#pragma once
// The system registry through the advapi32 ANSI calls.

#include "registry/registry_api.h"

namespace quellon {

class Win32Registry final : public RegistryApi {
 public:
  RegStatus OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                    RegHandle* result) override;
  RegStatus CreateKey(RegHandle parent, const std::string& subKey, RegAccess access,
                      RegHandle* result) override;
  RegStatus QueryValue(RegHandle key, const std::string& name, RegType* type, std::uint8_t* data,
                       std::uint32_t* size) override;
  RegStatus SetValue(RegHandle key, const std::string& name, RegType type, const std::uint8_t* data,
                     std::uint32_t size) override;
  RegStatus DeleteValue(RegHandle key, const std::string& name) override;
  RegStatus DeleteKey(RegHandle parent, const std::string& subKey) override;
  RegStatus QueryInfoKey(RegHandle key, RegKeyInfo* info) override;
  RegStatus EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length) override;
  RegStatus EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length,
                      RegType* type, std::uint8_t* data, std::uint32_t* size) override;
  RegStatus CloseKey(RegHandle key) override;
  bool IsWow64View() override;
};

}  // namespace quellon
