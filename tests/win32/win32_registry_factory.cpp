#include "contract/registry_contract.h"
#include "registry/win32/registry_win32.h"

std::unique_ptr<quellon::RegistryApi> MakeContractRegistry() {
  return std::make_unique<quellon::Win32Registry>();
}
