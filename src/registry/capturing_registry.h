#pragma once
// A view of a registry that keeps every change to itself: writes, deletions of values and created
// keys live in the view, reads and listings see the registry below with those changes on top, and
// the registry below is only ever read. A dry run saves or imports through it and then lists what
// would have changed.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "registry/registry_api.h"
#include "registry/registry_util.h"

namespace quellon {

class CapturingRegistry : public RegistryApi {
 public:
  explicit CapturingRegistry(RegistryApi& below) : below_(below) {}

  // A value the view set or deleted, in the order of its first change, spelt as then.
  struct Touched {
    RegHandle root = kNoKey;
    std::string key;
    std::string name;
    std::optional<RegValue> now;  // nothing: deleted
  };
  const std::vector<Touched>& touched() const { return touched_; }

  RegStatus OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                    RegHandle* result) override;
  RegStatus CreateKey(RegHandle parent, const std::string& subKey, RegAccess access,
                      RegHandle* result) override;
  RegStatus QueryValue(RegHandle key, const std::string& name, RegType* type, std::uint8_t* data,
                       std::uint32_t* size) override;
  RegStatus SetValue(RegHandle key, const std::string& name, RegType type, const std::uint8_t* data,
                     std::uint32_t size) override;
  RegStatus DeleteValue(RegHandle key, const std::string& name) override;
  // Deleting keys is no part of what a dry run shows: refused (kErrorAccessDenied).
  RegStatus DeleteKey(RegHandle parent, const std::string& subKey) override;
  RegStatus QueryInfoKey(RegHandle key, RegKeyInfo* info) override;
  RegStatus EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length) override;
  RegStatus EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length,
                      RegType* type, std::uint8_t* data, std::uint32_t* size) override;
  RegStatus CloseKey(RegHandle key) override;
  bool IsWow64View() override { return below_.IsWow64View(); }

 private:
  struct Place {
    RegHandle root = kNoKey;
    std::string path;  // below the root, as first spelt
  };
  const Place* PlaceOf(RegHandle key) const;
  static std::string Id(RegHandle root, const std::string& path);
  // Opens the key below for reading: kErrorFileNotFound when it is not there.
  RegStatus OpenBelow(const Place& place, RegKey* key);
  bool Exists(const Place& place);
  RegHandle Issue(Place place);
  Touched* Find(const Place& place, const std::string& name);
  RegStatus SubKeyNames(const Place& place, std::vector<std::string>* names);
  RegStatus ValueNames(const Place& place, std::vector<std::string>* names);

  RegistryApi& below_;
  std::map<RegHandle, Place> open_;
  RegHandle next_ = 1;
  std::vector<Place> created_;  // keys made by the view, parents first
  std::vector<Touched> touched_;
};

}  // namespace quellon
