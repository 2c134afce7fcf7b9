#include "contract/registry_contract.h"
#include "testing/memory_registry.h"

std::unique_ptr<quellon::RegistryApi> MakeContractRegistry() {
  return std::make_unique<quellon::MemoryRegistry>();
}
