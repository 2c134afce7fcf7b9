#pragma once
// The loader and the saver visit the pages in one fixed order; each page's rows are one block.

#include <optional>

namespace quellon {

class TForm1;
class RegistryOps;

struct LoadContext {
  TForm1& form;
  const RegistryOps& reg;
  // The slider position the loader computed most recently in this run, before any clamping; the
  // debug lines report it.
  std::optional<int> last_position;

  int Computed(int position) {
    last_position = position;
    return position;
  }
  // Appends "<value read>::<last computed position>" to the debug log.
  void DebugLine(std::optional<int> value_read);
};

struct SaveContext {
  TForm1& form;
  const RegistryOps& reg;
};

// Load order: 150/500, 150/500 advanced, 250/350, WinTV2000. The save visits the same order.
void LoadPvr150Rows(LoadContext& ctx);
void LoadPvr150AdvancedRows(LoadContext& ctx);
void LoadPvr250Rows(LoadContext& ctx);
void LoadWintv2kRows(LoadContext& ctx);

void SavePvr150Rows(SaveContext& ctx);
void SavePvr150AdvancedRows(SaveContext& ctx);
void SavePvr250Rows(SaveContext& ctx);
void SaveWintv2kRows(SaveContext& ctx);

}  // namespace quellon
