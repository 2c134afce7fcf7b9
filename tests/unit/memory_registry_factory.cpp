#include "contract/registry_contract.h"
#include "registry/memory_registry.h"

std::unique_ptr<quellon::RegistryApi> MakeContractRegistry() {
  return std::make_unique<quellon::MemoryRegistry>();
}
