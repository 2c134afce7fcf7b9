#include "scenario/driver.h"

namespace quellon::scenario {

void Driver::AddDevice(const DeviceDef&) {
  throw UsageError("this mode has no device system");
}

std::vector<ProcampSet> Driver::TakeProcamp() {
  throw UsageError("this mode has no device system");
}

std::vector<std::string> Driver::GraphFilters() {
  throw UsageError("this mode has no device system");
}

}  // namespace quellon::scenario
