#pragma once
// A registry held in memory that answers every call the way the system registry (as Wine keeps
// it) does: names compare without regard to case and keep the case they were created with, keys
// and values enumerate sorted by name, any type and any bytes can be stored.

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "registry/registry_api.h"

namespace quellon {

class MemoryRegistry final : public RegistryApi {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

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
  bool IsWow64View() override { return wow64_view_; }
  // Plays the 32-bit view of a 64-bit Windows.
  void SetWow64View(bool on) { wow64_view_ = on; }

  // Makes the key (created if missing) refuse to open with any of the `denied` access rights, and
  // refuse new subkeys when creating them is among them: as a key whose permissions do not grant
  // the user those rights. kErrorAccessDenied is what the caller sees.
  void DenyAccess(RegHandle root, const std::string& path, RegAccess denied = kKeyAllAccess);

  // Handles opened and not yet closed; tests use it to find handles that leak.
  std::size_t OpenHandleCount() const { return handles_.size(); }

 private:
  bool wow64_view_ = false;
  struct Node;
  struct Located;
  using NodePtr = std::shared_ptr<Node>;

  RegStatus Resolve(RegHandle handle, NodePtr* node) const;
  RegStatus Walk(RegHandle parent, const std::string& subKey, bool create, RegAccess access,
                 Located* found);
  RegHandle Issue(NodePtr node);

  NodePtr localMachine_;
  NodePtr currentUser_;
  std::map<RegHandle, NodePtr> handles_;
  RegHandle nextHandle_ = 0x100;
};

}  // namespace quellon
