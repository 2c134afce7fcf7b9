#pragma once
// The behaviour every RegistryApi backend shares, checked once against whichever backend the test
// program links a factory for: MemoryRegistry natively, the system registry in the Windows build.

#include <memory>

#include "registry/registry_api.h"

// Returns a fresh backend for one test. The tests only touch the keys
// Software\QuellonContract under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, and remove them.
std::unique_ptr<quellon::RegistryApi> MakeContractRegistry();
