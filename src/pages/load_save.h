#pragma once
// What the loader and the saver carry from row to row as they walk the pages.

#include <optional>

#include "settings/store.h"
#include "ui/controls.h"

namespace quellon {

struct LoadContext {
  const settings::Store& store;
  ui::Memo& log;  // the main window's debug log
  // The slider position the loader computed most recently in this run, before any clamping; the
  // debug lines report it.
  std::optional<int> last_position;

  int Computed(int position) {
    last_position = position;
    return position;
  }
  // Appends "<value read>::<last computed position>"; a missing value, and a position while none
  // has been computed in this run, print as the missing marker.
  void DebugLine(std::optional<int> value_read) {
    log.Append(std::to_string(value_read.value_or(RegValueMissing)) +
               "::" + std::to_string(last_position.value_or(RegValueMissing)));
  }
};

struct SaveContext {
  const settings::Store& store;
};

}  // namespace quellon
