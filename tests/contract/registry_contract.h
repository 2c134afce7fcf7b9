#pragma once
// The behaviour every RegistryApi backend shares, checked once against whichever backend the test
// program links a factory for: MemoryRegistry natively, the system registry in the Windows build.

#include <memory>
#include <ostream>

#include "registry/registry_api.h"

namespace quellon {
// A status as its number in the tests' failure messages. The product never prints one, and keeping
// this out of it keeps the stream library out of quellon.exe.
inline std::ostream& operator<<(std::ostream& out, RegStatus status) {
  return out << static_cast<int>(status);
}
}  // namespace quellon

// Returns a fresh backend for one test. The tests only touch the keys
// Software\QuellonContract under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, and remove them.
std::unique_ptr<quellon::RegistryApi> MakeContractRegistry();
