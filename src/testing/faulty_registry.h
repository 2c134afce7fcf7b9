#pragma once
// Passes every call on to another registry, except those it was told to fail: the way tests make
// a write or an open fail where the real registry would refuse it (full disk, permissions).

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "testing/forwarding_registry.h"

namespace quellon {

class FaultyRegistry final : public ForwardingRegistry {
 public:
  explicit FaultyRegistry(RegistryApi& inner) : ForwardingRegistry(inner) {}

  // Every write (SetValue or DeleteValue) of a value of this name fails with `code`, in any key.
  void FailWritesOf(const std::string& valueName, RegStatus code);
  // The n-th write from now (1 is the next one) fails with `code`; the others pass.
  void FailNthWrite(unsigned n, RegStatus code);
  // Opening or creating this key (a path below a root key) fails with `code`.
  void FailOpenOf(RegHandle root, const std::string& path, RegStatus code);
  // Listing the subkey and value names of this key fails with `code` after the first name, as a
  // listing does when the key changes or goes away underneath it.
  void FailListingOf(RegHandle root, const std::string& path, RegStatus code);
  void ClearFaults();

  RegStatus OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                    RegHandle* result) override;
  RegStatus CreateKey(RegHandle parent, const std::string& subKey, RegAccess access,
                      RegHandle* result) override;
  RegStatus SetValue(RegHandle key, const std::string& name, RegType type, const std::uint8_t* data,
                     std::uint32_t size) override;
  RegStatus DeleteValue(RegHandle key, const std::string& name) override;
  RegStatus EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length) override;
  RegStatus EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* length,
                      RegType* type, std::uint8_t* data, std::uint32_t* size) override;
  RegStatus CloseKey(RegHandle key) override;

 private:
  // Where a handle points: its root key and the path components below it.
  struct KeyPath {
    RegHandle root = kNoKey;
    std::vector<std::string> parts;
  };
  struct KeyFault {
    KeyPath key;
    RegStatus code;
  };

  std::optional<KeyPath> PathOf(RegHandle parent, const std::string& subKey) const;
  static std::optional<RegStatus> FaultFor(const std::vector<KeyFault>& faults,
                                           const std::optional<KeyPath>& path);
  std::optional<RegStatus> ListingFaultFor(RegHandle key, std::uint32_t index) const;
  std::optional<RegStatus> WriteFaultFor(const std::string& name);
  RegStatus Opened(RegStatus status, std::optional<KeyPath> path, RegHandle* result);

  std::map<RegHandle, KeyPath> paths_;
  std::vector<std::pair<std::string, RegStatus>> nameFaults_;
  std::vector<KeyFault> openFaults_;
  std::vector<KeyFault> listingFaults_;
  unsigned writesUntilFault_ = 0;  // 0: no counted fault pending
  RegStatus countedCode_ = kErrorSuccess;
};

}  // namespace quellon
